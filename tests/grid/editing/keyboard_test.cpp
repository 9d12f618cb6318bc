#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/ext_string_grid.h"
#include "input_fixture.h"
#include "grid/editing/inplace_text_edit.h"
#include "platform/clipboard.h"

namespace hd::test {
namespace {

using KeyboardTest = GridInputTest;

TEST_F(KeyboardTest, ReturnFiresKeyPressOnceWhateverTheCellAllows) {
  struct Case {
    const char* name;
    int col;
    bool editorAfter;
  };
  const std::vector<Case> cases = {
      {"read-only column: reported by the grid, nothing opens", kReadOnlyCol, false},
      {"editable column: the key press opens the editor", 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GoTo(c.col, 3);
    grid->SetFocus();
    kit.Process();
    log.Clear();
    Key(VK_RETURN);
    EXPECT_EQ(log.Text(), "down 13 press 13");
    EXPECT_EQ(Current(), Cell(c.col, 3));
    EXPECT_EQ(grid->EditorMode(), c.editorAfter);
    grid->HideInplaceEdit();
  }
}

TEST_F(KeyboardTest, ReturnThroughTheQtAdaptorReachesTheTableWindowOnce) {
  GoTo(kReadOnlyCol, 2);
  grid->SetFocus();
  kit.Process();
  log.Clear();
  kit.Press(VK_RETURN);
  kit.Process();
  EXPECT_EQ(log.Text(), "down 13 press 13");
  EXPECT_EQ(Current(), Cell(kReadOnlyCol, 2));
}

TEST_F(KeyboardTest, ReturnInTheOpenEditorFiresOnceThenClosesOrMovesOn) {
  struct Case {
    const char* name;
    bool advance;
    const char* cellAfter;
    bool editorAfter;
    const char* events;
  };
  // The editor validates before it hands the key on; the table windows' Enter jump sees the
  // key press once, after the advance.
  const std::vector<Case> cases = {
      {"without AdvanceOnEnter the editor closes in place", false, "2:3", false,
       "validate 2:3=x down 13 press 13 at 2:3 done"},
      {"with AdvanceOnEnter the editor opens on the next cell", true, "3:3", true,
       "validate 2:3=y down 13 done press 13 at 3:3"},
  };
  grid->OnCellValidate = [this](TObject*, int c, int r, std::string& v, bool&) {
    log.Note("validate " + Cell(c, r) + "=" + v);
  };
  grid->OnEditingDone = [this](TObject*) { log.Note("done"); };
  grid->OnKeyPress = [this](TObject*, TKeyChar& k) { log.Note("press " + IntToStr(k) + " at " + Current()); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->Navigation().SetAdvanceOnEnter(c.advance);
    GoTo(2, 3);
    grid->SetFocus();
    kit.Process();
    Key(VK_RETURN);
    ASSERT_TRUE(grid->EditorMode());
    ASSERT_NE(grid->NormalEdit(), nullptr);
    grid->NormalEdit()->SetText(c.advance ? "y" : "x");
    log.Clear();
    Key(VK_RETURN, {}, grid->NormalEdit()->Handle());
    EXPECT_EQ(log.Text(), c.events);
    EXPECT_EQ(Current(), c.cellAfter);
    EXPECT_EQ(grid->EditorMode(), c.editorAfter);
    grid->HideInplaceEdit();
  }
}

struct KeyCase {
  const char* name;
  std::function<void(TExtColumnGrid&)> setup;
  TGridCoord start;
  int key;
  TShiftState shift;
  const char* cellAfter;
  const char* events;
};

TEST_F(KeyboardTest, KeysMoveTheCurrentCellByTheNavigationSettings) {
  auto homeEnd = [](THomeEndAction a) { return [a](TExtColumnGrid& g) { g.Navigation().SetHomeEndKey(a); }; };
  auto cursor = [](TCursorAdvance a) { return [a](TExtColumnGrid& g) { g.Navigation().SetCursorAdvance(a); }; };
  auto tabs = [](TExtColumnGrid& g) {
    TGridOptions o = g.Options();
    o.Include(goTabs);
    g.SetOptions(o);
  };
  auto tabsEditing = [](TExtColumnGrid& g) {
    TGridOptions o = g.Options();
    o.Include(goTabs);
    o.Include(goEditing);
    g.SetOptions(o);
  };
  auto none = [](TExtColumnGrid&) {};
  const std::vector<KeyCase> cases = {
      {"Home, first/last cell", homeEnd(heFirstLastCell), {3, 4}, VK_HOME, {}, "1:1", "down 36"},
      {"End, first/last cell", homeEnd(heFirstLastCell), {3, 4}, VK_END, {}, "5:7", "down 35"},
      {"Home, first/last row", homeEnd(heFirstLastRow), {3, 4}, VK_HOME, {}, "3:1", "down 36"},
      {"Home, first/last column", none, {3, 4}, VK_HOME, {}, "1:4", "down 36"},
      {"End, first/last column", none, {3, 4}, VK_END, {}, "5:4", "down 35"},
      {"Ctrl+Home", none, {3, 4}, VK_HOME, {ssCtrl}, "1:1", "down 36"},
      {"Ctrl+End", none, {3, 4}, VK_END, {ssCtrl}, "5:7", "down 35"},
      {"Right on the last column, default", none, {5, 4}, VK_RIGHT, {}, "5:4", "down 39"},
      {"Right on the last column, loop", cursor(caLoop), {5, 4}, VK_RIGHT, {}, "1:4", "down 39"},
      {"Right on the last column, snake", cursor(caSnake), {5, 4}, VK_RIGHT, {}, "1:5", "down 39"},
      {"Up on the first row, loop", cursor(caLoop), {2, 1}, VK_UP, {}, "2:7", "down 38"},
      {"Tab wraps into the next row", tabs, {5, 2}, VK_TAB, {}, "1:3", "down 9 press 9"},
      {"Shift+Tab wraps into the row above, passing the read-only column", tabs, {1, 3}, VK_TAB, {ssShift}, "4:2",
       "down 9 press 9"},
      {"Tab on the last cell goes to the first row", tabs, {5, 7}, VK_TAB, {}, "1:1", "down 9 press 9"},
      {"Shift+Tab on the first stop of the first row goes to the last row", tabsEditing, {1, 1}, VK_TAB, {ssShift},
       "4:7", "down 9 press 9"},
      {"Tab without goTabs is the platform's", none, {2, 2}, VK_TAB, {}, "3:2", "down 9 press 9"},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    c.setup(*grid);
    GoTo(c.start.X, c.start.Y);
    grid->SetFocus();
    kit.Process();
    log.Clear();
    Key(c.key, c.shift);
    EXPECT_EQ(Current(), c.cellAfter);
    EXPECT_EQ(log.Text(), c.events);
  }
}

TEST_F(KeyboardTest, ArrowsStepOverFixedCellsAndMovementRespectsAClearedKey) {
  grid->OnIsFixedCell = [](TObject*, int, int c, bool& fixed) { fixed = c == 2 || c == 3; };
  GoTo(4, 2);
  grid->SetFocus();
  Key(VK_LEFT);
  EXPECT_EQ(Current(), "1:2");
  Key(VK_RIGHT);
  EXPECT_EQ(Current(), "4:2");
  grid->OnKeyDown = [](TObject*, WORD& k, TShiftState) { k = 0; };
  Key(VK_DOWN);
  EXPECT_EQ(Current(), "4:2");
}

TEST_F(KeyboardTest, TabAtTheEndAppendsARowWithAdvanceInsert) {
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  grid->SetOptions(o);
  grid->Navigation().SetAdvanceInsert(true);
  std::vector<int> added;
  grid->OnAutoAddRow = [&](TObject*, int r) { added.push_back(r); };
  GoTo(5, 7);
  Key(VK_TAB);
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(added, std::vector<int>{8});
  EXPECT_EQ(Current(), "1:8");
}

TEST_F(KeyboardTest, ReturnInTheEditorAdvancesByDirectionAndSkipsReadOnlyCells) {
  struct Case {
    const char* name;
    TAdvanceDirection dir;
    TGridCoord start;
    const char* cellAfter;
    bool lastColumnEditable = false;
    bool skipReadOnly = true;
  };
  const std::vector<Case> cases = {
      {"left to right", adLeftRight, {2, 3}, "3:3"},
      {"left to right over the check box column to the next row", adLeftRight, {3, 3}, "1:4"},
      {"left to right from an editable last column to the next row", adLeftRight, {5, 3}, "1:4", true},
      // Without the skipping, a step past the last column would make a cell that is none current.
      {"the same without skipping read-only cells", adLeftRight, {5, 3}, "1:4", true, false},
      {"top to bottom", adTopBottom, {2, 3}, "2:4"},
      {"top to bottom in the column wraps on the last row", adTopBottomInCol, {2, 7}, "2:1"},
      {"in the row loops on its last cell", adLeftRightInRow, {3, 3}, "1:3"},
  };
  // The data check box column is read-only for the walk here, and the last column is unless
  // the case opens it.
  grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != kCheckCol; };
  grid->Navigation().SetAdvanceOnEnter(true);
  grid->Navigation().SetAdvanceAutoEdit(false);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->Navigation().SetAdvanceDirection(c.dir);
    grid->Columns().Items(kReadOnlyCol)->SetReadOnly(!c.lastColumnEditable);
    grid->Navigation().SetAdvanceSkipReadOnlyCells(c.skipReadOnly);
    GoTo(c.start.X, c.start.Y);
    grid->SetFocus();
    grid->ShowInplaceEdit();
    kit.Process();
    ASSERT_NE(grid->NormalEdit(), nullptr);
    Key(VK_RETURN, {}, grid->NormalEdit()->Handle());
    EXPECT_EQ(Current(), c.cellAfter);
  }
}

TEST_F(KeyboardTest, ReturnAdvanceWithNoAcceptingCellStaysWhereItWas) {
  grid->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
  grid->Navigation().SetAdvanceOnEnter(true);
  EnableEditing();
  GoTo(2, 3);
  grid->AdvanceToNextCell(2, 3, false, false, true, false, false);
  EXPECT_EQ(Current(), "2:3");
}

TEST_F(KeyboardTest, TabIntoARowWithoutStopsKeepsTheColumnAndTheWalkGoesOn) {
  // Without a parent every move is accepted, so the walk reaches the row without stops.
  std::unique_ptr<TExtStringGrid> loose(New<TExtStringGrid>(nullptr));
  TExtStringGrid* grid = loose.get();
  grid->SetColCount(6);
  grid->SetRowCount(8);
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  o.Include(goEditing);
  grid->SetOptions(o);
  grid->Navigation().SetAdvanceAutoEdit(false);
  grid->OnCanEditCell = [](TObject*, int r, int, bool& can) { can = can && r != 1; };
  grid->SetRow(7);
  grid->SetCol(5);
  EXPECT_NO_THROW(grid->TabToNextCell(false));
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(KeyboardTest, SpaceTogglesADataCheckBoxBetweenTheColumnTexts) {
  struct Case {
    const char* before;
    const char* after;
    const char* event;
  };
  const std::vector<Case> cases = {
      {"N", "Y", "check 4:2 on"}, {"Y", "N", "check 4:2 off"}, {"", "Y", "check 4:2 on"}, {"x", "Y", "check 4:2 on"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    grid->SetCells(kCheckCol, 2, c.before);
    GoTo(kCheckCol, 2);
    grid->SetFocus();
    kit.Process();
    log.Clear();
    Key(VK_SPACE);
    EXPECT_EQ(grid->Cells(kCheckCol, 2), c.after);
    EXPECT_EQ(log.Text(), std::string(c.event) + " down 32 press 32");
    EXPECT_FALSE(grid->EditorMode());
  }
}

TEST_F(KeyboardTest, SpaceAndReturnWorkRadiosAndCellButtons) {
  TStringList items;
  for (const char* i : {"A", "B", "C"}) items.Add(i);
  grid->AddRadio(2, 2, 1, 1, &items);
  grid->AddRadio(2, 3, 1, -1, &items);
  grid->SetCells(2, 3, "C");
  for (int r = 1; r <= 3; ++r) grid->AddRadioButton(3, r, r == 1);
  grid->AddButton(1, 4, 30, 14, "Go", haLeft, vaTop);
  grid->OnRadioClick = [this](TObject*, int c, int r, int i) { log.Note("radio " + Cell(c, r) + " " + IntToStr(i)); };
  grid->OnRadioButtonClick = [this](TObject*, int c, int r) { log.Note("radiobutton " + Cell(c, r)); };
  grid->OnButtonClick = [this](TObject*, int c, int r) { log.Note("button " + Cell(c, r)); };
  struct Case {
    const char* name;
    int col, row, key;
    const char* events;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"an index group steps to its next item", 2, 2, VK_SPACE, "radio 2:2 2 down 32 press 32", "C"},
      {"and from the last back to the first", 2, 2, VK_SPACE, "radio 2:2 0 down 32 press 32", "A"},
      {"a text group steps from its text", 2, 3, VK_SPACE, "radio 2:3 0 down 32 press 32", "A"},
      {"a radio button is checked", 3, 3, VK_SPACE, "radiobutton 3:3 down 32 press 32", ""},
      {"Space clicks a cell button", 1, 4, VK_SPACE, "button 1:4 down 32 press 32", ""},
      {"so does Return", 1, 4, VK_RETURN, "button 1:4 down 13 press 13", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GoTo(c.col, c.row);
    grid->SetFocus();
    kit.Process();
    log.Clear();
    Key(c.key);
    EXPECT_EQ(log.Text(), c.events);
    EXPECT_EQ(grid->Cells(c.col, c.row), c.text);
    EXPECT_FALSE(grid->EditorMode());
  }
  int index = -2;
  grid->GetRadioIdx(2, 3, index);
  EXPECT_EQ(index, -1) << "the text group keeps its choice as text";
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(3), 3);
  EXPECT_FALSE(grid->IsRadioButtonChecked(3, 1));
}

TEST_F(KeyboardTest, ClipboardShortcutsWorkOnlyWhenAllowed) {
  grid->SetCells(1, 1, "a");
  grid->SetCells(2, 1, "b");
  grid->SelectCells(1, 1, 2, 1);
  Clipboard().SetAsText("before");
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "before");
  EXPECT_NE(log.Text().find("press 3"), std::string::npos);

  grid->Navigation().SetAllowClipboardShortCuts(true);
  log.Clear();
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "a\tb");
  EXPECT_EQ(log.Text().find("press 3"), std::string::npos);

