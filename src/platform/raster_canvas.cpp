#include "platform/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "platform/bitmap.h"
#include "platform/icon.h"
#include "platform/text_render_p.h"

namespace hd {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t Apply(std::uint32_t dst, TColor rgb, TPenMode mode) {
  std::uint32_t d = dst & 0xFFFFFFu;
  std::uint32_t s = static_cast<std::uint32_t>(rgb) & 0xFFFFFFu;
  std::uint32_t r = s;
  switch (mode) {
    case pmCopy: r = s; break;
    case pmXor: r = d ^ s; break;
    case pmNotXor: r = ~(d ^ s); break;
    case pmNot: r = ~d; break;
    case pmMerge: r = d | s; break;
    case pmMask: r = d & s; break;
  }
  return (r & 0xFFFFFFu) | kOpaque;
}

// On/off runs of the cosmetic pen styles, starting with a run that draws.
std::vector<int> StyleRuns(TPenStyle style) {
  switch (style) {
    case psDot: return {1, 1};
    case psDash: return {18, 6};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

bool PatternOn(const std::vector<int>& runs, int pos) {
  int period = 0;
  for (int r : runs) period += r;
  pos %= period;
  for (size_t i = 0; i < runs.size(); ++i) {
    if (pos < runs[i]) return i % 2 == 0;
    pos -= runs[i];
  }
  return true;
}

// Points of the line from a to b, b itself left out.
std::vector<TPoint> LinePoints(TPoint a, TPoint b) {
  std::vector<TPoint> pts;
  int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
  int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy;
  int x = a.X, y = a.Y;
  while (x != b.X || y != b.Y) {
    pts.push_back({x, y});
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
  return pts;
}

bool HatchOn(TBrushStyle style, int x, int y) {
  int px = x & 7, py = y & 7;
  switch (style) {
    case bsHorizontal: return py == 0;
    case bsVertical: return px == 0;
    case bsFDiagonal: return px == py;
    case bsBDiagonal: return px == 7 - py;
    case bsCross: return px == 0 || py == 0;
    case bsDiagCross: return px == py || px == 7 - py;
    default: return true;
  }
}

}  // namespace

TRasterCanvas::TRasterCanvas(TBitmap& target) : target_(&target) {}

TRect TRasterCanvas::Bounds() const { return {0, 0, target_->Width(), target_->Height()}; }

std::uint32_t* TRasterCanvas::Row(int y) const { return target_->ScanLine(y); }

int TRasterCanvas::FontPixelHeight() const {
  int h = font_.Height();
  if (font_.PixelsPerInch > 0 && font_.PixelsPerInch != ppi_) h = MulDiv(h, ppi_, font_.PixelsPerInch);
  return h;
}

void TRasterCanvas::ForEachDrawable(int y, int x0, int x1, const std::function<void(int, int, int)>& fn) const {
  if (y < 0 || y >= target_->Height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, target_->Width());
  if (x1 <= x0) return;
  if (!clip_) {
    fn(y, x0, x1);
    return;
  }
  const auto* spans = clip_->RowSpans(y);
  if (!spans) return;
  for (const TRegion::Span& s : *spans) {
    int a = std::max(x0, s.X0), b = std::min(x1, s.X1);
    if (a < b) fn(y, a, b);
  }
}

bool TRasterCanvas::IsDrawable(int x, int y) const {
  if (x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height()) return false;
  return !clip_ || clip_->Contains(x, y);
}

void TRasterCanvas::PutSpan(int y, int x0, int x1, TColor rgb, TPenMode mode) {
  // The same walk as ForEachDrawable, without a function object per span: the grids fill
  // thousands of short spans per paint.
  if (y < 0 || y >= target_->Height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, target_->Width());
  if (x1 <= x0) return;
  auto fill = [&](int a, int b) {
    std::uint32_t* line = Row(y);
    if (mode == pmCopy) {
      std::fill(line + a, line + b, Apply(0, rgb, pmCopy));
      return;
    }
    for (int x = a; x < b; ++x) line[x] = Apply(line[x], rgb, mode);
  };
  if (!clip_) {
    fill(x0, x1);
    return;
  }
  const auto* spans = clip_->RowSpans(y);
  if (!spans) return;
  for (const TRegion::Span& s : *spans) {
    int a = std::max(x0, s.X0), b = std::min(x1, s.X1);
    if (a < b) fill(a, b);
  }
}

void TRasterCanvas::PutPixel(int x, int y, TColor rgb, TPenMode mode) {
  if (!IsDrawable(x, y)) return;
  std::uint32_t& p = Row(y)[x];
  p = Apply(p, rgb, mode);
}

void TRasterCanvas::PutRegion(const TRegion& rgn, TColor rgb, TPenMode mode) {
  for (const TRegion::Band& band : rgn.Bands())
    for (int y = band.Top; y < band.Bottom; ++y)
      for (const TRegion::Span& s : band.Spans) PutSpan(y, s.X0, s.X1, rgb, mode);
}

void TRasterCanvas::BrushSpan(int y, int x0, int x1) {
  if (brush_.Style == bsClear || brush_.Color == clNone) return;
  TColor rgb = ColorToRGB(brush_.Color);
  if (brush_.Style == bsSolid) {
    PutSpan(y, x0, x1, rgb, pmCopy);
    return;
  }
  TColor back = clNone;
  if (bk_mode_ == bkOpaque) back = ColorToRGB(bk_color_ == clDefault ? clWhite : bk_color_);
  ForEachDrawable(y, x0, x1, [&](int row, int a, int b) {
    std::uint32_t* line = Row(row);
    for (int x = a; x < b; ++x) {
      if (HatchOn(brush_.Style, x, row)) line[x] = Apply(line[x], rgb, pmCopy);
      else if (back != clNone) line[x] = Apply(line[x], back, pmCopy);
    }
  });
}

void TRasterCanvas::FillRegionWithBrush(const TRegion& rgn) {
  for (const TRegion::Band& band : rgn.Bands())
    for (int y = band.Top; y < band.Bottom; ++y)
      for (const TRegion::Span& s : band.Spans) BrushSpan(y, s.X0, s.X1);
}

void TRasterCanvas::MoveTo(int x, int y) {
  TCanvas::MoveTo(x, y);
  pattern_pos_ = 0;
}

void TRasterCanvas::StyledLine(TPoint a, TPoint b, TColor rgb) {
  // A solid straight line is a span (end point excluded, as every line here).
  if ((pen_.Style == psSolid || pen_.Style == psInsideFrame) && (a.X == b.X || a.Y == b.Y) && a != b) {
    if (a.Y == b.Y) {
      int x0 = a.X < b.X ? a.X : b.X + 1, x1 = a.X < b.X ? b.X : a.X + 1;
      PutSpan(a.Y, x0, x1, rgb, pen_.Mode);
      pattern_pos_ += x1 - x0;
    } else {
      int step = a.Y < b.Y ? 1 : -1;
      for (int y = a.Y; y != b.Y; y += step) PutSpan(y, a.X, a.X + 1, rgb, pen_.Mode);
      pattern_pos_ += step * (b.Y - a.Y);
    }
    return;
  }
  std::vector<int> runs = StyleRuns(pen_.Style);
  TColor gap = runs.empty() ? clNone : BackgroundColor();
  if (gap != clNone) gap = ColorToRGB(gap);
  for (TPoint p : LinePoints(a, b)) {
    if (runs.empty() || PatternOn(runs, pattern_pos_)) PutPixel(p.X, p.Y, rgb, pen_.Mode);
    else if (gap != clNone) PutPixel(p.X, p.Y, gap, pen_.Mode);
    ++pattern_pos_;
  }
}

void TRasterCanvas::WideLine(TPoint a, TPoint b) {
  int w = pen_.Width;
  std::map<int, std::pair<int, int>> rows;
  auto stamp = [&](TPoint p) {
    int x0 = p.X - w / 2;
    for (int y = p.Y - w / 2; y < p.Y - w / 2 + w; ++y) {
      auto [it, fresh] = rows.try_emplace(y, x0, x0 + w);
      if (!fresh) {
        it->second.first = std::min(it->second.first, x0);
        it->second.second = std::max(it->second.second, x0 + w);
      }
    }
  };
  for (TPoint p : LinePoints(a, b)) stamp(p);
  TColor rgb = ColorToRGB(pen_.Color);
  for (auto& [y, span] : rows) PutSpan(y, span.first, span.second, rgb, pen_.Mode);
}

void TRasterCanvas::LineTo(int x, int y) {
  TPoint from = pen_pos_;
  pen_pos_ = {x, y};
  if (pen_.Style == psClear || pen_.Color == clNone) return;
  if (pen_.Width > 1) WideLine(from, {x, y});
  else StyledLine(from, {x, y}, ColorToRGB(pen_.Color));
}

void TRasterCanvas::OutlinePath(const std::vector<TPoint>& closed) {
  if (closed.empty()) return;
  TPoint saved = pen_pos_;
  MoveTo(closed.front().X, closed.front().Y);
  for (size_t i = 1; i < closed.size(); ++i) LineTo(closed[i].X, closed[i].Y);
  LineTo(closed.front().X, closed.front().Y);
  pen_pos_ = saved;
}

void TRasterCanvas::Rectangle(const TRect& r) {
  bool pen = pen_.Style != psClear && pen_.Color != clNone;
  if (!pen) {
    FillRegionWithBrush(TRegion(r));
    return;
  }
  if (r.Width() > 2 && r.Height() > 2) FillRegionWithBrush(TRegion({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}));
  int w = std::max(1, pen_.Width);
  if (w == 1 && (pen_.Style == psSolid || pen_.Style == psInsideFrame)) {
    // The one-pixel frame as four spans: the top and bottom rows, then the sides between.
    if (r.Width() <= 0 || r.Height() <= 0) return;
    TColor rgb = ColorToRGB(pen_.Color);
    PutSpan(r.Top, r.Left, r.Right, rgb, pen_.Mode);
    if (r.Height() > 1) PutSpan(r.Bottom - 1, r.Left, r.Right, rgb, pen_.Mode);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
      PutSpan(y, r.Left, r.Left + 1, rgb, pen_.Mode);
      if (r.Width() > 1) PutSpan(y, r.Right - 1, r.Right, rgb, pen_.Mode);
    }
    return;
  }
  if (w == 1 && pen_.Style != psSolid && pen_.Style != psInsideFrame) {
    OutlinePath({{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}});
    return;
  }
  TRect outer, inner;
  if (pen_.Style == psInsideFrame) {
    outer = r;
    inner = {r.Left + w, r.Top + w, r.Right - w, r.Bottom - w};
  } else {
    auto lo = [w](int c) { return c - w / 2; };
    outer = {lo(r.Left), lo(r.Top), lo(r.Right - 1) + w, lo(r.Bottom - 1) + w};
    inner = {lo(r.Left) + w, lo(r.Top) + w, lo(r.Right - 1), lo(r.Bottom - 1)};
  }
  PutRegion(TRegion(outer) - TRegion(inner), ColorToRGB(pen_.Color), pen_.Mode);
}

void TRasterCanvas::FillRect(const TRect& r) { FillRegionWithBrush(TRegion(r)); }

void TRasterCanvas::FrameRect(const TRect& r) {
  if (brush_.Color == clNone || r.IsEmpty()) return;
  TRegion frame = TRegion(r) - TRegion({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
  PutRegion(frame, ColorToRGB(brush_.Color), pmCopy);
}

void TRasterCanvas::Polygon(const std::vector<TPoint>& pts) {
  if (pts.size() < 2) return;
  FillRegionWithBrush(TRegion::Polygon(pts, ALTERNATE));
  OutlinePath(pts);
}

void TRasterCanvas::Polyline(const std::vector<TPoint>& pts) {
  if (pts.empty()) return;
  TPoint saved = pen_pos_;
  MoveTo(pts.front().X, pts.front().Y);
  for (size_t i = 1; i < pts.size(); ++i) LineTo(pts[i].X, pts[i].Y);
  pen_pos_ = saved;
}

void TRasterCanvas::DrawShape(const TRect& box, const std::function<TRegion(const TRect&)>& shape) {
  bool pen = pen_.Style != psClear && pen_.Color != clNone;
  if (!pen) {
    FillRegionWithBrush(shape(box));
    return;
  }
  int w = std::max(1, pen_.Width);
  TRect outer = box;
  if (pen_.Style != psInsideFrame) outer = {box.Left - w / 2, box.Top - w / 2, box.Right + (w - 1) / 2, box.Bottom + (w - 1) / 2};
  TRegion all = shape(outer);
  TRegion inside;
  if (w == 1) {
    inside = all.Interior();
  } else {
    inside = shape({outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w});
  }
  FillRegionWithBrush(inside);
  TRegion outline = all - inside;
  TColor rgb = ColorToRGB(pen_.Color);
  if (w == 1 && pen_.Style == psDot) {
    // Every other pixel of the outline, by the pixel grid.
    for (const TRect& rc : outline.Rects())
      for (int y = rc.Top; y < rc.Bottom; ++y)
        for (int x = rc.Left; x < rc.Right; ++x)
          if (((x + y) & 1) == 0) PutPixel(x, y, rgb, pen_.Mode);
    return;
  }
  PutRegion(outline, rgb, pen_.Mode);
}

void TRasterCanvas::Ellipse(const TRect& r) {
  DrawShape(r, [](const TRect& b) { return TRegion::Ellipse(b); });
}

void TRasterCanvas::RoundRect(const TRect& r, int cornerW, int cornerH) {
  DrawShape(r, [cornerW, cornerH](const TRect& b) { return TRegion::RoundRect(b, cornerW, cornerH); });
}

TColor TRasterCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height()) return clNone;
  return static_cast<TColor>(target_->ScanLine(y)[x] & 0xFFFFFFu);
}

void TRasterCanvas::SetPixel(int x, int y, TColor c) {
  if (c == clNone) return;
  PutPixel(x, y, ColorToRGB(c), pmCopy);
}

void TRasterCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  if (brush_.Style == bsClear || brush_.Color == clNone || !IsDrawable(x, y)) return;
  int w = target_->Width(), h = target_->Height();
  TColor key = ColorToRGB(color);
  auto matches = [&](int px, int py) {
    TColor c = static_cast<TColor>(Row(py)[px] & 0xFFFFFFu);
    return style == fsSurface ? c == key : c != key;
  };
  if (!matches(x, y)) return;
  std::vector<std::uint8_t> seen(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  auto fillable = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < w && py < h && !seen[static_cast<size_t>(py) * w + px] &&
           IsDrawable(px, py) && matches(px, py);
  };
  // Collect the area first so that the brush colour cannot feed back into the test.
  std::vector<std::pair<int, std::pair<int, int>>> runs;
  std::vector<TPoint> stack{{x, y}};
  while (!stack.empty()) {
    TPoint p = stack.back();
    stack.pop_back();
    if (!fillable(p.X, p.Y)) continue;
    int a = p.X, b = p.X;
    while (fillable(a - 1, p.Y)) --a;
    while (fillable(b + 1, p.Y)) ++b;
    for (int i = a; i <= b; ++i) seen[static_cast<size_t>(p.Y) * w + i] = 1;
    runs.push_back({p.Y, {a, b + 1}});
    for (int i = a; i <= b; ++i) {
      if (fillable(i, p.Y - 1)) stack.push_back({i, p.Y - 1});
      if (fillable(i, p.Y + 1)) stack.push_back({i, p.Y + 1});
    }
  }
  for (auto& [row, span] : runs) BrushSpan(row, span.first, span.second);
}

void TRasterCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* r, const std::string& text) {
  std::optional<TRegion> saved = clip_;
  if (r && (options & ETO_OPAQUE)) {
    TColor back = bk_color_ == clDefault ? brush_.Color : bk_color_;
    if (back != clNone) PutRegion(Drawable() & TRegion(*r), ColorToRGB(back), pmCopy);
  }
  if (r && (options & ETO_CLIPPED)) clip_ = Drawable() & TRegion(*r);
  int angle = ((font_.Orientation % 3600) + 3600) % 3600;
  const std::string* drawn = &text;
  std::string visible;
  if (angle == 0 && !(options & ETO_RTLREADING) && text.size() > kLongRun) {
    visible = VisiblePart(text, x);
    drawn = &visible;
  }
  text_render::Mask mask = text_render::Render(font_, FontPixelHeight(), *drawn, (options & ETO_RTLREADING) != 0);
  // The glyphs come without the font's lines: underline below the baseline, strike-out
  // through the middle of the small letters.
  if ((font_.Style.Contains(fsUnderline) || font_.Style.Contains(fsStrikeOut)) && mask.Width > 0 && mask.Height > 0) {
    const int ascent = text_render::Metrics(font_, FontPixelHeight()).Ascent;
    auto line = [&mask](int row) {
      row = std::clamp(row, 0, mask.Height - 1);
      std::fill_n(mask.Bits.begin() + static_cast<std::ptrdiff_t>(row) * mask.Width, mask.Width, std::uint8_t{1});
    };
    if (font_.Style.Contains(fsUnderline)) line(ascent + 1);
    if (font_.Style.Contains(fsStrikeOut)) line(ascent - ascent / 3);
  }
  TColor ink = font_.Color == clNone ? clNone : ColorToRGB(font_.Color);
  TColor cell = BackgroundColor();
  if (cell != clNone) cell = ColorToRGB(cell);
  if (angle == 0) {
    std::uint32_t inkPixel = Apply(0, ink, pmCopy);
    for (int v = 0; v < mask.Height; ++v) {
      if (cell != clNone) PutSpan(y + v, x, x + mask.Width, cell, pmCopy);
      if (ink == clNone) continue;
      // A row of the run at a time over the drawable spans, not a clip test per pixel.
      const std::uint8_t* bits = mask.Bits.data() + static_cast<size_t>(v) * static_cast<size_t>(mask.Width);
      ForEachDrawable(y + v, x, x + mask.Width, [&](int row, int a, int b) {
        std::uint32_t* line = Row(row);
        for (int px = a; px < b; ++px)
          if (bits[px - x]) line[px] = inkPixel;
      });
    }
  } else {
    // Sample the unrotated run for each pixel of the turned box (counter-clockwise).
    double t = angle * std::numbers::pi / 1800.0;
    double c = std::cos(t), s = std::sin(t);
    double corners[4][2] = {{0, 0}, {double(mask.Width), 0}, {0, double(mask.Height)}, {double(mask.Width), double(mask.Height)}};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (auto& k : corners) {
      double dx = k[0] * c + k[1] * s, dy = -k[0] * s + k[1] * c;
      minX = std::min(minX, dx); maxX = std::max(maxX, dx);
      minY = std::min(minY, dy); maxY = std::max(maxY, dy);
    }
    for (int py = static_cast<int>(std::floor(minY)); py <= static_cast<int>(std::ceil(maxY)); ++py) {
      for (int px = static_cast<int>(std::floor(minX)); px <= static_cast<int>(std::ceil(maxX)); ++px) {
        double dx = px + 0.5, dy = py + 0.5;
        int u = static_cast<int>(std::floor(dx * c - dy * s));
        int v = static_cast<int>(std::floor(dx * s + dy * c));
        if (u < 0 || v < 0 || u >= mask.Width || v >= mask.Height) continue;
        if (ink != clNone && mask.At(u, v)) PutPixel(x + px, y + py, ink, pmCopy);
        else if (cell != clNone) PutPixel(x + px, y + py, cell, pmCopy);
      }
    }
  }
  clip_ = std::move(saved);
}

