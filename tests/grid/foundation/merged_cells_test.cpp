// Merged cells: the span and offset encoding and its queries, merge and split, the rectangles
// of ranges in and out of view, and the current cell leaving a range by the arrow keys.
#include "grid/foundation/merged_cells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/foundation/base_grid_fixture.h"
#include "platform/desktop.h"

namespace hd {
namespace {

using test::BaseGridTest;

TEST_F(BaseGridTest, MergeAnswersEveryQueryForItsRange) {
  grid->MergeCells(1, 1, 3, 2);
  ASSERT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_EQ(grid->MergeCount(), 1);

  struct Case {
    const char* name;
    int col, row;
    bool isBase, merged;
    TPoint base, span, ext;
    int spanX, spanY;  // as stored in the cell
  };
  const Case cases[] = {
      {"base cell", 1, 1, true, true, {1, 1}, {2, 1}, {2, 1}, 2, 1},
      {"covered cell in the base row", 2, 1, false, true, {1, 1}, {2, 1}, {1, 1}, 1, 0},
      {"covered far corner", 3, 2, false, true, {1, 1}, {2, 1}, {0, 0}, 2, 1},
      {"covered cell below the base", 1, 2, false, true, {1, 1}, {2, 1}, {2, 0}, 0, 1},
      {"cell beside the range", 4, 1, true, false, {4, 1}, {0, 0}, {0, 0}, -1, -1},
  };
  const TRect range = grid->CellRect(1, 1);
  EXPECT_EQ(range, Rect(50, 20, 200, 60));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(grid->IsBaseCell(c.col, c.row), c.isBase);
    EXPECT_EQ(grid->IsMergedCell(c.col, c.row), c.merged);
    EXPECT_EQ(grid->IsMergedNonBaseCell(c.col, c.row), c.merged && !c.isBase);
    EXPECT_EQ(grid->IsXMergedCell(c.col, c.row), c.merged);
    EXPECT_EQ(grid->IsYMergedCell(c.col, c.row), c.merged);
    EXPECT_EQ(grid->BaseCell(c.col, c.row), c.base);
    EXPECT_EQ(grid->CellSpan(c.col, c.row), c.span);
    EXPECT_EQ(grid->CellExt(c.col, c.row), c.ext);
    int bc = -9, br = -9;
    EXPECT_EQ(grid->ResolveBaseCell(c.col, c.row, bc, br), c.isBase);
    EXPECT_EQ((TPoint{bc, br}), c.base);
    if (c.merged) {
      EXPECT_EQ(grid->FullCell(c.col, c.row), Rect(1, 1, 3, 2));
      EXPECT_EQ(grid->CellRect(c.col, c.row), range);
      EXPECT_EQ(grid->CellSize(c.col, c.row), (TPoint{150, 40}));
      TCellProperties* p = grid->CellProperties(c.col, c.row);
      EXPECT_EQ(p->CellSpanX(), c.spanX);
      EXPECT_EQ(p->CellSpanY(), c.spanY);
    }
  }

  grid->SplitCells(3, 2);
  ASSERT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_EQ(grid->MergeCount(), 0);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) {
      EXPECT_FALSE(grid->IsMergedCell(c, r)) << c << "," << r;
      EXPECT_EQ(grid->CellProperties(c, r)->CellSpanX(), -1) << c << "," << r;
      EXPECT_EQ(grid->CellRect(c, r), Rect(50 * c, 20 * r, 50 * c + 50, 20 * r + 20)) << c << "," << r;
    }

  // A one-cell range counts as not merged, and splitting an unmerged cell changes nothing;
  // both still count.
  grid->MergeCells(6, 6, 1, 1);
  ASSERT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_FALSE(grid->IsMergedCell(6, 6));
  EXPECT_EQ(grid->CellSpan(6, 6), (TPoint{0, 0}));
  EXPECT_EQ(grid->MergeCount(), 1);
  grid->SplitCells(8, 8);
  ASSERT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_EQ(grid->MergeCount(), 0);
  EXPECT_FALSE(grid->IsMergedCell(8, 8));
}

TEST_F(BaseGridTest, SpanComparisonsOfRowsAndColumns) {
  grid->MergeCells(1, 1, 1, 3);  // column 1, rows 1-3
  grid->MergeCells(2, 1, 1, 3);  // column 2, rows 1-3
  grid->MergeCells(4, 6, 3, 1);  // row 6, columns 4-6
  ASSERT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_TRUE(grid->RowSpanIdentical(1, 3));
  EXPECT_FALSE(grid->RowSpanIdentical(3, 4)) << "row 4 is not merged";
  EXPECT_FALSE(grid->RowSpanIdentical(10, 11)) << "no merged cells at all";
  EXPECT_TRUE(grid->ColSpanIdentical(4, 6));
  EXPECT_FALSE(grid->ColSpanIdentical(6, 7)) << "row 6 tells them apart";
  EXPECT_FALSE(grid->ColSpanIdentical(8, 9)) << "no merged cells at all";
  EXPECT_EQ(grid->MinRowSpan(1), 2);
  EXPECT_EQ(grid->MaxRowSpan(2), 2);
  EXPECT_EQ(grid->MinRowSpan(10), 20);
  EXPECT_EQ(grid->MaxRowSpan(10), 0);
}