  bool allow = false;
  grid->OnClipboardPaste = [&](TObject*, bool& a) { a = allow; };
  grid->SelectCells(1, 3, 1, 3);
  Key('V', {ssCtrl});
  EXPECT_EQ(grid->Cells(1, 3), "");
  allow = true;
  Key('V', {ssCtrl});
  EXPECT_EQ(grid->Cells(1, 3), "a");
  EXPECT_EQ(grid->Cells(2, 3), "b");
}

TEST_F(KeyboardTest, InsertAndDeleteChangeRowsWhenAllowedAndNotRefused) {
  struct Case {
    const char* name;
    TInsertPosition position;
    int startRow;
    const char* rowsAfter;
    int rowAfter;
  };
  // Column 1 of rows 1..7 holds the row's letter; "." is a new, empty row.
  const std::vector<Case> cases = {
      {"before the current row: the new row takes its place", pInsertBefore, 3, "ab.cdefg", 3},
      {"after the current row", pInsertAfter, 3, "abc.defg", 4},
      {"after the last row: appended and current", pInsertAfter, 7, "abcdefg.", 8},
  };
  auto rows = [&] {
    std::string text;
    for (int r = 1; r < grid->RowCount(); ++r) text += grid->Cells(1, r).empty() ? "." : grid->Cells(1, r);
    return text;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    for (int r = 1; r < 8; ++r) grid->SetCells(1, r, std::string(1, static_cast<char>('a' + r - 1)));
    grid->Navigation().SetInsertPosition(c.position);
    GoTo(2, c.startRow);
    grid->SetFocus();
    Key(VK_INSERT);
    EXPECT_EQ(rows(), "abcdefg") << "not allowed";
    grid->Navigation().SetAllowInsertRow(true);
    std::vector<int> inserted;
    grid->OnAutoInsertRow = [&](TObject*, int r) { inserted.push_back(r); };
    Key(VK_INSERT);
    EXPECT_EQ(rows(), c.rowsAfter);
    EXPECT_EQ(grid->Row(), c.rowAfter);
    EXPECT_EQ(inserted.size(), 1u);
    EXPECT_TRUE(grid->Modified());
  }

  grid->Navigation().SetAllowDeleteRow(true);
  bool allow = false;
  grid->OnCanDeleteRow = [&](TObject*, int, bool& can) { can = allow; };
  GoTo(2, 2);
  grid->SetModified(false);
  Key(VK_DELETE);
  EXPECT_EQ(rows(), "abcdefg.");
  EXPECT_FALSE(grid->Modified());
  allow = true;
  grid->OnKeyDown = [](TObject*, WORD& k, TShiftState) {
    if (k == VK_DELETE) k = 0;
  };
  Key(VK_DELETE);
  EXPECT_EQ(rows(), "abcdefg.") << "a handler that clears the key keeps the row";
  grid->OnKeyDown = nullptr;
  Key(VK_DELETE);
  EXPECT_EQ(rows(), "acdefg.");
  EXPECT_TRUE(grid->Modified());
}

TEST_F(KeyboardTest, CtrlASelectsEveryNormalCellAndReportsTheChange) {
  std::vector<std::string> changes;
  grid->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) {
    changes.push_back(Cell(l, t) + "-" + Cell(r, b));
  };
  Key('A', {ssCtrl});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 5, 7}));
  EXPECT_EQ(changes, std::vector<std::string>{"1:1-5:7"});
}

TEST_F(KeyboardTest, MoveScrollOnlyScrollsWithoutMovingOrReporting) {
  grid->SetRowCount(100);
  grid->Navigation().SetMoveScrollOnly(true);
  GoTo(2, 3);
  grid->SetFocus();
  log.Clear();
  Key(VK_DOWN);
  EXPECT_EQ(Current(), "2:3");
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(log.Text(), "");
  Key(VK_RIGHT);
  EXPECT_EQ(Current(), "3:3");
}

}  // namespace
}  // namespace hd::test
