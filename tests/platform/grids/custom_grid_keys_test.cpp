// The grid's keys: navigation from a cell by arrows, pages, Home, End and Tab (with hidden
// lines and tab stops), row-select mode, Shift extending the selection, and which keys the
// grid keeps from its form.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/grids/grid_fixture.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

using test::GridTest;
using test::TTestGrid;

struct Stroke {
  int vk;
  TShiftState shift;
};

// The fixture shows columns 1-2 and rows 1-3 of 10 x 20 (one fixed line each way): a page
// down moves two rows.
TEST_F(GridTest, KeysMoveTheCurrentCell) {
  struct Case {
    const char* name;
    std::function<void(TTestGrid&)> setup;
    TGridCoord from;
    std::vector<Stroke> keys;
    TGridCoord to;
    int topRow = -1;  // -1: not checked
  };
  auto none = [](TTestGrid&) {};
  auto tabs = [](TTestGrid& g) { g.SetOptions(g.Options() + TGridOptions{goTabs}); };
  auto rowSelect = [](TTestGrid& g) { g.SetOptions(g.Options() + TGridOptions{goRowSelect}); };
  const Case cases[] = {
      {"Right", none, {1, 1}, {{VK_RIGHT, {}}}, {2, 1}},
      {"Left at the first scrolled column stays", none, {1, 1}, {{VK_LEFT, {}}}, {1, 1}},
      {"Down onto a hidden row steps over it", [](TTestGrid& g) { g.SetRowHeights(3, 0); }, {1, 2},
       {{VK_DOWN, {}}}, {1, 4}},
      {"Right onto hidden last column stays", [](TTestGrid& g) { g.SetColWidths(9, 0); }, {8, 1},
       {{VK_RIGHT, {}}}, {8, 1}},
      {"End", none, {4, 2}, {{VK_END, {}}}, {9, 2}},
      {"Home", none, {4, 2}, {{VK_HOME, {}}}, {1, 2}},
      {"Ctrl+End", none, {2, 2}, {{VK_END, {ssCtrl}}}, {9, 19}, 17},
      {"Ctrl+Home", none, {5, 7}, {{VK_HOME, {ssCtrl}}}, {1, 1}, 1},
      {"PgDn moves a page and the view with it", none, {1, 1}, {{VK_NEXT, {}}}, {1, 3}, 3},
      {"PgUp near the top stops at the first row", none, {1, 2}, {{VK_PRIOR, {}}}, {1, 1}, 1},
      {"Ctrl+PgDn to the bottom of the page", none, {1, 1}, {{VK_NEXT, {ssCtrl}}}, {1, 3}, 1},
      {"Ctrl+Down scrolls and leaves the cell", none, {1, 1}, {{VK_DOWN, {ssCtrl}}}, {1, 1}, 2},
      {"Tab", tabs, {1, 1}, {{VK_TAB, {}}}, {2, 1}},
      {"Tab at the end of a row wraps to the next", tabs, {9, 1}, {{VK_TAB, {}}}, {1, 2}},
      {"Tab on the last cell wraps to the first row", tabs, {9, 19}, {{VK_TAB, {}}}, {1, 1}, 1},
      {"Shift+Tab at the first column wraps back", tabs, {1, 2}, {{VK_TAB, {ssShift}}}, {9, 1}},
      {"Tab steps over columns that are no tab stops and hidden ones",
       [&](TTestGrid& g) {
         tabs(g);
         g.SetTabStops(2, false);
         g.SetColWidths(3, 0);
       },
       {1, 1}, {{VK_TAB, {}}}, {4, 1}},
      {"Tab wraps past stops that are off at the row's end",
       [&](TTestGrid& g) {
         tabs(g);
         g.SetTabStops(1, false);
         g.SetTabStops(9, false);
       },
       {8, 1}, {{VK_TAB, {}}}, {2, 2}},
      {"Row select: Right moves the row", rowSelect, {1, 1}, {{VK_RIGHT, {}}}, {1, 2}},
      {"Row select: End goes to the last row", rowSelect, {1, 4}, {{VK_END, {}}}, {1, 19}, 17},
      {"Row select: Home goes to the first row", rowSelect, {1, 4}, {{VK_HOME, {}}}, {1, 1}, 1},
      {"An OnKeyDown that clears the key keeps the cell",
       [](TTestGrid& g) { g.OnKeyDown = [](TObject*, WORD& k, TShiftState) { k = 0; }; }, {1, 1},
       {{VK_DOWN, {}}}, {1, 1}},
      {"The form's key preview takes the key first",
       [this](TTestGrid&) {
         form->SetKeyPreview(true);
         form->OnKeyDown = [](TObject*, WORD& k, TShiftState) {
           if (k == VK_DOWN) k = 0;
         };
       },
       {1, 1}, {{VK_DOWN, {}}, {VK_RIGHT, {}}}, {2, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewGrid();
    form->SetKeyPreview(false);
    form->OnKeyDown = nullptr;
    c.setup(*grid);
    grid->FocusCell(c.from.X, c.from.Y, true);
    grid->SetFocus();
    for (const Stroke& k : c.keys) Key(k.vk, k.shift);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.to);
    if (c.topRow >= 0) {
      EXPECT_EQ(grid->TopRow(), c.topRow);
    }
    // Without Shift the selection is the current cell (the whole row in row-select mode).
    TGridRect one{c.to.X, c.to.Y, c.to.X, c.to.Y};
    if (grid->Options().Contains(goRowSelect)) one = {1, c.to.Y, 9, c.to.Y};
    EXPECT_EQ(grid->Selection(), one);
  }
}

TEST_F(GridTest, ShiftExtendsTheSelectionFromTheAnchor) {
  grid->FocusCell(2, 2, true);
  grid->SetFocus();
  Key(VK_DOWN, {ssShift});
  Key(VK_RIGHT, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 3}));
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 3}));
  // A key without Shift collapses it onto the new cell.
  Key(VK_LEFT);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
  // Without goRangeSelect Shift only moves.
  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 4, 2, 4}));
}

TEST_F(GridTest, DialogCodeKeepsArrowsAndCharactersAndTabWithGoTabs) {
  struct Case {
    const char* name;
    TGridOptions add;
    LRESULT code;
  };
  const Case cases[] = {
      {"default", {}, DLGC_WANTARROWS | DLGC_WANTCHARS},
      {"goTabs", {goTabs}, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB},
      {"goTabs in row-select mode lets Tab go", {goTabs, goRowSelect}, DLGC_WANTARROWS | DLGC_WANTCHARS},
  };
  TGridOptions base = grid->Options();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetOptions(base + c.add);
    EXPECT_EQ(grid->Perform(WM_GETDLGCODE), c.code);
  }
  // So Tab without goTabs goes to the next control and leaves the current cell.
  grid->SetOptions(base);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(0, 150, 100, 20);
  grid->FocusCell(3, 3, true);
  grid->SetFocus();
  Key(VK_TAB);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 3}));
}

}  // namespace
}  // namespace hd
