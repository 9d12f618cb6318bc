// Header cells edited in place, the header drop-down button, and rows and columns moved by
// code and by the grid's own header drag, through window messages to a shown grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/fixed_cell_editors.h"
#include "grid/editing/header_drag_button.h"
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "input_fixture.h"
#include "platform/menus.h"

namespace hd::test {
namespace {

class FixedCellEditTest : public GridInputTest {
 protected:
  void SetUp() override {
    GridInputTest::SetUp();
    for (int c = 1; c < 6; ++c) grid->SetCells(c, 0, "H" + IntToStr(c));
    grid->MouseActions().SetFixedRowsEdit(fceLeftClick);
    grid->OnEditChange = [this](TObject*, int c, int r, const std::string& v) { log.Note("change " + Cell(c, r) + " " + v); };
    grid->OnEditingDone = [this](TObject*) { log.Note("done"); };
    kit.Process();
  }
  void Type(TWinControl& editor, const std::string& text) {
    for (char ch : text) SendMessage(editor.Handle(), WM_CHAR, static_cast<WPARAM>(ch), 0);
    kit.Process();
  }
  void Leave() {
    grid->SetFocus();
    kit.Process();
  }
};

TEST_F(FixedCellEditTest, AHeaderClickEditsTheHeaderAndLeavingStoresIt) {
  GoTo(2, 3);
  Click(Centre(3, 0));
  TGridTransEdit* edit = grid->EditTrans();
  ASSERT_TRUE(edit->Visible());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->Text(), "H3");
  EXPECT_EQ(grid->FixedColEdit(), 3);
  EXPECT_EQ(grid->FixedRowEdit(), 0);
  TRect cell = grid->CellRect(3, 0);
  EXPECT_EQ(edit->BoundsRect(), (TRect{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1}));
  log.Clear();
  edit->SelectAll();
  Type(*edit, "x\r");
  EXPECT_TRUE(edit->Visible()) << "Return keeps the editor open";
  EXPECT_EQ(log.Text(), "change 3:0 x");
  Leave();
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->Cells(3, 0), "x");
  EXPECT_EQ(Current(), "2:3");
  EXPECT_EQ(log.Text(), "change 3:0 x done");
}

TEST_F(FixedCellEditTest, ValidationRefusesOrChangesTheHeaderText) {
  std::string answer;
  bool valid = false;
  grid->OnCellValidate = [&](TObject*, int c, int r, std::string& v, bool& ok) {
    log.Note("validate " + Cell(c, r) + " " + v);
    if (!answer.empty()) v = answer;
    ok = valid;
  };
  GoTo(2, 3);
  Click(Centre(3, 0));
  TGridTransEdit* edit = grid->EditTrans();
  edit->SelectAll();
  Type(*edit, "bad");
  log.Clear();
  Leave();
  EXPECT_TRUE(edit->Visible());
  EXPECT_TRUE(edit->Focused()) << "a refused value keeps the focus";
  EXPECT_EQ(grid->Cells(3, 0), "H3");
  EXPECT_EQ(Current(), "2:3");
  // Another header's click asks the open editor to stop; refused, nothing else opens.
  Click(Centre(1, 0));
  EXPECT_EQ(grid->FixedColEdit(), 3);
  EXPECT_EQ(grid->Cells(1, 0), "H1");
  EXPECT_EQ(log.Text(), "validate 3:0 bad validate 3:0 bad click 1:0");

  answer = "Good";
  valid = true;
  Leave();
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->Cells(3, 0), "Good");
}

