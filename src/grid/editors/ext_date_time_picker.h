// The date and time picker with a label: TCustomDateTimePicker moves on to the next field as
// digits complete one (AutoTab); TExtDateTimePicker picks a date, a time, or both side by side
// with a time part of its own, and carries an attached label.
#pragma once

#include <string>

#include "grid/editors/date_time_picker.h"
#include "platform/std_ctrls.h"

namespace hd {

// The message a picker posts to itself after each typed digit.
UINT DTPShiftFocusMessage();

class TCustomDateTimePicker : public TDateTimePicker, public TFlatPickerLook {
 public:
  explicit TCustomDateTimePicker(TComponent* AOwner);
  const char* ClassName() const override { return "TCustomDateTimePicker"; }
  using TFlatPickerLook::BorderStyle;
  using TFlatPickerLook::SetBorderStyle;

  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }

  void Dispatch(TMessage& Message) override;

 protected:
  // After a digit: posts Right when the digit completed a field of the time.
  virtual void ShiftFocus();
  bool IsEmbeddedPart() const override { return true; }
  void KeyPress(TKeyChar& Key) override;
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

  bool FAutoTab = false;
  int Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker : public TCustomDateTimePicker {
 public:
  explicit TExtDateTimePicker(TComponent* AOwner);
  ~TExtDateTimePicker() override;
  const char* ClassName() const override { return "TExtDateTimePicker"; }

  TExtDateTimeKind Kind() const { return FKind; }
  void SetKind(TExtDateTimeKind Value);
  // The time part's time while it exists, else the picker's own.
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  // Whole seconds: milliseconds are dropped on the way in.
  TDateTime DateTime() const;
  virtual void SetDateTime(TDateTime Value);
  TDateTime Date() const { return TDateTimePicker::Date(); }
  // Keeps the time of day.
  void SetDate(TDateTime Value);
  std::string TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const std::string& Value);
  void SetAutoTab(bool Value) override;
  void SetBorderStyle(TBorderStyle Value) override;
  // "1.2.0.0"; writing it does nothing.
  std::string Version() const;
  void SetVersion(const std::string&) {}
  // The embedded time part; null unless Kind is dkDateTime.
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

  // The label, made by the first caption.
  TLabel* PickerLabel() const { return FLabel; }
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }
  const TFont& LabelFont() const { return FLabelFont; }
  // Taken only while ParentFont is off.
  void SetLabelFont(const TFont& Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void SetEnabled(bool Value) override;
  void SetVisible(bool Value) override;

  TNotifyEvent OnTimeChange;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void DoChange();
  virtual void DoClick();
  virtual void TimePickerKeyPress(TKeyChar&) {}
  void ShiftFocus() override;
  void KeyPress(TKeyChar& Key) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void Loaded() override;
  // The label font changed: the label takes it; at design time ParentFont goes off.
  virtual void LabelFontChanged();

 private:
  void CreateTimePicker();
  void UpdateTimePicker();
  void FreeTimePicker();
  void EnableTimePartByCheck();
  void CreateLabel();
  void UpdateLabel();

  TExtDateTimeKind FKind = dkDateTime;
  std::string FTimeFormat;
  int Fy = 0, Fmo = 0, Fd = 0;
  TLabel* FLabel = nullptr;
  TFont FLabelFont;
  TLabelPosition FLabelPosition = lpLeftTop;
  int FLabelMargin = 4;
  bool FLabelTransparent = false;
  bool FFocusLabel = false;
  bool FLabelAlwaysEnabled = false;
  bool FIgnoreTimePickerCheck = false;
  bool FFirstRun = true;
  // The label shows the picker's font; ParentFont as it was when loading ended.
  bool FParentFnt = false;
  TCustomDateTimePicker* FTimePicker = nullptr;
};

}  // namespace hd
