// Row nodes and expand cells through a real grid.
#include <gtest/gtest.h>

#include <functional>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/string_grid_fixture.h"

namespace hd::test {
namespace {

class GridNodesTest : public StringGridTest {
 protected:
  // Column 1 holds the row's letter: "a" in row 1, "b" in row 2 ...
  void Letters(int Rows) {
    grid->SetRowCount(Rows + 1);
    for (int r = 1; r <= Rows; ++r) grid->SetCells(1, r, std::string(1, static_cast<char>('a' + r - 1)));
  }
  std::string Shown() {
    std::string out;
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) out += grid->Cells(1, r);
    return out;
  }
};

// Rows of a contracted node are hidden rows of their own kind: showing the rows a filter
// hid leaves them hidden, and they come back with their levels and texts.
TEST_F(GridNodesTest, ContractedRowsStayHiddenWhenFilteredRowsComeBack) {
  Letters(8);
  grid->AddNode(2, 4);
  grid->ContractNode(2);
  EXPECT_EQ(Shown(), "abfgh");
  EXPECT_TRUE(grid->GetNodeState(2));
  TIntList filtered{0, 0};
  filtered.Add(5);  // display row 5 holds "h"
  grid->HideRowList(filtered);
  EXPECT_EQ(Shown(), "abfg");
  grid->UnHideRowList();
  EXPECT_EQ(Shown(), "abfgh");
  grid->ExpandNode(2);
  EXPECT_EQ(Shown(), "abcdefgh");
  EXPECT_EQ(grid->GetRowIndent(4), grid->CellNode().NodeIndent());

  grid->ContractAll();
  EXPECT_EQ(Shown(), "abfgh");
  grid->UnHideRowList();
  EXPECT_EQ(Shown(), "abfgh") << "ContractAll hides no filter level";
  grid->ExpandAll();
  EXPECT_EQ(Shown(), "abcdefgh");
}

TEST_F(GridNodesTest, GroupSortThroughTheGrid) {
  grid->SetRowCount(8);
  const char* texts[] = {"", "G", "c", "a", "b", "H", "y", "x"};
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, texts[r]);
  grid->AddNode(1, 4);
  grid->AddNode(5, 3);
  grid->SortSettings().SetColumn(1);
  grid->QSortGroup();
  std::string shown;
  for (int r = 1; r < 8; ++r) shown += grid->Cells(1, r);
  EXPECT_EQ(shown, "GabcHxy");
  EXPECT_TRUE(grid->IsNode(1));
  EXPECT_TRUE(grid->IsNode(5));
}

TEST_F(GridNodesTest, ExpandCellsSwitchTheRowHeight) {
  Letters(3);
  EXPECT_EQ(grid->GetExpandHeight(1, 2, true), grid->DefaultRowHeight());
  EXPECT_FALSE(grid->ToggleExpand(1, 2));
  int collapsed = grid->RowHeights(2);
  grid->AddExpand(1, 2, 60);
  EXPECT_TRUE(grid->HasExpand(1, 2));
  EXPECT_FALSE(grid->GetExpandState(1, 2));
  std::vector<bool> clicks;
  grid->OnExpandClick = [&](TObject*, int, int, bool Expanded) { clicks.push_back(Expanded); };
  bool state = grid->ToggleExpand(1, 2);
  grid->DoExpandClick(1, 2, state);
  EXPECT_EQ(grid->RowHeights(2), 60);
  state = grid->ToggleExpand(1, 2);
  grid->DoExpandClick(1, 2, state);
  EXPECT_EQ(grid->RowHeights(2), collapsed);
  EXPECT_EQ(clicks, (std::vector<bool>{true, false}));
  grid->RemoveExpand(1, 2);
  EXPECT_FALSE(grid->HasExpand(1, 2));
}

// Insert and Delete in a grid with nodes: a row inside a node grows or shrinks it, a row
// outside every node leaves the nodes alone.
TEST_F(GridNodesTest, RowsInsertedAndDeletedKeepTheirNodes) {
  Letters(6);
  grid->AddNode(1, 3);
  grid->AutoInsertRow(2);
  EXPECT_EQ(Shown(), "abcdef");
  EXPECT_EQ(grid->RowCount(), 8);
  EXPECT_EQ(grid->GetNodeSpan(1), 4);
  EXPECT_EQ(grid->GetRowIndent(2), grid->CellNode().NodeIndent());
  grid->AutoInsertRow(6);
  EXPECT_EQ(grid->GetNodeSpan(1), 4);
  std::vector<int> deleted;
  grid->OnAutoDeleteRow = [&](TObject*, int r) { deleted.push_back(r); };
  grid->AutoDeleteRow(2);
  grid->AutoDeleteRow(5);
  EXPECT_EQ(grid->GetNodeSpan(1), 3);
  EXPECT_EQ(grid->RowCount(), 7);
  EXPECT_EQ(deleted, (std::vector<int>{2, 5}));
}

// Clearing the grid takes its nodes away first, contracted ones opening so their rows are
// cleared with the rest; clearing the normal cells does so only without a fixed column.
TEST_F(GridNodesTest, ClearsTakeTheNodesAway) {
  struct Case {
    const char* name;
    int fixedCols;
    std::function<void(TExtStringGrid&)> clear;
    bool nodesStay;
  } cases[] = {
      {"Clear", 1, [](TExtStringGrid& g) { g.Clear(); }, false},
      {"ClearAll", 1, [](TExtStringGrid& g) { g.ClearAll(); }, false},
      {"ClearNormalCells without a fixed column", 0, [](TExtStringGrid& g) { g.ClearNormalCells(); }, false},
      {"ClearNormalCells beside a fixed column", 1, [](TExtStringGrid& g) { g.ClearNormalCells(); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetFixedCols(c.fixedCols);
    Letters(6);
    grid->AddNode(2, 3);
    grid->ContractNode(2);
    ASSERT_EQ(Shown(), "abef");
    c.clear(*grid);
    if (c.nodesStay) {
      // The rows inside the contracted node keep their cells.
      EXPECT_EQ(grid->NumNodes(), 1);
      EXPECT_EQ(grid->RowCount(), 5);
      grid->ExpandNode(2);
      EXPECT_EQ(Shown(), "cd");
    } else {
      EXPECT_EQ(grid->NumNodes(), 0);
      EXPECT_EQ(grid->RowCount(), 7);
      EXPECT_EQ(grid->NumHiddenRows(), 0);
      EXPECT_EQ(Shown(), "");
    }
    grid->RemoveAllNodes();
  }
}

// A row removal in a grid with nodes puts the current cell in the first normal column.
TEST_F(GridNodesTest, RemovalPutsTheCurrentCellInTheFirstNormalColumn) {
  Letters(6);
  grid->AddNode(1, 3);
  grid->FocusCell(3, 5);
  grid->DoRemoveRows(4, 1);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 5);
  EXPECT_EQ(Shown(), "abcef");
}

TEST_F(GridNodesTest, GlyphHitFollowsTheIndentUnlessClicksNeedNoPrecision) {
  Letters(4);
  grid->AddNode(1, 3);
  EXPECT_TRUE(grid->IsNodeGlyphHit(1, 8));
  EXPECT_FALSE(grid->IsNodeGlyphHit(1, 40));
  grid->MouseActions().SetPreciseNodeClick(false);
  EXPECT_TRUE(grid->IsNodeGlyphHit(1, 40));
}

}  // namespace
}  // namespace hd::test
