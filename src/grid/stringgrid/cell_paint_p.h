// What the steps of one cell's painting hand each other: the rectangle they shrink and restore,
// the cell's look as decided, and what the text step leaves for the graphic step. One record
// lives on the stack of each content paint, so nothing is allocated per cell; its text buffer is
// the grid's, reused from cell to cell.
#pragma once

#include <string>

#include "grid/foundation/base_grid.h"
#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/cell_graphic.h"
#include "platform/canvas.h"
#include "platform/grids.h"

namespace hd {

class TBitmap;
class TCellGraphic;

// Where a cell's object goes and how much room it takes.
struct TCellGraphicPlacement {
  TCellGraphic* Graphic = nullptr;
  int Width = 0;
  int Height = 0;
  TCellHAlign HAlign = haLeft;
  TCellVAlign VAlign = vaTop;
  // The kind shows the cell text beside it.
  bool TextToo = true;
};

struct TCellPaint {
  int Col = 0;      // display column
  int RealCol = 0;  // real column
  int Row = 0;
  TRect R;
  bool Fixed = false;
  bool ShowFilter = false;
  bool StylePainted = false;
  // The look decided for the cell, as the content is drawn in it.
  TCellLook Look;
  // The brush and font colours before the selection took them.
  TColor BrushColor = clNone;
  TColor FontColor = clNone;
  TCellGraphicPlacement Placement;
  // Left by the text for the graphic: its alignment and width.
  TAlignment TextAlign = taLeftJustify;
  int TextWidth = 0;
  int ScrollPos = 0;
  std::string* Text = nullptr;
};

}  // namespace hd
