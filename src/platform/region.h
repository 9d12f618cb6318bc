// Regions: sets of pixels kept as horizontal bands of spans, for clipping and window shapes.
#pragma once

#include <vector>

#include "platform/types.h"

namespace hd {

class TBitmap;

enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum TPolyFillMode { ALTERNATE = 1, WINDING = 2 };

class TRegion {
 public:
  // A half-open run [X0, X1) of pixels.
  struct Span {
    int X0 = 0;
    int X1 = 0;
    friend bool operator==(const Span&, const Span&) = default;
  };
  // Rows [Top, Bottom) that share the same sorted, disjoint spans.
  struct Band {
    int Top = 0;
    int Bottom = 0;
    std::vector<Span> Spans;
    friend bool operator==(const Band&, const Band&) = default;
  };

  TRegion() = default;
  explicit TRegion(const TRect& r);
  static TRegion FromRects(const std::vector<TRect>& rects);
  // Pixels inside the polygon, by the even-odd or the non-zero rule; left and top edges
  // belong to it, right and bottom edges do not.
  static TRegion Polygon(const std::vector<TPoint>& pts, TPolyFillMode mode = ALTERNATE);
  // The pixels the canvas fills for Ellipse and RoundRect over the same box, outline included.
  static TRegion Ellipse(const TRect& box);
  static TRegion RoundRect(const TRect& box, int cornerW, int cornerH);
  // Every pixel of the bitmap whose colour differs from transparent.
  static TRegion FromBitmap(const TBitmap& bmp, TColor transparent);

  static TRegion Combine(const TRegion& a, const TRegion& b, TRegionCombine op);
  TRegion operator&(const TRegion& o) const { return Combine(*this, o, RGN_AND); }
  TRegion operator|(const TRegion& o) const { return Combine(*this, o, RGN_OR); }
  TRegion operator-(const TRegion& o) const { return Combine(*this, o, RGN_DIFF); }

  // The pixels whose four neighbours are all in the region.
  TRegion Interior() const;

  bool IsEmpty() const { return bands_.empty(); }
  bool Contains(int x, int y) const;
  TRect Bounds() const;
  void Offset(int dx, int dy);
  // Disjoint rectangles covering the region, one per span of each band.
  std::vector<TRect> Rects() const;
  // The spans of row y, or none.
  const std::vector<Span>* RowSpans(int y) const;
  const std::vector<Band>& Bands() const { return bands_; }
  friend bool operator==(const TRegion&, const TRegion&) = default;

 private:
  static TRegion FromRows(int top, const std::vector<std::vector<Span>>& rows);
  void Normalize();
  std::vector<Band> bands_;
};

}  // namespace hd
