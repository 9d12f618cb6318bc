#include "grid/foundation/progress_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "grid/foundation/draw_utils.h"
#include "grid/foundation/draw_utils_p.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

using draw_detail::SetPenAndBrush;
using draw_detail::SolidBrush;

int RoundInt(double v) { return static_cast<int>(Round(v)); }

// The filled parts of a styled bar, measured along the bar from its start (Left for a
// horizontal bar, Bottom for a vertical one, which grows upwards).
class TStyledBar {
 public:
  TStyledBar(TCanvas& canvas, const TRect& rect, const TProgressBarLook& look)
      : c_(canvas), r_(rect), look_(look), len_((look.Vertical ? rect.Height() : rect.Width()) - 2) {}

  int Length() const { return len_; }

  // A part inside the frame, from `from` for `length` pixels, cut at the bar's end.
  void Part(int from, int length, TColor color, TColor colorTo) {
    length = std::min(length, len_ - from);
    if (length <= 0) return;
    Fill(Along(1 + from, 1 + from + length, 1), color, colorTo);
  }

  // A block of the block look: inset 2 pixels across the bar, offsets [a, b) along it.
  void Block(int a, int b, TColor color, TColor colorTo) {
    b = std::min(b, len_ + 1);
    if (b > a) Fill(Along(a, b, 2), color, colorTo);
  }

 private:
  TRect Along(int a, int b, int inset) const {
    if (look_.Vertical) return {r_.Left + inset, r_.Bottom - b, r_.Right - inset, r_.Bottom - a};
    return {r_.Left + a, r_.Top + inset, r_.Left + b, r_.Bottom - inset};
  }

  // With gradients the part is two halves across the bar, mirrored at its middle.
  void Fill(const TRect& part, TColor color, TColor colorTo) {
    if (!look_.ShowGradient) {
      FillRectColor(c_, part, color);
      return;
    }
    TRect first = part, second = part;
    if (look_.Vertical)
      first.Right = second.Left = part.Left + part.Width() / 2;
    else
      first.Bottom = second.Top = part.Top + part.Height() / 2;
    DrawGradient(c_, colorTo, color, look_.Vertical, first, look_.Steps);
    DrawGradient(c_, color, colorTo, look_.Vertical, second, look_.Steps);
  }

  TCanvas& c_;
  TRect r_;
  const TProgressBarLook& look_;
  int len_;
};

void StackedParts(TStyledBar& bar, int percent, const TProgressBarLook& look) {
  const int len = bar.Length();
  if (percent < look.Level1Perc) {
    bar.Part(0, RoundInt(percent / 100.0 * len), look.Level0Color, look.Level0ColorTo);
    return;
  }
  int c1 = RoundInt(look.Level1Perc / 100.0 * len);
  bar.Part(0, c1, look.Level0Color, look.Level0ColorTo);
  if (percent < look.Level2Perc) {
    bar.Part(c1, RoundInt(len * (percent - look.Level1Perc) / 100.0), look.Level1Color, look.Level1ColorTo);
    return;
  }
  int c2 = RoundInt(len * (look.Level2Perc - look.Level1Perc) / 100.0);
  bar.Part(c1, c2, look.Level1Color, look.Level1ColorTo);
  int c3 = percent == 100 ? len - c1 - c2 : RoundInt(len * (percent - look.Level2Perc) / 100.0);
  bar.Part(c1 + c2, c3, look.Level3Color, look.Level3ColorTo);
}

void LevelParts(TStyledBar& bar, int percent, const TProgressBarLook& look) {
  TColor color = look.Level3Color, colorTo = look.Level3ColorTo;
  if (percent < look.Level1Perc) {
    color = look.Level0Color, colorTo = look.Level0ColorTo;
  } else if (percent < look.Level2Perc) {
    color = look.Level1Color, colorTo = look.Level1ColorTo;
  } else if (percent < 100) {
    color = look.Level2Color, colorTo = look.Level2ColorTo;
  }
  const int len = bar.Length();
  if (look.CompletionSmooth) {
    bar.Part(0, RoundInt(percent / 100.0 * len), color, colorTo);
    return;
  }
  // Blocks of 7 pixels on a pitch of 9, and a shorter last one for what is left over.
  int t = std::min(RoundInt(percent * len / 100.0), len);
  if (t > 9) {
    int full = t / 9;
    for (int k = 0; k < full; ++k) bar.Block(2 + 9 * k, 9 + 9 * k, color, colorTo);
    if (t % 9 > 2) bar.Block(9 * full + 2, 9 * full + 2 + t % 9 - 1, color, colorTo);
  } else if (t > 1) {
    bar.Block(2, t + 1, color, colorTo);
  }
}

