#include "platform/region.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/bitmap.h"
#include "platform/shape_rows_p.h"

namespace hd {

namespace shape_rows {

TRegion::Span EllipseRow(const TRect& box, int y) {
  double a = box.Width() / 2.0;
  double b = box.Height() / 2.0;
  if (a <= 0 || b <= 0) return {};
  double cx = (box.Left + box.Right) / 2.0;
  double dy = y + 0.5 - (box.Top + box.Bottom) / 2.0;
  if (std::abs(dy) >= b) return {};
  double half = a * std::sqrt(1.0 - (dy * dy) / (b * b)) + 1e-9;
  int x0 = static_cast<int>(std::ceil(cx - half - 0.5));
  int x1 = static_cast<int>(std::floor(cx + half - 0.5)) + 1;
  return {std::max(x0, box.Left), std::min(x1, box.Right)};
}

TRegion::Span RoundRectRow(const TRect& box, int cornerW, int cornerH, int y) {
  if (box.IsEmpty() || y < box.Top || y >= box.Bottom) return {};
  int cw = std::clamp(cornerW, 0, box.Width());
  int ch = std::clamp(cornerH, 0, box.Height());
  if (cw < 2 || ch < 2) return {box.Left, box.Right};
  double yc = y + 0.5;
  int cornerTop;
  if (yc < box.Top + ch / 2.0) {
    cornerTop = box.Top;
  } else if (yc > box.Bottom - ch / 2.0) {
    cornerTop = box.Bottom - ch;
  } else {
    return {box.Left, box.Right};
  }
  TRegion::Span left = EllipseRow({box.Left, cornerTop, box.Left + cw, cornerTop + ch}, y);
  TRegion::Span right = EllipseRow({box.Right - cw, cornerTop, box.Right, cornerTop + ch}, y);
  if (left.X1 <= left.X0) return {};
  return {left.X0, right.X1};
}

std::vector<TRegion::Span> PolygonRow(const std::vector<TPoint>& pts, TPolyFillMode mode, int y) {
  struct Cross {
    double x;
    int dir;
  };
  std::vector<Cross> xs;
  // Pixels sit on the integer grid, as the outline's lines do, so fill and outline meet.
  double yc = y;
  size_t n = pts.size();
  for (size_t i = 0; i < n; ++i) {
    TPoint p = pts[i];
    TPoint q = pts[(i + 1) % n];
    if (p.Y == q.Y) continue;
    bool down = q.Y > p.Y;
    double y0 = down ? p.Y : q.Y;
    double y1 = down ? q.Y : p.Y;
    if (yc < y0 || yc >= y1) continue;
    double x = p.X + (yc - p.Y) * (q.X - p.X) / static_cast<double>(q.Y - p.Y);
    xs.push_back({x, down ? 1 : -1});
  }
  std::sort(xs.begin(), xs.end(), [](const Cross& a, const Cross& b) { return a.x < b.x; });
  std::vector<TRegion::Span> spans;
  int winding = 0;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    winding += xs[i].dir;
    bool inside = mode == ALTERNATE ? (i % 2 == 0) : winding != 0;
    if (!inside) continue;
    int x0 = static_cast<int>(std::ceil(xs[i].x));
    int x1 = static_cast<int>(std::ceil(xs[i + 1].x));
    if (x1 <= x0) continue;
    if (!spans.empty() && spans.back().X1 >= x0) {
      spans.back().X1 = std::max(spans.back().X1, x1);
    } else {
      spans.push_back({x0, x1});
    }
  }
  return spans;
}

}  // namespace shape_rows

namespace {

using Span = TRegion::Span;
using Spans = std::vector<Span>;

// Boolean combination of two sorted, disjoint span lists.
Spans CombineSpans(const Spans& a, const Spans& b, TRegionCombine op) {
  std::vector<std::pair<int, int>> events;  // x, +1/-1 for a (bit 0) and b (bit 1)
  for (const Span& s : a) { events.push_back({s.X0, 1}); events.push_back({s.X1, -1}); }
  for (const Span& s : b) { events.push_back({s.X0, 2}); events.push_back({s.X1, -2}); }
  std::sort(events.begin(), events.end());
  Spans out;
  bool inA = false, inB = false;
  int open = 0;
  bool isOpen = false;
  size_t i = 0;
  while (i < events.size()) {
    int x = events[i].first;
    while (i < events.size() && events[i].first == x) {
      int e = events[i].second;
      if (e == 1 || e == -1) inA = e > 0; else inB = e > 0;
      ++i;
    }
    bool in = false;
    switch (op) {
      case RGN_AND: in = inA && inB; break;
      case RGN_OR: in = inA || inB; break;
      case RGN_XOR: in = inA != inB; break;
      case RGN_DIFF: in = inA && !inB; break;
      case RGN_COPY: in = inA; break;
    }
    if (in && !isOpen) {
      open = x;
      isOpen = true;
    } else if (!in && isOpen) {
      out.push_back({open, x});
      isOpen = false;
    }
  }
  return out;
}

const Spans* SpansAt(const std::vector<TRegion::Band>& bands, int y) {
  auto it = std::upper_bound(bands.begin(), bands.end(), y,
                             [](int v, const TRegion::Band& b) { return v < b.Bottom; });
  if (it == bands.end() || y < it->Top) return nullptr;
  return &it->Spans;
}

}  // namespace

