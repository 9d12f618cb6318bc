#include <algorithm>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/foundation/theme.h"
#include "platform/themes.h"

namespace hd {

TExtDropDownSpeedButton::TExtDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner), FIsWinXP(IsComCtl6()) {}

void TExtDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
  FButtonStyle = Value;
  Invalidate();
}

void TExtDropDownSpeedButton::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  Invalidate();
}

void TExtDropDownSpeedButton::SetFocused(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  Invalidate();
}

void TExtDropDownSpeedButton::Dispatch(TMessage& m) {
  TSpeedButton::Dispatch(m);
  if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
    FHot = m.Msg == CM_MOUSEENTER;
    Invalidate();
  }
}

TDropDownEditButton* TExtDropDownSpeedButton::Container() const { return dynamic_cast<TDropDownEditButton*>(Parent()); }

TExtCustomDropDown* TExtDropDownSpeedButton::DropDown() const {
  TDropDownEditButton* c = Container();
  return c ? dynamic_cast<TExtCustomDropDown*>(c->FocusControl()) : nullptr;
}

bool TExtDropDownSpeedButton::Themed() const { return FIsWinXP && ThemesActive(); }

bool TExtDropDownSpeedButton::Pressed() const { return (State() == bsDown || State() == bsExclusive) && !FUp; }

int TExtDropDownSpeedButton::ThemeState() const {
  if (!Enabled()) return TS_DISABLED;
  if (Pressed()) return TS_PRESSED;
  return FHot ? TS_HOT : TS_NORMAL;
}

void TExtDropDownSpeedButton::Paint() { PaintFace(Canvas()); }

void TExtDropDownSpeedButton::PaintFace(TCanvas& Canvas) {
  if (FButtonStyle == bsDropDown)
    PaintDropDownFace(Canvas);
  else
    PaintButtonFace(Canvas);
}

void TExtDropDownSpeedButton::PaintDropDownFace(TCanvas& Canvas) {
  TDropDownEditButton* c = Container();
  const TRect client = ClientRect();
  const std::vector<TPoint> arrow = {Point(5, 7), Point(11, 7), Point(8, 10)};
  if (c && c->ButtonColor() != clNone) {
    TColor face = c->ButtonColor(), text = c->ButtonTextColor();
    if (FHot) face = c->ButtonColorHot(), text = c->ButtonTextColorHot();
    if (Pressed()) face = c->ButtonColorDown(), text = c->ButtonTextColorDown();
    Canvas.Brush() = TBrush{face, bsSolid};
    Canvas.Pen() = TPen{face};
    Canvas.FillRect(client);
    TExtCustomDropDown* d = DropDown();
    Canvas.Pen().Color = d ? d->BorderColor() : clNone;
    Canvas.MoveTo(0, client.Top);
    Canvas.LineTo(0, client.Bottom);
    Canvas.Brush() = TBrush{text, bsSolid};
    Canvas.Pen() = TPen{text};
    Canvas.Polygon(arrow);
    return;
  }
  if (!Glyph().Empty()) {
    Canvas.Brush() = TBrush{clBtnFace, bsSolid};
    Canvas.Pen() = TPen{0x808080};
    Canvas.Rectangle(client);
    TBitmap glyph = Glyph();
    glyph.SetTransparent(true);
    Canvas.Draw(0, 0, glyph);
    return;
  }
  // A read-only drop-down offers no choice: its button shows disabled.
  TExtCustomDropDown* d = DropDown();
  const bool enabled = d && d->Enabled() && !d->ReadOnly();
  if (Enabled() != enabled) SetEnabled(enabled);
  if (Themed()) {
    TRect r = client;
    if (!IsVistaOrLater()) {
      r = TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
      r.Left += 2;
    } else {
      r.Left += 1;
    }
    Canvas.DrawThemedPart(TThemedElement::ComboButton, ThemeState(), r);
    return;
  }
  TRect edge = client;
  Canvas.DrawFrameControl(edge, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed() ? DFCS_PUSHED : 0u) |
                                                (enabled ? 0u : DFCS_INACTIVE));
  Canvas.Pen() = TPen{clBtnFace};
  Canvas.Polyline({Point(Width() - 2, 0), Point(0, 0), Point(0, Height() - 1)});
  Canvas.Pen() = TPen{0xFFFFFF};
  Canvas.Polyline({Point(Width() - 3, 1), Point(1, 1), Point(1, Height() - 2)});
  Canvas.Brush() = TBrush{clBlack, bsSolid};
  Canvas.Pen() = TPen{clBlack};
  Canvas.Polygon(arrow);
}