void StyledPercentText(TCanvas& canvas, const TRect& r, int percent, const TProgressBarLook& look) {
  if (look.Font) {
    canvas.Font().Name = look.Font->Name;
    canvas.Font().Size = look.Font->Size;
    canvas.Font().Style = look.Font->Style;
  }
  canvas.Font().Color = look.FontColor;
  const std::string text = IntToStr(percent) + "%";
  const TSize ext = canvas.TextExtent(text);
  if (!look.Vertical) {
    canvas.TextOut(r.Left + r.Width() / 2 - ext.cx / 2, r.Top + r.Height() / 2 - ext.cy / 2, text);
    return;
  }
  TFont straight = canvas.Font();
  canvas.Font().Orientation = 900;
  canvas.TextOut(r.Left + r.Width() / 2 - ext.cy / 2, r.Top + r.Height() / 2 + ext.cx / 2, text);
  canvas.SetFont(straight);
}

constexpr TColor kPieGrey = 0x808080;

// Whether the area a fill from the seed takes (4-connected, up to the grey lines) lies in the
// sector between the 12 o'clock radius and the radius to `end`: inside the ellipse and at
// angles up to the end radius's, each with a pixel of slack for the rasterised lines. A thin
// sector leaves the seed outside it, or its lines leave a gap; the fill would then take the
// rest of the pie or what lies around it.
bool FillStaysInSector(const TCanvas& canvas, const TRect& r, TPoint seed, TPoint centre, TPoint end,
                       double theta) {
  const TRect bounds = canvas.Bounds();
  auto fillable = [&](int x, int y) {
    return bounds.Contains({x, y}) && (canvas.Pixel(x, y) & 0xFFFFFF) != kPieGrey;
  };
  if (!r.Contains(seed) || !fillable(seed.X, seed.Y)) return false;
  const double ex = (r.Left + r.Right) / 2.0, ey = (r.Top + r.Bottom) / 2.0;
  const double a = r.Width() / 2.0 + 1, b = r.Height() / 2.0 + 1;
  const double cx = centre.X + 0.5, cy = centre.Y + 0.5, full = 2 * std::numbers::pi;
  // The angle of the radius as drawn: on an ellipse it differs from theta. Rounding can turn
  // a nearly full pie's radius back onto 12 o'clock.
  double last = std::atan2(end.X - centre.X, centre.Y - end.Y);
  if (last < 0) last += full;
  if (theta >= full || (theta > std::numbers::pi && last < std::numbers::pi)) last = full;
  auto inside = [&](int x, int y) {
    if (!r.Contains({x, y})) return false;
    double px = x + 0.5, py = y + 0.5;
    if (std::pow((px - ex) / a, 2) + std::pow((py - ey) / b, 2) > 1) return false;
    if (last >= full) return true;
    double d = std::hypot(px - cx, py - cy);
    if (d < 2) return true;
    double phi = std::atan2(px - cx, cy - py);
    if (phi < 0) phi += full;
    double slack = 1.5 / d;
    return phi <= last + slack || phi >= full - slack;
  };
  // Kept between calls: pies are painted cell after cell.
  thread_local std::vector<std::uint8_t> seen;
  thread_local std::vector<TPoint> stack;
  const int w = r.Width();
  seen.assign(static_cast<size_t>(w) * static_cast<size_t>(r.Height()), 0);
  stack.assign(1, seed);
  auto mark = [&](int x, int y) { return std::exchange(seen[static_cast<size_t>(y - r.Top) * w + (x - r.Left)], 1); };
  mark(seed.X, seed.Y);
  while (!stack.empty()) {
    TPoint p = stack.back();
    stack.pop_back();
    if (!inside(p.X, p.Y)) return false;
    for (TPoint n : {Point(p.X - 1, p.Y), Point(p.X + 1, p.Y), Point(p.X, p.Y - 1), Point(p.X, p.Y + 1)}) {
      if (!fillable(n.X, n.Y)) continue;
      if (!r.Contains(n)) return false;
      if (!mark(n.X, n.Y)) stack.push_back(n);
    }
  }
  return true;
}

}  // namespace

