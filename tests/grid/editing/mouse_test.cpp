#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/inplace_text_edit.h"
#include "input_fixture.h"

namespace hd::test {
namespace {

class MouseTest : public GridInputTest {
 protected:
  void SetUp() override {
    GridInputTest::SetUp();
    grid->OnClick = [this](TObject*) { log.Note("onclick"); };
    grid->OnSelectionChanged = [this](TObject*, int l, int t, int r, int b) {
      log.Note("selection " + Cell(l, t) + "-" + Cell(r, b));
    };
    grid->OnColumnSize = [this](TObject*, int c, bool&) { log.Note("size " + IntToStr(c)); };
    grid->OnEndColumnSize = [this](TObject*, int c) { log.Note("endsize " + IntToStr(c)); };
  }
};

TEST_F(MouseTest, ClicksMoveTheCellAndExtendOrDragTheSelection) {
  // The read-only column keeps editing off, so the platform selects rather than edits.
  const int c = kReadOnlyCol;
  Click(Centre(c, 3));
  EXPECT_EQ(Current(), Cell(c, 3));
  EXPECT_EQ(log.Text(), "click 5:3 selection 5:3-5:3 onclick");

  log.Clear();
  Click(Centre(c, 5), MK_SHIFT);
  EXPECT_EQ(grid->Selection(), (TGridRect{c, 3, c, 5}));
  EXPECT_EQ(log.Text(), "click 5:5 selection 5:3-5:5 onclick");

  // A drag from one cell to another selects the range between them.
  Mouse(WM_LBUTTONDOWN, Centre(c, 1), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, Centre(c, 2), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, Centre(c - 1, 4), MK_LBUTTON);
  Mouse(WM_LBUTTONUP, Centre(c - 1, 4));
  kit.Process();
  EXPECT_EQ(grid->Selection(), (TGridRect{c - 1, 1, c, 4}));
  EXPECT_EQ(grid->GridState(), gsNormal);
}

// The cell events of input name the row first: a Return advance reports the cell it leaves
// and the one it goes to, and a press asks whether the cell under it may be clicked.
TEST_F(MouseTest, InputEventsNameTheirCellsRowFirst) {
  std::vector<std::string> calls;
  auto cell = [](int row, int col) { return "row " + IntToStr(row) + " col " + IntToStr(col); };
  grid->OnCellChanging = [&](TObject*, int oldRow, int oldCol, int newRow, int newCol, bool&) {
    calls.push_back("changing " + cell(oldRow, oldCol) + " to " + cell(newRow, newCol));
  };
  grid->OnCanClickCell = [&](TObject*, int row, int col, bool&) { calls.push_back("can click " + cell(row, col)); };
  grid->Navigation().SetAdvanceOnEnter(true);
  grid->Navigation().SetAdvanceAutoEdit(false);
  GoTo(2, 4);
  grid->SetFocus();
  grid->ShowInplaceEdit();
  kit.Process();
  ASSERT_NE(grid->NormalEdit(), nullptr);
  calls.clear();
  Key(VK_RETURN, {}, grid->NormalEdit()->Handle());
  ASSERT_EQ(Current(), "3:4");
  Click(Centre(kReadOnlyCol, 6));
  EXPECT_EQ(Current(), Cell(kReadOnlyCol, 6));
  EXPECT_EQ(calls, (std::vector<std::string>{"changing row 4 col 2 to row 4 col 3", "can click row 6 col 5",
                                             "changing row 4 col 3 to row 6 col 5"}));
}

TEST_F(MouseTest, APressOnADataCheckBoxTogglesItWithoutAClickCellEvent) {
  grid->SetCells(kCheckCol, 2, "N");
  Click(Centre(kCheckCol, 2));
  EXPECT_EQ(grid->Cells(kCheckCol, 2), "Y");
  EXPECT_EQ(log.Text(), "check 4:2 on onclick selection 4:2-4:2");
  Click(Centre(kCheckCol, 2));
  EXPECT_EQ(grid->Cells(kCheckCol, 2), "N");
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(MouseTest, DoubleClicksReportTheCellOrSizeTheColumnByItsBorder) {
  grid->SetCells(2, 1, "a rather long text for a narrow column");
  struct Case {
    const char* name;
    TPoint point;
    const char* events;
    bool sized;
  };
  grid->SetColWidths(2, 30);
  TRect header = grid->CellRect(2, 0);
  TRect last = grid->CellRect(5, 0);
  const std::vector<Case> cases = {
      {"normal cell", Centre(1, 2), "dblclick 1:2", false},
      {"header cell", Centre(3, 0), "dblclick 3:0", false},
      // The first press lands in the sizing hot zone and asks too, before the double click does.
      {"header, right border of column 2", {header.Right - 1, header.Top + 5}, "size 2 size 2 endsize 2", true},
      {"header, left border of column 3", {header.Right + 2, header.Top + 5}, "size 2 size 2 endsize 2", true},
      {"outside the cells, by the last column's border", {last.Right + 2, 200}, "size 5 endsize 5", false},
  };
  TGridOptions o = grid->Options();
  o.Include(goColSizing);
  grid->SetOptions(o);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetColWidths(2, 30);
    kit.Process();
    log.Clear();
    DoubleClick(c.point);
    std::string events;
    for (const std::string& e : log.Entries())
      if (e.rfind("dblclick", 0) == 0 || e.rfind("size", 0) == 0 || e.rfind("endsize", 0) == 0)
        events += (events.empty() ? "" : " ") + e;
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(grid->ColWidths(2) > 30, c.sized);
  }
}

TEST_F(MouseTest, HeaderPressesSelectRowsAndColumnsWhenAsked) {
  grid->MouseActions().SetRowSelect(true);
  grid->MouseActions().SetColSelect(true);
  Click(Centre(0, 4));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 4, 5, 4}));
  Click(Centre(3, 0));
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 1, 3, 7}));
  // Without the settings a header press reports the cell and moves nothing.
  grid->MouseActions().SetColSelect(false);
  GoTo(1, 1);
  log.Clear();
  Click(Centre(2, 0));
  EXPECT_EQ(Current(), "1:1");
  EXPECT_EQ(log.Text(), "click 2:0 onclick");
}