std::string TRasterCanvas::VisiblePart(const std::string& text, int& x) {
  // Runs are measured whole from a code point on, so the part keeps the place it has in the run.
  const int h = FontPixelHeight();
  auto width = [&](std::string_view s) { return text_render::Advance(font_, h, std::string(s)); };
  auto cut = [](std::string_view s, size_t at) {
    at = std::min(at, s.size());
    while (at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80) ++at;
    return at;
  };
  constexpr int kMargin = 64;  // glyphs overhanging their advance still show whole
  const TRect vis = Drawable().Bounds();
  std::string_view run(text);
  if (x < vis.Left - kMargin) {
    // From the run's end back: the shortest tail that reaches the left edge.
    const int end = x + width(run);
    if (end < vis.Left - kMargin) return {};
    size_t keep = 256;
    while (keep < run.size() && end - width(run.substr(cut(run, run.size() - keep))) > vis.Left - kMargin) keep *= 2;
    if (keep < run.size()) {
      run = run.substr(cut(run, run.size() - keep));
      x = end - width(run);
    }
  }
  // Then the shortest head that reaches past the right edge.
  size_t len = 256;
  while (len < run.size() && width(run.substr(0, cut(run, len))) <= vis.Right - x + kMargin) len *= 2;
  return std::string(run.substr(0, cut(run, len)));
}