void DrawProgressBar(TCanvas& Canvas, TRect Rect, TColor Color, TColor TextColor, TColor BackColor,
                     TColor BackTextColor, double Position, int MarginX, int MarginY, double Min, double Max,
                     const std::string& Format, TColor BorderColor, bool Printing) {
  std::string text;
  std::int64_t percent = 0;
  if (Format.empty()) {
    percent = Round(Position);
    text = IntToStr(percent) + "%";
  } else {
    if (Max == Min) return;  // no range to place Position in
    text = Format.find_first_of("du") != std::string::npos ? hd::Format(Format, {Round(Position)})
                                                          : hd::Format(Format, {Position});
    percent = Round((Position - Min) * 100 / (Max - Min));
  }
  percent = std::clamp<std::int64_t>(percent, 0, 100);

  const TColor old = Canvas.Brush().Color;
  SetPenAndBrush(Canvas, Color);
  Canvas.Font().Color = TextColor;
  InflateRect(Rect, -MarginX, -MarginY);
  const int doneRight = Rect.Left + RoundInt(static_cast<double>(percent) * Rect.Width() / 100);
  const TRect done{Rect.Left, Rect.Top, doneRight, Rect.Bottom};
  const TRect rest{doneRight, Rect.Top, Rect.Right, Rect.Bottom};
  const TSize ext = Canvas.TextExtent(text);
  const int x = Rect.Left + (Rect.Width() - ext.cx) / 2;
  // Printer coordinates run upwards, so the text's top is above its baseline there.
  const int y = Printing ? Rect.Top + (Rect.Height() + ext.cy) / 2 : Rect.Top + (Rect.Height() - ext.cy) / 2;
  // The same text twice, each clipped to its part, so its colour changes where the bar ends.
  Canvas.TextRect(done, x, y, text);
  SetPenAndBrush(Canvas, BackColor);
  Canvas.Font().Color = BackTextColor;
  Canvas.TextRect(rest, x, y, text);

  SolidBrush(Canvas, BorderColor);
  Canvas.Pen().Color = old;
  InflateRect(Rect, 1, 1);
  if (BorderColor != clNone) Canvas.FrameRect(Rect);
  SolidBrush(Canvas, old);
  InflateRect(Rect, 1, 1);
  Canvas.FrameRect(Rect);
}

void DrawStyledProgress(TCanvas& Canvas, const TRect& Rect, int Percent, TProgressBarLook Look) {
  const TColor edge = Look.ShowBorder ? Look.BorderColor : Look.BackgroundColor;
  SolidBrush(Canvas, Look.BackgroundColor);
  Canvas.Pen().Color = edge;
  Canvas.Pen().Width = 1;
  Canvas.Rectangle(Rect);
  TStyledBar bar(Canvas, Rect, Look);
  if (Percent > 0) {
    if (Look.Stacked)
      StackedParts(bar, Percent, Look);
    else
      LevelParts(bar, Percent, Look);
  }
  Canvas.Brush().Style = bsClear;
  if (Look.ShowPercentage) StyledPercentText(Canvas, Rect, Percent, Look);
  Canvas.Pen().Color = edge;
  Canvas.Pen().Width = 1;
  Canvas.Rectangle(Rect);
}

void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor FillColor, int Percent, bool Flag) {
  Canvas.Pen() = TPen{kPieGrey, 1, psSolid, pmCopy};
  Canvas.Ellipse(Rect);
  const int w = Rect.Width(), h = Rect.Height();
  const TPoint centre{Rect.Left + w / 2, Rect.Top + h / 2};
  Canvas.MoveTo(centre.X, Rect.Top);
  Canvas.LineTo(centre.X, centre.Y);
  const double theta = Percent / 100.0 * 2 * std::numbers::pi;
  const TPoint end{centre.X + RoundInt((w + 1) * 0.5 * std::sin(theta)),
                   centre.Y - RoundInt((h + 1) * 0.5 * std::cos(theta))};
  Canvas.LineTo(end.X, end.Y);
  SolidBrush(Canvas, FillColor);
  if (Percent == 0) return;
  const TPoint seed{centre.X + 1, Flag ? Rect.Top - 2 : Rect.Top + 2};
  if (FillStaysInSector(Canvas, Rect, seed, centre, end, theta))
    Canvas.FloodFill(seed.X, seed.Y, kPieGrey, fsBorder);
}

