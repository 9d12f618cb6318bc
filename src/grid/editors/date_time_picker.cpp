// The flat picker's painting over the platform's face, its hover and focus tracking.
#include "grid/editors/date_time_picker.h"

#include "grid/editors/dropdown_drawing.h"
#include "grid/foundation/draw_utils.h"
#include "grid/foundation/theme.h"
#include "platform/forms.h"
#include "platform/scroll_bars.h"
#include "platform/themes.h"

namespace hd {
namespace {

bool IsMouseButtonDown() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

void Frame(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush() = TBrush{color, bsSolid};
  canvas.FrameRect(r);
}

void Lines(TCanvas& canvas, TColor color, std::initializer_list<TPoint> pts) {
  canvas.Pen() = TPen{color, 1, psSolid, pmCopy};
  auto it = pts.begin();
  canvas.MoveTo(it->X, it->Y);
  for (++it; it != pts.end(); ++it) canvas.LineTo(it->X, it->Y);
}

}  // namespace

std::string VersionString(unsigned Number) {
  return std::to_string((Number >> 24) & 0xFF) + "." + std::to_string((Number >> 16) & 0xFF) + "." +
         std::to_string((Number >> 8) & 0xFF) + "." + std::to_string(Number & 0xFF);
}

TFlatPickerLook::TFlatPickerLook(TDateTimePicker* Picker, bool Variant)
    : FPicker(Picker), FVariant(Variant), FIsThemed(IsComCtl6()), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2) {}

void TFlatPickerLook::SetMetroStyle(bool Value) {
  if (Value == FMetroStyle) return;
  FMetroStyle = Value;
  FPicker->Invalidate();
}

void TFlatPickerLook::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  FPicker->Invalidate();
}

void TFlatPickerLook::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  FPicker->Invalidate();
}

bool TFlatPickerLook::IsMetro() const {
  if (FVariant) return FMetroStyle && !IsEmbeddedPart();
  return FMetroStyle && !FPicker->ComponentState().Contains(csDesigning);
}
bool TFlatPickerLook::IsThemed() const { return FIsThemed && ThemesActive(); }
bool TFlatPickerLook::IsActive() const {
  if (FPicker->ComponentState().Contains(csDesigning)) return FPicker->Enabled();
  return FMouseInControl || Screen().ActiveControl() == FPicker;
}
bool TFlatPickerLook::ShowFocusBorder() const {
  return !FPicker->ComponentState().Contains(csDesigning) && IsActive() && FFocusBorder;
}

TColor TFlatPickerLook::OwnBorderPen() const {
  if (FBorderStyle == bsNone && FPicker->Parent()) return FPicker->Parent()->Color();
  if (FIsThemed) return kDisabledThemedBorderColor;
  return FBorderColor;
}

