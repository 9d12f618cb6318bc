#include "app/button_glyphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"

namespace hd {
namespace {

constexpr TColor kClear = clFuchsia;

// A shape is tested at pixel centres, in a continuous space where pixel (x, y) covers
// [x, x+1) x [y, y+1).
using Shape = std::function<bool(double, double)>;

Shape Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Box(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// A stroke of half-width r along the segment from (x0, y0) to (x1, y1).
Shape Stroke(double x0, double y0, double x1, double y1, double r) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= r * r;
  };
}

// Part of a ring of radius r and half-width w; angles in degrees, counter-clockwise from the
// right as seen on screen, the arc running from `from` up to `to`.
Shape Arc(double cx, double cy, double r, double w, double from, double to) {
  return [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    if (std::abs(d - r) > w) return false;
    double a = std::atan2(cy - y, x - cx) * 180 / std::numbers::pi;
    while (a < from) a += 360;
    return a <= to;
  };
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape Cross(double left, double top, double right, double bottom, double r) {
  return Union(Stroke(left, top, right, bottom, r), Stroke(right, top, left, bottom, r));
}

class Picture {
 public:
  Picture(int width, int height) : w_(width), h_(height), px_(static_cast<size_t>(width * height), kClear) {}

  // Fills the shape and, when outline is given, the pixels around it.
  void Paint(const Shape& shape, TColor fill, TColor outline = clNone) {
    std::vector<bool> mask(px_.size());
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) mask[Index(x, y)] = shape(x + 0.5, y + 0.5);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) {
        if (mask[Index(x, y)]) px_[Index(x, y)] = fill;
        else if (outline != clNone && Touches(mask, x, y)) px_[Index(x, y)] = outline;
      }
  }

  TColor At(int x, int y) const { return px_[Index(x, y)]; }
  int Width() const { return w_; }
  int Height() const { return h_; }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y * w_ + x); }
  bool Touches(const std::vector<bool>& mask, int x, int y) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx, ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < w_ && ny < h_ && mask[Index(nx, ny)]) return true;
      }
    return false;
  }

  int w_, h_;
  std::vector<TColor> px_;
};

constexpr TColor kDarkBlue = RGB(10, 45, 125), kDarkRed = RGB(125, 0, 0);

Picture InfoIcon() {
  Picture p(32, 32);
  p.Paint(Disc(16, 16, 14), RGB(40, 110, 210), kDarkBlue);
  const Shape letter = Union(Union(Disc(16, 8.5, 2.4), Box(12.5, 12.5, 18.5, 15)),
                             Union(Box(14.5, 12.5, 18.5, 23), Box(12.5, 22, 20.5, 24.5)));
  p.Paint(letter, clWhite);
  return p;
}

Picture OptionsIcon() {
  Picture p(32, 32);
  auto gear = [](double x, double y) {
    const double r = std::hypot(x - 16, y - 16);
    const double turns = std::atan2(y - 16, x - 16) / (2 * std::numbers::pi) * 8 + 8.25;
    const double outer = turns - std::floor(turns) < 0.5 ? 14.5 : 11;
    return r <= outer && r >= 4.5;
  };
  p.Paint(gear, RGB(150, 150, 160), RGB(60, 60, 70));
  p.Paint(Arc(16, 16, 7, 0.7, 0, 360), RGB(105, 105, 115));
  return p;
}

Picture CloseIcon() {
  Picture p(32, 32);
  p.Paint(Disc(16, 16, 14), RGB(210, 40, 40), kDarkRed);
  p.Paint(Cross(10.5, 10.5, 21.5, 21.5, 2.0), clWhite);
  return p;
}

TBitmap ToBitmap(const Picture& p) {
  TBitmap bmp(p.Width(), p.Height());
  for (int y = 0; y < p.Height(); ++y) {
    std::uint32_t* row = bmp.ScanLine(y);
    for (int x = 0; x < p.Width(); ++x) row[x] = 0xFF000000u | static_cast<std::uint32_t>(p.At(x, y));
  }
  bmp.SetTransparent(true);
  return bmp;
}

}  // namespace

void RegisterButtonGlyphs() {
  static const bool registered = [] {
    RegisterBitmapResource("BTNINFO", [] { return ToBitmap(InfoIcon()); });
    RegisterBitmapResource("BTNOPTIONS", [] { return ToBitmap(OptionsIcon()); });
    RegisterBitmapResource("BTNCLOSE", [] { return ToBitmap(CloseIcon()); });
    return true;
  }();
  (void)registered;
}

}  // namespace hd
