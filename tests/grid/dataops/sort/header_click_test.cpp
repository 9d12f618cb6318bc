// Sorting by clicks on the header, and node glyph clicks, as window messages to a real grid.
#include <gtest/gtest.h>

#include "grid/foundation/input_settings.h"
#include <functional>

#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/messages.h"

namespace hd::test {
namespace {

using Texts = std::vector<std::string>;
// Half the width of a header cell of the fixture's grid.
constexpr int g_halfWidth = 32;

class HeaderClickTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid->SetBounds(0, 0, 560, 360);
    grid->SetRowCount(5);
    const char* rows[][3] = {{"b", "2", "x"}, {"c", "1", "y"}, {"a", "2", "z"}, {"d", "1", "w"}};
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) grid->SetCells(c + 1, r + 1, rows[r][c]);
    grid->SortSettings().SetShow(true);
    clickSorts.clear();
    grid->OnClickSort = [this](TObject*, int ACol) { clickSorts.push_back(ACol); };
    kit.Process();
  }
  void TearDown() override {
    ResetKeyStates();
    StringGridTest::TearDown();
  }
  void Click(int c, int r, unsigned keys = 0, int dx = 0) {
    TRect rc = grid->CellRect(c, r);
    LPARAM at = MAKELPARAM((rc.Left + rc.Right) / 2 + dx, (rc.Top + rc.Bottom) / 2);
    if (keys & MK_SHIFT) SetKeyDown(VK_SHIFT, true);
    SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessage(grid->Handle(), WM_LBUTTONUP, keys, at);
    if (keys & MK_SHIFT) SetKeyDown(VK_SHIFT, false);
    kit.Process();
  }
  Texts Column(int ACol) {
    Texts out;
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) out.push_back(grid->Cells(ACol, r));
    return out;
  }
  std::vector<int> clickSorts;
};

TEST_F(HeaderClickTest, ClicksSortReverseAndWithUndoSortRestore) {
  grid->SortSettings().SetUndoSort(true);
  Click(1, 0);
  EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(grid->SortSettings().Column(), 1);
  Click(1, 0);
  EXPECT_EQ(Column(1), (Texts{"d", "c", "b", "a"}));
  EXPECT_EQ(grid->SortSettings().Direction(), sdDescending);
  Click(1, 0);
  EXPECT_EQ(Column(1), (Texts{"b", "c", "a", "d"})) << "the order before the first click";
  EXPECT_EQ(grid->SortSettings().Column(), -1);
  Click(1, 0);
  EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(clickSorts, (std::vector<int>{1, 1, -1, 1}));
  EXPECT_EQ(grid->RowCount(), 5);
}

TEST_F(HeaderClickTest, ClicksThatDoNotSort) {
  struct Case {
    const char* name;
    std::function<void(TTestStringGrid&)> setup;
    int col, row;
    int pressCol = -1;  // the press on another header cell of the row
    int dx = 0;         // the release this far right of the cell's centre
  } cases[] = {
      {"ignored column", [](TTestStringGrid& g) { g.IgnoreColumns().Add(1); }, 1, 0},
      {"refused by OnCanSort", [](TTestStringGrid& g) { g.OnCanSort = [](TObject*, int, bool& s) { s = false; }; }, 1, 0},
      {"a data row", [](TTestStringGrid&) {}, 1, 2},
      {"indicator off", [](TTestStringGrid& g) { g.SortSettings().SetShow(false); }, 1, 0},
      {"two rows only", [](TTestStringGrid& g) { g.SetRowCount(2); }, 1, 0},
      {"the fixed column", [](TTestStringGrid&) {}, 0, 0},
      {"pressed on another header", [](TTestStringGrid&) {}, 1, 0, 2},
      {"released on the sizing border", [](TTestStringGrid& g) { g.SetOptions(g.Options() + TGridOptions{goColSizing}); },
       1, 0, -1, g_halfWidth - 2},
      {"released on the header's check box",
       [](TTestStringGrid& g) { g.AddCheckBox(1, 0, false, false); },
       1, 0, -1, 1 - g_halfWidth + 8},
      {"released on the drop-down button", [](TTestStringGrid& g) { g.ControlLook().SetFixedDropDownButton(true); },
       1, 0, -1, g_halfWidth - 8},
  };
  for (const Case& c : cases) {
    // A fresh grid for each case.
    TearDown();
    SetUp();
    c.setup(*grid);
    Texts before = Column(1);
    TRect rc = grid->CellRect(c.col, c.row);
    ASSERT_EQ(rc.Right - rc.Left, 2 * g_halfWidth) << c.name;
    LPARAM at = MAKELPARAM((rc.Left + rc.Right) / 2 + c.dx, (rc.Top + rc.Bottom) / 2);
    LPARAM from = at;
    if (c.pressCol >= 0) {
      TRect pc = grid->CellRect(c.pressCol, c.row);
      from = MAKELPARAM((pc.Left + pc.Right) / 2, (pc.Top + pc.Bottom) / 2);
    }
    SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, from);
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, at);
    kit.Process();
    EXPECT_EQ(Column(1), before) << c.name;
    EXPECT_TRUE(clickSorts.empty()) << c.name;
  }
}

