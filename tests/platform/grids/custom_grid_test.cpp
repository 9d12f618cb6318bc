// The grid's dimensions, cell rectangles and hit tests, current cell and selection, and the
// hooks that structural changes call.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/grids/grid_fixture.h"

namespace hd {
namespace {

using test::GridTest;
using test::TTestGrid;

TEST_F(GridTest, DefaultsAndFixedCountsCheckedAgainstTheCounts) {
  TForm f(nullptr);
  TTestGrid fresh(&f);
  EXPECT_EQ(fresh.ColCount(), 5);
  EXPECT_EQ(fresh.RowCount(), 5);
  EXPECT_EQ(fresh.FixedCols(), 1);
  EXPECT_EQ(fresh.FixedRows(), 1);
  EXPECT_EQ(fresh.DefaultColWidth(), 64);
  EXPECT_EQ(fresh.DefaultRowHeight(), 24);
  EXPECT_EQ(fresh.GridLineWidth(), 1);
  EXPECT_EQ(fresh.ScrollBars(), ssBoth);
  EXPECT_EQ(fresh.Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
  EXPECT_EQ(fresh.Selection(), (TGridRect{1, 1, 1, 1}));

  struct Case {
    const char* name;
    std::function<void()> act;
    const char* message;
  };
  const Case errors[] = {
      {"fixed columns equal to the count", [&] { fresh.SetFixedCols(5); },
       "Fixed column count must be less than column count"},
      {"fixed rows past the count", [&] { fresh.SetFixedRows(9); }, "Fixed row count must be less than row count"},
      {"negative fixed rows", [&] { fresh.SetFixedRows(-1); }, "Grid index out of range"},
      {"width of a column past the count", [&] { fresh.SetColWidths(5, 10); }, "Grid index out of range"},
      {"height of a negative row", [&] { fresh.SetRowHeights(-1, 10); }, "Grid index out of range"},
      {"current row past the count", [&] { fresh.SetRow(5); }, "Grid index out of range"},
      {"current column below 0", [&] { fresh.SetCol(-1); }, "Grid index out of range"},
  };
  for (const Case& c : errors) {
    SCOPED_TRACE(c.name);
    try {
      c.act();
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGridOperation& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  EXPECT_EQ(fresh.Selection(), (TGridRect{1, 1, 1, 1})) << "a refused operation changes nothing";
  EXPECT_EQ(fresh.ColWidths(99), 64) << "a width past the count reads the default";
  // A count at or below the fixed count takes the fixed lines down with it.
  fresh.SetColCount(1);
  EXPECT_EQ(fresh.FixedCols(), 0);
  fresh.SetRowCount(0);
  EXPECT_EQ(fresh.RowCount(), 1);
  EXPECT_EQ(fresh.FixedRows(), 0);
}

TEST_F(GridTest, CellRectanglesInAndOutOfView) {
  grid->SetLeftCol(3);
  grid->SetTopRow(4);
  EXPECT_EQ(grid->VisibleColCount(), 2);
  EXPECT_EQ(grid->VisibleRowCount(), 3);
  struct Case {
    const char* name;
    int col, row;
    TRect rect;
  };
  const Case cases[] = {
      {"fixed corner", 0, 0, {0, 0, 50, 20}},
      {"fixed row over the first scrolled column", 3, 0, {51, 0, 101, 20}},
      {"fixed column beside the first scrolled row", 0, 4, {0, 21, 50, 41}},
      {"body", 4, 5, {102, 42, 152, 62}},
      {"cut at the right and bottom edges", 5, 7, {153, 84, 200, 100}},
      {"column scrolled away to the left", 2, 5, {}},
      {"row scrolled away above", 4, 3, {}},
      {"column past the right edge", 6, 4, {}},
      {"row past the bottom edge", 4, 8, {}},
      {"past the columns", 10, 4, {}},
      {"negative row", 4, -1, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(grid->CellRect(c.col, c.row), c.rect) << c.name;
  // A hidden column keeps its place, zero pixels wide, and the next one moves up to it.
  grid->SetColWidths(4, 0);
  EXPECT_EQ(grid->CellRect(4, 5), (TRect{102, 42, 102, 62}));
  EXPECT_EQ(grid->CellRect(5, 5), (TRect{102, 42, 152, 62}));
}

TEST_F(GridTest, MouseToCellInAndOutOfTheCells) {
  grid->SetLeftCol(3);
  grid->SetTopRow(4);
  struct Case {
    const char* name;
    int x, y, col, row;
  };
  const Case cases[] = {
      {"fixed corner", 0, 0, 0, 0},
      {"last pixel of the corner cell", 49, 19, 0, 0},
      {"grid line right of a cell belongs to it", 50, 10, 0, 0},
      {"first scrolled column in the fixed row", 51, 10, 3, 0},
      {"body cell", 120, 50, 4, 5},
      {"cut cell at the corner", 199, 99, 5, 7},
      {"left of the grid", -1, 5, -1, -1},
      {"below the last row", 10, 500, -1, -1},
      {"right of the last column", 700, 10, -1, -1},
  };
  for (const Case& c : cases) {
    int col = 99, row = 99;
    grid->MouseToCell(c.x, c.y, col, row);
    EXPECT_EQ(col, c.col) << c.name;
    EXPECT_EQ(row, c.row) << c.name;
    EXPECT_EQ(grid->MouseCoord(c.x, c.y), (TGridCoord{c.col, c.row})) << c.name;
  }
}

TEST_F(GridTest, EveryMoveAsksSelectCellAndARefusalKeepsTheCell) {
  grid->refused = {{2, 3}};
  grid->refusedRows = {9};
  int clicks = 0;
  grid->OnClick = [&](TObject*) { ++clicks; };
  struct Step {
    const char* name;
    std::function<void()> act;
    int col, row;
    const char* calls;
  };
  const Step steps[] = {
      {"Col moves after SelectCell agrees", [&] { grid->SetCol(2); }, 2, 1, "select 2,1"},
      {"Row refused at a refused cell", [&] { grid->SetRow(3); }, 2, 1, "select 2,3"},
      {"Row moves elsewhere and into view", [&] { grid->SetRow(5); }, 2, 5, "select 2,5 topleft 1,3"},
      {"setting the same row asks nothing", [&] { grid->SetRow(5); }, 2, 5, ""},
      {"MoveColRow refused", [&] { grid->MoveColRow(2, 3, true, false); }, 2, 5, "select 2,3"},
      {"FocusCell moves", [&] { grid->FocusCell(4, 12, true); }, 4, 12, "select 4,12 topleft 3,10"},
      // The current row falls off a shrinking grid: it comes back through SelectCell, which
      // refuses row 9, so it stays where it was, as the platform leaves it.
      {"count shrinks under a refused row", [&] { grid->SetRowCount(10); }, 4, 12, "select 4,9 topleft 3,9 size 10,20"},
      {"count shrinks under an accepted row", [&] { grid->SetRowCount(9); }, 4, 8, "select 4,8 topleft 3,8 size 10,10"},
  };
  for (const Step& s : steps) {
    grid->log.Clear();
    s.act();
    EXPECT_EQ(grid->Col(), s.col) << s.name;
    EXPECT_EQ(grid->Row(), s.row) << s.name;
    EXPECT_EQ(grid->log.Text(), s.calls) << s.name;
  }
  EXPECT_EQ(clicks, 4) << "Col, Row and FocusCell click whether or not the move happened";
}

TEST_F(GridTest, SelectionFollowsTheAnchorRules) {
  grid->MoveColRow(2, 2, true, false);
  grid->MoveColRow(4, 5, false, false);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 4, 5})) << "range select keeps the anchor";
  grid->MoveColRow(3, 1, false, false);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 3, 2})) << "corners put in order";
  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  grid->MoveColRow(5, 5, false, false);
  EXPECT_EQ(grid->Selection(), (TGridRect{5, 5, 5, 5})) << "without range select the anchor follows";
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect, goAlwaysShowEditor});
  EXPECT_FALSE(grid->Options().Contains(goAlwaysShowEditor)) << "row select drops the always-shown editor";
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 9, 5})) << "row select spans the scrollable columns";
  // Setting the selection moves the current cell to its bottom-right without asking.
  grid->log.Clear();
  grid->SetSelection(TGridRect{2, 3, 6, 7});
  EXPECT_EQ(grid->Row(), 7);
  EXPECT_EQ(grid->Col(), 6);
  EXPECT_EQ(grid->log.Text(), "");
}