TSize TRasterCanvas::TextExtent(const std::string& text) {
  int h = FontPixelHeight();
  return {text_render::Advance(font_, h, text), text_render::Metrics(font_, h).Height};
}

TTextMetric TRasterCanvas::TextMetrics() { return text_render::Metrics(font_, FontPixelHeight()); }

void TRasterCanvas::BlitRows(int dx, int dy, int w, int h,
                             const std::function<void(int, int, std::uint32_t&)>& put) {
  for (int row = 0; row < h; ++row) {
    ForEachDrawable(dy + row, dx, dx + w, [&](int y, int a, int b) {
      std::uint32_t* line = Row(y);
      for (int x = a; x < b; ++x) put(x - dx, row, line[x]);
    });
  }
}

void TRasterCanvas::Draw(int x, int y, const TBitmap& bmp) {
  if (bmp.Empty()) return;
  bool keyed = bmp.Transparent();
  std::uint32_t key = static_cast<std::uint32_t>(ColorToRGB(bmp.TransparentColor()));
  if (&bmp == target_) return;
  BlitRows(x, y, bmp.Width(), bmp.Height(), [&](int sx, int sy, std::uint32_t& dst) {
    std::uint32_t p = bmp.ScanLine(sy)[sx] & 0xFFFFFFu;
    if (keyed && p == key) return;
    dst = p | kOpaque;
  });
}

