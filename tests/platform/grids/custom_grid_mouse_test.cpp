// The grid's mouse: selecting with Shift and by dragging past an edge (the view scrolling on
// the timer), sizing a column by its border with the line drawn over the picture, moving a
// row by its fixed cell, WM_CANCELMODE, and the wheel.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/bitmap.h"
#include "platform/desktop.h"
#include "platform/grids/grid_fixture.h"

namespace hd {
namespace {

using test::GridTest;

// The fixture's first body cell (1,1) lies at 51..101 x 21..41; a line is 51 pixels wide
// and 21 high with its grid line, and rows 1-3 show whole.
TEST_F(GridTest, SelectingWithShiftAndByDraggingPastTheBottom) {
  int clicks = 0;
  grid->OnClick = [&](TObject*) { ++clicks; };
  grid->SetFocus();
  Press(60, 30);
  EXPECT_EQ(grid->GridState(), gsSelecting);
  Release(60, 30);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
  // Shift spans from the current cell, which stays where it was.
  Press(110, 70, MK_SHIFT);
  Release(110, 70);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 3}));
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
  EXPECT_EQ(clicks, 2);

  // A plain press starts afresh; below the grid the view scrolls a row per tick.
  Press(60, 30);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
  Drag(110, 70);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 3}));
  Drag(110, 150);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 3})) << "no cell under the pointer";
  kit.Advance(300);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 8}));
  EXPECT_EQ(grid->TopRow(), 6);
  EXPECT_EQ(grid->GridState(), gsSelecting);
  Release(110, 150);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(clicks, 3);
  kit.Advance(600);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 8})) << "the release stops the scrolling";
  EXPECT_EQ(grid->TopRow(), 6);

  // WM_CANCELMODE ends the selecting where it is: the timer stops and the mouse is let go.
  Press(60, 30);
  Drag(110, 150);
  kit.Advance(60);
  TGridRect reached = grid->Selection();
  int top = grid->TopRow();
  SendMessage(grid->Handle(), WM_CANCELMODE);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_FALSE(grid->MouseCapture());
  kit.Advance(600);
  EXPECT_EQ(grid->Selection(), reached);
  EXPECT_EQ(grid->TopRow(), top);
  Release(110, 150);
}

TEST_F(GridTest, DraggingThroughTheQtAdaptorSelects) {
  kit.MouseDown(grid, 60, 30);
  kit.MoveMouse(grid, 110, 50, {ssLeft});
  kit.MoveMouse(grid, 140, 70, {ssLeft});
  kit.MouseUp(grid, 140, 70);
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 3}));
  // Over the column cut at the edge, every move scrolls it further into view. (The press
  // lands away from the first one, which it would otherwise double.)
  kit.MouseDown(grid, 70, 35);
  kit.MoveMouse(grid, 160, 30, {ssLeft});
  EXPECT_EQ(grid->LeftCol(), 2);
  kit.MoveMouse(grid, 161, 30, {ssLeft});
  EXPECT_EQ(grid->LeftCol(), 3);
  // The release counts as one more move there.
  kit.MouseUp(grid, 161, 30);
  EXPECT_EQ(grid->LeftCol(), 4);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 5, 1}));
}

// The pixels of one client column of the picture the grid shows.
std::vector<std::uint32_t> PixelColumn(const TCustomControl& c, int x) {
  std::vector<std::uint32_t> column;
  const TBitmap* image = c.PaintedImage();
  for (int y = 0; image && y < image->Height(); ++y) column.push_back(image->ScanLine(y)[x] & 0xFFFFFF);
  return column;
}

int Differing(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  int n = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
  return n;
}

TEST_F(GridTest, SizingAColumnByItsBorder) {
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
  grid->SetFocus();
  kit.Process();
  grid->Update();
  std::vector<std::uint32_t> at101 = PixelColumn(*grid, 101), at121 = PixelColumn(*grid, 121);
  ASSERT_EQ(at101.size(), 100u);

  Press(101, 10);  // on the right border of column 1, in the fixed row
  EXPECT_EQ(grid->GridState(), gsColSizing);
  // An inverted line over the whole height.
  EXPECT_EQ(Differing(PixelColumn(*grid, 101), at101), 100);
  Drag(121, 10);
  EXPECT_EQ(grid->GridState(), gsColSizing);
  EXPECT_EQ(Differing(PixelColumn(*grid, 101), at101), 0) << "the line leaves its old place clean";
  EXPECT_EQ(Differing(PixelColumn(*grid, 121), at121), 100);
  EXPECT_EQ(grid->ColWidths(1), 50) << "the width changes only at the release";
  Release(121, 10);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->ColWidths(1), 70);
  EXPECT_FALSE(grid->MouseCapture());

  // Past the column's own start the width stays.
  Press(121, 10);
  Drag(40, 10);
  Release(40, 10);
  EXPECT_EQ(grid->ColWidths(1), 70);

  // WM_CANCELMODE gives the sizing up: the line goes, the width and the mouse stay.
  grid->Update();
  std::vector<std::uint32_t> at190 = PixelColumn(*grid, 190);
  Press(172, 10);  // column 2's border
  Drag(190, 10);
  ASSERT_EQ(grid->GridState(), gsColSizing);
  SendMessage(grid->Handle(), WM_CANCELMODE);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(Differing(PixelColumn(*grid, 190), at190), 0);
  EXPECT_FALSE(grid->MouseCapture());
  Release(190, 10);
  EXPECT_EQ(grid->ColWidths(2), 50);

  // The same drag through the Qt adaptor: column 2 now starts at 122 and ends at 172.
  kit.MouseDown(grid, 172, 10);
  EXPECT_EQ(grid->GridState(), gsColSizing);
  kit.MoveMouse(grid, 182, 10, {ssLeft});
  kit.MouseUp(grid, 182, 10);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->ColWidths(2), 60);

  // Without goColSizing the border is no hot zone: the press in the fixed row selects nothing.
  grid->SetOptions(grid->Options() - TGridOptions{goColSizing});
  Press(121, 10);
  EXPECT_EQ(grid->GridState(), gsNormal);
  Release(121, 10);
}

