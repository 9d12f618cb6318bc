#include "platform/track_bar.h"

#include <algorithm>

#include "platform/canvas.h"

namespace hd {
namespace {

constexpr int kThumbLength = 11;  // along the channel
constexpr int kThumbThickness = 20;
constexpr int kEdge = 8;  // channel ends inset from the control's ends
constexpr TColor kChannel = 0xB0B0B0, kThumb = 0xE6D8CC, kThumbBorder = 0x7A7A7A, kTick = 0x808080;

void Fill(TCanvas& c, const TRect& r, TColor colour) {
  c.Brush() = TBrush{colour, bsSolid};
  c.FillRect(r);
}

}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetMin(int Value) {
  if (Value > FMax || Value == FMin) return;
  FMin = Value;
  if (FPosition < FMin) Move(FMin);
  Invalidate();
}

void TTrackBar::SetMax(int Value) {
  if (Value < FMin || Value == FMax) return;
  FMax = Value;
  if (FPosition > FMax) Move(FMax);
  Invalidate();
}

void TTrackBar::SetPosition(int Value) { Move(Value); }

void TTrackBar::SetFrequency(int Value) {
  if (Value == FFrequency) return;
  FFrequency = Value;
  Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  FTickMarks = Value;
  Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  FTickStyle = Value;
  Invalidate();
}

void TTrackBar::Move(int Value) {
  Value = std::clamp(Value, FMin, FMax);
  if (Value == FPosition) return;
  FPosition = Value;
  Invalidate();
  Changed();
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

int TTrackBar::Length() const { return FOrientation == trHorizontal ? ClientWidth() : ClientHeight(); }

TRect TTrackBar::ChannelRect() const {
  const int across = FOrientation == trHorizontal ? ClientHeight() : ClientWidth();
  int mid = across / 2;
  if (FTickStyle != tsNone && FTickMarks == tmBottomRight) mid = std::min(mid, kThumbThickness / 2 + 4);
  if (FTickStyle != tsNone && FTickMarks == tmTopLeft) mid = std::max(mid, across - kThumbThickness / 2 - 4);
  if (FOrientation == trHorizontal) return {kEdge, mid - 2, std::max(kEdge, Length() - kEdge), mid + 2};
  return {mid - 2, kEdge, mid + 2, std::max(kEdge, Length() - kEdge)};
}

TRect TTrackBar::ThumbRect() const {
  const TRect ch = ChannelRect();
  const int span = FMax - FMin;
  const int start = FOrientation == trHorizontal ? ch.Left : ch.Top;
  const int len = FOrientation == trHorizontal ? ch.Width() : ch.Height();
  const int at = start + (span > 0 ? static_cast<int>(static_cast<long long>(FPosition - FMin) * len / span) : 0);
  if (FOrientation == trHorizontal) {
    const int mid = (ch.Top + ch.Bottom) / 2;
    return {at - kThumbLength / 2, mid - kThumbThickness / 2, at - kThumbLength / 2 + kThumbLength,
            mid - kThumbThickness / 2 + kThumbThickness};
  }
  const int mid = (ch.Left + ch.Right) / 2;
  return {mid - kThumbThickness / 2, at - kThumbLength / 2, mid - kThumbThickness / 2 + kThumbThickness,
          at - kThumbLength / 2 + kThumbLength};
}

int TTrackBar::PositionAt(int X, int Y) const {
  const TRect ch = ChannelRect();
  const int along = FOrientation == trHorizontal ? X - ch.Left : Y - ch.Top;
  const int len = FOrientation == trHorizontal ? ch.Width() : ch.Height();
  if (len <= 0) return FMin;
  const long long span = FMax - FMin;
  // Rounded to the nearest position.
  const long long p = FMin + (static_cast<long long>(along) * span * 2 + len) / (2LL * len);
  return static_cast<int>(std::clamp<long long>(p, FMin, FMax));
}

void TTrackBar::Paint() {
  TCanvas& c = Canvas();
  Fill(c, {0, 0, ClientWidth(), ClientHeight()}, Color());
  const TRect ch = ChannelRect();
  Fill(c, ch, 0xF0F0F0);
  c.Brush().Style = bsClear;
  c.Pen() = TPen{kChannel, 1, psSolid, pmCopy};
  c.Rectangle(ch);
  const TRect th = ThumbRect();
  if (FTickStyle != tsNone) {
    c.Pen() = TPen{kTick, 1, psSolid, pmCopy};
    const int span = FMax - FMin;
    const int step = FFrequency >= 1 ? FFrequency : std::max(span, 1);
    auto tick = [&](int pos) {
      const int len = FOrientation == trHorizontal ? ch.Width() : ch.Height();
      const int at = (FOrientation == trHorizontal ? ch.Left : ch.Top) +
                     (span > 0 ? static_cast<int>(static_cast<long long>(pos - FMin) * len / span) : 0);
      if (FOrientation == trHorizontal) {
        if (FTickMarks != tmTopLeft) { c.MoveTo(at, th.Bottom + 2); c.LineTo(at, th.Bottom + 5); }
        if (FTickMarks != tmBottomRight) { c.MoveTo(at, th.Top - 5); c.LineTo(at, th.Top - 2); }
      } else {
        if (FTickMarks != tmTopLeft) { c.MoveTo(th.Right + 2, at); c.LineTo(th.Right + 5, at); }
        if (FTickMarks != tmBottomRight) { c.MoveTo(th.Left - 5, at); c.LineTo(th.Left - 2, at); }
      }
    };
    // Bounded: a frequency of 1 over a huge range draws at most one tick per pixel.
    const long long count = span / step;
    if (count <= Length()) {
      for (long long p = FMin; p <= FMax; p += step) tick(static_cast<int>(p));
    }
    tick(FMax);
  }
  Fill(c, th, Enabled() ? kThumb : 0xF0F0F0);
  c.Brush().Style = bsClear;
  c.Pen() = TPen{Focused() ? clHighlight : kThumbBorder, 1, psSolid, pmCopy};
  c.Rectangle(th);
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TRect th = ThumbRect();
  if (th.Contains({X, Y})) {
    FDragging = true;
    const TRect ch = ChannelRect();
    const int centre = FOrientation == trHorizontal ? (th.Left + th.Right) / 2 : (th.Top + th.Bottom) / 2;
    (void)ch;
    FDragOffset = (FOrientation == trHorizontal ? X : Y) - centre;
    return;
  }
  // A press on the channel beside the thumb moves a page toward it.
  const int step = std::max(1, FPageSize);
  const bool before = FOrientation == trHorizontal ? X < th.Left : Y < th.Top;
  Move(before ? FPosition - step : FPosition + step);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  if (FOrientation == trHorizontal)
    Move(PositionAt(X - FDragOffset, Y));
  else
    Move(PositionAt(X, Y - FDragOffset));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) FDragging = false;
}

void TTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const int line = std::max(1, FLineSize), page = std::max(1, FPageSize);
  switch (Key) {
    case VK_LEFT: case VK_UP: Move(FPosition - line); break;
    case VK_RIGHT: case VK_DOWN: Move(FPosition + line); break;
    case VK_PRIOR: Move(FPosition - page); break;
    case VK_NEXT: Move(FPosition + page); break;
    case VK_HOME: Move(FMin); break;
    case VK_END: Move(FMax); break;
    default: break;
  }
}

void TTrackBar::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
  }
  TCustomControl::Dispatch(m);
}

}  // namespace hd
