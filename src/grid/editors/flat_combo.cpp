#include "grid/editors/flat_combo.h"

#include "grid/foundation/theme.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/scroll_bars.h"
#include "platform/themes.h"

namespace hd {

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner),
      FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2),
      FIsThemed(IsComCtl6()) {}

TEsgCustomCombo::~TEsgCustomCombo() {
  // The label is owned and freed with the combo; it must not be placed on the way.
  FLabel = nullptr;
}

void TEsgCustomCombo::Loaded() {
  TCustomComboBox::Loaded();
  if (FDropWidth > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(FDropWidth));
  FOldColor = FLoadedColor;
  if (!(FFlatParentColor && !FFlat)) SetColor(FLoadedColor);
  if (FLabel) {
    if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    if (ParentFont()) FLabel->SetFont(Font());
  }
  UpdateLabel();
  Init();
}

void TEsgCustomCombo::Init() { FNormalColor = Color(); }

void TEsgCustomCombo::SelectItem(const std::string& AString) {
  for (int i = 0; i < Items().Count(); ++i) {
    if (Items().Strings(i) == AString) {
      SetItemIndex(i);
      return;
    }
  }
}

void TEsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Destroying()) UpdateLabel();
}

void TEsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  // The label also goes with its parent, which need not be ours.
  if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

void TEsgCustomCombo::SetParent(TWinControl* AParent) {
  TCustomComboBox::SetParent(AParent);
  // The label stands beside the combo, so it moves to the combo's new parent with it.
  if (FLabel && !Destroying()) {
    FLabel->SetParent(AParent);
    UpdateLabel();
  }
}

void TEsgCustomCombo::SetVisible(bool Value) {
  TCustomComboBox::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

void TEsgCustomCombo::SetEnabled(bool Value) {
  bool changed = Value != Enabled();
  TCustomComboBox::SetEnabled(Value);
  if (changed && !Loading() && FLabel && !FLabelAlwaysEnabled) {
    FLabel->SetEnabled(Value);
    UpdateLabel();
  }
}

void TEsgCustomCombo::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  if (HandleAllocated()) Perform(WM_NCPAINT, 1, 0);
}

void TEsgCustomCombo::SetButtonWidth(int Value) {
  if (Value < 14 || Value > 32) return;
  FButtonWidth = Value;
  Invalidate();
}

void TEsgCustomCombo::SetEtched(bool Value) {
  if (Value == FEtched) return;
  FEtched = Value;
  Invalidate();
}

void TEsgCustomCombo::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  SetCtl3D(!Value);
  if (FFlatParentColor && Value) {
    if (Parent()) SetColor(Parent()->Color());
  } else {
    SetColor(FLoadedColor);
  }
  Invalidate();
}

void TEsgCustomCombo::SetFlatLineColor(TColor Value) {
  FFlatLineColor = Value;
  Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool Value) {
  FFlatParentColor = Value;
  Invalidate();
}

void TEsgCustomCombo::SetDropWidth(int Value) {
  FDropWidth = Value;
  if (Value > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Value));
}

std::string TEsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TEsgCustomCombo::SetLabelCaption(const std::string& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  UpdateLabel();
}

void TEsgCustomCombo::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  UpdateLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  UpdateLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  UpdateLabel();
}

void TEsgCustomCombo::SetLabelFont(const TFont& Value) {
  if (!ParentFont()) FLabelFont = Value;
  LabelFontChanged();
}

void TEsgCustomCombo::LabelFontChanged() { UpdateLabel(); }

void TEsgCustomCombo::CreateLabel() {
  FLabel = new TLabel(this);
  FLabel->SetParent(Parent());
  FLabel->SetFocusControl(this);
  FLabel->SetFont(FLabelFont);
  FLabel->SetParentFont(ParentFont());
}

void PlaceLabel(TLabel& Label, const TControl& Control, TLabelPosition Position, int Margin) {
  // The caption's own width, whatever the label's size: an accelerator mark takes no room.
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(Label.Font());
  TRect r{0, 0, 1000, 255};
  measure.Canvas().DrawText(Label.Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
  const int W = r.Width();
  const int L = Control.Left(), T = Control.Top(), Wc = Control.Width(), Hc = Control.Height();
  const int Wl = Label.Width(), Hl = Label.Height(), M = Margin;
  const int middle = T + (Hc - Hl) / 2, centre = L + (Wc - Wl) / 2;
  int top = T, left = L - W - M;
  switch (Position) {
    case lpLeftTop: break;
    case lpLeftCenter: top = middle; break;
    case lpLeftBottom: top = T + Hc - Hl; break;
    case lpTopLeft: top = T - Hl - M; left = L; break;
    case lpBottomLeft: top = T + Hc + M; left = L; break;
    case lpLeftTopLeft: left = L - M; break;
    case lpLeftCenterLeft: top = middle; left = L - M; break;
    case lpLeftBottomLeft: top = T + Hc - Hl; left = L - M; break;
    case lpTopCenter: top = T - Hl - M; left = centre; break;
    case lpBottomCenter: top = T + Hc + M; left = centre; break;
    case lpRightTop: left = L + Wc + M; break;
    case lpRightCenter: top = middle; left = L + Wc + M; break;
    case lpRighBottom: top = T + Hc - Hl; left = L + Wc + M; break;
  }
  Label.SetBounds(left, top, Wl, Hl);
  Label.SetVisible(Control.Visible());
}

void TEsgCustomCombo::UpdateLabel() {
  if (!FLabel) return;
  FLabel->SetTransparent(FLabelTransparent);
  if (!ParentFont()) FLabel->SetFont(FLabelFont);
  PlaceLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
}

void TEsgCustomCombo::CMFontChanged(TMessage& Message) {
  // With ParentFont on, a font change is the parent's (or the loaded one): the label follows.
  if (FLabel && ParentFont()) {
    FLabel->SetFont(Font());
    if (!Loading()) UpdateLabel();
  }
  TCustomComboBox::Dispatch(Message);
}

bool TEsgCustomCombo::IsThemed() const { return FIsThemed && ThemesActive(); }

bool TEsgCustomCombo::IsActive() const { return FMouseInControl || Screen().ActiveControl() == this; }

bool TEsgCustomCombo::ShowFocusBorder() const { return IsActive() && FFocusBorder; }

void TEsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomComboBox::MouseMove(Shift, X, Y);
  bool over = Width() - FButtonWidth < X && X < Width();
  if (over == FButtonHover) return;
  FButtonHover = over;
  Invalidate();
}