TRegion::TRegion(const TRect& r) {
  if (!r.IsEmpty()) bands_.push_back({r.Top, r.Bottom, {{r.Left, r.Right}}});
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
  TRegion out;
  for (const TRect& r : rects) out = Combine(out, TRegion(r), RGN_OR);
  return out;
}

TRegion TRegion::FromRows(int top, const std::vector<Spans>& rows) {
  TRegion out;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].empty()) continue;
    int y = top + static_cast<int>(i);
    out.bands_.push_back({y, y + 1, rows[i]});
  }
  out.Normalize();
  return out;
}

TRegion TRegion::Polygon(const std::vector<TPoint>& pts, TPolyFillMode mode) {
  if (pts.size() < 3) return {};
  int top = pts[0].Y, bottom = pts[0].Y;
  for (TPoint p : pts) { top = std::min(top, p.Y); bottom = std::max(bottom, p.Y); }
  std::vector<Spans> rows;
  for (int y = top; y < bottom; ++y) rows.push_back(shape_rows::PolygonRow(pts, mode, y));
  return FromRows(top, rows);
}

TRegion TRegion::Ellipse(const TRect& box) {
  std::vector<Spans> rows;
  for (int y = box.Top; y < box.Bottom; ++y) {
    Span s = shape_rows::EllipseRow(box, y);
    rows.push_back(s.X1 > s.X0 ? Spans{s} : Spans{});
  }
  return FromRows(box.Top, rows);
}

TRegion TRegion::RoundRect(const TRect& box, int cornerW, int cornerH) {
  std::vector<Spans> rows;
  for (int y = box.Top; y < box.Bottom; ++y) {
    Span s = shape_rows::RoundRectRow(box, cornerW, cornerH, y);
    rows.push_back(s.X1 > s.X0 ? Spans{s} : Spans{});
  }
  return FromRows(box.Top, rows);
}

TRegion TRegion::FromBitmap(const TBitmap& bmp, TColor transparent) {
  TColor key = ColorToRGB(transparent);
  std::vector<Spans> rows(static_cast<size_t>(std::max(0, bmp.Height())));
  for (int y = 0; y < bmp.Height(); ++y) {
    const std::uint32_t* line = bmp.ScanLine(y);
    Spans& row = rows[static_cast<size_t>(y)];
    for (int x = 0; x < bmp.Width(); ++x) {
      if (static_cast<TColor>(line[x] & 0xFFFFFFu) == key) continue;
      if (!row.empty() && row.back().X1 == x) row.back().X1 = x + 1;
      else row.push_back({x, x + 1});
    }
  }
  return FromRows(0, rows);
}

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, TRegionCombine op) {
  if (op == RGN_COPY) return a;
  std::vector<int> ys;
  for (const Band& band : a.bands_) { ys.push_back(band.Top); ys.push_back(band.Bottom); }
  for (const Band& band : b.bands_) { ys.push_back(band.Top); ys.push_back(band.Bottom); }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  TRegion out;
  static const Spans kNone;
  for (size_t i = 0; i + 1 < ys.size(); ++i) {
    const Spans* sa = SpansAt(a.bands_, ys[i]);
    const Spans* sb = SpansAt(b.bands_, ys[i]);
    Spans s = CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone, op);
    if (!s.empty()) out.bands_.push_back({ys[i], ys[i + 1], std::move(s)});
  }
  out.Normalize();
  return out;
}

void TRegion::Normalize() {
  std::vector<Band> merged;
  for (Band& b : bands_) {
    if (b.Spans.empty() || b.Bottom <= b.Top) continue;
    if (!merged.empty() && merged.back().Bottom == b.Top && merged.back().Spans == b.Spans) {
      merged.back().Bottom = b.Bottom;
    } else {
      merged.push_back(std::move(b));
    }
  }
  bands_ = std::move(merged);
}

TRegion TRegion::Interior() const {
  TRegion up = *this, down = *this, left = *this, right = *this;
  up.Offset(0, -1);
  down.Offset(0, 1);
  left.Offset(-1, 0);
  right.Offset(1, 0);
  return *this & up & down & left & right;
}

bool TRegion::Contains(int x, int y) const {
  const Spans* row = SpansAt(bands_, y);
  if (!row) return false;
  for (const Span& s : *row) {
    if (x < s.X0) return false;
    if (x < s.X1) return true;
  }
  return false;
}

const std::vector<TRegion::Span>* TRegion::RowSpans(int y) const { return SpansAt(bands_, y); }

TRect TRegion::Bounds() const {
  if (bands_.empty()) return {};
  TRect r{bands_.front().Spans.front().X0, bands_.front().Top, bands_.front().Spans.back().X1,
          bands_.back().Bottom};
  for (const Band& b : bands_) {
    r.Left = std::min(r.Left, b.Spans.front().X0);
    r.Right = std::max(r.Right, b.Spans.back().X1);
  }
  return r;
}

void TRegion::Offset(int dx, int dy) {
  for (Band& b : bands_) {
    b.Top += dy;
    b.Bottom += dy;
    for (Span& s : b.Spans) { s.X0 += dx; s.X1 += dx; }
  }
}

std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> out;
  for (const Band& b : bands_)
    for (const Span& s : b.Spans) out.push_back({s.X0, b.Top, s.X1, b.Bottom});
  return out;
}

}  // namespace hd
