// Canvas set-up shared by the drawing routines of the foundation.
#pragma once

#include "platform/canvas.h"

namespace hd::draw_detail {

// A colour given to the brush makes a clear brush solid, as on the platform's canvas objects.
inline void SolidBrush(TCanvas& canvas, TColor color) { canvas.Brush() = TBrush{color, bsSolid}; }

// Shapes outlined and filled in one colour keep their exact size only with a thin pen.
inline void SetPenAndBrush(TCanvas& canvas, TColor color) {
  canvas.Pen().Color = color;
  canvas.Pen().Width = 1;
  canvas.Pen().Style = psSolid;
  SolidBrush(canvas, color);
}

}  // namespace hd::draw_detail