TEST_F(MouseTest, TheRightButtonReportsEveryPressAndSelectsWhenAsked) {
  std::vector<std::string> right;
  grid->OnRightClickCell = [&](TObject*, int r, int c) { right.push_back(Cell(c, r)); };
  Mouse(WM_RBUTTONDOWN, Centre(3, 3), MK_RBUTTON);
  Mouse(WM_RBUTTONUP, Centre(3, 3));
  Mouse(WM_RBUTTONDOWN, {590, 350}, MK_RBUTTON);
  EXPECT_EQ(right, (std::vector<std::string>{"3:3", "-1:-1"}));
  EXPECT_EQ(Current(), "1:1");
  grid->MouseActions().SetSelectOnRightClick(true);
  Mouse(WM_RBUTTONDOWN, Centre(3, 3), MK_RBUTTON);
  EXPECT_EQ(Current(), "3:3");
}

TEST_F(MouseTest, DisjunctRowsAreMarkedByCtrlClicks) {
  grid->MouseActions().SetDisjunctRowSelect(true);
  Click(Centre(2, 2));
  SetKeyDown(VK_CONTROL, true);
  Click(Centre(2, 5), MK_CONTROL);
  Click(Centre(2, 2), MK_CONTROL);
  SetKeyDown(VK_CONTROL, false);
  EXPECT_FALSE(grid->RowSelect(2));
  EXPECT_TRUE(grid->RowSelect(5));
  EXPECT_EQ(grid->SelectedRowCount(), 1);
}