void TRasterCanvas::StretchDraw(const TRect& r, const TBitmap& bmp) {
  if (bmp.Empty() || r.IsEmpty() || &bmp == target_) return;
  bool keyed = bmp.Transparent();
  std::uint32_t key = static_cast<std::uint32_t>(ColorToRGB(bmp.TransparentColor()));
  int sw = bmp.Width(), sh = bmp.Height(), dw = r.Width(), dh = r.Height();
  BlitRows(r.Left, r.Top, dw, dh, [&](int dx, int dy, std::uint32_t& dst) {
    int sx = static_cast<int>(static_cast<long long>(dx) * sw / dw);
    int sy = static_cast<int>(static_cast<long long>(dy) * sh / dh);
    std::uint32_t p = bmp.ScanLine(sy)[sx] & 0xFFFFFFu;
    if (keyed && p == key) return;
    dst = p | kOpaque;
  });
}

void TRasterCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) {
  if (dest.IsEmpty() || src.IsEmpty()) return;
  // Read the source first: it may be this very canvas.
  int sw = src.Width(), sh = src.Height();
  std::vector<TColor> pixels(static_cast<size_t>(sw) * static_cast<size_t>(sh));
  for (int y = 0; y < sh; ++y)
    for (int x = 0; x < sw; ++x) pixels[static_cast<size_t>(y) * sw + x] = source.Pixel(src.Left + x, src.Top + y);
  int dw = dest.Width(), dh = dest.Height();
  BlitRows(dest.Left, dest.Top, dw, dh, [&](int dx, int dy, std::uint32_t& dst) {
    int sx = static_cast<int>(static_cast<long long>(dx) * sw / dw);
    int sy = static_cast<int>(static_cast<long long>(dy) * sh / dh);
    TColor p = pixels[static_cast<size_t>(sy) * sw + sx];
    if (p != clNone) dst = static_cast<std::uint32_t>(p) | kOpaque;
  });
}

