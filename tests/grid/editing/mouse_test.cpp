#include <gtest/gtest.h>

#include <string>
#include <vector>

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