TEST_F(GridTest, StructuralChangesCallTheirHooks) {
  struct Step {
    const char* name;
    std::function<void()> act;
    const char* hooks;
  };
  const Step steps[] = {
      {"column count", [&] { grid->SetColCount(12); }, "size 10,20"},
      {"row count", [&] { grid->SetRowCount(30); }, "size 12,20"},
      {"a row height", [&] { grid->SetRowHeights(2, 30); }, "rowheights"},
      {"the same row height again", [&] { grid->SetRowHeights(2, 30); }, ""},
      {"default column width", [&] { grid->SetDefaultColWidth(40); }, "colwidths"},
      {"top row", [&] { grid->SetTopRow(6); }, "topleft 1,6"},
      {"top row past the last row is kept to it", [&] { grid->SetTopRow(99); }, "topleft 1,29"},
      {"row moved with sized rows", [&] { grid->MoveRow(2, 4); }, "rowheights"},
      {"column moved with uniform widths", [&] { grid->MoveColumn(2, 4); }, ""},
  };
  for (const Step& s : steps) {
    grid->log.Clear();
    s.act();
    EXPECT_EQ(grid->log.Text(), s.hooks) << s.name;
  }
  EXPECT_EQ(grid->RowHeights(4), 30) << "the height went with its row";
  EXPECT_EQ(grid->RowHeights(2), 20);
}