void TRasterCanvas::BrushCopy(const TRect& dest, const TBitmap& bmp, const TRect& src, TColor color) {
  if (dest.IsEmpty() || src.IsEmpty() || bmp.Empty() || &bmp == target_) return;
  std::uint32_t key = static_cast<std::uint32_t>(ColorToRGB(color));
  bool replace = brush_.Style != bsClear && brush_.Color != clNone;
  std::uint32_t with = replace ? static_cast<std::uint32_t>(ColorToRGB(brush_.Color)) : 0;
  int sw = src.Width(), sh = src.Height(), dw = dest.Width(), dh = dest.Height();
  BlitRows(dest.Left, dest.Top, dw, dh, [&](int dx, int dy, std::uint32_t& dst) {
    int sx = src.Left + static_cast<int>(static_cast<long long>(dx) * sw / dw);
    int sy = src.Top + static_cast<int>(static_cast<long long>(dy) * sh / dh);
    if (sx < 0 || sy < 0 || sx >= bmp.Width() || sy >= bmp.Height()) return;
    std::uint32_t p = bmp.ScanLine(sy)[sx] & 0xFFFFFFu;
    if (p == key) {
      if (!replace) return;
      p = with;
    }
    dst = p | kOpaque;
  });
}

void TRasterCanvas::DrawIcon(int x, int y, const TIcon& icon) {
  const TBitmap& img = icon.Image();
  if (img.Empty()) return;
  BlitRows(x, y, img.Width(), img.Height(), [&](int sx, int sy, std::uint32_t& dst) {
    std::uint32_t p = img.ScanLine(sy)[sx];
    std::uint32_t a = p >> 24;
    if (a == 0) return;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      std::uint32_t s = (p >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
      std::uint32_t v = std::min<std::uint32_t>(255, s + (d * (255 - a) + 127) / 255);
      out |= v << shift;
    }
    dst = out | kOpaque;
  });
}

}  // namespace hd
