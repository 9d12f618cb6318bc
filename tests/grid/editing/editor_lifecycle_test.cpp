// The editor life cycle on a table-shaped column grid: editing switched on per cell, a text
// cell typed into and left, Escape, a list cell's combo editor, Y/N cells without an editor.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/editing/editing_fixture.h"
#include "grid/foundation/input_settings.h"

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

namespace hd::test {
namespace {

TEST_F(EditingTest, EscapeGivesTheCellItsOldTextBack) {
  ClickCell(kAddrCol, 2);
  LogEvents();
  Type("99");
  ASSERT_TRUE(TextEditorShown());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "99") << "typed text reaches the cell as it is typed";
  Press(VK_ESCAPE);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
  EXPECT_FALSE(grid->RowModified(2));
  EXPECT_EQ(Events(), "change 3,2=9 | change 3,2=99 | change 3,2=200 | done | celldone 3,2")
      << "no validation of a value that is the old one";
  // The next edit starts from the restored text.
  Press(VK_F2);
  ASSERT_TRUE(TextEditorShown());
  EXPECT_EQ(TextEditor()->Text(), "200");
}

// An editor closed from code leaves its edit open; Escape in the grid then still gives the
// cell its text from before the edit.
TEST_F(EditingTest, EscapeInTheGridEndsAnEditWhoseEditorWasClosed) {
  ClickCell(kAddrCol, 2);
  Type("99");
  ASSERT_TRUE(TextEditorShown());
  grid->SetEditorMode(false);
  ASSERT_TRUE(grid->Editing());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "99");
  grid->SetFocus();
  Press(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
  EXPECT_FALSE(grid->RowModified(2));
}

TEST_F(EditingTest, AListCellOpensTheComboWithTheColumnsItemsAndTheCellsItemSelected) {
  ClickCell(kFuncCol, 3);
  LogEvents();
  Press(VK_F2);
  TGridCombo* combo = grid->Combobox();
  ASSERT_TRUE(combo->Visible());
  EXPECT_TRUE(combo->Focused());
  EXPECT_EQ(grid->EditControl(), edComboList);
  EXPECT_EQ(combo->Style(), csDropDownList);
  ASSERT_EQ(combo->Items().Count(), 4);
  EXPECT_EQ(combo->Items()[0], "Read Coil Status");
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(Events(), "") << "the cell's own item is selected without a change event";
  log.Clear();
  TRect cell = grid->CellRect(kFuncCol, 3);
  EXPECT_EQ(combo->Left(), cell.Left);
  EXPECT_EQ(combo->Top(), cell.Top);
  EXPECT_EQ(combo->Width(), cell.Width() - 1);
  EXPECT_EQ(combo->Height(), cell.Height() - 1) << "the face covers its cell, not the rows below";

  // Down steps through the closed list; Return stores and validates the item.
  Press(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 3);
  Press(VK_RETURN);
  EXPECT_FALSE(combo->Visible());
  EXPECT_EQ(grid->Cells(kFuncCol, 3), "Read Input Registers");
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(Events(),
            "combo 2,3 3=Read Input Registers | change 2,3=Read Input Registers | validate 2,3=Read Input Registers | cells 2,3 | done | celldone 2,3");
}

TEST_F(EditingTest, TypingIntoAListCellPicksTheItemItsTextBegins) {
  ClickCell(kFuncCol, 3);
  LogEvents();
  // The first character opens the list on the cell's item and searches with the rest; the
  // blank is searched for, it does not drop the list.
  Type("read i");
  TGridCombo* combo = grid->Combobox();
  ASSERT_TRUE(combo->Visible());
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(Events(), "combo 2,3 3=Read Input Registers | change 2,3=Read Input Registers");
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kFuncCol, 3), "Read Input Registers");
}

TEST_F(EditingTest, TypeAheadCompletesFromTheItemsKeepingTheTypedCase) {
  grid->Columns().Items(kFuncCol)->SetEditor(edComboEdit);
  grid->SetLookup(true);
  ClickCell(kFuncCol, 3);
  LogEvents();
  Type("r");
  TGridCombo* combo = grid->Combobox();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->Style(), csDropDown);
  Type("ead i");
  EXPECT_EQ(combo->Text(), "read input Status");
  EXPECT_EQ(combo->SelStart(), 6);
  EXPECT_EQ(combo->SelLength(), 11);
  EXPECT_EQ(combo->ItemIndex(), 1) << "the matched item, though the typed case differs from it";
  Press(VK_BACK);
  EXPECT_EQ(combo->Text(), "read i") << "Backspace never completes";
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kFuncCol, 3), "read i");
}

