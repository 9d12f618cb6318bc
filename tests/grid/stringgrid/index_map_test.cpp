#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/string_grid_fixture.h"

namespace hd::test {
namespace {

// Rows leave the store as the filter hides them: each becomes an item with its real index
// and its cells, in ascending order.
void HideRowsAsTheFilterDoes(TExtStringGrid& g, const std::vector<int>& realRows) {
  for (int r : realRows) {
    TGridItem* item = g.GridItems().Add();
    item->SetIdx(r);
    item->SetHeight(g.DefaultRowHeight());
    for (int c = 0; c < g.TotalColCount(); ++c) item->Items().Add("hidden " + std::to_string(c) + "," + std::to_string(r));
  }
}

struct MapCase {
  const char* name;
  int index;
  int expected;
};

TEST_F(StringGridTest, ColumnMappingBothWaysWithHiddenColumns) {
  grid->SetColCount(8);
  for (int c = 0; c < 8; ++c) grid->SetColWidths(c, 10 + c);
  grid->HideColumn(2);
  grid->HideColumns(5, 6);
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->TotalColCount(), 8);
  EXPECT_EQ(grid->NumHiddenColumns(), 3);

  for (const MapCase& m : std::vector<MapCase>{{"visible before the hidden", 1, 1},
                                               {"first after a hidden column", 3, 2},
                                               {"after two hidden runs", 7, 4},
                                               {"a hidden column maps to where it would stand", 6, 4},
                                               {"beyond the tables", 600, 600}}) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(grid->RealToDisplCol(m.index), m.expected);
    EXPECT_EQ(grid->DisplColIndex(m.index), m.expected);
  }
  for (const MapCase& m : std::vector<MapCase>{{"display 2 is real 3", 2, 3},
                                               {"display 3 is real 4", 3, 4},
                                               {"display 4 is real 7", 4, 7},
                                               {"table entries past the store count too", 300, 303},
                                               {"more visible columns than the table holds", 509, 0},
                                               {"beyond the tables", 600, 600}}) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(grid->DisplToRealCol(m.index), m.expected);
    EXPECT_EQ(grid->RealColIndex(m.index), m.expected);
  }
  // The widths of the later columns moved with their display positions.
  EXPECT_EQ(grid->ColWidths(2), 13);
  EXPECT_EQ(grid->ColWidths(4), 17);
  EXPECT_TRUE(grid->IsHiddenColumn(2));
  EXPECT_FALSE(grid->IsHiddenColumn(600));

  grid->UnHideColumn(2);
  EXPECT_EQ(grid->ColWidths(2), 12);
  EXPECT_EQ(grid->ColWidths(3), 13);
  grid->UnHideColumnsAll();
  EXPECT_EQ(grid->ColCount(), 8);
  for (int c = 0; c < 8; ++c) EXPECT_EQ(grid->ColWidths(c), 10 + c) << c;
}

TEST_F(StringGridTest, RowMappingBothWaysWithHiddenRows) {
  HideRowsAsTheFilterDoes(*grid, {3, 4, 5});
  EXPECT_EQ(grid->TotalRowCount(), grid->RowCount() + 3);
  EXPECT_TRUE(grid->IsHiddenRow(4));
  EXPECT_FALSE(grid->IsHiddenRow(6));
  for (const MapCase& m : std::vector<MapCase>{{"before the hidden rows", 2, 2},
                                               {"first after them", 3, 6},
                                               {"later rows", 5, 8}}) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(grid->RealRowIndex(m.index), m.expected);
    EXPECT_EQ(grid->DisplRowIndex(m.expected), m.index);
  }
  // A hidden row maps to where it would stand.
  EXPECT_EQ(grid->DisplRowIndex(4), 3);

  grid->SetRow(3);
  EXPECT_EQ(grid->RealRow(), 6);
}

TEST_F(StringGridTest, RowMappingWithSeparateRunsFollowsEachHide) {
  HideRowsAsTheFilterDoes(*grid, {1});
  EXPECT_EQ(grid->RealRowIndex(4), 5);
  // Rows hidden later, after the mapping was asked, count at once.
  HideRowsAsTheFilterDoes(*grid, {5, 6});
  // Real rows 0 2 3 4 7 8 ... stand at display rows 0 1 2 3 4 5 ...
  for (const MapCase& m : std::vector<MapCase>{
           {"first row", 0, 0}, {"between the runs", 1, 2}, {"before the second run", 3, 4}, {"after both", 4, 7}}) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(grid->RealRowIndex(m.index), m.expected);
    EXPECT_EQ(grid->DisplRowIndex(m.expected), m.index);
  }
  grid->GridItems().Items(0)->SetIdx(9);
  EXPECT_EQ(grid->RealRowIndex(1), 1);
  EXPECT_TRUE(grid->IsHiddenRow(9));
  EXPECT_FALSE(grid->IsHiddenRow(1));
  grid->GridItems().Delete(0);
  EXPECT_EQ(grid->RealRowIndex(8), 10);
}

