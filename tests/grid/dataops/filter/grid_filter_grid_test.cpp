// Filtering and the header filter drop-down on a real grid: the hidden-row store keeps rows
// hidden for other reasons through every filter change, and the drop-down opens on the glyph,
// filters by the choice and closes without one when the focus goes elsewhere.
#include <gtest/gtest.h>

#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/column_items.h"
#include "grid/stringgrid/filter_settings.h"
#include "grid/stringgrid/grid_panels.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/messages.h"
#include "platform/std_ctrls.h"

namespace hd::test {
namespace {

using Texts = std::vector<std::string>;

Texts Column(TExtStringGrid& g, int ACol) {
  Texts out;
  for (int r = g.FixedRows(); r < g.RowCount(); ++r) out.push_back(g.Cells(ACol, r));
  return out;
}

void Release(TExtStringGrid& g, int X, int Y) {
  SendMessage(g.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
  SendMessage(g.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
}

// X, Y inside the glyph of a header cell.
TPoint Glyph(TExtStringGrid& g, int ACol) {
  TRect r = g.CellRect(ACol, 0);
  return {r.Right - 10, r.Top + 5};
}

class GridFilterGridTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid->SetBounds(0, 0, 400, 300);
    // Rows 1-9: the texts v1..v9 in column 1, the groups a/b b/c in column 2.
    const char* groups[] = {"a", "b b", "c", "a", "b b", "c", "a", "b b", "c"};
    for (int r = 1; r <= 9; ++r) {
      grid->SetCells(1, r, "v" + std::to_string(r));
      grid->SetCells(2, r, groups[r - 1]);
    }
    kit.Process();
  }
  void FilterOn(int ACol, const std::string& Condition) {
    TFilterData* d = grid->Filter().Add();
    d->SetColumn(static_cast<std::int16_t>(ACol));
    d->SetCondition(Condition);
  }
};

TEST_F(GridFilterGridTest, LevelsComeBackInPlaceAndRowsHiddenOtherwiseStayHidden) {
  grid->AddNode(1, 3);  // node row v1 with v2, v3
  grid->ContractNode(1);
  grid->HideRow(7);  // v7 by a plain hiding call
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v4", "v5", "v6", "v8", "v9"}));
  FilterOn(2, "c");
  grid->ApplyFilter();
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v6", "v9"}));
  grid->Filter().Items(0)->SetCondition("!v9");
  grid->Filter().Items(0)->SetColumn(1);
  grid->ApplyFilter();
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v6"}));
  grid->RemoveLastFilter();
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v6", "v9"}));
  grid->RemoveAllFilters();
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v4", "v5", "v6", "v8", "v9"}));
  EXPECT_EQ(grid->Cells(2, 2), "a");

  grid->NarrowDown("v", 1);
  grid->NarrowDown("v5", 1);
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v5"}));
  grid->NarrowDown("", 1);
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v4", "v5", "v6", "v8", "v9"}));

  grid->ExpandNode(1);
  grid->UnHideRow(7);
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8", "v9"}));
  EXPECT_EQ(grid->NumHiddenRows(), 0);
}

TEST_F(GridFilterGridTest, FilterActiveHidesAndRestoresThroughTheGrid) {
  FilterOn(2, "a");
  grid->SetFilterActive(true);
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v4", "v7"}));
  EXPECT_EQ(grid->TopRow(), grid->FixedRows());
  grid->SetFilterActive(false);
  EXPECT_EQ(Column(*grid, 1).size(), 9u);
  EXPECT_EQ(grid->Cells(2, 5), "b b");
}

class FilterDropDownTest : public GridFilterGridTest {
 protected:
  void SetUp() override {
    GridFilterGridTest::SetUp();
    grid->SetFilterDropDownAuto(true);
    selects = 0;
    grid->OnFilterSelect = [this](TObject*, int, int, const std::string&, std::string&) { ++selects; };
    grid->OnFilterDone = [this](TObject*) { ++done; };
  }
  int selects = 0, done = 0;
};

TEST_F(FilterDropDownTest, OpensOnlyOverTheGlyphAndChoosesWithEnter) {
  TRect r = grid->CellRect(2, 0);
  for (TPoint miss : {TPoint{r.Right - 16, r.Top + 5}, TPoint{r.Right - 3, r.Top + 5}, TPoint{r.Right - 10, r.Top + 19},
                      TPoint{r.Right - 10, grid->CellRect(2, 1).Top + 5}}) {
    Release(*grid, miss.X, miss.Y);
    EXPECT_FALSE(grid->DropList()->Visible()) << miss.X << "," << miss.Y;
    EXPECT_EQ(grid->FilterCol(), -1);
  }
  TPoint at = Glyph(*grid, 2);
  Release(*grid, at.X, at.Y);
  TDropList& list = *grid->DropList();
  ASSERT_TRUE(list.Visible());
  EXPECT_EQ(grid->FilterCol(), 2);
  EXPECT_EQ(list.Left(), r.Right - 16);
  EXPECT_EQ(list.Top(), r.Top + 16);
  EXPECT_EQ(list.Width(), 150);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Items()[0], "(All)");
  EXPECT_EQ(list.Items()[2], "b b");
  EXPECT_EQ(list.ItemIndex(), 0);