void DrawBipolarBar(TCanvas& Canvas, const TRect& Rect, double Value, double Max, bool ShowValue,
                    TColor NegativeColor, TColor PositiveColor) {
  if (!(Max > 0)) return;  // no range to scale the value into
  TRect r = Rect;
  InflateRect(r, -2, -2);
  const int mid = r.Width() / 2;
  const double v = std::clamp(Value, -Max, Max);
  const int x = RoundInt(mid * v / Max);
  if (v < 0) {
    SetPenAndBrush(Canvas, NegativeColor);
    Canvas.Rectangle(r.Left + mid + x, r.Top, r.Left + mid, r.Bottom);
  } else {
    SetPenAndBrush(Canvas, PositiveColor);
    Canvas.Rectangle(r.Left + mid, r.Top, r.Left + mid + x, r.Bottom);
  }
  if (!ShowValue) return;
  Canvas.Brush().Style = bsClear;
  const std::string text = FloatToStr(Value);
  const TSize ext = Canvas.TextExtent(text);
  Canvas.TextOut(r.Left + (r.Width() - ext.cx) / 2, r.Top + (r.Height() - ext.cy) / 2, text);
}

void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
                   TColor PenColor) {
  SolidBrush(Canvas, BrushColor);
  Canvas.Pen().Color = PenColor;
  int W = Width, H = Height;
  if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) W = H = std::min(W, H);
  const int hw = W / 2, hh = H / 2, W2 = W / 2 * 2, H2 = H / 2 * 2;
  const int qw = W2 / 4, qh = H2 / 4;
  // The star's points: even k on the outer radii, odd k on a third of them.
  auto starPoint = [&](int k) {
    double t = k * 36 * std::numbers::pi / 180;
    double rx = k % 2 == 0 ? hw : hw / 3.0, ry = k % 2 == 0 ? hh : hh / 3.0;
    return Point(X + hw + RoundInt(std::sin(t) * rx), Y + hh - RoundInt(std::cos(t) * ry));
  };
  switch (Shape) {
    case csRectangle:
    case csSquare: Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1); break;
    case csCircle:
    case csEllips: Canvas.Ellipse({X, Y, X + W, Y + H}); break;
    case csTriangleLeft: Canvas.Polygon({{X + W, Y}, {X + W, Y + H}, {X, Y + hh}}); break;
    case csTriangleRight: Canvas.Polygon({{X, Y}, {X, Y + H}, {X + W, Y + hh}}); break;
    case csTriangleUp: Canvas.Polygon({{X, Y + H}, {X + W, Y + H}, {X + hw, Y}}); break;
    case csTriangleDown: Canvas.Polygon({{X, Y}, {X + W, Y}, {X + hw, Y + H}}); break;
    case csDiamond: Canvas.Polygon({{X, Y + hh}, {X + hw, Y}, {X + 2 * hw, Y + hh}, {X + hw, Y + 2 * hh}}); break;
    case csLineVert: Canvas.Rectangle(X + hw, Y, X + hw + 1, Y + H); break;
    case csLineHorz: Canvas.Rectangle(X, Y + hh, X + W, Y + hh + 1); break;
    case csRoundRect:
    case csRoundSquare: Canvas.RoundRect({X, Y, X + W, Y + H}, 10, 10); break;
    case csStar: {
      std::vector<TPoint> pts;
      for (int k = 0; k < 10; ++k) pts.push_back(starPoint(k));
      Canvas.Polygon(pts);
      break;
    }
    case csHalfStar:
      Canvas.Polygon({starPoint(0), starPoint(5), starPoint(6), starPoint(7), starPoint(8), starPoint(9)});
      break;
    case csArrowUp:
      Canvas.Polygon({{X, Y + hh}, {X + W2 / 2, Y}, {X + W2, Y + hh}, {X + 3 * qw, Y + hh}, {X + 3 * qw, Y + H},
                      {X + qw, Y + H}, {X + qw, Y + hh}});
      break;
    case csArrowDown:
      Canvas.Polygon({{X, Y + hh}, {X + W2 / 2, Y + H}, {X + W2, Y + hh}, {X + 3 * qw, Y + hh}, {X + 3 * qw, Y},
                      {X + qw, Y}, {X + qw, Y + hh}});
      break;
    case csArrowLeft:
      Canvas.Polygon({{X, Y + H2 / 2}, {X + hw, Y}, {X + hw, Y + qh}, {X + W, Y + qh}, {X + W, Y + 3 * qh},
                      {X + hw, Y + 3 * qh}, {X + hw, Y + H2}});
      break;
    case csArrowRight:
      Canvas.Polygon({{X + W, Y + H2 / 2}, {X + hw, Y}, {X + hw, Y + qh}, {X, Y + qh}, {X, Y + 3 * qh},
                      {X + hw, Y + 3 * qh}, {X + hw, Y + H2}});
      break;
    default: break;
  }
}

}  // namespace hd
