// The time-of-day drop-down: a masked edit of two-digit hours, minutes and (optionally)
// seconds, stepped by Up and Down in the field under the caret, with an analog clock in the
// popup on which the user picks the time by clicking near the hour or the minute.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/watch.h"
#include "platform/dateutils.h"

namespace hd {

class TPanel;
class TDateTimePicker;

// The hours, minutes and seconds of a typed time.
struct TTypedTime {
  int Hour = 0, Minute = 0, Second = 0;
};

// A whole time typed in the edit's format: the trimmed text is hh<S>mm (or hh<S>mm<S>ss with
// seconds) with inner blanks read as zeros; a field's first two characters must be digits.
// Nothing for any other text. The fields are not range-checked here.
std::optional<TTypedTime> ParseTypedTime(const std::string& Text, char Separator, bool Seconds);
// Each part two digits, joined by the separator; seconds only when asked for.
std::string FormatPickerTime(int Hour, int Minute, int Second, char Separator, bool Seconds);
// The time part Up or Down steps for a caret (zero-based) in the text: 0 hour, 1 minute,
// 2 second.
int PickerPartAt(const std::string& Text, int Caret, char Separator, bool Seconds);

class TExtTimePickerDropDown : public TExtCustomDropDown {
 public:
  explicit TExtTimePickerDropDown(TComponent* AOwner);
  ~TExtTimePickerDropDown() override;
  const char* ClassName() const override { return "TExtTimePickerDropDown"; }
  void AfterConstruction() override;

  // Only the fraction of the day counts. Setting it writes the text and, while the popup
  // shows, the clock; it fires no event.
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  // Seconds in the text; switching keeps Time.
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value);

  // A platform time picker under the clock in the popup, from the next drop-down.
  bool ShowTimePicker() const { return FShowTimePicker; }
  void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
  // Copied into the popup's clock at every drop-down.
  TWatchAppearance& WatchAppearance() { return *FWatchAppearance; }
  void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance->Assign(&Value); }
  TWatchSettings& WatchSettings() { return *FWatchSettings; }
  void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings->Assign(&Value); }
  bool ShowWatchAMPM() const { return FShowWatchAMPM; }
  void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
  bool ShowWatchNumbers() const { return FShowWatchNumbers; }
  void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  int AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
  // The popup's clock and its panel; null before the popup is made.
  TExtWatch* Watch() const { return FExtWatch; }
  TPanel* Panel() const { return FPanelCtrl; }
  // Made at the first drop-down with ShowTimePicker; null before.
  TDateTimePicker* DateTimePicker() const { return FDateTimePicker; }

  void SetComponentStyle(TDAZStyle AStyle) override;

  // The time changed through the arrow keys or the popup.
  TNotifyEvent OnTimeChange;

  // Up and Down step the part under the caret; the grid's editor calls it first.
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // Reads a whole typed time into Time.
  void Change() override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DropDownFormHide() override;
  void DropDownFormKeyDown(WORD& Key, TShiftState Shift) override;
  void DropDownFormKeyUp(WORD& Key, TShiftState Shift) override;
  void ControlKeyDown(WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TKeyChar& Key) override;

 private:
  void WriteText();
  void SetPart(int Part, int Value);
  void WatchChanged();
  void PickerChanged();
  void ShowPicker();
  std::string MaskFor(bool Seconds) const;

  TExtWatch* FExtWatch = nullptr;
  TPanel* FPanelCtrl = nullptr;
  TDateTimePicker* FDateTimePicker = nullptr;
  bool FShowTimePicker = false;
  std::unique_ptr<TWatchAppearance> FWatchAppearance;
  std::unique_ptr<TWatchSettings> FWatchSettings;
  bool FShowWatchAMPM = true;
  bool FShowWatchNumbers = true;
  bool FAnimation = true;
  int FAnimationFactor = 10;
  TDateTime FTime = 0;
  // The time when the popup opened, put back by a cancel that leaves no time in the text.
  TDateTime FTimeAtDrop = 0;
  bool FInternalCall = false;
  bool FShowSeconds = true;
};

}  // namespace hd