  list.SetItemIndex(2);
  SendMessage(list.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  kit.Process();
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(grid->FilterCol(), -1);
  EXPECT_EQ(grid->Filter().ColumnFilter(2)->Condition(), "\"b b\"");
  EXPECT_EQ(Column(*grid, 1), (Texts{"v2", "v5", "v8"}));
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(done, 1);

  // "(All)" takes the column's filter away and shows every row again.
  Release(*grid, at.X, at.Y);
  ASSERT_TRUE(list.Visible());
  SendMessage(list.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(grid->Filter().HasFilter(2));
  EXPECT_EQ(Column(*grid, 1).size(), 9u);
  EXPECT_EQ(done, 2);
}

TEST_F(FilterDropDownTest, GlyphRowIsAFixedRow) {
  grid->SetFilterDropDownRow(1);
  EXPECT_EQ(grid->FilterDropDownRow(), 0);
  grid->SetFixedRows(2);
  grid->SetFilterDropDownRow(1);
  EXPECT_EQ(grid->FilterDropDownRow(), 1);
  TRect r = grid->CellRect(2, 1);
  Release(*grid, r.Right - 10, r.Top + 5);
  EXPECT_TRUE(grid->DropList()->Visible());
}

TEST_F(FilterDropDownTest, SizedToItsItemsAndKeptInsideTheGridAtTheRight) {
  grid->FilterDropDown().SetAutoSize(true);
  TPoint at = Glyph(*grid, 2);
  Release(*grid, at.X, at.Y);
  TDropList& list = *grid->DropList();
  ASSERT_TRUE(list.Visible());
  EXPECT_EQ(list.Height(), 4 * list.ItemHeight() + 4);
  Release(*grid, 5, 100);
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(grid->FilterCol(), -1);

  grid->FilterDropDown().SetAutoSize(false);
  grid->SetBounds(0, 0, 5 * 64 + 4, 300);
  kit.Process();
  at = Glyph(*grid, 4);
  Release(*grid, at.X, at.Y);
  ASSERT_TRUE(list.Visible());
  EXPECT_EQ(list.Left(), grid->CellRect(4, 0).Right - 150);
  grid->SetBounds(0, 0, 100, 300);
  grid->SetColWidths(0, 30);
  kit.Process();
  Release(*grid, 5, 100);
  at = Glyph(*grid, 1);
  Release(*grid, at.X, at.Y);
  ASSERT_TRUE(list.Visible());
  EXPECT_EQ(list.Left(), 0);
}

TEST_F(FilterDropDownTest, FocusGoingElsewhereClosesWithoutAChoice) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(420, 10, 100, 24);
  TPoint at = Glyph(*grid, 2);
  Release(*grid, at.X, at.Y);
  ASSERT_TRUE(grid->DropList()->Visible());
  ASSERT_TRUE(grid->DropList()->Focused());
  edit->SetFocus();
  kit.Process();
  EXPECT_FALSE(grid->DropList()->Visible());
  EXPECT_EQ(grid->FilterCol(), -1);
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(grid->Filter().Count(), 0);
  // Escape closes as well.
  Release(*grid, at.X, at.Y);
  ASSERT_TRUE(grid->DropList()->Visible());
  SendMessage(grid->DropList()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(grid->DropList()->Visible());
  EXPECT_EQ(grid->FilterCol(), -1);
  EXPECT_EQ(selects, 0);
}

TEST_F(FilterDropDownTest, CheckListRoundTripWithBlanks) {
  grid->SetFilterDropDownCheck(true);
  FilterOn(1, "v1");  // another column's filter, replaced by the check list
  TPoint at = Glyph(*grid, 2);
  Release(*grid, at.X, at.Y);
  TDropCheckList& checks = *grid->DropCheckList();
  ASSERT_TRUE(checks.Visible());
  EXPECT_FALSE(grid->DropList()->Visible());
  ASSERT_EQ(checks.Count(), 4);
  Texts picked;
  grid->OnFilterCheck = [&](TObject*, int, int, const std::string& name, std::string& cond, TCheckListBox&) {
    picked.push_back(name + "|" + cond);
  };
  checks.SetChecked(1, true);
  checks.SetChecked(2, true);
  checks.OnSelect(&checks, -1);
  EXPECT_EQ(picked, (Texts{"a|a", "b b|\"b b\""}));
  ASSERT_EQ(grid->Filter().Count(), 2);
  EXPECT_EQ(grid->Filter().Items(0)->Operation(), foNONE);
  EXPECT_EQ(grid->Filter().Items(1)->Operation(), foOR);
  EXPECT_EQ(Column(*grid, 1), (Texts{"v1", "v2", "v4", "v5", "v7", "v8"}));
  EXPECT_TRUE(checks.Visible());
  EXPECT_EQ(grid->FilterCol(), 2);

  // Opened again, the list shows the same two ticked.
  Release(*grid, 5, 100);
  EXPECT_FALSE(checks.Visible());
  Release(*grid, at.X, at.Y);
  ASSERT_TRUE(checks.Visible());
  EXPECT_FALSE(checks.Checked(0));
  EXPECT_TRUE(checks.Checked(1));
  EXPECT_TRUE(checks.Checked(2));
  EXPECT_FALSE(checks.Checked(3));

  // No tick at all: no condition, every row.
  checks.SetChecked(1, false);
  checks.SetChecked(2, false);
  checks.OnSelect(&checks, -1);
  EXPECT_EQ(grid->Filter().Count(), 0);
  EXPECT_EQ(Column(*grid, 1).size(), 9u);
}

TEST_F(StringGridTest, ColumnGridChoosesFromItsItemsFilterEntries) {
  auto* cg = New<TExtColumnGrid>(form.get());
  cg->SetParent(form.get());
  cg->SetBounds(0, 0, 400, 300);
  cg->SetRowCount(5);
  const char* values[] = {"3", "12", "7", "40"};
  for (int r = 1; r <= 4; ++r) cg->SetCells(1, r, values[r - 1]);
  TGridColumnItem& item = *cg->Columns().Items(1);
  item.Filter().Add("Small=<10");
  item.Filter().Add("Big=>=10");
  item.SetFilterCaseSensitive(false);
  cg->SetAutoFilterDisplay(true);
  kit.Process();
  Texts chosen;
  cg->OnFilterSelect = [&](TObject*, int col, int index, const std::string& name, std::string& cond) {
    chosen.push_back(std::to_string(col) + ":" + std::to_string(index) + ":" + name + ":" + cond);
  };
  TPoint at = Glyph(*cg, 1);
  Release(*cg, at.X, at.Y);
  TDropList& list = *cg->DropList();
  ASSERT_TRUE(list.Visible());
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items()[1], "Big");
  list.SetItemIndex(1);
  SendMessage(list.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(chosen, (Texts{"1:1:Big:>=10"}));
  EXPECT_EQ(item.Header(), "Big");
  EXPECT_EQ(cg->Filter().ColumnFilter(1)->Condition(), ">=10");
  EXPECT_FALSE(cg->Filter().ColumnFilter(1)->CaseSensitive());
  EXPECT_EQ(Column(*cg, 1), (Texts{"12", "40"}));
  EXPECT_EQ(cg->FilterCol(), -1);
  EXPECT_EQ(cg->Row(), cg->FixedRows());
}

}  // namespace
}  // namespace hd::test
