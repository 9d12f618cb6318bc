// The combo editor's item list as a program fills it, and the wheel over the open combo.
#include <gtest/gtest.h>

#include "grid/editing/editing_fixture.h"
#include "grid/foundation/input_settings.h"
#include "platform/exceptions.h"

namespace hd::test {
namespace {

TEST_F(EditingTest, ComboItemsThroughTheGridsItemApi) {
  grid->ClearComboString();
  grid->AddComboString("one");
  grid->AddComboString("two");
  grid->AddComboString("three");
  EXPECT_EQ(grid->GetComboCount(), 3);
  EXPECT_FALSE(grid->RemoveComboString("four"));
  EXPECT_TRUE(grid->RemoveComboString("two"));
  EXPECT_EQ(grid->GetComboCount(), 2);
  EXPECT_FALSE(grid->SetComboSelectionString("two"));
  grid->SetCells(kNoteCol, 1, "three");
  EXPECT_EQ(grid->ComboIndex(kNoteCol, 1), 1);
  grid->SetCells(kNoteCol, 1, "none");
  EXPECT_EQ(grid->ComboIndex(kNoteCol, 1), -1);
  grid->SetComboIndex(kNoteCol, 1, 0);
  EXPECT_EQ(grid->Cells(kNoteCol, 1), "one");
  EXPECT_THROW(grid->SetComboIndex(kNoteCol, 1, 5), EListError);
  EXPECT_EQ(grid->Cells(kNoteCol, 1), "one") << "the cell is unchanged";
}

TEST_F(EditingTest, APreselectedItemOpensWhereTheTextIsNoItem) {
  grid->SetComboSelection(3);
  grid->SetCells(kFuncCol, 2, "Unknown");
  ClickCell(kFuncCol, 2);
  LogEvents();
  Press(VK_F2);
  ASSERT_TRUE(grid->Combobox()->Visible());
  EXPECT_EQ(grid->Combobox()->ItemIndex(), 3);
  EXPECT_EQ(Events(), "") << "a preselection is no change";
}

TEST_F(EditingTest, TheWheelStepsThroughTheItemsAndStopsAtTheEnds) {
  grid->SetCells(kFuncCol, 2, "Read Input Registers");
  ClickCell(kFuncCol, 2);
  Press(VK_F2);
  TGridCombo* combo = grid->Combobox();
  ASSERT_EQ(combo->ItemIndex(), 3);
  LogEvents();
  int top = grid->TopRow();
  SendMessage(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(combo->ItemIndex(), 3) << "towards the user on the last item keeps it";
  SendMessage(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(grid->TopRow(), top) << "the grid does not scroll";
  EXPECT_EQ(log.Entries().at(0), "change 2,2=Read Input Registers");
  EXPECT_EQ(log.Entries().at(1), "combo 2,2 3=Read Input Registers");
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, DirectComboDropOpensEitherComboKindDropped) {
  grid->MouseActions().SetDirectComboDrop(true);
  int row = 2;
  for (TEditorType kind : {edComboList, edComboEdit}) {
    SCOPED_TRACE(static_cast<int>(kind));
    grid->Columns().Items(kFuncCol)->SetEditor(kind);
    ClickCell(kFuncCol, ++row);
    Press(VK_F2);
    TGridCombo* combo = grid->Combobox();
    ASSERT_TRUE(combo->Visible());
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Height(), grid->CellRect(kFuncCol, row).Height() - 1);
    Press(VK_ESCAPE);
    EXPECT_FALSE(combo->Visible());
  }
}

}  // namespace
}  // namespace hd::test
