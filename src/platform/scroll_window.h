// Scrolling a window's client pixels: what is already drawn moves, and only what comes into
// view waits to be painted, so a scroll by a line costs the line, not the window.
#pragma once

#include "platform/controls.h"

namespace hd {

// What ScrollWindowEx does beside moving the pixels.
constexpr unsigned SW_SCROLLCHILDREN = 0x0001;  // child controls meeting the scrolled part move too
constexpr unsigned SW_INVALIDATE = 0x0002;      // the uncovered part joins the update region
constexpr unsigned SW_ERASE = 0x0004;           // ... and is erased before it is painted

// The kind of region ScrollWindowEx uncovered; 0 when the window cannot scroll.
constexpr int NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3;

// Moves the client pixels inside scrollRect (null: the client area) by dx and dy; only pixels
// inside clipRect (null: scrollRect) change. A pixel whose source was waiting to be painted
// still waits after the move (the update region moves with the pixels). The part uncovered is
// returned in updateRegion and updateRect (either may be null) and, with SW_INVALIDATE, added
// to the update region. Controls that do not paint themselves are invalidated whole.
int ScrollWindowEx(HWND h, int dx, int dy, const TRect* scrollRect, const TRect* clipRect, TRegion* updateRegion,
                   TRect* updateRect, unsigned flags);

}  // namespace hd
