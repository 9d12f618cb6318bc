// Row spans of the filled shapes, shared by regions and the raster canvas so that a
// region made from a shape covers exactly the pixels the canvas paints for it.
#pragma once

#include <vector>

#include "platform/region.h"

namespace hd::shape_rows {

// Span of row y of the ellipse inscribed in the box; X1 <= X0 when the row is outside.
TRegion::Span EllipseRow(const TRect& box, int y);
TRegion::Span RoundRectRow(const TRect& box, int cornerW, int cornerH, int y);
// Spans of row y of a polygon; pixel (x, y) is the point (x, y), left and top edges inside.
std::vector<TRegion::Span> PolygonRow(const std::vector<TPoint>& pts, TPolyFillMode mode, int y);

}  // namespace hd::shape_rows
