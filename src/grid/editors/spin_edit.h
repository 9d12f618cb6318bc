// The spin edit: a one-line edit with a pair of arrow buttons that steps an integer, float,
// date or time value by its keys, its buttons (repeating while held) and the page keys,
// filters typed characters for its kind of value and keeps the value within its limits. The
// grid's spin cell editor derives from it.
#pragma once

#include <string>

#include "grid/editors/spin_value.h"
#include "platform/buttons.h"
#include "platform/ext_ctrls.h"
#include "platform/mask_edit.h"

namespace hd {

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateItem>;
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// The first repeat of a held spin button, and the later ones.
constexpr unsigned kSpinRepeatDelay = 400;
constexpr unsigned kSpinRepeatInterval = 100;

class TEsgSpinButton;

// One arrow button that clicks again and again while it is held down with the mouse.
class TExtTimerSpeedButton : public TSpeedButton {
 public:
  explicit TExtTimerSpeedButton(TComponent* AOwner);
  ~TExtTimerSpeedButton() override;
  const char* ClassName() const override { return "TExtTimerSpeedButton"; }

  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState Value);
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool HasMouse() const { return FHasMouse; }
  // The repeat timer, null before the first press.
  TTimer* RepeatTimer() const { return FRepeatTimer; }

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void TimerExpired(TObject* Sender);
  TEsgSpinButton* Pair() const;
  void PaintCustom(TCanvas& ACanvas, TColor Face);

  TTimer* FRepeatTimer = nullptr;
  TTimeBtnState FTimeBtnState;
  TButtonDirection FButtonDirection = bdUp;
  bool FIsWinXP = false;
  bool FHasMouse = false;
};

// The pair of arrow buttons beside a spin edit, one above the other or side by side.
class TEsgSpinButton : public TCustomControl {
 public:
  explicit TEsgSpinButton(TComponent* AOwner);
  const char* ClassName() const override { return "TEsgSpinButton"; }

  TExtTimerSpeedButton* UpButton() const { return FUpButton; }
  TExtTimerSpeedButton* DownButton() const { return FDownButton; }
  // The button the keys act on; the up button at first.
  TExtTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
  // Takes the focus when a button is pressed.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);

  // The custom look: with ButtonColor other than clNone the buttons are filled and get a
  // black triangle.
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;

  // An empty glyph puts back the default arrow.
  const TBitmap& UpGlyph() const { return FUpButton->Glyph(); }
  void SetUpGlyph(const TBitmap& Value);
  const TBitmap& DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(const TBitmap& Value);
  int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int Value) { FUpButton->SetNumGlyphs(Value); }
  int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int Value) { FDownButton->SetNumGlyphs(Value); }

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Dispatch(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Paint() override;

 private:
  friend class TExtTimerSpeedButton;
  void BtnClick(TObject* Sender);
  void BtnMouseDown(TExtTimerSpeedButton* Sender);
  void FocusBtn(TExtTimerSpeedButton* Btn);
  // Places the two buttons within the pair; returns the width the pair keeps to.
  int AdjustSize(int W, int H);
  TExtTimerSpeedButton* MakeButton(TButtonDirection Direction);

  TExtTimerSpeedButton* FUpButton;
  TExtTimerSpeedButton* FDownButton;
  TExtTimerSpeedButton* FFocusedButton;
  TWinControl* FFocusControl = nullptr;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
};

class TEsgSpinEdit : public TCustomMaskEdit {
 public:
  explicit TEsgSpinEdit(TComponent* AOwner);
  const char* ClassName() const override { return "TEsgSpinEdit"; }

  // Steps the value (Paging: a page step for floats); a read-only edit only beeps.
  virtual void IncrementValue(bool Paging);
  virtual void DecrementValue(bool Paging);
  // Whether a typed character is taken for the kind of value, the caret and the selection.
  virtual bool IsValidChar(TKeyChar Key);
  virtual void SpinUpClick() { IncrementValue(false); }
  virtual void SpinDownClick() { DecrementValue(false); }

  TEsgSpinButton* Button() const { return FButton; }

  TEsgSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TEsgSpinType Value);
  int Value();
  void SetValue(int NewValue);
  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value) { FMinValue = Value; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value) { FMaxValue = Value; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  double FloatValue();
  void SetFloatValue(double NewValue);
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
  double IncrementFloatPage() const { return FIncrementFloatPage; }
  void SetIncrementFloatPage(double Value) { FIncrementFloatPage = Value; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  TDateTime DateValue();
  void SetDateValue(TDateTime NewValue);
  TDateTime TimeValue();
  void SetTimeValue(TDateTime NewValue);
  // Limits of both the date and the time value.
  TDateTime MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(TDateTime Value) { FMinDateValue = Value; }
  TDateTime MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(TDateTime Value) { FMaxDateValue = Value; }
  int IncrementHours() const { return FSteps.Hours; }
  void SetIncrementHours(int Value) { FSteps.Hours = Value; }
  int IncrementMinutes() const { return FSteps.Minutes; }
  void SetIncrementMinutes(int Value) { FSteps.Minutes = Value; }
  int IncrementSeconds() const { return FSteps.Seconds; }
  void SetIncrementSeconds(int Value) { FSteps.Seconds = Value; }
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value) { FShowSeconds = Value; }
  // Off: only the buttons and the stepping keys change the value.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  // The numeric keypad's "." types the locale's decimal separator.
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  TSpinDirection Direction() const { return FButton->Direction(); }
  void SetDirection(TSpinDirection Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  bool SpinFlat() const { return FUpFlat; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return FTransparent; }
  void SetSpinTransparent(bool Value);
  // An empty text is stored as empty (read by the grid's read-back).
  bool AllowEmptyValue() const { return FAllowEmptyValue; }
  void SetAllowEmptyValue(bool Value) { FAllowEmptyValue = Value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);

  // The least height the font needs.
  int GetMinHeight();
  // After properties were read from a description: the value's text written again.
  void Loaded() override;

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  // Writes the value again when it lies outside its limits.
  void ClampOnExit();
  // The text's formatting rectangle, clear of the buttons.
  void SetEditRect();
  // The locale the values are read and written with.
  static TFormatSettings Locale();

 private:
  void ResizeToButtons();
  void WMChar(TMessage& Message);
  // Writes Text and puts the caret back where it was.
  void SetTextKeepCaret(const std::string& Value);
  void StepDate(int Delta);
  void StepTime(bool Up);

  TEsgSpinButton* FButton;
  TEsgSpinType FSpinType = sptNormal;
  int FMinValue = 0;
  int FMaxValue = 100;
  int FIncrement = 1;
  double FMinFloatValue = 0.0;
  double FMaxFloatValue = 100.0;
  double FIncrementFloat = 0.1;
  double FIncrementFloatPage = 1.0;
  int FPrecision = 0;
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
  TDateTime FMinDateValue = 0;
  TDateTime FMaxDateValue = 0;
  TTimeSteps FSteps;
  bool FShowSeconds = true;
  bool FEditorEnabled = true;
  bool FReturnIsTab = false;
  bool FExcelStyleDecimalSeparator = false;
  TEditAlign FEditAlign = eaLeft;
  bool FUpFlat = false;
  bool FTransparent = false;
  bool FAllowEmptyValue = false;
  bool FIsWinXP = false;
  bool FUsDates = false;
};

}  // namespace hd
