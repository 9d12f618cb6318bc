// The flat combo's painting: the face the platform paints, with the button and the border
// painted over it by the combo itself.
#include "grid/editors/dropdown_drawing.h"
#include "grid/editors/flat_combo.h"
#include "grid/foundation/draw_utils.h"
#include "platform/themes.h"

namespace hd {
namespace {

bool IsMouseButtonDown() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

void Frame(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush() = TBrush{color, bsSolid};
  canvas.FrameRect(r);
}

}  // namespace

bool TEsgCustomCombo::PaintsItself() const {
  if (FIsVista && FButtonColor == clNone) return false;
  return FFlat || FButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus) ||
         (!Enabled() && IsThemed() && !FDisabledBorder);
}

void TEsgCustomCombo::WMPaint(TMessage& Message) {
  auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
  if (!canvas || !PaintsItself()) {
    TCustomComboBox::Dispatch(Message);
    return;
  }
  canvas->SaveState();
  if (Style() != csSimple) {
    FillRectColor(*canvas, ClientRect(), Color());
    DrawButton(*canvas);
  }
  HWND self = Handle();
  TCustomComboBox::Dispatch(Message);
  canvas->RestoreState();
  if (IsWindow(self)) DrawBorders(canvas);
}

void TEsgCustomCombo::WMNCPaint(TMessage& Message) {
  HWND self = Handle();
  TCustomComboBox::Dispatch(Message);
  if (!IsWindow(self)) return;
  auto* canvas = reinterpret_cast<TCanvas*>(Message.LParam);
  if (FFlat || (!Enabled() && IsThemed() && !FDisabledBorder)) DrawBorders(canvas);
  if ((FFocusBorderColor != clNone && Focused()) || FBorderColor != clNone) DrawBorders(canvas);
}

TColor TEsgCustomCombo::ArrowColor() const {
  TColor c = IsMouseButtonDown() ? FButtonTextColorDown : FButtonTextColor;
  // A button given only face colours (as the grid's colour tones do) still shows its arrow.
  return c != clNone ? c : Font().Color;
}

void TEsgCustomCombo::DrawButton(TCanvas& Canvas) {
  const int cw = ClientWidth(), ch = ClientHeight();
  TRect r{cw - FButtonWidth + 2, 0, Width(), Height()};
  InflateRect(r, -1, -1);
  if (FButtonColor == clNone && IsThemed()) {
    int state = TS_NORMAL;
    if (!Enabled())
      state = TS_DISABLED;
    else if (IsMouseButtonDown() && DroppedDown())
      state = TS_PRESSED;
    else if (!IsMouseButtonDown() && FButtonHover && !DroppedDown())
      state = TS_HOT;
    Canvas.DrawThemedPart(TThemedElement::ComboButton, state, r);
  } else if (FButtonColor == clNone) {
    r.Left -= 4;
    r.Top += 1;
    r.Bottom -= 1;
    Canvas.DrawFrameControl(r, DFC_SCROLL, Enabled() ? DFCS_SCROLLCOMBOBOX | DFCS_FLAT
                                                     : DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
  } else {
    TColor face = FButtonColor;
    if (FButtonHover) face = IsMouseButtonDown() ? FButtonColorDown : FButtonColorHot;
    DrawButtonBackground(&Canvas, {r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, face, clNone, clNone, 0, true);
    Canvas.Pen().Color = FButtonBorderColor;
    Canvas.MoveTo(r.Left, r.Top);
    Canvas.LineTo(r.Left, r.Bottom);
    DrawDownTriangle(Canvas, r.Left + 7, r.Top + 7, ArrowColor());
  }
  // The platform's face leaves the button and the strip before it to this painting.
  Canvas.ExcludeClipRect({cw - FButtonWidth - 4, 0, cw + 2, ch});
}

void TEsgCustomCombo::DrawBorders(TCanvas* WindowCanvas) {
  if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  if (FIsVista && FBorderColor == clNone) return;
  if (!WindowCanvas) {
    // A native window shows only what its paint draws: the border comes with the next one.
    Invalidate();
    return;
  }
  WindowCanvas->SaveState();
  DrawBorder(*WindowCanvas);
  if (Style() != csSimple && !(FIsWinXP && IsThemed())) DrawButtonFrame(*WindowCanvas);
  WindowCanvas->RestoreState();
}

void TEsgCustomCombo::DrawBorder(TCanvas& Canvas) {
  TRect r{0, 0, Width(), Height()};
  if (!Enabled() && FIsThemed && !FDisabledBorder) {
    Frame(Canvas, r, kDisabledThemedBorderColor);
  } else if (FBorderColor != clNone && (!FHasFocus || FFocusBorderColor == clNone)) {
    Frame(Canvas, r, FBorderColor);
  } else if (FFocusBorderColor != clNone) {
    if (FHasFocus) Frame(Canvas, r, FFocusBorderColor);
  } else {
    // The flat look: the native frame is painted over in the parent's colour (the button
    // face's while hovered or focused with a focus border), the inside in the combo's.
    const bool focusBorder = ShowFocusBorder();
    const TColor outer = focusBorder ? clBtnFace : (Parent() ? Parent()->Color() : Color());
    if (focusBorder) {
      Canvas.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      Frame(Canvas, r, outer);
      InflateRect(r, -1, -1);
      Frame(Canvas, r, Color());
    } else {
      Frame(Canvas, r, outer);
      InflateRect(r, -1, -1);
      r.Right -= FButtonWidth;
      Frame(Canvas, r, outer);
      InflateRect(r, -1, -1);
      Frame(Canvas, r, Color());
    }
    if (FFlat && FFlatLineColor != clNone) {
      Canvas.Pen() = TPen{FFlatLineColor, 1, psSolid, pmCopy};
      Canvas.MoveTo(0, Height() - 1);
      Canvas.LineTo(Width() - FButtonWidth - 3, Height() - 1);
    }
  }
}

void TEsgCustomCombo::DrawButtonFrame(TCanvas& Canvas) {
  const int cw = ClientWidth(), ch = ClientHeight();
  Canvas.ExcludeClipRect({cw - FButtonWidth + 4, 4, cw - 4, ch - 4});
  TRect r{cw - FButtonWidth - 2, 0, Width(), Height()};
  InflateRect(r, -2, -2);
  if (IsActive()) return;
  r.Top += 1;
  r.Bottom -= 1;
  r.Right -= 1;
  FillRectColor(Canvas, r, clBtnFace);
}

}  // namespace hd
