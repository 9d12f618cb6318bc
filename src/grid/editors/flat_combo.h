// The flat combo box: the platform's combo box with a self-painted drop-down button and border,
// colours for the border, the focus state and the button, a button drawn through the visual
// style, an attached caption label, a focus colour, focusing on hover, a settable width of the
// dropped list and an event when the list closes. The grid's combo editors derive from it.
#pragma once

#include <string>

#include "platform/std_ctrls.h"

namespace hd {

// Where the attached label sits beside the combo. Ordinals are kept in stored forms.
enum TLabelPosition {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter,
  lpRightTop,
  lpRightCenter,
  lpRighBottom,
};

// Puts an attached label beside its control at Position, Margin pixels off, and shows it with
// the control. A left label stands off by its caption's own width, not by its size.
void PlaceLabel(TLabel& Label, const TControl& Control, TLabelPosition Position, int Margin);

// The frame colour of a disabled combo under a visual style that is not left to the style.
constexpr TColor kDisabledThemedBorderColor = 0x00B99D7F;

class TEsgCustomCombo : public TCustomComboBox {
 public:
  explicit TEsgCustomCombo(TComponent* AOwner);
  ~TEsgCustomCombo() override;
  const char* ClassName() const override { return "TEsgCustomCombo"; }

  // Records the current colour as the one the focus colour gives way to.
  void Init();
  // Selects the first item whose text is AString; nothing when there is none.
  void SelectItem(const std::string& AString);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  // Both carry the attached label along (its enabled state unless LabelAlwaysEnabled).
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;

  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool Value) { FAutoFocus = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  int ButtonWidth() const { return FButtonWidth; }
  // 14 to 32 pixels; other values are ignored.
  void SetButtonWidth(int Value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value) { FDisabledBorder = Value; }
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor Value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool Value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value) { FFocusBorder = Value; }
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor Value) { FFocusColor = Value; }
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }
  // The width of the dropped list; 0 leaves the platform's.
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int Value);

  // The attached label, made by the first caption; null until then.
  TLabel* ComboLabel() const { return FLabel; }
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
  const TFont& LabelFont() const { return FLabelFont; }
  // Taken only while ParentFont is off: otherwise the label shows the combo's font.
  void SetLabelFont(const TFont& Value);

  // The button's colours; a set ButtonColor switches to the self-painted button.
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
  // The owner's word that visual styles are in use, and that the system draws combos in its
  // own style (then only a set ButtonColor or BorderColor brings the flat painting in).
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value) { FIsWinXP = Value; }
  bool IsVista() const { return FIsVista; }
  void SetIsVista(bool Value) { FIsVista = Value; }

  // The list closed.
  TNotifyEvent OnDropUp;

  void Dispatch(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  // Painting (flat_combo_paint.cpp). The window canvas is the canvas of the paint in
  // progress; outside a paint the drawing waits for the next one.
  void WMPaint(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  bool PaintsItself() const;
  void DrawButton(TCanvas& Canvas);
  void DrawBorders(TCanvas* WindowCanvas);
  void DrawBorder(TCanvas& Canvas);
  void DrawButtonFrame(TCanvas& Canvas);
  TColor ArrowColor() const;

  // Hover and focus.
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void FocusArrived();
  void FocusLeft();
  void ApplyFocusColor();
  void RestoreNormalColor();
  void SetLabelBold(bool Bold);
  void CMEnabledChanged(TMessage& Message);
  void CNCommand(TMessage& Message);

  // The label.
  void CreateLabel();
  void UpdateLabel();
  void LabelFontChanged();
  void CMFontChanged(TMessage& Message);

  bool IsThemed() const;
  bool IsActive() const;
  bool ShowFocusBorder() const;
  bool Loading() const { return ComponentState().Contains(csLoading); }

  bool FAutoFocus = false;
  bool FFlat = false;
  bool FEtched = false;
  TColor FOldColor = clNone;
  TColor FLoadedColor = clWindow;
  bool FOldParentColor = false;
  int FButtonWidth;
  bool FFocusBorder = false;
  bool FMouseInControl = false;
  int FDropWidth = 0;
  bool FIsWinXP = false;
  bool FIsThemed;
  bool FButtonHover = false;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  int FLabelMargin = 4;
  TFont FLabelFont;
  TLabelPosition FLabelPosition = lpLeftTop;
  TLabel* FLabel = nullptr;
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FFocusColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  // clNone until Init or the first focus colour records it, so that a combo made at run
  // time gets its own colour back rather than black.
  TColor FNormalColor = clNone;
  bool FHasFocus = false;
  bool FFocusLabel = false;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  bool FIsVista = false;
};

// The combo as forms place it; it adds no behaviour.
class TEsgComboBox : public TEsgCustomCombo {
 public:
  using TEsgCustomCombo::TEsgCustomCombo;
  const char* ClassName() const override { return "TEsgComboBox"; }
};

}  // namespace hd