void TEsgCustomCombo::CMMouseEnter(TMessage& Message) {
  HWND self = Handle();
  TCustomComboBox::Dispatch(Message);
  if (!IsWindow(self) || Message.LParam != 0) return;
  if (Enabled() && !FMouseInControl) {
    FMouseInControl = true;
    DrawBorders(nullptr);
  }
  if (FAutoFocus) {
    TCustomForm* form = GetParentForm(this);
    if ((!form || form->Active()) && CanFocus()) SetFocus();
  }
  if (FIsWinXP) Invalidate();
}

void TEsgCustomCombo::CMMouseLeave(TMessage& Message) {
  HWND self = Handle();
  TCustomComboBox::Dispatch(Message);
  if (!IsWindow(self) || Message.LParam != 0) return;
  if (Enabled() && FMouseInControl) {
    FMouseInControl = false;
    DrawBorders(nullptr);
  }
  FButtonHover = false;
  if (FIsWinXP) Invalidate();
}

void TEsgCustomCombo::ApplyFocusColor() {
  if (FFocusColor == clNone) return;
  if (FNormalColor == clNone) FNormalColor = Color();
  SetColor(FFocusColor);
}

void TEsgCustomCombo::RestoreNormalColor() {
  if (FFocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
}

void TEsgCustomCombo::SetLabelBold(bool Bold) {
  if (!FFocusLabel || !FLabel) return;
  TFont f = FLabel->Font();
  if (Bold)
    f.Style.Include(fsBold);
  else
    f.Style.Exclude(fsBold);
  FLabel->SetFont(f);
}

void TEsgCustomCombo::FocusArrived() {
  FHasFocus = true;
  DrawBorders(nullptr);
  ApplyFocusColor();
  SetLabelBold(true);
}

void TEsgCustomCombo::FocusLeft() {
  FHasFocus = false;
  DrawBorders(nullptr);
  RestoreNormalColor();
  SetLabelBold(false);
}

void TEsgCustomCombo::CMEnabledChanged(TMessage& Message) {
  // A flat combo shows its parent's colour while disabled and gets its own back after.
  if (FFlat && !Loading()) {
    if (!Enabled()) {
      FOldParentColor = ParentColor();
      FOldColor = Color();
      SetParentColor(true);
    } else if (FOldParentColor) {
      SetParentColor(true);
    } else {
      SetColor(FOldColor);
    }
  }
  TCustomComboBox::Dispatch(Message);
}

void TEsgCustomCombo::CNCommand(TMessage& Message) {
  HWND self = Handle();
  TCustomComboBox::Dispatch(Message);
  if (!IsWindow(self)) return;
  unsigned code = HIWORD(Message.WParam);
  if (code != CBN_DROPDOWN && code != CBN_CLOSEUP) return;
  TRect button{ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight()};
  InvalidateRect(self, &button, false);
  if (code == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
}

void TEsgCustomCombo::Dispatch(TMessage& Message) {
  HWND self = Handle();
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); return;
    case WM_NCPAINT: WMNCPaint(Message); return;
    case CN_COMMAND: CNCommand(Message); return;
    case CM_MOUSEENTER: CMMouseEnter(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_COLORCHANGED:
      if (Loading()) FLoadedColor = Color();
      break;
    default: break;
  }
  TCustomComboBox::Dispatch(Message);
  if (!IsWindow(self)) return;
  switch (Message.Msg) {
    case CM_ENTER: FocusArrived(); break;
    case CM_EXIT: FocusLeft(); break;
    case WM_SETFOCUS:
      if (FFocusBorderColor != clNone) Invalidate();
      ApplyFocusColor();
      SetLabelBold(true);
      break;
    case WM_KILLFOCUS:
      RestoreNormalColor();
      SetLabelBold(false);
      Invalidate();
      break;
    default: break;
  }
}

}  // namespace hd
