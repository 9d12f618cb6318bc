#include "grid/foundation/ext_check_box.h"

#include "grid/foundation/grid_button.h"
#include "grid/foundation/theme.h"
#include "platform/themes.h"

namespace hd {
namespace {

// The strip beside the box that a state change repaints.
constexpr int kBoxStrip = 20;

}  // namespace

TExtCheckBox::TExtCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
  // The click is the box's own, after the toggle.
  control_style_.Exclude(csClickEvents);
  SetBounds(0, 0, 98, 20);
  SetTabStop(true);
  SetCaption(ClassName());
  FIsWinXP = IsWinXPOrLater();
}

TExtCheckBox::~TExtCheckBox() = default;

void TExtCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  InvalidateBox();
}

void TExtCheckBox::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TExtCheckBox::SetButtonVertAlign(TTextLayout Value) {
  FBtnVAlign = Value;
  Invalidate();
}

void TExtCheckBox::SetEllipsis(bool Value) {
  FEllipsis = Value;
  Invalidate();
}

void TExtCheckBox::SetTransparent(bool Value) {
  FTransparent = Value;
  FBkgCache = false;
  Invalidate();
}

void TExtCheckBox::SetTransparentChaching(bool Value) {
  FTransparentCaching = Value;
  FBkgCache = false;
}

void TExtCheckBox::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  InvalidateBox();
}

void TExtCheckBox::Toggle() {
  if (!FReadOnly) SetChecked(!Checked());
}

void TExtCheckBox::InvalidateBox() {
  TRect strip = FAlignment == taRightJustify ? Rect(ClientWidth() - kBoxStrip, 0, ClientWidth(), ClientHeight())
                                            : Rect(0, 0, kBoxStrip, ClientHeight());
  InvalidateRect(Handle(), &strip, true);
}

TRect TExtCheckBox::BoxRect() const {
  const bool themed = IsThemedCommonControls();
  const int size = themed ? 14 : 13;
  const int x = FAlignment == taRightJustify ? ClientWidth() - (themed ? 15 : 13) : 0;
  int y = 4;
  if (FBtnVAlign == tlCenter) y = ClientHeight() / 2 - 6;
  if (FBtnVAlign == tlBottom) y = ClientHeight() - (themed ? 14 : 17);
  return Bounds(x, y, size, size);
}

int TExtCheckBox::ThemeStateIndex() const {
  const int base = FState == cbChecked ? 4 : FState == cbGrayed ? 8 : 0;
  if (!Enabled()) return base + TS_DISABLED;
  if (FDown) return base + TS_PRESSED;
  if (FHot) return base + TS_HOT;
  return base + TS_NORMAL;
}

void TExtCheckBox::PaintBackground(TCanvas& C) {
  const TRect client = ClientRect();
  if (FTransparentCaching && FBkgCache && FBkgBmp && FBkgBmp->Width() == client.Width() &&
      FBkgBmp->Height() == client.Height()) {
    C.Draw(0, 0, *FBkgBmp);
    return;
  }
  // The parent's picture under the control, as the parent shows it.
  auto* parent = dynamic_cast<TOwnDrawing*>(Parent());
  const TBitmap* image = parent ? parent->PaintedImage() : nullptr;
  if (!image) {
    C.Brush().Style = bsSolid;
    C.Brush().Color = Parent() ? Parent()->Color() : Color();
    C.FillRect(client);
  } else {
    TRect src = Bounds(Left(), Top(), client.Width(), client.Height());
    C.CopyRect(client, const_cast<TBitmap*>(image)->Canvas(), src);
  }
  if (!FTransparentCaching) return;
  FBkgBmp = std::make_unique<TBitmap>(client.Width(), client.Height());
  FBkgBmp->Canvas().CopyRect(client, C, client);
  FBkgCache = true;
}

void TExtCheckBox::Paint() {
  TCanvas& c = Canvas();
  const TRect client = ClientRect();
  if (FTransparent) {
    PaintBackground(c);
  } else {
    c.Brush().Style = bsSolid;
    c.Brush().Color = Color();
    c.FillRect(client);
  }
  TRect box = BoxRect();
  if (IsThemedCommonControls()) {
    c.DrawThemedPart(TThemedElement::CheckBox, ThemeStateIndex(), box);
  } else {
    unsigned state = DFCS_BUTTONCHECK;
    if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    c.DrawFrameControl(box, DFC_BUTTON, state);
  }
  TRect r = client;
  if (FAlignment == taRightJustify) {
    r.Left = 6;
    r.Right -= 9;
  } else {
    r.Left = 15;
  }
  r.Top = 4;
  c.SetFont(Font());
  c.Brush().Style = bsClear;
  const unsigned flags = DT_LEFT | DT_TOP | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
  if (!Enabled()) {
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    c.Font().Color = clWhite;
    c.DrawText(Caption(), shadow, flags);
    c.Font().Color = 0x808080;
  }
  TRect text = r;
  c.DrawText(Caption(), text, flags);
  if (FFocused) {
    TRect measured = r;
    c.DrawText(Caption(), measured, flags | DT_CALCRECT);
    c.Brush().Style = bsSolid;
    c.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left + measured.Width() + 1, r.Top + measured.Height() + 1));
  }
  c.Brush().Style = bsSolid;
}

void TExtCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsWindow(self) || Button != mbLeft || !Enabled()) return;
  FMouseDown = true;
  if (CanFocus()) SetFocus();
  SetMouseCapture(true);
  SetDown(true);
}

void TExtCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!MouseCapture()) return;
  SetDown(X >= 0 && X <= Width() && Y >= 0 && Y <= Height());
}

void TExtCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  if (Button == mbLeft) {
    SetMouseCapture(false);
    const bool pressed = FMouseDown;
    FMouseDown = false;
    SetDown(false);
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (inside && pressed && Focused()) {
      Toggle();
      Click();
      if (!IsWindow(self)) return;
    }
    InvalidateBox();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExtCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    // Handled as a Tab once this key is done, so the form moves the focus on.
    Key = VK_TAB;
    PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_SPACE) SetDown(true);
  TCustomControl::KeyDown(Key, Shift);
}

void TExtCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
  HWND self = Handle();
  if (Key == VK_SPACE) {
    SetDown(false);
    Toggle();
    Click();
    if (!IsWindow(self)) return;
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TExtCheckBox::DoEnter() {
  FFocused = true;
  Invalidate();
  TCustomControl::DoEnter();
}

void TExtCheckBox::DoExit() {
  FFocused = false;
  Invalidate();
  TCustomControl::DoExit();
}

void TExtCheckBox::BoundsChanged(int OldClientWidth, int OldClientHeight) {
  FBkgCache = false;
  TCustomControl::BoundsChanged(OldClientWidth, OldClientHeight);
}

void TExtCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && Enabled() && Visible()) {
        if (TabStop() && CanFocus()) SetFocus();
        Toggle();
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(Message);
      if (Message.LParam == 0) {
        FHot = Message.Msg == CM_MOUSEENTER;
        InvalidateBox();
      }
      return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case WM_GETDLGCODE:
      // Enter stays with the box when it stands for Tab.
      TCustomControl::Dispatch(Message);
      if (FReturnIsTab) Message.Result |= DLGC_WANTALLKEYS;
      return;
    default:
      break;
  }
  TCustomControl::Dispatch(Message);
}

}  // namespace hd
