// The grid's own mouse cursors, drawn in code and registered with the screen by number the
// first time they are asked for: 8000-8008 while the middle button pans, 8010-8014 over the
// headers and in cell-selector mode.
#pragma once

#include <vector>

#include "platform/controls.h"
#include "platform/types.h"

namespace hd {

// Registers the cursor n (one of the numbers above) when it is not registered yet; false for
// a number the grid does not draw.
bool EnsureGridCursor(TCursor n);

// A 32 x 32 cursor of a polygon: black with a white outline, or white with a black one.
void RegisterPolygonCursor(TCursor n, TPoint HotSpot, const std::vector<TPoint>& Shape, bool WhiteShape);

}  // namespace hd