TEST_F(StringGridTest, CellsByRealRowReadHiddenRowsAndTheStoreAtTheDisplayRow) {
  grid->SetCells(1, 3, "display 3");
  HideRowsAsTheFilterDoes(*grid, {3});
  EXPECT_EQ(grid->AllCells(1, 4), "display 3");
  EXPECT_EQ(grid->AllCells(1, 3), "hidden 1,3");
  EXPECT_EQ(grid->AllCells(-1, 3), "");

  grid->SetAllCells(7, 3, "far");
  EXPECT_EQ(grid->GridItems().Items(0)->Items().Count(), 8);
  EXPECT_EQ(grid->AllCells(7, 3), "far");
  grid->SetAllCells(2, 4, "via real row");
  EXPECT_EQ(grid->Cells(2, 3), "via real row");
}

TEST_F(StringGridTest, HidingColumnsPastTheTablesNeverWritesOutsideThem) {
  grid->SetColCount(600);
  grid->HideColumns(500, 700);
  // Only real columns up to 511 hide; the rest stay visible.
  EXPECT_EQ(grid->NumHiddenColumns(), 12);
  EXPECT_EQ(grid->ColCount(), 588);
  EXPECT_FALSE(grid->IsHiddenColumn(512));
  EXPECT_EQ(grid->RealToDisplCol(550), 550);

  grid->HideColumns(-5, 0);
  EXPECT_TRUE(grid->IsHiddenColumn(0));
  grid->SetColVisible(513, false);
  grid->SetColVisible(-1, false);
  EXPECT_TRUE(grid->GetColVisible(513));
  EXPECT_TRUE(grid->GetColVisible(-1));

  grid->UnHideColumnsAll();
  EXPECT_EQ(grid->NumHiddenColumns(), 0);
  EXPECT_EQ(grid->ColCount(), 600);
}

TEST_F(StringGridTest, TheLastVisibleColumnStays) {
  grid->SetColCount(2);
  grid->HideColumns(0, 1);
  EXPECT_EQ(grid->ColCount(), 1);
  EXPECT_TRUE(grid->IsHiddenColumn(0));
  EXPECT_FALSE(grid->IsHiddenColumn(1));
}

TEST_F(StringGridTest, CurrentRowAndTopRowGoThroughTheMapping) {
  std::vector<std::string> changes;
  grid->OnRowChanged = [&](TObject*, int oldRow, int newRow) {
    changes.push_back(std::to_string(oldRow) + "->" + std::to_string(newRow));
  };
  grid->SetRow(4);
  grid->SetRow(4);
  grid->SetRow(2);
  EXPECT_EQ(changes, (std::vector<std::string>{"1->4", "4->2"}));

  grid->SetRowCount(40);
  grid->SetTopRow(5);
  EXPECT_EQ(grid->TopRow(), 5);
  for (int ignored : {0, 40, 100}) {
    grid->SetTopRow(ignored);
    EXPECT_EQ(grid->TopRow(), 5) << ignored;
  }
}

TEST_F(StringGridTest, CurrentRowMarksDisjunctRowsAndKeepsTheLastRowClearOfTheSearchBar) {
  grid->MouseActions().SetDisjunctRowSelect(true);
  grid->SetRow(3);
  grid->SetRow(5);
  // Rows are marked as the current row comes to them; earlier marks stay.
  EXPECT_TRUE(grid->RowSelect(3));
  EXPECT_TRUE(grid->RowSelect(5));
  EXPECT_FALSE(grid->RowSelect(4));

  grid->SetRowCount(40);
  grid->SearchFooter().SetVisible(true);
  kit.Process();
  grid->SetRow(39);
  // The search bar is 32 pixels high at the bottom of the grid.
  EXPECT_LT(grid->CellRect(0, 39).Bottom, grid->ClientHeight() - 32 + 2);
  EXPECT_GT(grid->CellRect(0, 39).Bottom, 0);
}

}  // namespace
}  // namespace hd::test