TEST_F(EditingTest, AListCellWhoseTextIsNoItemSelectsTheFirstAndSaysSo) {
  grid->SetCells(kFuncCol, 4, "Unknown");
  ClickCell(kFuncCol, 4);
  LogEvents();
  Press(VK_F2);
  TGridCombo* combo = grid->Combobox();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(Events(), "combo 2,4 0=Read Coil Status");
  // Escape keeps the cell's text.
  Press(VK_ESCAPE);
  EXPECT_FALSE(combo->Visible());
  EXPECT_EQ(grid->Cells(kFuncCol, 4), "Unknown");
}

TEST_F(EditingTest, SpaceAndAClickToggleAYNCellWithoutAnEditor) {
  std::vector<std::string> clicks;
  grid->OnCheckBoxClick = [&](TObject*, int c, int r, bool state) {
    clicks.push_back(IntToStr(c) + "," + IntToStr(r) + (state ? " on" : " off"));
  };
  ClickCell(kEnableCol, 2);
  EXPECT_EQ(grid->Col(), kEnableCol);
  EXPECT_EQ(grid->Cells(kEnableCol, 2), "N") << "a click toggles the cell it lands on";
  Press(VK_SPACE);
  EXPECT_EQ(grid->Cells(kEnableCol, 2), "Y");
  EXPECT_EQ(clicks, (std::vector<std::string>{"4,2 off", "4,2 on"}));
  Press(VK_F2);
  Type("x");
  EXPECT_FALSE(TextEditorShown());
  EXPECT_FALSE(grid->EditMode());
  EXPECT_EQ(grid->Cells(kEnableCol, 2), "Y");
}

// A check box put into a text cell makes it a control cell: whatever would open the text
// editor there opens nothing, and the text stays.
TEST_F(EditingTest, APlainCheckBoxInATextCellNeverOpensTheTextEditor) {
  struct Case {
    const char* name;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"F2", [&] { Press(VK_F2); }},
      {"a typed character", [&] { Type("7"); }},
      // The box stands at the left; the middle of the cell is beside it.
      {"a click beside the box on the current cell", [&] { ClickCell(kAddrCol, 2); }},
  };
  grid->AddCheckBox(kAddrCol, 2, false, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClickCell(kAddrCol, 2);
    ASSERT_EQ(grid->Col(), kAddrCol);
    ASSERT_EQ(grid->Row(), 2);
    c.act();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(TextEditorShown());
    EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
  }
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, TheComboEventsNameTheItemActuallySelected) {
  // The raw text is markup, the edit text without it is item 1.
  grid->SetCells(kFuncCol, 4, "<b>Read Input Status</b>");
  ClickCell(kFuncCol, 4);
  LogEvents();
  Press(VK_F2);
  TGridCombo* combo = grid->Combobox();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(Events(), "combo 2,4 1=Read Input Status");
}

