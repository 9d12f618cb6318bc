#include "app/button_glyphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

#include "platform/bitmap.h"

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

Shape Polygon(std::vector<std::pair<double, double>> pts) {
  return [pts = std::move(pts)](double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape CheckMark(double ox, double oy, double scale, double r) {
  return Union(Stroke(ox, oy + 4 * scale, ox + 3 * scale, oy + 7 * scale, r),
               Stroke(ox + 3 * scale, oy + 7 * scale, ox + 9 * scale, oy, r));
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

  // The embossed grey look of a disabled image: dark pixels grey, lit from the bottom right.
  Picture Disabled() const {
    Picture out(w_, h_);
    auto dark = [&](int x, int y) {
      if (x < 0 || y < 0) return false;
      const TColor c = At(x, y);
      return c != kClear && GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c) < 200 * 10;
    };
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) {
        if (dark(x, y)) out.px_[Index(x, y)] = clGray;
        else if (dark(x - 1, y - 1)) out.px_[Index(x, y)] = clWhite;
      }
    return out;
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

constexpr TColor kGreen = RGB(0, 165, 0), kDarkGreen = RGB(0, 90, 0);
constexpr TColor kRed = RGB(215, 35, 35), kDarkRed = RGB(125, 0, 0);
constexpr TColor kBlue = RGB(35, 105, 215), kDarkBlue = RGB(10, 45, 125);

Picture OkGlyph() {
  Picture p(16, 16);
  p.Paint(CheckMark(3.5, 4.5, 1.0, 1.2), kGreen, kDarkGreen);
  return p;
}

Picture CancelGlyph() {
  Picture p(16, 16);
  p.Paint(Cross(4.5, 4.5, 11.5, 11.5, 1.2), kRed, kDarkRed);
  return p;
}

Picture HelpGlyph() {
  Picture p(16, 16);
  const Shape hook = Union(Arc(8, 5.5, 3, 1.1, -60, 180), Stroke(9.5, 8.1, 8, 9.6, 1.1));
  p.Paint(Union(Union(hook, Stroke(8, 9.6, 8, 10.4, 1.1)), Disc(8, 13.4, 1.3)), kBlue, kDarkBlue);
  return p;
}

Picture YesGlyph() {
  Picture p(16, 16);
  p.Paint(Disc(8, 8, 6.6), kGreen, kDarkGreen);
  p.Paint(CheckMark(4.2, 5.2, 0.8, 0.9), clWhite);
  return p;
}

Picture NoGlyph() {
  Picture p(16, 16);
  p.Paint(Disc(8, 8, 6.6), kRed, kDarkRed);
  p.Paint(Box(4, 7, 12, 9), clWhite);
  return p;
}

Picture CloseGlyph() {
  Picture p(16, 16);
  p.Paint(Box(3.5, 1.5, 12.5, 15), RGB(160, 100, 45), RGB(80, 50, 20));
  p.Paint(Box(5, 3, 11, 13.5), RGB(190, 130, 70));
  p.Paint(Disc(9.6, 8.5, 0.9), RGB(255, 210, 0));
  return p;
}

Picture AbortGlyph() {
  Picture p(16, 16);
  auto octagon = [](double x, double y) {
    const double dx = std::abs(x - 8), dy = std::abs(y - 8);
    return dx <= 6.4 && dy <= 6.4 && dx + dy <= 9.2;
  };
  p.Paint(octagon, kRed, kDarkRed);
  p.Paint(Cross(5.5, 5.5, 10.5, 10.5, 0.9), clWhite);
  return p;
}

Picture RetryGlyph() {
  Picture p(16, 16);
  constexpr double kR = 4.8, kEnd = 20 * std::numbers::pi / 180;
  const double px = 8 + kR * std::cos(kEnd), py = 8 - kR * std::sin(kEnd);
  // Tangent of travel and the radial direction at the arc's end.
  const double tx = -std::sin(kEnd), ty = -std::cos(kEnd), nx = std::cos(kEnd), ny = -std::sin(kEnd);
  const Shape head = Polygon({{px + 3.0 * tx, py + 3.0 * ty},
                              {px - 0.5 * tx + 2.8 * nx, py - 0.5 * ty + 2.8 * ny},
                              {px - 0.5 * tx - 2.8 * nx, py - 0.5 * ty - 2.8 * ny}});
  p.Paint(Union(Arc(8, 8, kR, 1.2, 80, 380), head), kGreen, kDarkGreen);
  return p;
}

Picture IgnoreGlyph() {
  Picture p(16, 16);
  p.Paint(Union(Polygon({{1.5, 3.5}, {8, 8}, {1.5, 12.5}}), Polygon({{7.5, 3.5}, {14, 8}, {7.5, 12.5}})), kBlue,
          kDarkBlue);
  return p;
}

Picture AllGlyph() {
  Picture p(16, 16);
  p.Paint(CheckMark(1.5, 2.5, 0.75, 1.0), kGreen, kDarkGreen);
  p.Paint(CheckMark(5.5, 6.0, 0.75, 1.0), kGreen, kDarkGreen);
  return p;
}

Picture ArrowGlyph() {
  Picture p(7, 4);
  p.Paint(Polygon({{0, 0}, {7, 0}, {3.5, 3.9}}), clBlack);
  return p;
}

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

void Store(const std::vector<Picture>& images, TBitmap& bitmap) {
  const int w = images.front().Width(), h = images.front().Height();
  bitmap.SetSize(w * static_cast<int>(images.size()), h);
  for (size_t i = 0; i < images.size(); ++i)
    for (int y = 0; y < h; ++y) {
      std::uint32_t* row = bitmap.ScanLine(y) + i * w;
      for (int x = 0; x < w; ++x) row[x] = static_cast<std::uint32_t>(images[i].At(x, y));
    }
}

struct Resource {
  const char* Name;
  Picture (*Draw)();
  bool WithDisabled;  // the stock kinds' strips carry a disabled image
};

constexpr Resource kResources[] = {
    {"LBOK", OkGlyph, true},        {"LBCANCEL", CancelGlyph, true}, {"LBHELP", HelpGlyph, true},
    {"LBYES", YesGlyph, true},      {"LBNO", NoGlyph, true},         {"LBCLOSE", CloseGlyph, true},
    {"LBABORT", AbortGlyph, true},  {"LBRETRY", RetryGlyph, true},   {"LBIGNORE", IgnoreGlyph, true},
    {"LBALL", AllGlyph, true},      {"LBARROW", ArrowGlyph, false},  {"BTNINFO", InfoIcon, false},
    {"BTNOPTIONS", OptionsIcon, false}, {"BTNCLOSE", CloseIcon, false},
};

}  // namespace

bool LoadButtonGlyph(const std::string& name, TBitmap& bitmap) {
  for (const Resource& r : kResources) {
    if (name != r.Name) continue;
    const Picture normal = r.Draw();
    if (r.WithDisabled) Store({normal, normal.Disabled()}, bitmap);
    else Store({normal}, bitmap);
    return true;
  }
  return false;
}

}  // namespace hd
