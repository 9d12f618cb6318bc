// Scrolling of the string grid: thumb tracking by messages, drag scrolling near the edges with
// its delays, and the sizing vetoes of the hot zone.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/hint_window.h"
#include "platform/scroll_bars.h"

namespace hd {
namespace {

using test::StringGridTest;

TEST_F(StringGridTest, ThumbTrackWithScrollSynchMovesTopRowToTheRowOfThePosition) {
  // 1 fixed and 200 data rows: position 127 stands for the last first row that still fills.
  grid->SetRowCount(201);
  kit.Process();
  int visible = grid->VisibleRowCount();
  grid->SetScrollSynch(true);
  SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 127), 0);
  EXPECT_EQ(grid->TopRow(), 201 - visible);
  SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(StringGridTest, ThumbDragShowsTheLineItWouldReachUntilTheScrollEnds) {
  grid->SetRowCount(201);
  grid->SetColCount(40);
  grid->SetHintColor(clYellow);
  kit.Process();
  const int lastTop = 201 - grid->VisibleRowCount();
  const int lastLeft = 40 - grid->VisibleColCount();
  struct Case {
    const char* name;
    TScrollHintType hints;
    UINT message;
    int pos;
    std::string shown;  // empty: no hint
  };
  const Case cases[] = {
      {"rows, bottom", shVertical, WM_VSCROLL, 127, "Row : " + std::to_string(lastTop)},
      {"rows, top", shBoth, WM_VSCROLL, 0, "Row : 1"},
      {"columns, right", shHorizontal, WM_HSCROLL, 127, "Col : " + std::to_string(lastLeft)},
      {"columns with row hints only", shVertical, WM_HSCROLL, 127, ""},
      {"rows without hints", shNone, WM_VSCROLL, 127, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetScrollHints(c.hints);
    SendMessage(grid->Handle(), c.message, MAKEWPARAM(SB_THUMBTRACK, c.pos), 0);
    const THintWindow* hint = grid->ScrollHintWindow();
    bool showing = hint && hint->Showing();
    EXPECT_EQ(showing, !c.shown.empty());
    if (showing) {
      EXPECT_EQ(hint->Caption(), c.shown);
      EXPECT_EQ(hint->Color(), clYellow);
      // Right of the pointer, by 10 pixels.
      EXPECT_EQ(hint->BoundsRect().Left, GetCursorPos().X + 10);
    }
    SendMessage(grid->Handle(), c.message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_FALSE(hint && hint->Showing()) << "the end of the scroll takes it away";
  }
  // The event may change the text; the column comes in the row argument.
  grid->SetScrollHints(shBoth);
  std::vector<int> asked;
  grid->OnScrollHint = [&](TObject*, int line, std::string& text) {
    asked.push_back(line);
    text = "to " + std::to_string(line);
  };
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
  EXPECT_EQ(grid->ScrollHintWindow()->Caption(), "to 1");
  EXPECT_EQ(asked, std::vector<int>{1});
}

// The proportional range of a bar from the line sizes, a grid line after each line: nMax, and
// 0 when everything fits.
int ProportionalMax(const TExtStringGrid& g, bool horizontal) {
  int gw = g.GridLineWidth();
  int count = horizontal ? g.ColCount() : g.RowCount();
  int fixedCount = horizontal ? g.FixedCols() : g.FixedRows();
  long long fixed = gw, total = gw;
  for (int i = 0; i < count; ++i) (i < fixedCount ? fixed : total) += gw + (horizontal ? g.ColWidths(i) : g.RowHeights(i));
  float e = static_cast<float>((horizontal ? g.ClientWidth() : g.ClientHeight()) - fixed) / static_cast<float>(total);
  if (e >= 0.9999f) return 0;
  return static_cast<int>((e + 127) / (1 - e));
}

TEST_F(StringGridTest, ProportionalBarsKeepTheirRangeThroughResizesBarsAndCountChanges) {
  grid->SetScrollBars(ssBoth);
  grid->SetGridLineWidth(1);
  grid->SetColCount(9);
  grid->SetRowCount(5);
  for (int c = 0; c < 9; ++c) grid->SetColWidths(c, 80);
  grid->SetBounds(0, 0, 560, 300);
  kit.Process();
  struct Step {
    const char* name;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"switched on", [&] { grid->SetScrollProportional(true); }},
      // A little narrower than the columns, then narrower still.
      {"resized", [&] { grid->SetWidth(500); }},
      // More rows bring the vertical bar, which takes width from the client area.
      {"rows added, a bar appears", [&] { grid->SetRowCount(100); }},
      {"columns added", [&] { grid->SetColCount(14); }},
      {"resized again", [&] { grid->SetBounds(0, 0, 420, 250); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    kit.Process();
    for (bool horizontal : {true, false}) {
      SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
      int max = ProportionalMax(*grid, horizontal);
      // Five rows fit before rows are added: that bar has nothing to say yet.
      if (max == 0 && !horizontal && grid->RowCount() == 5) continue;
      ASSERT_GT(max, 127);
      SCROLLINFO info;
      info.fMask = SIF_ALL;
      ASSERT_TRUE(GetScrollInfo(grid->Handle(), horizontal ? SB_HORZ : SB_VERT, info));
      EXPECT_EQ(info.nMax, max);
      // The thumb travels over the 128 positions of the grid: its last one is 127.
      EXPECT_EQ(info.nMax - static_cast<int>(info.nPage) + 1, 127);
    }
  }
  // Dragged to its end, the horizontal thumb shows the last column.
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 127), 0);
  EXPECT_EQ(grid->LeftCol() + grid->VisibleColCount(), grid->ColCount());
}

TEST_F(StringGridTest, DragNearTheTopScrollsUpAfterTheInitialDelayThenAtTheRepeatDelay) {
  grid->SetRowCount(100);
  grid->SetTopRow(5);
  kit.Process();
  grid->DragScrollOptions().SetActive(true);
  bool accept = true;
  grid->DragOver(nullptr, 100, 10, dsDragEnter, accept);
  kit.Advance(999);
  EXPECT_EQ(grid->TopRow(), 5);
  kit.Advance(1);
  EXPECT_EQ(grid->TopRow(), 4);
  kit.Advance(250);
  EXPECT_EQ(grid->TopRow(), 3);
  // The event may stop a step.
  grid->OnDragScroll = [](TObject*, int, int, TDragScrollDirections& dir, bool& canScroll) {
    canScroll = !dir.Contains(dsdUp);
  };
  kit.Advance(250);
  EXPECT_EQ(grid->TopRow(), 3);
  grid->OnDragScroll = nullptr;
  // Up to the first scrollable row, and not past it.
  kit.Advance(250 * 5);
  EXPECT_EQ(grid->TopRow(), 1);
  // Leaving ends it.
  grid->SetTopRow(5);
  grid->DragOver(nullptr, 100, 10, dsDragLeave, accept);
  kit.Advance(2000);
  EXPECT_EQ(grid->TopRow(), 5);
  // Away from the edges nothing scrolls.
  grid->DragOver(nullptr, 100, 150, dsDragMove, accept);
  kit.Advance(2000);
  EXPECT_EQ(grid->TopRow(), 5);
}

TEST_F(StringGridTest, ColumnSizeEventRefusesSizingInTheHeader) {
  TGridOptions options = grid->Options();
  options.Include(goColSizing);
  grid->SetOptions(options);
  grid->OnColumnSize = [](TObject*, int ACol, bool& Allow) { Allow = ACol != 2; };
  // The border right of column 2 and the one right of column 3, in the header.
  for (int col : {2, 3}) {
    SCOPED_TRACE(col);
    TRect r = grid->CellRect(col, 0);
    int before = grid->ColWidths(col);
    kit.MouseDown(grid, r.Right - 1, r.Top + 5);
    kit.MoveMouse(grid, r.Right + 20, r.Top + 5, {ssLeft});
    kit.MouseUp(grid, r.Right + 20, r.Top + 5);
    kit.Process();
    EXPECT_EQ(grid->ColWidths(col) != before, col != 2);
  }
}

// A line dragged wider with the mouse: with the all-lines setting every other normal line
// follows in proportion; the end event fires once, for the dragged line only.
TEST_F(StringGridTest, LineSizedByTheMouseSizesTheOthersInProportionAndEndsOnce) {
  struct Case {
    const char* name;
    bool columns, all;
    int line;  // apart from the case before, so that two presses never make a double click
  };
  const Case cases[] = {
      {"column 2, all columns", true, true, 2},
      {"column 3 alone", true, false, 3},
      {"row 2, all rows", false, true, 2},
      {"row 3 alone", false, false, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < 5; ++i) grid->SetColWidths(i, 64);
    for (int i = 0; i < 10; ++i) grid->SetRowHeights(i, 22);
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    options.Include(goRowSizing);
    grid->SetOptions(options);
    grid->MouseActions().SetAllColumnSize(c.columns && c.all);
    grid->MouseActions().SetAllRowSize(!c.columns && c.all);
    std::vector<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int col) { ended.push_back(col); };
    grid->OnEndRowSize = [&](TObject*, int row) { ended.push_back(100 + row); };
    kit.Process();
    // 64 -> 96 and 22 -> 33: half as large again.
    TRect r = c.columns ? grid->CellRect(c.line, 0) : grid->CellRect(0, c.line);
    TPoint from = c.columns ? TPoint{r.Right - 1, r.Top + 5} : TPoint{r.Left + 5, r.Bottom - 1};
    TPoint to = c.columns ? TPoint{from.X + 32, from.Y} : TPoint{from.X, from.Y + 11};
    kit.MouseDown(grid, from.X, from.Y);
    kit.MoveMouse(grid, to.X, to.Y, {ssLeft});
    kit.MouseUp(grid, to.X, to.Y);
    kit.Process();
    if (c.columns) {
      EXPECT_EQ(grid->ColWidths(c.line), 96);
      EXPECT_EQ(grid->ColWidths(0), 64) << "fixed columns keep their width";
      for (int i = 1; i < 5; ++i)
        if (i != c.line) {
          EXPECT_EQ(grid->ColWidths(i), c.all ? 96 : 64) << i;
        }
      EXPECT_EQ(ended, std::vector<int>{c.line});
    } else {
      EXPECT_EQ(grid->RowHeights(c.line), 33);
      EXPECT_EQ(grid->RowHeights(0), 22) << "fixed rows keep their height";
      for (int i = 1; i < 10; ++i)
        if (i != c.line) {
          EXPECT_EQ(grid->RowHeights(i), c.all ? 33 : 22) << i;
        }
      EXPECT_EQ(ended, std::vector<int>{100 + c.line});
    }
    // A size set later in code is not a mouse sizing.
    ended.clear();
    grid->SetColWidths(4, 70);
    grid->SetRowHeights(4, 25);
    EXPECT_TRUE(ended.empty());
  }
}

// A wheel notch moves the current row by the grid's own wheel step when one is set, else by
// the desktop's wheel lines, and never into the fixed rows.
TEST_F(StringGridTest, AWheelNotchMovesTheGridsOwnWheelStep) {
  grid->SetRowCount(40);
  struct Case {
    int increment, from, delta, expected;
  };
  const int lines = GetWheelScrollLines();
  for (const Case& c : {Case{5, 2, -120, 7}, Case{5, 7, 120, 2}, Case{0, 2, -120, 2 + lines}, Case{-3, 2, -120, 2 + lines},
                        Case{5, 3, 120, 1}}) {
    SCOPED_TRACE(c.increment);
    grid->MouseActions().SetWheelIncrement(c.increment);
    grid->SetRow(c.from);
    kit.Wheel(grid, 100, 100, c.delta);
    EXPECT_EQ(grid->Row(), c.expected);
  }
}

TEST_F(StringGridTest, CellScrollBarStepsStayWithinItsRange) {
  grid->SetRow(2);
  grid->SetCol(2);
  TCellGraphic* bar = grid->CreateCellGraphic(2, 2);
  bar->SetCellType(ctScrollbar);
  bar->SetCellAngle(20);    // page
  bar->SetCellErrFrom(70);  // range: positions 0 .. 50
  std::vector<int> reported;
  grid->OnScrollCell = [&](TObject*, int, int, int pos, int, int max) {
    reported.push_back(pos);
    EXPECT_EQ(max, 50);
  };
  struct Step {
    unsigned code;
    int pos;
    int expected;
  };
  const Step steps[] = {{SB_LINEDOWN, 0, 10}, {SB_PAGEDOWN, 0, 50}, {SB_LINEDOWN, 0, 50},
                        {SB_PAGEUP, 0, 0},    {SB_THUMBTRACK, 30, 30}, {SB_THUMBTRACK, 900, 50}};
  for (const Step& s : steps) {
    grid->ScrollCellBar(s.code, s.pos);
    EXPECT_EQ(bar->CellIndex(), s.expected) << s.code;
  }
  EXPECT_EQ(reported, (std::vector<int>{10, 50, 0, 30, 50}));
}

}  // namespace
}  // namespace hd