TEST_F(FixedCellEditTest, WhichPressesOpenAnEditor) {
  struct Case {
    const char* name;
    TGridFixedCellEdit rows, cols;
    bool sizing;
    int col, row, dx;  // dx: pixels from the cell's left border, 0 for the centre
    const char* how;   // "click", "right", "double"
    bool opens;
  } cases[] = {
      {"left click on a header", fceLeftClick, fceNone, false, 2, 0, 0, "click", true},
      {"left click near a border with sizing", fceLeftClick, fceNone, true, 2, 0, 2, "click", false},
      {"left click inside with sizing", fceLeftClick, fceNone, true, 2, 0, 6, "click", true},
      {"right click asked for", fceRightClick, fceNone, false, 2, 0, 0, "right", true},
      {"left click when right is asked for", fceRightClick, fceNone, false, 2, 0, 0, "click", false},
      {"double click asked for", fceDblClick, fceNone, false, 2, 0, 0, "double", true},
      {"fixed column by its own setting", fceNone, fceLeftClick, false, 0, 3, 0, "click", true},
      {"fixed column without it", fceLeftClick, fceNone, false, 0, 3, 0, "click", false},
      {"a normal cell", fceLeftClick, fceLeftClick, false, 2, 3, 0, "click", false},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    grid->MouseActions().SetFixedRowsEdit(c.rows);
    grid->MouseActions().SetFixedColsEdit(c.cols);
    TGridOptions o = grid->Options();
    if (c.sizing)
      o.Include(goColSizing);
    else
      o.Exclude(goColSizing);
    o.Exclude(goRowSizing);
    grid->SetOptions(o);
    TPoint at = Centre(c.col, c.row);
    if (c.dx) at.X = grid->CellRect(c.col, c.row).Left + c.dx;
    if (std::string(c.how) == "right") {
      Mouse(WM_RBUTTONDOWN, at, MK_RBUTTON);
      Mouse(WM_RBUTTONUP, at);
      kit.Process();
    } else if (std::string(c.how) == "double") {
      DoubleClick(at);
    } else {
      Click(at);
    }
    EXPECT_EQ(grid->EditTrans()->Visible(), c.opens) << c.name;
  }
}

TEST_F(FixedCellEditTest, TheProgramMayRefuseOrTurnTheEditorIntoAList) {
  std::vector<std::string> calls;
  bool allow = false;
  grid->OnCanEditCell = [&](TObject*, int r, int c, bool& a) {
    calls.push_back("can edit row " + IntToStr(r) + " col " + IntToStr(c));
    a = allow;
  };
  grid->OnFixedEdit = [&](TObject*, int c, int r, TGridFixedCellEditor& kind, TStringList& values) {
    calls.push_back("fixed edit col " + IntToStr(c) + " row " + IntToStr(r) + " " + values.CommaText());
    kind = fceComboList;
    values.Add("H2");
  };
  TStringList values;
  values.Add("a");
  grid->MouseActions().SetFixedComboValues(values);
  Click(Centre(2, 0));
  EXPECT_FALSE(grid->EditTrans()->Visible());
  EXPECT_FALSE(grid->ComboTrans()->Visible());
  allow = true;
  Click(Centre(2, 0));
  TGridTransCombo* combo = grid->ComboTrans();
  ASSERT_TRUE(combo->Visible());
  EXPECT_FALSE(grid->EditTrans()->Visible());
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->Items().CommaText(), "a,H2");
  EXPECT_EQ(combo->ItemIndex(), 1);
  // The press asks for the cell as well; the editor's own question comes last before it opens.
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], "can edit row 0 col 2");
  EXPECT_EQ(calls.back(), "fixed edit col 2 row 0 a");
  combo->SetItemIndex(0);
  Leave();
  EXPECT_EQ(grid->Cells(2, 0), "a");
}

// The drop-down button of a header cell: the handler may swap the menu and keep the hover
// look; a press beside the button is an ordinary header press.
TEST_F(FixedCellEditTest, TheHeaderDropDownButtonAsksForItsMenu) {
  grid->MouseActions().SetFixedRowsEdit(fceNone);
  grid->SetHoverFixedCells(hfFixedRows);
  grid->ControlLook().SetFixedDropDownButton(true);
  std::vector<std::string> calls;
  bool keep = true;
  grid->OnFixedDropDownClick = [&](TObject*, int c, int r, TPopupMenu*& menu, bool& k) {
    calls.push_back("drop-down col " + IntToStr(c) + " row " + IntToStr(r) + (menu ? " menu" : " none"));
    menu = nullptr;
    k = keep;
  };
  grid->OnClickCell = [&](TObject*, int r, int c) { calls.push_back("click " + Cell(c, r)); };
  TRect cell = grid->CellRect(3, 0);
  Click(TPoint{cell.Right - 8, (cell.Top + cell.Bottom) / 2});
  Click(TPoint{cell.Left + 8, (cell.Top + cell.Bottom) / 2});
  EXPECT_EQ(calls, (std::vector<std::string>{"drop-down col 3 row 0 none", "click 3:0"}));
}

// Columns and rows moved by code: what follows a column on real indexes, the current cell,
// and the fixed footer row that no row move may take.
class LineMoveTest : public GridInputTest {
 protected:
  void SetUp() override {
    GridInputTest::SetUp();
    for (int r = 0; r < grid->RowCount(); ++r)
      for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, r, Cell(c, r));
    grid->OnColumnMoved = [this](TObject*, int f, int t) { log.Note("col moved " + IntToStr(f) + ">" + IntToStr(t)); };
    grid->OnRowMoved = [this](TObject*, int f, int t) { log.Note("row moved " + IntToStr(f) + ">" + IntToStr(t)); };
  }
  std::string Row(int r) {
    std::string out;
    for (int c = 0; c < grid->ColCount(); ++c) out += (c ? " " : "") + grid->Cells(c, r);
    return out;
  }
};