TEST_F(GridTest, DataStaysWhenTheCountsShrink) {
  grid->SetCells(1, 19, "last row");
  grid->SetCells(14, 2, "hidden real column");
  grid->SetCells(3, 2000000, "far below");
  TObject o;
  grid->SetObjects(12, 3, &o);
  grid->SetRowCount(5);
  grid->SetColCount(4);
  EXPECT_EQ(grid->Cells(1, 19), "last row");
  EXPECT_EQ(grid->Cells(14, 2), "hidden real column");
  EXPECT_EQ(grid->Cells(3, 2000000), "far below");
  EXPECT_EQ(grid->Objects(12, 3), &o);
  grid->SetRowCount(20);
  EXPECT_EQ(grid->Cells(1, 19), "last row");
  EXPECT_EQ(grid->Cells(0, 0), "");
  EXPECT_EQ(grid->Objects(0, 0), nullptr);
}

TEST_F(GridTest, MoveRowCarriesEveryStoredColumn) {
  TObject o;
  for (int r = 0; r < 5; ++r) grid->SetCells(0, r, "row " + std::to_string(r));
  grid->SetCells(15, 1, "beyond the columns");
  grid->SetObjects(2, 1, &o);
  grid->MoveColRow(3, 1, true, false);
  std::vector<std::string> moved;
  grid->OnRowMoved = [&](TObject*, int from, int to) {
    moved.push_back(std::to_string(from) + ">" + std::to_string(to) + " " + grid->Cells(0, to));
  };
  grid->MoveRow(1, 3);
  EXPECT_EQ(moved, std::vector<std::string>{"1>3 row 1"}) << "the event sees the row already moved";
  EXPECT_EQ(grid->Cells(0, 1), "row 2");
  EXPECT_EQ(grid->Cells(0, 2), "row 3");
  EXPECT_EQ(grid->Cells(0, 3), "row 1");
  EXPECT_EQ(grid->Cells(15, 3), "beyond the columns");
  EXPECT_EQ(grid->Cells(15, 1), "");
  EXPECT_EQ(grid->Objects(2, 3), &o);
  EXPECT_EQ(grid->Row(), 3) << "the current row went with its row";
  // Deleting row 2 moves it to the end and drops the last row; its text stays stored there.
  grid->DeleteRow(2);
  EXPECT_EQ(grid->RowCount(), 19);
  EXPECT_EQ(grid->Cells(0, 2), "row 1");
  EXPECT_EQ(grid->Cells(0, 19), "row 3");
  EXPECT_EQ(grid->Row(), 2);
  grid->MoveColumn(0, 2);
  EXPECT_EQ(grid->Cells(2, 2), "row 1");
  EXPECT_EQ(grid->Cells(0, 2), "");
}

