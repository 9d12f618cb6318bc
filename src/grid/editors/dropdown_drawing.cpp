#include "grid/editors/dropdown_drawing.h"

#include <algorithm>

#include "platform/sysutils.h"

namespace hd {
namespace {

int Nearest(double v) { return static_cast<int>(Round(v)); }

int BandChannel(int from, int to, int i, int steps) {
  return from + Nearest(i * static_cast<double>(to - from) / steps);
}

}  // namespace

void DrawSteppedGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect,
                         bool Horizontal) {
  if (Steps <= 0) Steps = 1;
  const TColor c1 = ColorToRGB(FromColor), c2 = ColorToRGB(ToColor);
  TRect r = Rect;
  // The last column (or row) only sets the band width: the widened bands reach it anyway.
  double d;
  if (Horizontal) {
    --r.Right;
    d = static_cast<double>(r.Right - r.Left) / Steps;
  } else {
    --r.Bottom;
    d = static_cast<double>(r.Bottom - r.Top) / Steps;
  }
  const int band = Nearest(d) + 1;
  Canvas.Pen().Width = 1;
  Canvas.Pen().Style = psSolid;
  Canvas.Brush().Style = bsSolid;
  for (int i = 0; i < Steps; ++i) {
    TColor c = RGB(BandChannel(GetRValue(c1), GetRValue(c2), i, Steps),
                   BandChannel(GetGValue(c1), GetGValue(c2), i, Steps),
                   BandChannel(GetBValue(c1), GetBValue(c2), i, Steps));
    Canvas.Pen().Color = c;
    Canvas.Brush().Color = c;
    int offset = Nearest(i * d);
    if (Horizontal)
      Canvas.Rectangle(r.Left + offset, r.Top, r.Left + offset + band, r.Bottom);
    else
      Canvas.Rectangle(r.Left, r.Top + offset, r.Right, r.Top + offset + band);
  }
}

void DrawButtonBackground(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor BorderColor,
                          int BorderWidth, bool Vertical) {
  if (!Canvas) return;
  if (ColorTo != clNone) {
    DrawSteppedGradient(*Canvas, Color, ColorTo, 80, Rect, !Vertical);
  } else if (Color != clNone) {
    Canvas->Brush() = TBrush{Color, bsSolid};
    Canvas->FillRect(Rect);
  }
  if (BorderColor != clNone && BorderWidth > 0) {
    Canvas->Brush().Style = bsClear;
    Canvas->Pen() = TPen{BorderColor, BorderWidth, psSolid, pmCopy};
    Canvas->Rectangle(Rect);
  }
}

TColor BlendColor(TColor ColorA, TColor ColorB, int Percent) {
  if (Percent >= 100) return ColorA;
  if (Percent <= 0) return ColorB;
  const TColor a = ColorToRGB(ColorA), b = ColorToRGB(ColorB);
  const double f = Percent / 100.0;
  auto mix = [f](int x, int y) { return Nearest(f * x + (1 - f) * y); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor ScaleColor(TColor Color, int DeltaR, int DeltaG, int DeltaB) {
  const TColor c = ColorToRGB(Color);
  auto scale = [](int channel, int delta) {
    if (channel == 0) return std::max(0, delta);
    return Nearest(std::min(100, 100 + delta) / 100.0 * channel);
  };
  return RGB(scale(GetRValue(c), DeltaR), scale(GetGValue(c), DeltaG), scale(GetBValue(c), DeltaB));
}

}  // namespace hd