TEST_F(LineMoveTest, AColumnTakesItsWidthSortEntriesAndTheCurrentCellAlong) {
  struct Case {
    int from, to, col, wantCol;
  } cases[] = {{2, 4, 2, 4}, {2, 4, 3, 2}, {4, 1, 2, 3}, {1, 3, 5, 5}};
  for (const Case& k : cases) {
    TearDown();
    SetUp();
    for (int c = 0; c < grid->ColCount(); ++c) grid->SetColWidths(c, 40 + c);
    grid->SortSettings().SetIndexShow(true);
    grid->SortIndexes().AddIndex(2, false);
    grid->SortIndexes().AddIndex(4, true);
    grid->SortSettings().SetColumn(2);
    GoTo(k.col, 3);
    log.Clear();
    grid->MoveColumn(k.from, k.to);
    auto follow = [&](int i) { return i == k.from ? k.to : (k.from < k.to && i > k.from && i <= k.to) ? i - 1 : (k.from > k.to && i >= k.to && i < k.from) ? i + 1 : i; };
    const std::string at = IntToStr(k.from) + ">" + IntToStr(k.to);
    EXPECT_EQ(grid->Col(), k.wantCol) << at;
    EXPECT_EQ(grid->Cells(k.to, 3), Cell(k.from, 3)) << at;
    EXPECT_EQ(grid->ColWidths(k.to), 40 + k.from) << at;
    EXPECT_EQ(grid->SortSettings().Column(), follow(2)) << at;
    EXPECT_EQ(grid->SortIndexes().SortColumns(0), follow(2)) << at;
    EXPECT_FALSE(grid->SortIndexes().SortDirections(0)) << at << ": the direction stays";
    EXPECT_EQ(grid->SortIndexes().SortColumns(1), follow(4)) << at;
    EXPECT_TRUE(grid->SortIndexes().SortDirections(1)) << at;
    EXPECT_EQ(log.Text(), "col moved " + at) << at;
  }
}

TEST_F(LineMoveTest, RowsMoveOnceAndNeverOntoTheFixedFooterRow) {
  grid->FloatingFooter().SetFooterStyle(fsFixedLastRow);
  grid->FloatingFooter().SetVisible(true);
  const int last = grid->RowCount() - 1;
  const std::string footer = Row(last);
  GoTo(2, 2);
  grid->MoveRow(2, 5);
  EXPECT_EQ(log.Text(), "row moved 2>5");
  EXPECT_EQ(grid->Cells(1, 5), Cell(1, 2));
  EXPECT_EQ(Current(), "2:5") << "the current cell stays on the moved row";
  log.Clear();
  grid->MoveRow(3, last);
  EXPECT_EQ(log.Text(), "");
  EXPECT_EQ(Row(last), footer);
  EXPECT_EQ(grid->Cells(1, 3), Cell(1, 4));
}

// The grid's own header drag: a floating button, arrows at the drop border, OnColumnMoving
// deciding the cursor, and the release (or a cancel) ending it.
class HeaderDragTest : public LineMoveTest {
 protected:
  void SetUp() override {
    LineMoveTest::SetUp();
    TGridOptions o = grid->Options();
    o.Include(goColMoving);
    o.Include(goRowMoving);
    o.Exclude(goColSizing);
    o.Exclude(goRowSizing);
    grid->SetOptions(o);
    grid->OnStartBlockFocus = [this](TObject*) { ++blockStarts; };
    grid->OnEndBlockFocus = [this](TObject*) { log.Note("end block"); };
    grid->OnClickCell = nullptr;
    kit.Process();
  }
  void TearDown() override {
    Screen().SetCursor(crDefault);
    LineMoveTest::TearDown();
  }
  void Drag(TPoint from, std::initializer_list<TPoint> path) {
    Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON);
    for (TPoint p : path) Mouse(WM_MOUSEMOVE, p, MK_LBUTTON);
    kit.Process();
  }
  int blockStarts = 0;
};