// The current cell stays on the line it was on, wherever a move puts that line: moved
// itself, shifted by a line moved past it, or pushed aside by a line moved onto its place.
TEST_F(GridTest, TheCurrentLineFollowsALineMovedAroundIt) {
  struct Case {
    const char* name;
    int current, from, to;
    int after;
  };
  const Case cases[] = {
      {"the current line moved forwards", 3, 3, 7, 7},
      {"the current line moved backwards", 7, 7, 2, 2},
      {"a line before it moved past it", 5, 2, 8, 4},
      {"a line after it moved before it", 5, 8, 2, 6},
      {"a line before it moved onto it", 5, 2, 5, 4},
      {"a line after it moved onto it", 5, 8, 5, 6},
      {"a move wholly before it", 5, 1, 3, 5},
      {"a move wholly after it", 5, 6, 9, 5},
  };
  for (bool columns : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(columns ? "column: " : "row: ") + c.name);
      NewGrid();
      if (columns) {
        grid->FocusCell(c.current, 4, true);
        grid->MoveColumn(c.from, c.to);
        EXPECT_EQ(grid->Col(), c.after);
        EXPECT_EQ(grid->Row(), 4);
      } else {
        grid->FocusCell(4, c.current, true);
        grid->MoveRow(c.from, c.to);
        EXPECT_EQ(grid->Row(), c.after);
        EXPECT_EQ(grid->Col(), 4);
      }
    }
  }
}

TEST_F(GridTest, SizingHotZonesOnFixedBorders) {
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goRowSizing});
  struct Case {
    const char* name;
    int x, y;
    TGridState state;
    int index, pos;
  };
  // Column 1 ends at 101 (its grid line is pixel 101); the zone runs from 3 pixels left of it to 4
  // right of it.
  const Case cases[] = {
      {"on the border of column 1", 101, 5, gsColSizing, 1, 101},
      {"3 pixels left of it", 98, 5, gsColSizing, 1, 101},
      {"4 pixels left of it", 97, 5, gsNormal, -1, 0},
      {"border of a body cell", 101, 40, gsNormal, -1, 0},
      {"border of row 2 in the fixed column", 5, 62, gsRowSizing, 2, 62},
      {"the fixed corner", 5, 5, gsNormal, -1, 0},
  };
  for (const Case& c : cases) {
    TGridState state = gsSelecting;
    int index = 99, pos = 0, ofs = 0;
    TGridDrawInfo info;
    grid->CalcSizingState(c.x, c.y, state, index, pos, ofs, info);
    EXPECT_EQ(state, c.state) << c.name;
    EXPECT_EQ(index, c.index) << c.name;
    if (c.state != gsNormal) {
      EXPECT_EQ(pos, c.pos) << c.name;
      EXPECT_EQ(ofs, c.pos - (c.state == gsColSizing ? c.x : c.y)) << c.name;
    }
  }
}

}  // namespace
}  // namespace hd