TEST_F(GridTest, MovingARowByItsFixedCell) {
  grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  std::vector<std::pair<int, int>> moved;
  grid->OnRowMoved = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
  grid->SetFocus();
  Press(25, 50);  // row 2 in the fixed column
  EXPECT_EQ(grid->GridState(), gsRowMoving);
  Drag(25, 70);
  Release(25, 70);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{2, 3}}));
  EXPECT_EQ(grid->Cells(1, 3), "r2");
  EXPECT_EQ(grid->Cells(1, 2), "r3");

  // Held below the last whole row, the view scrolls a row per tick and the target follows.
  moved.clear();
  Press(25, 30);  // row 1
  Drag(25, 95);
  kit.Advance(120);
  EXPECT_EQ(grid->TopRow(), 3);
  EXPECT_EQ(grid->GridState(), gsRowMoving);
  Release(25, 95);
  EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 5}}));
  EXPECT_EQ(grid->Cells(1, 5), "r1");
  EXPECT_EQ(grid->Cells(1, 1), "r3");

  // A move given up leaves the rows.
  moved.clear();
  Press(25, 70);
  Drag(25, 50);
  SendMessage(grid->Handle(), WM_CANCELMODE);
  Release(25, 50);
  EXPECT_TRUE(moved.empty());
}

// A control that shows line moves itself gets the moving state from the press and nothing
// else: no line drawn, no move at the release; a move it refuses leaves every line.
TEST_F(GridTest, ALineMoveTheControlOwnsOrRefusesMovesNothing) {
  grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  std::vector<std::pair<int, int>> moved;
  grid->OnRowMoved = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
  grid->SetFocus();
  grid->ownLineMove = true;
  Press(25, 50);
  EXPECT_EQ(grid->GridState(), gsRowMoving);
  Drag(25, 70);
  Release(25, 70);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_TRUE(moved.empty());

  grid->refusedMove = {2, 4};
  grid->MoveRow(2, 4);
  EXPECT_TRUE(moved.empty());
  EXPECT_EQ(grid->Cells(1, 2), "r2");
  grid->MoveRow(2, 3);
  EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST_F(GridTest, TheWheelMovesTheCurrentRowByTheDesktopsWheelLines) {
  const int L = GetWheelScrollLines();
  ASSERT_GE(L, 1);
  ASSERT_LE(L, 5) << "the fixture's rows hold a few notches";
  grid->SetRowHeights(1 + 2 * L, 0);
  grid->FocusCell(1, 1, true);
  grid->SetFocus();
  auto wheel = [&](int delta) {
    SendMessage(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<unsigned>(delta)), MAKELPARAM(60, 30));
  };
  wheel(-120);
  EXPECT_EQ(grid->Row(), 1 + L);
  wheel(-120);
  EXPECT_EQ(grid->Row(), 2 + 2 * L) << "a hidden row where the notch ends is stepped over";
  wheel(120);
  EXPECT_EQ(grid->Row(), 2 + L);
  wheel(120);
  wheel(120);
  EXPECT_EQ(grid->Row(), 1) << "never into the fixed row";
  grid->FocusCell(1, 18, true);
  wheel(-120);
  EXPECT_EQ(grid->Row(), 19) << "nor past the last";
  // A handler that takes the wheel keeps the row.
  grid->FocusCell(1, 1, true);
  grid->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& handled) { handled = true; };
  wheel(-120);
  EXPECT_EQ(grid->Row(), 1);
  grid->OnMouseWheelDown = nullptr;
  kit.Wheel(grid, 60, 30, -240);
  EXPECT_EQ(grid->Row(), 2 + 2 * L) << "two notches through the Qt adaptor, past the hidden row";
}

}  // namespace
}  // namespace hd