TEST_F(MouseTest, TheQtAdaptorDeliversClicksAndDoubleClicks) {
  TRect header = grid->CellRect(2, 0);
  kit.Click(grid, Centre(3, 2).X, Centre(3, 2).Y);
  EXPECT_EQ(Current(), "3:2");
  log.Clear();
  kit.DoubleClick(grid, (header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2);
  EXPECT_NE(log.Text().find("dblclick 2:0"), std::string::npos) << log.Text();
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

// Radio groups, radio buttons, cell buttons and ratings in the cells of the column grid.
class CellControlMouseTest : public MouseTest {
 protected:
  void SetUp() override {
    MouseTest::SetUp();
    grid->OnRadioClick = [this](TObject*, int c, int r, int i) { log.Note("radio " + Cell(c, r) + " " + IntToStr(i)); };
    grid->OnRadioMouseUp = [this](TObject*, int c, int r, int i) { log.Note("radioup " + Cell(c, r) + " " + IntToStr(i)); };
    grid->OnButtonClick = [this](TObject*, int c, int r) { log.Note("button " + Cell(c, r)); };
    items.Add("One");
    items.Add("Two");
    grid->SetColWidths(kRadioCol, 220);
    EnableEditing();
  }
  // Where a press at an offset from the cell's top-left corner lands.
  TPoint At(int c, int r, int dx, int dy) const {
    TRect rc = grid->CellRect(c, r);
    return {rc.Left + dx, rc.Top + dy};
  }
  int Width(const std::string& s) { return grid->Canvas().TextWidth(s); }

  static constexpr int kRadioCol = 2;
  // The glyph of the default control look.
  static constexpr int kGlyph = 16;
  TStringList items;
};

TEST_F(CellControlMouseTest, APressPicksTheRadioItemUnderItAndATextGroupKeepsItsChoiceAsText) {
  grid->AddRadio(kRadioCol, 3, 1, -1, &items);
  grid->AddRadio(kRadioCol, 5, 1, 0, &items);
  const int one = Width("One") + kGlyph, two = Width("Two") + kGlyph;
  struct Case {
    const char* name;
    int row, dx;
    const char* events;
    const char* text;
    int index;
  };
  const std::vector<Case> cases = {
      {"text group, second item", 3, one + 2, "radio 2:3 1 radioup 2:3 1", "Two", -1},
      // Before the mend the group took the index at its first pick and left the text behind.
      {"text group, first item", 3, one - 2, "radio 2:3 0 radioup 2:3 0", "One", -1},
      {"text group, beyond the items", 3, one + two + 4, "radioup 2:3 0", "One", -1},
      {"index group, second item", 5, one + 2, "radio 2:5 1 radioup 2:5 1", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.Clear();
    Click(At(kRadioCol, c.row, c.dx, 5));
    std::string events;
    for (const std::string& e : log.Entries())
      if (e.rfind("radio", 0) == 0) events += (events.empty() ? "" : " ") + e;
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(grid->Cells(kRadioCol, c.row), c.text);
    int index = -2;
    EXPECT_TRUE(grid->GetRadioIdx(kRadioCol, c.row, index));
    EXPECT_EQ(index, c.index);
    EXPECT_EQ(Current(), Cell(kRadioCol, c.row));
    EXPECT_EQ(log.Text().find("click "), std::string::npos) << "a radio press is no cell click";
  }
  // Stacked items are picked by the height of a line each.
  grid->AddRadio(kRadioCol, 4, 0, -1, &items);
  grid->SetRowHeights(4, 60);
  const int line = std::max(kGlyph, grid->Canvas().TextHeight("gh"));
  Click(At(kRadioCol, 4, 5, line + 2));
  EXPECT_EQ(grid->Cells(kRadioCol, 4), "Two");
}

TEST_F(CellControlMouseTest, ARadioGroupIsPickedOnlyWhereItsCellMayBeEdited) {
  grid->SetColWidths(kRadioCol, 64);
  grid->SetColWidths(kReadOnlyCol, 200);
  grid->AddRadio(kReadOnlyCol, 2, 1, 0, &items);
  const TPoint second = At(kReadOnlyCol, 2, Width("One") + kGlyph + 2, 5);
  Click(second);
  int index = -2;
  grid->GetRadioIdx(kReadOnlyCol, 2, index);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(log.Text().find("radio "), std::string::npos);
  grid->ControlLook().SetRadioAlwaysActive(true);
  Click(second);
  grid->GetRadioIdx(kReadOnlyCol, 2, index);
  EXPECT_EQ(index, 1);
}

TEST_F(CellControlMouseTest, AClickChecksOneRadioButtonOfTheColumn) {
  grid->OnRadioButtonClick = [this](TObject*, int c, int r) { log.Note("radiobutton " + Cell(c, r)); };
  for (int r = 1; r <= 4; ++r) grid->AddRadioButton(3, r, r == 2);
  Click(Centre(3, 3));
  EXPECT_EQ(log.Text(), "radiobutton 3:3 check 3:3 on onclick selection 3:3-3:3") << "no cell click for a radio button";
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(3), 3);
  EXPECT_FALSE(grid->IsRadioButtonChecked(3, 2));
}

TEST_F(CellControlMouseTest, ACellButtonClicksWhenReleasedOverItself) {
  grid->AddButton(3, 2, 40, 14, "Go", haLeft, vaTop);
  grid->Repaint();
  kit.Process();
  const TRect button = grid->GetCellGraphicRect(3, 2);
  ASSERT_EQ(button.Width(), 40);
  const TPoint inside{button.Left + 5, button.Top + 5};
  auto pushed = [&] { return grid->GetCellGraphic(3, 2)->CellBoolean(); };

  Mouse(WM_LBUTTONDOWN, inside, MK_LBUTTON);
  EXPECT_TRUE(pushed());
  EXPECT_EQ(log.Text(), "click 3:2");
  Mouse(WM_LBUTTONUP, inside);
  kit.Process();
  EXPECT_FALSE(pushed());
  EXPECT_EQ(log.Text(), "click 3:2 button 3:2") << "the release over the button ends the handling there";
  EXPECT_EQ(Current(), "1:1") << "the button takes the press, the current cell stays";

  // Released elsewhere the button comes up without a click.
  log.Clear();
  Mouse(WM_LBUTTONDOWN, inside, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, Centre(1, 5));
  kit.Process();
  EXPECT_FALSE(pushed());
  EXPECT_EQ(log.Text().find("button"), std::string::npos);

  // Beside the button the press is an ordinary one.
  log.Clear();
  Click({button.Right + 5, button.Top + 5});
  EXPECT_EQ(Current(), "3:2");
  EXPECT_EQ(log.Text().find("button"), std::string::npos);

  // A button in a cell that may not be edited clicks nothing, and does not stay down.
  grid->AddButton(kReadOnlyCol, 2, 40, 14, "Go", haLeft, vaTop);
  grid->Repaint();
  kit.Process();
  const TRect locked = grid->GetCellGraphicRect(kReadOnlyCol, 2);
  log.Clear();
  Click({locked.Left + 5, locked.Top + 5});
  EXPECT_FALSE(grid->GetCellGraphic(kReadOnlyCol, 2)->CellBoolean());
  EXPECT_EQ(log.Text().find("button"), std::string::npos);
}

TEST_F(CellControlMouseTest, AFixedCellDrawnAsAButtonClicksAtTheRelease) {
  grid->SetFixedAsButtons(true);
  Click(Centre(3, 0));
  EXPECT_NE(log.Text().find("button 3:0"), std::string::npos) << log.Text();
  log.Clear();
  grid->SetFixedAsButtons(false);
  Click(Centre(3, 0));
  EXPECT_EQ(log.Text().find("button"), std::string::npos) << log.Text();
}

TEST_F(CellControlMouseTest, ARatingTakesHalfAPointForEveryNinePixels) {
  grid->AddRating(3, 4, 5, clYellow, clGray);
  std::vector<double> asked;
  bool allow = true;
  grid->OnRatingChange = [&](TObject*, int, int, double& rate, bool& a) {
    asked.push_back(rate);
    a = allow;
  };
  // The rate is written in the grid's float format.
  Click(At(3, 4, 40, 5));
  EXPECT_EQ(grid->Cells(3, 4), "2.00");
  Click(At(3, 4, 49, 5));
  EXPECT_EQ(grid->Cells(3, 4), "2.50");
  allow = false;
  Click(At(3, 4, 5, 5));
  EXPECT_EQ(grid->Cells(3, 4), "2.50");
  EXPECT_EQ(asked, (std::vector<double>{2, 2.5, 0}));
}

}  // namespace
}  // namespace hd::test