TEST_F(EditingTest, AListClosedWithNothingSelectedKeepsTheTextAndReportsNoItem) {
  grid->Columns().Items(kFuncCol)->SetEditor(edComboEdit);
  grid->MouseActions().SetDirectComboClose(true);
  ClickCell(kFuncCol, 2);
  Press(VK_F2);
  TGridCombo* combo = grid->Combobox();
  ASSERT_TRUE(combo->Visible());
  combo->SetText("Custom");
  ASSERT_EQ(combo->ItemIndex(), -1);
  LogEvents();
  combo->SetDroppedDown(true);
  kit.Process();
  combo->SetDroppedDown(false);
  kit.Process();
  EXPECT_FALSE(combo->Visible());
  EXPECT_EQ(grid->Cells(kFuncCol, 2), "Custom");
  // The read-back reports the end, then the cell's value is validated.
  EXPECT_EQ(Events(), "combo 2,2 -1=Custom | done | validate 2,2=Custom | cells 2,2 | celldone 2,2");
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, TabAndReturnValidateAndMoveOn) {
  std::vector<std::string> validated;
  grid->OnCellValidate = [&](TObject*, int c, int r, std::string& v, bool&) {
    validated.push_back(IntToStr(c) + "," + IntToStr(r) + "=" + v);
  };
  // With goTabs the editor keeps Tab, validates and the grid tabs on.
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  ClickCell(kIdCol, 1);
  Type("7");
  Press(VK_TAB);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(kIdCol, 1), "7");
  EXPECT_EQ(grid->Col(), kFuncCol);
  EXPECT_EQ(grid->Row(), 1);
  // Return with AdvanceOnEnter goes down after the value passed.
  grid->Navigation().SetAdvanceOnEnter(true);
  grid->Navigation().SetAdvanceDirection(adTopBottom);
  ClickCell(kAddrCol, 1);
  Type("8");
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 1), "8");
  EXPECT_EQ(grid->Col(), kAddrCol);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(validated, (std::vector<std::string>{"1,1=7", "3,1=8"}));
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, TheCursorWalksOutOfTheEditorAtTheEndsOfItsText) {
  grid->Navigation().SetCursorWalkEditor(true);
  ClickCell(kAddrCol, 2);
  Type("25");
  Press(VK_LEFT);
  EXPECT_TRUE(TextEditorShown()) << "inside the text the caret moves";
  EXPECT_EQ(TextEditor()->SelStart(), 1);
  Press(VK_END);
  Press(VK_RIGHT);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "25");
  EXPECT_EQ(grid->Col(), kEnableCol) << "the check box beside takes the focus";
  // Leftwards the walk opens the editor of the cell it reaches.
  ClickCell(kAddrCol, 3);
  Press(VK_F2);
  Press(VK_HOME);
  Press(VK_LEFT);
  EXPECT_EQ(grid->Col(), kFuncCol);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_TRUE(grid->Combobox()->Visible());
  // With Shift an end of the text closes the editor where it is.
  Press(VK_ESCAPE);
  ClickCell(kIdCol, 4);
  Type("9");
  Press(VK_RIGHT, TShiftState{ssShift});
  EXPECT_FALSE(TextEditorShown());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cells(kIdCol, 4), "9");
  EXPECT_EQ(grid->Col(), kIdCol);
  EXPECT_EQ(grid->Row(), 4);
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, AFormFreedWhileAnEditorIsOpenTakesItsEditorsAlong) {
  for (int c : {kAddrCol, kFuncCol}) {
    SCOPED_TRACE(c);
    SetUp();
    ClickCell(c, 2);
    Press(VK_F2);
    ASSERT_TRUE(TextEditorShown() || grid->Combobox()->Visible());
    form.reset();
    kit.Process();
  }
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, AClickThatOpensAnEditorPutsTheCaretWhereItClicked) {
  grid->Columns().Items(kFuncCol)->SetEditor(edComboEdit);
  grid->MouseActions().SetDirectEdit(true);
  grid->Navigation().SetEditSelectAll(false);
  // Wide enough for the text on one line.
  grid->SetColWidths(kAddrCol, 150);
  grid->SetColWidths(kFuncCol, 150);
  struct Case {
    const char* name;
    int col;
    bool caretPositioning;
    bool atClick;
  };
  const std::vector<Case> cases = {
      {"text editor, at the click", kAddrCol, true, true},
      {"combo, at the click", kFuncCol, true, true},
      {"text editor, at the end", kAddrCol, false, false},
      {"combo, at the end", kFuncCol, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->MouseActions().SetCaretPositioning(c.caretPositioning);
    grid->SetCells(c.col, 2, "abcdefghij");
    TRect cell = grid->CellRect(c.col, 2);
    // Into the text, past its first characters.
    kit.Click(grid, cell.Left + 6 + grid->Canvas().TextWidth("abcd"), (cell.Top + cell.Bottom) / 2);
    kit.Process();
    TCustomEdit* text = TextEditorShown() ? static_cast<TCustomEdit*>(TextEditor()) : nullptr;
    TGridCombo* combo = grid->Combobox();
    if (c.col == kAddrCol) {
      ASSERT_NE(text, nullptr);
    } else {
      ASSERT_TRUE(combo->Visible());
    }
    int selStart = c.col == kAddrCol ? text->SelStart() : combo->SelStart();
    int selLength = c.col == kAddrCol ? text->SelLength() : combo->SelLength();
    EXPECT_EQ(selLength, 0);
    if (c.atClick) {
      EXPECT_GE(selStart, 3);
      EXPECT_LE(selStart, 6);
    } else {
      EXPECT_EQ(selStart, 10);
    }
    Press(VK_ESCAPE);
  }
}

TEST_F(EditingTest, ARefusedReturnAdvanceSettlesTheOldCellAgain) {
  grid->Navigation().SetAdvanceOnEnter(true);
  std::vector<std::string> selected;
  grid->OnSelectCell = [&](TObject*, int c, int r, bool&) { selected.push_back(IntToStr(c) + "," + IntToStr(r)); };
  struct Case {
    const char* name;
    bool refuseAdvance, refuseChange;
  };
  const std::vector<Case> cases = {{"OnAutoAdvance refuses", true, false}, {"OnCellChanging refuses", false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->OnAutoAdvance = [&](TObject*, int, int, int&, int&, bool& allow) { allow = !c.refuseAdvance; };
    grid->OnCellChanging = [&](TObject*, int, int, int, int, bool& allow) { allow = !c.refuseChange; };
    ClickCell(kIdCol, 2);
    Type("5");
    selected.clear();
    Press(VK_RETURN);
    EXPECT_EQ(grid->Cells(kIdCol, 2), "5");
    EXPECT_EQ(grid->Col(), kIdCol);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(selected, (std::vector<std::string>{"1,2"}));
  }
}

}  // namespace
}  // namespace hd::test
