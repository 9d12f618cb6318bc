// Scrolling through the window scroll bars: positions 0..127 over the scrollable rows, the
// scroll codes, and bars that show only while there is something to scroll.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/ext_ctrls.h"
#include "platform/grids/grid_fixture.h"

namespace hd {
namespace {

using test::GridTest;

void Scroll(TControl* c, UINT msg, unsigned code, int pos = 0) {
  c->Perform(msg, MAKEWPARAM(code, static_cast<unsigned>(pos)), 0);
}

TEST_F(GridTest, ThumbPositionsMapOntoTheScrollableRows) {
  form->SetClientSize(400, 600);
  grid->SetScrollBars(ssVertical);
  struct Case {
    const char* name;
    int rows, height, pos, top;
  };
  // A million rows with three shown: the last first row is 999998.
  const Case cases[] = {
      {"first position", 1000001, 100, 0, 1},
      {"second position", 1000001, 100, 1, 7875},
      {"middle", 1000001, 100, 64, 503936},
      {"one before the end", 1000001, 100, 126, 992124},
      {"last position", 1000001, 100, 127, 999998},
      {"200 rows with 20 shown, at the end", 201, 450, 127, 181},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetRowCount(c.rows);
    grid->SetHeight(c.height);
    grid->SetTopRow(1);
    Scroll(grid, WM_VSCROLL, SB_THUMBPOSITION, c.pos);
    EXPECT_EQ(grid->TopRow(), c.top);
    // The bar follows the row it stands for.
    EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), c.pos);
  }
  // The other way: a row set in code puts the thumb where a drag to it would have. A short
  // range shows whether the ends are the bar's ends: rounding hides that in a long one.
  struct Back {
    const char* name;
    int rows, height, top, pos;
  };
  const Back backs[] = {
      {"a million rows, the middle row", 1000001, 100, 503936, 64},
      {"five rows with three shown, the first", 6, 100, 1, 0},
      {"five rows with three shown, the middle", 6, 100, 2, 64},
      {"five rows with three shown, the last", 6, 100, 3, 127},
  };
  for (const Back& b : backs) {
    SCOPED_TRACE(b.name);
    grid->SetRowCount(b.rows);
    grid->SetHeight(b.height);
    grid->SetTopRow(b.top);
    ASSERT_EQ(grid->TopRow(), b.top);
    EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), b.pos);
  }
}

TEST_F(GridTest, ScrollCodesMoveTheFirstScrolledRow) {
  grid->SetScrollBars(ssVertical);
  grid->SetRowHeights(6, 0);  // a hidden row the view steps over
  struct Case {
    const char* name;
    int from;
    unsigned code;
    int pos;
    int top;
  };
  // Three rows show; the last first row is 17.
  const Case cases[] = {
      {"line down", 1, SB_LINEDOWN, 0, 2},
      {"line up at the first row", 1, SB_LINEUP, 0, 1},
      {"line down onto a hidden row steps over it", 5, SB_LINEDOWN, 0, 7},
      {"line up onto a hidden row steps over it", 7, SB_LINEUP, 0, 5},
      {"page down", 1, SB_PAGEDOWN, 0, 3},
      {"page up", 10, SB_PAGEUP, 0, 8},
      {"bottom", 1, SB_BOTTOM, 0, 17},
      {"top", 12, SB_TOP, 0, 1},
      {"line down at the last first row", 17, SB_LINEDOWN, 0, 17},
      {"thumb track without thumb tracking", 1, SB_THUMBTRACK, 127, 1},
      {"end of scroll", 4, SB_ENDSCROLL, 0, 4},
  };
  for (const Case& c : cases) {
    grid->SetTopRow(c.from);
    Scroll(grid, WM_VSCROLL, c.code, c.pos);
    EXPECT_EQ(grid->TopRow(), c.top) << c.name;
  }
  grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
  grid->SetTopRow(1);
  Scroll(grid, WM_VSCROLL, SB_THUMBTRACK, 127);
  EXPECT_EQ(grid->TopRow(), 17) << "thumb tracking follows the drag";
  Scroll(grid, WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(grid->LeftCol(), 2) << "no horizontal bar was asked for, but the message still scrolls";
}

TEST_F(GridTest, BarsShowWhileThereIsSomethingToScroll) {
  grid->SetScrollBars(ssBoth);
  EXPECT_TRUE(grid->ScrollBarState(SB_VERT).Visible);
  EXPECT_TRUE(grid->ScrollBarState(SB_HORZ).Visible);
  grid->SetColCount(2);
  EXPECT_FALSE(grid->ScrollBarState(SB_HORZ).Visible);
  EXPECT_EQ(grid->ClientHeight(), 100);
  // A grid that grows until every row fits scrolls back to its first row.
  grid->SetTopRow(15);
  grid->log.Clear();
  form->SetClientSize(400, 600);
  grid->SetHeight(500);
  EXPECT_FALSE(grid->ScrollBarState(SB_VERT).Visible);
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->log.Text(), "topleft 1,1");
}

// Table windows are created hidden at start and lay their grids out then; the bars must come
// out as for a grid laid out in view once the grid shows, by its form or by its own parent.
TEST_F(GridTest, AGridLaidOutWhileHiddenTakesItsBarsWhenShown) {
  auto layOut = [](TStringGrid& g, TWinControl* parent) {
    g.SetBorderStyle(bsNone);
    g.SetScrollBars(ssBoth);
    g.SetParent(parent);
    g.SetBounds(0, 0, 200, 100);
    g.SetColCount(3);  // fits: nothing to scroll sideways
    g.SetRowCount(20);
    g.SetDefaultColWidth(50);
    g.SetDefaultRowHeight(20);
  };
  layOut(*grid, form.get());
  kit.Process();
  ASSERT_FALSE(grid->ScrollBarState(SB_HORZ).Visible);
  const TScrollBarState inView = grid->ScrollBarState(SB_VERT);
  ASSERT_TRUE(inView.Visible);

  struct Case {
    const char* name;
    bool byPanel;  // else by the form
  } cases[] = {{"the form is shown", false}, {"a panel of a shown form is shown", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto hidden = std::make_unique<TForm>(nullptr);
    hidden->SetClientSize(400, 300);
    TWinControl* parent = hidden.get();
    if (c.byPanel) {
      hidden->Show();
      auto* panel = new TPanel(hidden.get());
      panel->SetVisible(false);
      panel->SetParent(hidden.get());
      panel->SetBounds(0, 0, 300, 200);
      parent = panel;
    }
    TStringGrid* g = new TStringGrid(hidden.get());
    layOut(*g, parent);
    parent->Show();
    kit.Process();
    EXPECT_FALSE(g->ScrollBarState(SB_HORZ).Visible);
    const TScrollBarState& vert = g->ScrollBarState(SB_VERT);
    EXPECT_TRUE(vert.Visible);
    EXPECT_EQ(vert.Min, inView.Min);
    EXPECT_EQ(vert.Max, inView.Max);
  }
}

}  // namespace
}  // namespace hd