void TFlatPickerLook::PaintOver(TCanvas& Canvas) {
  TDateTimePicker& p = *FPicker;
  const int cw = p.ClientWidth(), h = p.Height(), w = p.Width();
  // The own border belongs to the window frame; there is no frame apart from the face here.
  if (!p.Ctl3D() && (FVariant || FBorderColor != clNone)) DrawFlatBorder(Canvas);
  if (p.Ctl3D() && !IsMetro()) return;
  Canvas.SaveState();
  if (IsMetro() && p.Kind() != dtkTime) {
    // The style's button is cleared to the control's colour before the own one is drawn.
    if (ThemesActive())
      FillRectColor(Canvas, {cw - FButtonWidth - (FVariant ? 4 : 15), 1, cw, h}, p.Color());
    else
      FillRectColor(Canvas, {cw - FButtonWidth - 2, 4, cw - 2, h - 4}, p.Color());
    DrawButton(Canvas);
    if (FVariant && !p.Ctl3D()) {
      const TColor pen = OwnBorderPen();
      Lines(Canvas, pen, {{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
      if (!ThemesActive()) Lines(Canvas, pen, {{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {0, h - 2}});
    }
  }
  Canvas.RestoreState();
  DrawBorders(Canvas);
}

void TFlatPickerLook::DrawButton(TCanvas& Canvas) {
  TDateTimePicker& p = *FPicker;
  const int cw = p.ClientWidth(), ch = p.ClientHeight();
  TRect r{cw - FButtonWidth + 2, 0, p.Width(), p.Height()};
  InflateRect(r, -1, -1);
  if (FButtonColor != clNone) {
    TColor face = FButtonColor;
    if (FButtonHover) face = IsMouseButtonDown() ? FButtonColorDown : FButtonColorHot;
    if (face == clNone) face = FButtonColor;
    FillRectColor(Canvas, {r.Left + 2, r.Top, r.Right, r.Bottom}, face);
    Lines(Canvas, FButtonBorderColor == clNone ? face : FButtonBorderColor, {{r.Left, r.Top}, {r.Left, r.Bottom}});
    TColor arrow = IsMouseButtonDown() ? FButtonTextColorDown : FButtonTextColor;
    if (arrow == clNone) arrow = p.Font().Color;
    Canvas.Brush() = TBrush{arrow, bsSolid};
    Canvas.Pen() = TPen{arrow, 1, psSolid, pmCopy};
    Canvas.Polygon({{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}});
  } else if (IsThemed()) {
    int state = TS_NORMAL;
    if (!p.Enabled())
      state = TS_DISABLED;
    else if (IsMouseButtonDown() && p.DroppedDown())
      state = TS_PRESSED;
    else if (!IsMouseButtonDown() && FButtonHover && !p.DroppedDown())
      state = TS_HOT;
    Canvas.DrawThemedPart(TThemedElement::ComboButton, state, r);
  } else {
    Canvas.DrawFrameControl(r, DFC_SCROLL, p.Enabled() ? DFCS_SCROLLCOMBOBOX | DFCS_FLAT
                                                       : DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
  }
  Canvas.ExcludeClipRect({cw - FButtonWidth - 4, 0, cw + 2, ch});
}

void TFlatPickerLook::DrawBorders(TCanvas& Canvas) {
  if (!IsMetro()) return;
  if (FVariant && IsEmbeddedPart()) return;
  if (FPicker->Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  Canvas.SaveState();
  DrawBorder(Canvas);
  if (!(FIsWinXP && IsThemed())) DrawButtonFrame(Canvas);
  Canvas.RestoreState();
}

void TFlatPickerLook::DrawBorder(TCanvas& Canvas) {
  TDateTimePicker& p = *FPicker;
  TRect r{0, 0, p.Width(), p.Height()};
  if (!p.Enabled() && FIsThemed && !FDisabledBorder) {
    Frame(Canvas, r, kDisabledThemedBorderColor);
  } else if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
    Frame(Canvas, r, FBorderColor);
  } else if (FFocusBorderColor != clNone) {
    if (FHasFocus) Frame(Canvas, r, FFocusBorderColor);
  } else {
    const bool focusBorder = ShowFocusBorder();
    const TColor outer = focusBorder ? clBtnFace : (p.Parent() ? p.Parent()->Color() : p.Color());
    if (focusBorder) Canvas.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    Frame(Canvas, r, outer);
    InflateRect(r, -1, -1);
    if (!focusBorder) {
      r.Right -= FButtonWidth;
      Frame(Canvas, r, outer);
      InflateRect(r, -1, -1);
    }
    Frame(Canvas, r, p.Color());
  }
}

void TFlatPickerLook::DrawButtonFrame(TCanvas& Canvas) {
  TDateTimePicker& p = *FPicker;
  const int cw = p.ClientWidth(), ch = p.ClientHeight();
  Canvas.ExcludeClipRect({cw - FButtonWidth + 4, 4, cw - 4, ch - 4});
  TRect r{cw - FButtonWidth - 2, 0, p.Width(), p.Height()};
  InflateRect(r, -2, -2);
  if (IsActive()) {
    Canvas.DrawEdge(r, BDR_RAISEDOUTER | BDR_RAISEDINNER, BF_RECT | (p.DroppedDown() ? BF_FLAT : 0));
    return;
  }
  r.Top += 1;
  r.Bottom -= 1;
  r.Right -= 1;
  FillRectColor(Canvas, r, clBtnFace);
}

void TFlatPickerLook::DrawFlatBorder(TCanvas& Canvas) {
  TDateTimePicker& p = *FPicker;
  const int w = p.Width(), h = p.Height();
  Lines(Canvas, OwnBorderPen(), {{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
  if (p.Parent()) {
    const TColor inner = FBorderStyle == bsSingle ? p.Parent()->Color() : OwnBorderPen();
    Lines(Canvas, inner, {{1, h - 2}, {1, 1}, {w - 1, 1}});
  }
}

void TFlatPickerLook::LookMouseMove(int X) {
  const bool hover = X > FPicker->Width() - FButtonWidth && X < FPicker->Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  FPicker->Invalidate();
}

void TFlatPickerLook::LookMessage(const TMessage& Message) {
  const bool designing = FPicker->ComponentState().Contains(csDesigning);
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (designing && !FVariant) return;
      if (FPicker->Enabled()) FMouseInControl = Message.Msg == CM_MOUSEENTER;
      if (Message.Msg == CM_MOUSELEAVE) FButtonHover = false;
      FPicker->Invalidate();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (designing) return;
      FHasFocus = Message.Msg == WM_SETFOCUS;
      FPicker->Invalidate();
      return;
    default: return;
  }
}

// --- TEsgDateTimePicker ---

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner), TFlatPickerLook(this, false) {
  SetCtl3D(true);
  SetBorderStyle(bsSingle);
  FBorderStyle = bsNone;
}

std::string TEsgDateTimePicker::Version() const { return VersionString(0x01000000); }

void TEsgDateTimePicker::Paint() {
  TDateTimePicker::Paint();
  PaintOver(Canvas());
}

void TEsgDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  LookMouseMove(X);
}

void TEsgDateTimePicker::Dispatch(TMessage& Message) {
  TDateTimePicker::Dispatch(Message);
  LookMessage(Message);
}

}  // namespace hd
