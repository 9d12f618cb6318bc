// Grouping through a real grid: header and summary rows, group calculations and counts, and
// ungrouping back to the grid as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/column_items.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/string_grid_fixture.h"

namespace hd::test {
namespace {

class GroupingTest : public StringGridTest {
 protected:
  // Columns: 1 a name, 2 the group key (A A B C C C), 3 a sub key, 4 a number.
  void SetUp() override {
    StringGridTest::SetUp();
    const std::vector<std::vector<std::string>> rows = {
        {"Name", "Key", "Sub", "Num"}, {"n1", "A", "x", "1"}, {"n2", "A", "x", "2"}, {"n3", "B", "y", "3"},
        {"n4", "C", "x", "4"},         {"n5", "C", "y", "5"}, {"n6", "C", "y", "6"}};
    grid->SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < 4; ++c) grid->SetCells(c + 1, r, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
  }
  // Every stored cell, row by row, with the column and row counts.
  std::vector<std::string> Snapshot() {
    std::vector<std::string> out{std::to_string(grid->ColCount()) + "x" + std::to_string(grid->RowCount())};
    for (int r = 0; r < grid->RowCount(); ++r) {
      std::string line;
      for (int c = 0; c < grid->ColCount(); ++c) line += grid->GridCells(c, r) + "|";
      out.push_back(line);
    }
    return out;
  }
  // The kind of each row below the fixed row: H header (with its span), S summary, d data.
  std::string Layout() {
    std::string out;
    for (int r = grid->FixedRows(); r < grid->RowCount() - grid->FixedFooters(); ++r)
      out += grid->IsNode(r) ? "H" + std::to_string(grid->GetNodeSpan(r)) : grid->IsSummary(r) ? "S" : "d";
    return out;
  }
};

TEST_F(GroupingTest, GroupMakesHeaderRowsAndSummaryRowsAfterEveryGroup) {
  grid->Group(2);
  EXPECT_EQ(grid->GroupColumn(), 2);
  EXPECT_EQ(grid->ColCount(), 4) << "the grouped column leaves the grid";
  EXPECT_EQ(Layout(), "H3ddH2dH4ddd");
  EXPECT_EQ(grid->Cells(1, 1), "A");
  EXPECT_EQ(grid->Cells(1, 4), "B");
  EXPECT_EQ(grid->Cells(2, 2), "x") << "the columns right of it moved left";

  grid->Grouping().SetSummary(true);
  grid->Group(2);  // ungroups first
  EXPECT_EQ(Layout(), "H3ddSH2dSH4dddS");
  grid->GroupSum(3);
  EXPECT_EQ(grid->Cells(3, 4), "3.00");
  EXPECT_EQ(grid->Cells(3, 7), "3.00");
  EXPECT_EQ(grid->Cells(3, 12), "15.00");
  EXPECT_DOUBLE_EQ(grid->ColumnSum(3, -1, -1), 21) << "header and summary rows are left out while grouped";
  grid->GroupCount(3);
  EXPECT_EQ(grid->Cells(3, 12), "3");
}

TEST_F(GroupingTest, MergedHeaderAndSummaryRowsTakeTheirColours) {
  TGrouping& g = grid->Grouping();
  g.SetSummary(true);
  g.SetMergeHeader(true);
  g.SetMergeSummary(true);
  g.SetHeaderColor(clYellow);
  g.SetSummaryColor(clAqua);
  std::vector<std::string> before = Snapshot();
  grid->Group(2);
  EXPECT_EQ(Layout(), "H3ddSH2dSH4dddS");
  EXPECT_FALSE(grid->IsBaseCell(3, 1)) << "a header's cells from column 1 on are one";
  EXPECT_EQ(grid->Colors(1, 1), clYellow);
  EXPECT_FALSE(grid->IsBaseCell(2, 12));
  EXPECT_EQ(grid->Colors(1, 12), clAqua);
  EXPECT_TRUE(grid->IsBaseCell(3, 2)) << "data rows stay unmerged";
  grid->SubGroup(2);
  EXPECT_EQ(grid->Cells(3, 2), "x");
  grid->SubUnGroup(2);
  grid->UnGroup();
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(grid->MergeCount(), 0) << "no merge of a removed row is left over data rows";
}

TEST_F(GroupingTest, GroupOnColumnOneKeepsTheValuesInColumnOne) {
  grid->Group(1);
  EXPECT_EQ(Layout(), "H2dH2dH2dH2dH2dH2d");
  EXPECT_EQ(grid->Cells(1, 1), "n1");
  EXPECT_EQ(grid->Cells(1, 2), "A") << "the old column 2 now stands in column 1";
  EXPECT_EQ(grid->Cells(1, 3), "n2");
}

TEST_F(GroupingTest, UnGroupGivesTheColumnBackExactly) {
  grid->SetRowCount(grid->RowCount() + 1);
  grid->FloatingFooter().SetVisible(true);
  grid->SetCells(2, grid->RowCount() - 1, "foot");
  grid->SetColWidths(2, 91);
  grid->Grouping().SetSummary(true);
  std::vector<std::string> before = Snapshot();
  grid->Group(2);
  EXPECT_EQ(grid->GridCells(1, grid->RowCount() - 1), "") << "the footer row stays the last row";
  grid->UnGroup();
  EXPECT_EQ(grid->GroupColumn(), -1);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(grid->ColWidths(2), 91);
  EXPECT_EQ(grid->NumNodes(), 0);

  grid->SetGroupColumn(0);
  EXPECT_EQ(grid->GroupColumn(), -1) << "0 is ignored";
  grid->SetGroupColumn(2);
  EXPECT_EQ(grid->GroupColumn(), 2);
  grid->SetGroupColumn(-1);
  EXPECT_EQ(Snapshot(), before);
}

// Nodes live in column 0: grouping on it could never be undone.
TEST_F(GroupingTest, ColumnZeroIsRefusedWithoutFixedColumns) {
  grid->SetFixedCols(0);
  std::vector<std::string> before = Snapshot();
  grid->Group(0);
  EXPECT_EQ(grid->GroupColumn(), -1);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(GroupingTest, HeaderTextsShowTheGroupCount) {
  grid->Group(2);
  grid->Grouping().SetShowGroupCount(true);
  EXPECT_EQ(grid->Cells(1, 1), "A (2)");
  EXPECT_EQ(grid->Cells(1, 6), "C (3)");
  EXPECT_EQ(grid->Cells(1, 2), "n1") << "data rows show no count";
  grid->Grouping().SetGroupCountFormat(" - %d rows");
  EXPECT_EQ(grid->Cells(1, 6), "C - 3 rows");
  grid->SubGroup(2);
  EXPECT_EQ(grid->Cells(1, 1), "A - 2 rows") << "sub-group headers are not counted";
}

TEST_F(GroupingTest, AContractedGroupKeepsItsOldValue) {
  grid->Group(2);
  grid->SetCells(3, 4, "old");
  grid->ContractNode(4);
  grid->GroupSum(3);
  EXPECT_EQ(grid->Cells(3, 1), "3.00");
  EXPECT_EQ(grid->Cells(3, 4), "old");
  EXPECT_EQ(grid->Cells(3, 5), "15.00") << "group C, moved up by the contracted row";
}

TEST_F(GroupingTest, SubGroupAndSubUnGroupRoundTrip) {
  grid->Grouping().SetSummary(true);
  std::vector<std::string> original = Snapshot();
  grid->Group(2);
  std::vector<std::string> grouped = Snapshot();
  grid->SubGroup(2);
  // Sub-headers at every change of the sub key inside each group; the key leaves the data rows.
  EXPECT_EQ(Layout(), "H4H3ddSH3H2dSH6H2dH3ddS");
  EXPECT_EQ(grid->Cells(3, 2), "x");
  EXPECT_EQ(grid->Cells(2, 3), "");
  EXPECT_EQ(grid->GetSubNodeCount(1), 1);
  grid->SubUnGroup(2);
  EXPECT_EQ(Snapshot(), grouped);
  grid->UnGroup();
  EXPECT_EQ(Snapshot(), original);
}

// With AutoCheckGroup a header's box sets its rows, and a header shows whether its rows agree.
TEST_F(GroupingTest, GroupCheckBoxesFollowTheirHeader) {
  grid->Group(2);
  grid->Grouping().SetAutoCheckGroup(true);
  grid->AddCheckBox(3, 6, cbUnchecked);
  for (int r = 7; r <= 9; ++r) grid->AddCheckBox(3, r, false, false);
  auto states = [&] {
    std::string out;
    TCheckBoxState node = cbUnchecked;
    grid->GetCheckBoxState(3, 6, node);
    out += node == cbChecked ? "C" : node == cbGrayed ? "G" : "U";
    for (int r = 7; r <= 9; ++r) {
      bool on = false;
      grid->GetCheckBoxState(3, r, on);
      out += on ? "1" : "0";
    }
    return out;
  };
  ASSERT_TRUE(grid->ToggleCheckBoxCell(3, 6, false));
  EXPECT_EQ(states(), "C111");
  grid->ToggleCheckBoxCell(3, 8, false);
  EXPECT_EQ(states(), "G101");
  grid->ToggleCheckBoxCell(3, 8, false);
  EXPECT_EQ(states(), "C111");
  grid->ToggleCheckBoxCell(3, 6, false);
  EXPECT_EQ(states(), "U000");
  grid->Grouping().SetAutoCheckGroup(false);
  grid->ToggleCheckBoxCell(3, 6, false);
  EXPECT_EQ(states(), "G000") << "outside auto check a tri-state box steps to grayed";
}

// The column grid keeps the grouped column's item while the column is out of the grid.
TEST(ColumnGridGroupingTest, TheColumnItemComesBack) {
  TGuiKit kit;
  TForm form(nullptr);
  auto* grid = New<TExtColumnGrid>(&form);
  grid->SetParent(&form);
  grid->SetColCount(4);
  grid->SetRowCount(5);
  for (int r = 1; r < 5; ++r) grid->SetCells(2, r, r < 3 ? "A" : "B");
  grid->Columns().Items(2)->SetHeader("Key");
  grid->Columns().Items(2)->SetColor(clYellow);
  grid->Columns().Items(3)->SetColor(clAqua);
  grid->Group(2);
  EXPECT_EQ(grid->Columns().Count(), 3);
  EXPECT_EQ(grid->Columns().Items(2)->Color(), clAqua);
  grid->UnGroup();
  ASSERT_EQ(grid->Columns().Count(), 4);
  EXPECT_EQ(grid->Columns().Items(2)->Header(), "Key");
  EXPECT_EQ(grid->Columns().Items(2)->Color(), clYellow);
  EXPECT_EQ(grid->Columns().Items(3)->Color(), clAqua);
}

}  // namespace
}  // namespace hd::test