TEST_F(BaseGridTest, CellRectOfARangeHalfScrolledOutOfView) {
  grid->MergeCells(1, 2, 2, 3);  // columns 1-2, rows 2-4
  grid->MergeCells(0, 3, 1, 2);  // a fixed column range, rows 3-4
  struct Case {
    const char* name;
    int leftCol, topRow;
    TRect range, fixedRange;
  };
  const Case cases[] = {
      {"in view", 1, 1, {50, 40, 150, 100}, {0, 60, 50, 100}},
      {"base row scrolled away", 1, 3, {50, 0, 150, 60}, {0, 20, 50, 60}},
      {"base column scrolled away", 2, 1, {0, 40, 100, 100}, {0, 60, 50, 100}},
      {"both", 2, 4, {0, -20, 100, 40}, {0, 0, 50, 40}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetLeftCol(c.leftCol);
    grid->SetTopRow(c.topRow);
    EXPECT_EQ(grid->CellRect(2, 4), c.range);
    EXPECT_EQ(grid->CellRect(1, 2), c.range);
    EXPECT_EQ(grid->CellRect(0, 4), c.fixedRange) << "fixed columns do not scroll sideways";
  }
  // An unmerged cell out of view has no rectangle; in view it has its full size.
  EXPECT_EQ(grid->CellRect(1, 1), TRect{});
  EXPECT_EQ(grid->CellRect(3, 5), Rect(100, 40, 150, 60));
  EXPECT_EQ(grid->UnclippedCellRect(1, 1), Rect(0, -40, 50, -20));
}

TEST_F(BaseGridTest, ColumnOfWidthZeroInARangeCountsOnePixel) {
  grid->SetColWidths(2, 0);
  grid->MergeCells(2, 1, 1, 2);
  EXPECT_EQ(grid->CellRect(2, 1), Rect(99, 20, 101, 60));
  EXPECT_EQ(grid->CellSize(2, 1), (TPoint{0, 40}));
}

// Where the arrow keys leave the current cell before the platform moves it one cell on (at the
// range's edge on the side of the key, never on a fixed or negative index), and where it lands:
// on the cell just past the range, or back on the base cell when there is nowhere to go.
TEST_F(BaseGridTest, ArrowKeysLeaveARangeFromItsEdge) {
  grid->MergeCells(2, 2, 3, 3);   // columns 2-4, rows 2-4
  grid->MergeCells(1, 7, 2, 1);   // starts at the first scrolled column
  grid->MergeCells(6, 1, 1, 3);   // starts at the first scrolled row
  grid->MergeCells(7, 18, 1, 4);  // reaches past the last row
  ASSERT_FALSE(grid->MergedCells().CheckConsistency()) << "the last range lies partly outside the grid";
  struct Case {
    const char* name;
    int col, row;
    WORD key;
    TPoint seen, lands;
  };
  const Case cases[] = {
      {"Left from inside", 3, 3, VK_LEFT, {2, 3}, {1, 3}},
      {"Up from inside", 3, 3, VK_UP, {3, 2}, {3, 1}},
      {"Right from inside", 3, 3, VK_RIGHT, {4, 3}, {5, 3}},
      {"Down from inside", 3, 3, VK_DOWN, {3, 4}, {3, 5}},
      {"Right from the base cell", 2, 2, VK_RIGHT, {4, 2}, {5, 2}},
      {"Left stays at the first scrolled column", 2, 7, VK_LEFT, {1, 7}, {1, 7}},
      {"Up stays at the first scrolled row", 6, 3, VK_UP, {6, 1}, {6, 1}},
      {"Down stops at the last row", 7, 18, VK_DOWN, {7, 19}, {7, 18}},
      {"Left from the base cell moves nothing first", 2, 2, VK_LEFT, {2, 2}, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->FocusCell(c.col, c.row, true);
    TPoint seen{-1, -1};
    grid->OnKeyDown = [&](TObject*, WORD&, TShiftState) { seen = {grid->Col(), grid->Row()}; };
    grid->Perform(WM_KEYDOWN, c.key);
    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ((TPoint{grid->Col(), grid->Row()}), c.lands);
  }
}

// With the last row kept out of view, PageDown on the last page starts from the row above it.
TEST_F(BaseGridTest, PageDownOnTheLastPageStartsAboveTheHiddenLastRow) {
  struct Case {
    const char* name;
    bool hideLastRow;
    int topRow;
    int seenRow;
  };
  const Case cases[] = {
      {"last page, hidden last row", true, 16, 18},
      {"last page, last row shown", false, 16, 17},
      {"an earlier page", true, 15, 17},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->FHideLastRow = c.hideLastRow;
    grid->FocusCell(3, 17, true);
    grid->SetTopRow(c.topRow);
    ASSERT_EQ(grid->TopRow(), c.topRow);
    int seen = -1;
    grid->OnKeyDown = [&](TObject*, WORD&, TShiftState) { seen = grid->Row(); };
    grid->Perform(WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(seen, c.seenRow);
  }
}

TEST_F(BaseGridTest, WheelEndsOnTheBaseCell) {
  grid->MergeCells(2, 2, 3, 3);
  // One notch moves the desktop's wheel lines, into the merged range's last row.
  grid->FocusCell(4, std::max(1, 4 - GetWheelScrollLines()), true);
  kit.Wheel(grid, 60, 60, -120);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
}

}  // namespace
}  // namespace hd
