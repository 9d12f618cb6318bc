#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/grid_types.h"
#include "input_fixture.h"

namespace hd::test {
namespace {

using SelectionTest = GridInputTest;

TEST_F(SelectionTest, RowMarksRaiseOutsideTheRowsAndKeepTheirOrder) {
  grid->MouseActions().SetDisjunctRowSelect(true);
  try {
    grid->RowSelect(grid->RowCount() + 5);
    FAIL() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_STREQ(e.what(), "Invalid row 13 accessed");
  }
  EXPECT_THROW(grid->SetRowSelect(-1, true), EExtGridError);
  EXPECT_THROW(grid->SetColSelect(6, true), EExtGridError);
  grid->SetRowSelect(7, true);
  grid->SetRowSelect(3, true);
  grid->SetRowSelect(7, true);
  EXPECT_EQ(grid->SelectedRowCount(), 2);
  EXPECT_EQ(grid->SelectedRow(0), 7);
  EXPECT_EQ(grid->SelectedRow(1), 3);
  EXPECT_EQ(grid->SelectedRow(2), -1);
  EXPECT_TRUE(grid->IsSelected(2, 3));
  EXPECT_FALSE(grid->IsSelected(0, 3));

  grid->MouseActions().SetRowSelectPersistent(true);
  EXPECT_FALSE(grid->RowSelect(grid->RowCount() + 5));
}

TEST_F(SelectionTest, SelectedTextSeparatesCellsAndRowsWithoutTrailingSeparators) {
  grid->SetCells(1, 1, "a");
  grid->SetCells(2, 1, "b");
  grid->SetCells(1, 2, "c");
  grid->SetCells(2, 2, "d");
  grid->SelectCells(1, 1, 2, 2);
  EXPECT_EQ(grid->SelectedText(), "a\tb\r\nc\td");
  EXPECT_EQ(grid->SelectedCellsCount(), 4);
  grid->SelectCells(2, 3, 2, 3);
  EXPECT_EQ(grid->SelectedCellsCount(), 1);
  EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{2, 3}));
}

TEST_F(SelectionTest, SpaceBuildsTheDisjunctCellList) {
  grid->MouseActions().SetDisjunctCellSelect(true);
  // The read-only column keeps editing off, as the cell list asks.
  const int c = kReadOnlyCol;
  GoTo(c, 2);
  grid->SetFocus();
  Key(VK_SPACE);
  GoTo(c, 4);
  Key(VK_SPACE, {ssCtrl});
  EXPECT_EQ(grid->SelectedCellsCount(), 2);
  EXPECT_TRUE(grid->IsSelected(c, 2));
  EXPECT_TRUE(grid->IsSelected(c, 4));
  EXPECT_FALSE(grid->IsSelected(c, 3));
  GoTo(c, 2);
  Key(VK_SPACE, {ssCtrl});
  EXPECT_EQ(grid->SelectedCellsCount(), 1);
  EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{c, 4}));
  Key(VK_SPACE);
  EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{c, 2}));
  EXPECT_EQ(grid->SelectedCellsCount(), 1);
}

TEST_F(SelectionTest, DisablingTheCurrentRowMovesToTheFirstEnabledRow) {
  GoTo(2, 3);
  grid->SetRowEnabled(1, false);
  grid->SetRowEnabled(3, false);
  EXPECT_EQ(Current(), "2:2");
  EXPECT_FALSE(grid->RowEnabled(3));
  EXPECT_TRUE(grid->RowEnabled(4));
  grid->SetRowEnabled(3, true);
  EXPECT_TRUE(grid->RowEnabled(3));
}

}  // namespace
}  // namespace hd::test
