// The flat date and time picker: the platform's picker with an optional "metro" look that
// repaints its drop-down button in its own colours or in the visual style and frames the
// control with border colours, and a one-pixel border of its own without Ctl3D. The grid's
// date and time editor derives from it.
#pragma once

#include <string>

#include "grid/editors/flat_combo.h"
#include "platform/date_time_picker.h"

namespace hd {

// The look shared by the flat pickers: border and button colours, hover and focus, and the
// painting over the platform's face. A picker holds one and forwards its messages to it.
class TFlatPickerLook {
 public:
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle Value);
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value) { FButtonColor = Value; }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
  bool ButtonHover() const { return FButtonHover; }
  bool MouseInControl() const { return FMouseInControl; }
  bool HasFocus() const { return FHasFocus; }

 protected:
  // Variant: the labelled picker's own rules (no design-time test, the themed clearing from
  // 4 pixels before the button, the outer rectangle after the button, the border drawn
  // whatever BorderColor holds).
  TFlatPickerLook(TDateTimePicker* Picker, bool Variant);
  virtual ~TFlatPickerLook() = default;
  virtual bool IsMetro() const;
  virtual bool IsEmbeddedPart() const { return false; }
  bool IsThemed() const;
  bool IsActive() const;
  bool ShowFocusBorder() const;
  // After the platform painted the face.
  void PaintOver(TCanvas& Canvas);
  void DrawButton(TCanvas& Canvas);
  void DrawBorders(TCanvas& Canvas);
  void DrawBorder(TCanvas& Canvas);
  void DrawButtonFrame(TCanvas& Canvas);
  void DrawFlatBorder(TCanvas& Canvas);
  TColor OwnBorderPen() const;
  // Messages the look follows; true when it changes what shows.
  void LookMessage(const TMessage& Message);
  void LookMouseMove(int X);

  TDateTimePicker* FPicker;
  bool FVariant;
  TBorderStyle FBorderStyle = bsNone;
  TColor FBorderColor = clNone;
  bool FIsThemed;
  TColor FButtonColorDown = clNone, FButtonBorderColor = clNone, FButtonTextColor = clNone,
         FButtonTextColorHot = clNone, FButtonColor = clNone, FButtonColorHot = clNone, FButtonTextColorDown = clNone;
  int FButtonWidth;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FIsWinXP = true;
  bool FMetroStyle = false;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
  bool FFocusBorder = false;
};

class TEsgDateTimePicker : public TDateTimePicker, public TFlatPickerLook {
 public:
  explicit TEsgDateTimePicker(TComponent* AOwner);
  const char* ClassName() const override { return "TEsgDateTimePicker"; }
  using TFlatPickerLook::BorderStyle;
  using TFlatPickerLook::SetBorderStyle;
  // "1.0.0.0"; writing it does nothing.
  std::string Version() const;
  void SetVersion(const std::string&) {}

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
};

// The four bytes of a version number, most significant first, joined by full stops.
std::string VersionString(unsigned Number);

}  // namespace hd