TEST_F(HeaderDragTest, AColumnDraggedByItsHeaderMovesAtTheRelease) {
  std::vector<int> moving;
  grid->OnColumnMoving = [&](TObject*, int c, bool&) { moving.push_back(c); };
  grid->DragDropSettings().SetShowCells(false);
  Drag(Centre(2, 0), {Centre(3, 0), Centre(4, 0), Centre(4, 0)});
  EXPECT_EQ(grid->GridState(), gsColMoving);
  EXPECT_EQ(Screen().Cursor(), crDrag);
  THeaderDragButton* button = grid->MoveButton();
  EXPECT_TRUE(button->Visible());
  EXPECT_EQ(button->Caption(), "2:0");
  EXPECT_EQ(button->Width(), grid->ColWidths(2));
  // The arrows stand at the right border of the target the move before showed.
  TArrowWindow* up = grid->MoveArrow(arrUp);
  TArrowWindow* down = grid->MoveArrow(arrDown);
  EXPECT_TRUE(up->Visible());
  EXPECT_TRUE(down->Visible());
  TRect header = grid->CellRect(4, 0);
  TPoint border = grid->ClientToScreen(TPoint{header.Right, header.Bottom});
  EXPECT_EQ(up->Left(), border.X - 5);
  EXPECT_EQ(up->Top(), border.Y);
  EXPECT_EQ(moving, (std::vector<int>{3, 4, 4}));
  EXPECT_EQ(log.Text(), "");
  Mouse(WM_LBUTTONUP, Centre(4, 0));
  kit.Process();
  EXPECT_EQ(log.Text(), "end block col moved 2>4");
  EXPECT_EQ(Row(3), "0:3 1:3 3:3 4:3 2:3 5:3");
  EXPECT_FALSE(button->Visible());
  EXPECT_FALSE(up->Visible());
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(blockStarts, 3);
}

TEST_F(HeaderDragTest, ARefusedDropOrACancelledDragMovesNothing) {
  const std::string before = Row(3);
  grid->OnColumnMoving = [](TObject*, int, bool& allow) { allow = false; };
  Drag(Centre(2, 0), {Centre(4, 0)});
  EXPECT_EQ(Screen().Cursor(), crNoDrop);
  Mouse(WM_LBUTTONUP, Centre(4, 0));
  kit.Process();
  EXPECT_EQ(Row(3), before);
  EXPECT_EQ(log.Text(), "end block");

  log.Clear();
  grid->OnColumnMoving = nullptr;
  Drag(Centre(1, 0), {Centre(3, 0)});
  SendMessage(grid->Handle(), WM_CANCELMODE, 0, 0);
  Mouse(WM_LBUTTONUP, Centre(3, 0));
  kit.Process();
  EXPECT_EQ(Row(3), before);
  EXPECT_EQ(log.Text(), "end block");
  EXPECT_FALSE(grid->MoveButton()->Visible());
  EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(HeaderDragTest, ARowDraggedByItsFixedCellMovesButNotOntoTheFooterRow) {
  Drag(Centre(0, 2), {Centre(0, 4), Centre(0, 5)});
  EXPECT_EQ(grid->MoveButton()->Caption(), "0:2");
  EXPECT_FALSE(grid->MoveButton()->Visible()) << "a picture of the cells is shown instead";
  EXPECT_TRUE(grid->MoveArrow(arrLeft)->Visible());
  Mouse(WM_LBUTTONUP, Centre(0, 5));
  kit.Process();
  EXPECT_EQ(log.Text(), "end block row moved 2>5");
  EXPECT_EQ(grid->Cells(1, 5), "1:2");

  grid->FloatingFooter().SetFooterStyle(fsFixedLastRow);
  grid->FloatingFooter().SetVisible(true);
  kit.Process();
  log.Clear();
  const int last = grid->RowCount() - 1;
  const std::string footer = Row(last);
  Drag(Centre(0, 3), {Centre(0, last)});
  Mouse(WM_LBUTTONUP, Centre(0, last));
  kit.Process();
  EXPECT_EQ(Row(last), footer);
  EXPECT_EQ(log.Text(), "end block");
}

// A click on the sort row that did not drag still sorts; a drag ended on it never does.
TEST_F(HeaderDragTest, OnlyAReleaseThatMovedNothingSorts) {
  grid->SortSettings().SetShow(true);
  for (int r = 1; r < grid->RowCount(); ++r) grid->SetCells(2, r, IntToStr(10 - r));
  Drag(Centre(2, 0), {Centre(3, 0)});
  Mouse(WM_LBUTTONUP, Centre(3, 0));
  kit.Process();
  EXPECT_EQ(grid->SortSettings().Column(), -1);
  EXPECT_EQ(grid->Cells(3, 1), "9");
  Click(Centre(3, 0));
  EXPECT_EQ(grid->SortSettings().Column(), 3);
  EXPECT_EQ(grid->Cells(3, 1), "3");
}

}  // namespace
}  // namespace hd::test
