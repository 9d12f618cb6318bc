// The editor life cycle on a table-shaped column grid: editing switched on per cell, a text
// cell typed into and left, Escape, a list cell's combo editor, Y/N cells without an editor.
#include <gtest/gtest.h>

#include "grid/editing/editing_fixture.h"

namespace hd::test {
namespace {

TEST_F(EditingTest, FocusSwitchesEditingOnForEditableCellsOnly) {
  EXPECT_FALSE(grid->Options().Contains(goEditing));
  ClickCell(kIdCol, 2);
  EXPECT_TRUE(grid->Options().Contains(goEditing)) << "a text cell of a column that is not read-only";
  ClickCell(kNoteCol, 2);
  EXPECT_EQ(grid->Col(), kNoteCol);
  EXPECT_FALSE(grid->Options().Contains(goEditing)) << "a read-only column";
  Type("x");
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(kNoteCol, 2), "");
  ClickCell(kAddrCol, 2);
  EXPECT_TRUE(grid->Options().Contains(goEditing));
}

TEST_F(EditingTest, TypingIntoATextCellAndLeavingItWritesTheTextAndFiresTheEventsInOrder) {
  ClickCell(kAddrCol, 2);
  LogEvents();
  Type("7");
  ASSERT_TRUE(TextEditorShown());
  Type("5");
  EXPECT_EQ(TextEditor()->Text(), "75");
  Press(VK_DOWN);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "75");
  EXPECT_TRUE(grid->RowModified(2));
  EXPECT_EQ(Events(),
            "change 3,2=7 | change 3,2=75 | validate 3,2=75 | cells 3,2 | rowchanging 2>3 | done | celldone 3,2");
}

}  // namespace
}  // namespace hd::test