TEST_F(HeaderClickTest, IndexSortGrowsWithShiftAndRestartsWithout) {
  grid->SortSettings().SetIndexShow(true);
  Click(2, 0);
  ASSERT_EQ(grid->SortIndexes().Count(), 1);
  EXPECT_EQ(grid->SortIndexes().SortColumns(0), 2);
  Click(1, 0, MK_SHIFT);
  EXPECT_EQ(Column(1), (Texts{"c", "d", "a", "b"})) << "by column 2, then column 1";
  Click(1, 0, MK_SHIFT);
  EXPECT_EQ(Column(1), (Texts{"d", "c", "b", "a"})) << "column 1 now descending";
  EXPECT_EQ(grid->SortSettings().Column(), 2);
  Click(1, 0);
  EXPECT_EQ(grid->SortIndexes().Count(), 1);
  EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(grid->SortSettings().Column(), 1);
}

TEST_F(HeaderClickTest, NodeGridsSortInsideTheirNodesAndGlyphsFold) {
  grid->SetRowCount(7);
  const char* texts[] = {"", "G", "c", "a", "H", "y", "x"};
  for (int r = 1; r < 7; ++r) grid->SetCells(1, r, texts[r]);
  grid->AddNode(1, 3);
  grid->AddNode(4, 3);
  Click(1, 0);
  EXPECT_EQ(Column(1), (Texts{"G", "a", "c", "H", "x", "y"}));

  std::vector<std::string> events;
  grid->OnBeforeContractNode = [&](TObject*, int r, int real, bool& allow) {
    events.push_back("before " + std::to_string(r) + "/" + std::to_string(real));
    allow = r != 1;
  };
  grid->OnContractNode = [&](TObject*, int r, int) { events.push_back("contract " + std::to_string(r)); };
  grid->OnExpandNode = [&](TObject*, int r, int) { events.push_back("expand " + std::to_string(r)); };
  auto glyphClick = [&](int r) {
    TRect rc = grid->CellRect(0, r);
    LPARAM at = MAKELPARAM(rc.Left + 8, (rc.Top + rc.Bottom) / 2);
    SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, at);
    kit.Process();
  };
  glyphClick(4);
  EXPECT_EQ(Column(1), (Texts{"G", "a", "c", "H"}));
  glyphClick(1);
  EXPECT_EQ(grid->RowCount(), 5) << "the handler refused";
  glyphClick(4);
  EXPECT_EQ(Column(1), (Texts{"G", "a", "c", "H", "x", "y"}));
  EXPECT_EQ(events, (std::vector<std::string>{"before 4/4", "contract 4", "before 1/1", "expand 4"}));
}

}  // namespace
}  // namespace hd::test
