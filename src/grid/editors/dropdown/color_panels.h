// What the colour pickers compute without a window: the honeycomb's cells and hit test, the
// colour boxes' layout and keys, the default and discrete colour tables and the texts a colour
// is shown as. The panels and the picker drop-down draw and click through these.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/types.h"

namespace hd {

// ---- honeycomb ----
struct TCubeCell {
  int X = 0;
  int Y = 0;
  TColor Color = clNone;
};
constexpr int CubeCellCount = 127;
// Cells 1..127 at indexes 0..126, row by row (7, 8 ... 13 ... 8, 7 cells).
const std::array<TCubeCell, CubeCellCount>& ColorCubeCells();
// The number (1..127) of the first cell whose centre lies within 6 pixels; -1 for none.
int ColorCubeHitTest(int X, int Y);
// The number of the first cell of that colour; -1 for none.
int ColorCubeCellOf(TColor Color);
// The six corners of a cell with centre (x, y), half width b and quarter height a.
std::array<TPoint, 6> CubeCellPolygon(int X, int Y, int b, int a);
// "Red: r,  Green: g,  Blue: b" from the low, middle and high byte.
std::string ColorCubeHint(TColor Color);

// ---- colour boxes ----
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

struct TColorBoxLayout {
  std::vector<TRect> Rects;
  int Width = 100;
  int Height = 50;
};
// Boxes dealt left to right, Columns a row; a row holding a stand-alone box is followed by
// ColumnGap more. Without boxes the panel is 100 x 50.
TColorBoxLayout LayoutColorBoxes(const std::vector<TItemPos>& Positions, int Columns, int ColumnGap,
                                 int BoxWidth, int BoxHeight, int OffSetX = 4, int OffSetY = 4);

// The box a navigation key leads to from Index (-1 none) among Count boxes; Index itself
// when the key moves nothing. Keys outside Page Up..Down move nothing.
int ColorBoxKeyTarget(int Key, bool EditorEnabled, bool DroppedDown, int Index, int Count, int Columns);

struct TDiscreteColor {
  TColor Color;
  TItemPos Pos;
};
// The 60 boxes: a stand-alone row of base colours over five rows of shades.
const std::vector<TDiscreteColor>& DiscreteColors();

// ---- picker texts ----
struct TNamedColor {
  const char* Caption;
  TColor Color;
};
// The 16 colours a picker list starts with.
const std::vector<TNamedColor>& DefaultColors();
// The web colour names ("clWebSnow" ...), in the platform's order.
const std::vector<TNamedColor>& WebColors();
// The first web name of the colour; false when it has none.
bool WebColorName(TColor Color, std::string& Name);

enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };
// The colour as the style shows it; system colours resolve to RGB for the web name, RGB and
// HTML texts.
std::string ColorValueTextOf(TColor Color, TColorValueText Style);

}  // namespace hd