void TExtDropDownSpeedButton::PaintButtonFace(TCanvas& Canvas) {
  if (TExtCustomDropDown* d = DropDown()) Canvas.Font() = d->Font();
  const bool down = State() == bsDown;
  const TRect client = ClientRect();
  const bool hasGlyph = !Glyph().Empty();
  const std::string caption = Caption();
  if (Themed()) {
    Canvas.FillRect(client);
    Canvas.DrawThemedPart(TThemedElement::PushButton, ThemeState(), Rect(0, 0, Width() + 1, Height() + 1));
    TRect r{client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom - 2};
    if (hasGlyph) {
      if (!caption.empty())
        r.Left += 2;
      else if (Glyph().Width() < r.Width())
        r.Left += (r.Width() - Glyph().Width()) / 2;
      if (Glyph().Height() < r.Height()) r.Top += (r.Height() - Glyph().Height()) / 2;
      if (down) r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
      TBitmap glyph = Glyph();
      glyph.SetTransparent(true);
      Canvas.Draw(r.Left, r.Top, glyph);
    }
    if (!caption.empty()) {
      Canvas.SetBkMode(bkTransparent);
      if (!hasGlyph) {
        TRect t{client.Left + 3, client.Top + 1, client.Right - 3, client.Bottom - 1};
        if (down) t = TRect{t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1};
        Canvas.DrawText(caption, t, DT_CENTER);
      } else {
        r.Left += Glyph().Width() + 2;
        r.Top -= 1;
        Canvas.DrawText(caption, r, 0);
      }
    }
    return;
  }
  if (Flat()) {
    Canvas.FillRect(client);
    Canvas.Brush() = TBrush{clBtnFace, bsSolid};
    Canvas.FillRect(client);
    TRect e{client.Left, client.Top, client.Right + 1, client.Bottom + 1};
    Canvas.DrawEdge(e, FEtched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (down ? BF_FLAT : 0u));
    TRect r = client;
    if (hasGlyph) {
      r = TRect{client.Left + 3, client.Top + 3, client.Right - 3, client.Bottom - 3};
      if (down) r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
      Canvas.Brush() = TBrush{ColorToRGB(clBtnFace), bsSolid};
      DrawGlyphInColor(Canvas, Glyph(), ColorToRGB(clBtnFace), r);
    }
    if (!caption.empty()) {
      TRect t{r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1};
      if (down) t = TRect{t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1};
      Canvas.SetBkMode(bkTransparent);
      Canvas.DrawText(caption, t, DT_CENTER);
    }
    return;
  }
  TSpeedButton::Paint();
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TCustomControl(AOwner) {
  control_style_ = {csOpaque};
  FButton = new TExtDropDownSpeedButton(this);
  FButton->SetParent(this);
  FButton->SetVisible(true);
  FButton->SetEnabled(Enabled());
  FButton->SetCaption("");
  FButton->OnClick = [](TObject*) {};
  FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbLeft && Sender == FButton && OnClick) OnClick(this);
  };
  FButton->SetButtonStyle(bsDropDown);
  FButton->SetGlyph(TBitmap());
  FButton->SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = Value;
  if (FFocusControl) FreeNotification(FFocusControl);
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
  if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}

void TDropDownEditButton::PlaceButton() {
  if (FButton) FButton->SetBounds(0, 0, FBWidth, Height());
}

void TDropDownEditButton::SetBounds(int left, int top, int width, int height) {
  (void)width;
  TCustomControl::SetBounds(left, top, FBWidth, height);
  PlaceButton();
}

void TDropDownEditButton::Dispatch(TMessage& m) {
  TCustomControl::Dispatch(m);
  switch (m.Msg) {
    case WM_SIZE:
      if (Width() != FBWidth) TCustomControl::SetBounds(Left(), Top(), FBWidth, Height());
      PlaceButton();
      m.Result = 0;
      break;
    case CM_ENABLEDCHANGED:
      if (FButton) FButton->SetEnabled(Enabled());
      break;
    default: break;
  }
}

}  // namespace hd
