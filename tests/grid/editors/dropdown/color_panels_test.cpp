// The colour pickers' window-free logic: the honeycomb's cells and hit test, the colour boxes'
// layout and keys, and the texts a colour is shown as.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "grid/editors/dropdown/color_panels.h"

namespace hd {
namespace {

TEST(ColorCube, CellsHaveTheirRowsCentresAndColours) {
  const auto& cells = ColorCubeCells();
  ASSERT_EQ(cells.size(), 127u);
  struct Case {
    int number, x, y;
    TColor color;
  };
  const Case cases[] = {
      {1, 55, 20, 0x663300},   {7, 127, 20, 0x660000},  {8, 49, 30, 0x666600},
      {58, 19, 80, 0x003300},  {64, 91, 80, 0xFFFFFF},  {70, 163, 80, 0x660066},
      {71, 25, 90, 0x006633},  {121, 55, 140, 0x003366}, {127, 127, 140, 0x2100A5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(cells[c.number - 1].X, c.x);
    EXPECT_EQ(cells[c.number - 1].Y, c.y);
    EXPECT_EQ(cells[c.number - 1].Color, c.color);
  }
  EXPECT_EQ(ColorCubeCellOf(0xFFFFFF), 64);
  EXPECT_EQ(ColorCubeCellOf(0x123456), -1);
}

TEST(ColorCube, HitTestTakesTheLowestCellWithinSixPixels) {
  struct Case {
    int x, y, cell;
  };
  const Case cases[] = {
      {55, 20, 1},   // a centre
      {61, 20, 1},   // exactly between cells 1 and 2: both at 6 pixels, the lower wins
      {62, 20, 2},
      {52, 25, 1},   // 3 and 5 away: 34 <= 36
      {55, 27, -1},  // 7 below cell 1, 7 pixels from cell 8's and 9's centres vertically, 6 aside
      {0, 0, -1},    {91, 80, 64},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorCubeHitTest(c.x, c.y), c.cell) << c.x << "," << c.y;
  EXPECT_EQ(ColorCubeHint(ColorCubeCells()[0].Color), "Red: 0,  Green: 51,  Blue: 102");
  const auto poly = CubeCellPolygon(10, 20, 6, 3);
  EXPECT_EQ(poly[1], Point(10, 14));
  EXPECT_EQ(poly[3], Point(16, 23));
}

std::vector<TItemPos> DiscretePositions() {
  std::vector<TItemPos> v;
  for (const auto& d : DiscreteColors()) v.push_back(d.Pos);
  return v;
}

TEST(ColorBoxes, StandAloneRowIsFollowedByAGapWhileShadesTouch) {
  ASSERT_EQ(DiscreteColors().size(), 60u);
  const auto layout = LayoutColorBoxes(DiscretePositions(), 10, 4, 12, 12);
  EXPECT_EQ(layout.Width, 165);
  EXPECT_EQ(layout.Height, 84);
  EXPECT_EQ(layout.Rects[0], Bounds(4, 4, 12, 12));
  EXPECT_EQ(layout.Rects[1], Bounds(20, 4, 12, 12));
  EXPECT_EQ(layout.Rects[10], Bounds(4, 20, 12, 12));
  EXPECT_EQ(layout.Rects[20], Bounds(4, 32, 12, 12));
  EXPECT_EQ(layout.Rects[59], Bounds(148, 68, 12, 12));
  const auto empty = LayoutColorBoxes({}, 10, 4, 12, 12);
  EXPECT_EQ(empty.Width, 100);
  EXPECT_EQ(empty.Height, 50);
}

TEST(ColorBoxes, KeysMoveWithoutWrapping) {
  struct Case {
    int key;
    bool editor, dropped;
    int from, to;
  };
  const Case cases[] = {
      {VK_DOWN, false, true, 55, 55},  {VK_UP, false, true, 3, 3},     {VK_UP, false, false, 3, 2},
      {VK_LEFT, false, true, 0, 0},    {VK_DOWN, false, true, 3, 13},  {VK_UP, false, true, 13, 3},
      {VK_DOWN, false, true, -1, 0},   {VK_RIGHT, false, false, -1, 0}, {VK_RIGHT, false, false, 59, 59},
      {VK_LEFT, true, false, 5, 5},    {VK_RIGHT, true, true, 5, 6},   {VK_HOME, false, false, 30, 0},
      {VK_PRIOR, false, false, 30, 0}, {VK_END, false, false, 3, 59},  {VK_NEXT, false, true, 3, 59},
      {VK_LEFT, false, false, -1, -1}, {VK_RETURN, false, true, 4, 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ColorBoxKeyTarget(c.key, c.editor, c.dropped, c.from, 60, 10), c.to)
        << "key " << c.key << " from " << c.from << " open " << c.dropped;
  EXPECT_EQ(ColorBoxKeyTarget(VK_HOME, false, true, -1, 0, 10), -1);
}

TEST(ColorText, EveryStyleOfOneColour) {
  const TColor c = 0x663300;  // cube cell 1: red 0, green 51, blue 102
  EXPECT_EQ(ColorValueTextOf(c, cvtNone), "");
  EXPECT_EQ(ColorValueTextOf(c, cvtHex), "663300");
  EXPECT_EQ(ColorValueTextOf(0x0000FF, cvtHex), "0000FF");
  EXPECT_EQ(ColorValueTextOf(c, cvtRGB), "Red:0,Green:51,Blue:102");
  EXPECT_EQ(ColorValueTextOf(c, cvtHTML), "#003366");
  EXPECT_EQ(ColorValueTextOf(c, cvtWebName), "#003366");
  EXPECT_EQ(ColorValueTextOf(0xFAFAFF, cvtWebName), "clWebSnow");
  // Two names share a colour: the first in the table wins.
  EXPECT_EQ(ColorValueTextOf(0xFFFF00, cvtWebName), "clWebCyan");
  // A system colour is resolved first.
  EXPECT_EQ(ColorValueTextOf(clWindow, cvtHTML), ColorValueTextOf(ColorToRGB(clWindow), cvtHTML));
}

TEST(ColorText, TablesHoldTheirCounts) {
  std::set<std::string> names;
  for (const auto& c : WebColors()) names.insert(c.Caption);
  EXPECT_GE(names.size(), 138u);
  EXPECT_EQ(names.size(), WebColors().size());
  ASSERT_EQ(DefaultColors().size(), 16u);
  EXPECT_EQ(DefaultColors()[2].Caption, std::string("Green"));
  EXPECT_EQ(DefaultColors()[2].Color, 0x008000);
}

}  // namespace
}  // namespace hd
