#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "grid/foundation/lists.h"
#include "platform/object.h"
#include "platform/std_ctrls.h"

namespace hd::test {
namespace {

// Every row of the fixture carries its own companions: a text naming it, a height, a check
// box (ticked on even rows), a user object and a modified mark (on rows divisible by 3). A
// change must leave each row's companions with its name, wherever the row went.
class RowCompanionTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid->ShowModified().SetEnabled(true);
    for (int r = 1; r < grid->RowCount(); ++r) Tag(r, "r" + std::to_string(r));
  }

  void Tag(int r, const std::string& name) {
    int n = std::stoi(name.substr(1));
    grid->SetCells(1, r, name);
    grid->SetRowHeights(r, 20 + n);
    grid->AddCheckBox(2, r, n % 2 == 0, false);
    objects.push_back(std::make_unique<TObject>());
    grid->SetObjects(3, r, objects.back().get());
    objectOf.resize(static_cast<size_t>(n) + 1);
    objectOf[static_cast<size_t>(n)] = objects.back().get();
    if (n % 3 == 0) grid->SetRowModified(r, true);
  }

  // The names of the rows in display order from row 1, each checked against its companions.
  std::vector<std::string> Rows() {
    std::vector<std::string> names;
    for (int r = 1; r < grid->RowCount(); ++r) {
      std::string name = grid->Cells(1, r);
      names.push_back(name);
      if (name.empty()) {
        EXPECT_EQ(grid->RowHeights(r), grid->DefaultRowHeight()) << "new row " << r;
        EXPECT_FALSE(grid->HasCheckBox(2, r)) << "new row " << r;
        EXPECT_FALSE(grid->RowModified(r)) << "new row " << r;
        continue;
      }
      int n = std::stoi(name.substr(1));
      SCOPED_TRACE(name);
      if (heightsTravel) {
        EXPECT_EQ(grid->RowHeights(r), 20 + n);
      }
      // Check boxes and modified marks are asked by real row.
      int real = grid->DisplToRealRow(r);
      bool state = false;
      EXPECT_TRUE(grid->GetCheckBoxState(2, real, state));
      EXPECT_EQ(state, n % 2 == 0);
      EXPECT_EQ(grid->Objects(3, r), objectOf[static_cast<size_t>(n)]);
      if (marksTravel) {
        EXPECT_EQ(grid->RowModified(real), n % 3 == 0);
      }
    }
    EXPECT_TRUE(grid->MergedCells().CheckConsistency());
    return names;
  }

  std::vector<std::unique_ptr<TObject>> objects;
  std::vector<TObject*> objectOf;
  bool heightsTravel = true;
  bool marksTravel = true;
};

using Names = std::vector<std::string>;

TEST_F(RowCompanionTest, EachRowOperationKeepsTheRowsCompanionsWithTheirRow) {
  struct Case {
    const char* name;
    std::function<void(TExtStringGrid&)> op;
    Names expected;
    bool heights = true;
    bool marks = true;
  };
  const std::vector<Case> cases{
      {"remove one row", [](TExtStringGrid& g) { g.RemoveRows(2, 1); },
       {"r1", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}},
      {"remove a block", [](TExtStringGrid& g) { g.RemoveRows(3, 4); }, {"r1", "r2", "r7", "r8", "r9"}},
      {"insert two rows", [](TExtStringGrid& g) { g.InsertRows(2, 2); },
       {"r1", "", "", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}},
      {"swap two rows", [](TExtStringGrid& g) { g.SwapRows(1, 3); },
       {"r3", "r2", "r1", "r4", "r5", "r6", "r7", "r8", "r9"}},
      // The platform's move leaves the modified marks by index.
      {"move a row down", [](TExtStringGrid& g) { g.MoveRow(2, 5); },
       {"r1", "r3", "r4", "r5", "r2", "r6", "r7", "r8", "r9"}, true, false},
      // A block move leaves heights and the modified marks behind.
      {"move a block of rows", [](TExtStringGrid& g) { g.MoveRows(1, 8, 2); },
       {"r3", "r4", "r5", "r6", "r7", "r1", "r2", "r8", "r9"}, false, false},
      {"sort exchange", [](TExtStringGrid& g) { g.SortSwapRows(2, 9); },
       {"r1", "r9", "r3", "r4", "r5", "r6", "r7", "r8", "r2"}},
      // With a row hidden the marks are kept by real row: each still goes with its row, and
      // the hidden row keeps its own.
      {"remove below a hidden marked row",
       [](TExtStringGrid& g) {
         g.HideRow(3);
         g.RemoveRows(3, 1);
         g.UnHideRowsAll();
       },
       {"r1", "r2", "r3", "r5", "r6", "r7", "r8", "r9"}},
      // Insertion leaves the hidden row's index, so it comes back one place earlier.
      {"insert above a hidden marked row",
       [](TExtStringGrid& g) {
         g.HideRow(6);
         g.InsertRows(2, 1);
         g.UnHideRowsAll();
       },
       {"r1", "", "r2", "r3", "r4", "r6", "r5", "r7", "r8", "r9"}},
      {"swap below a hidden row",
       [](TExtStringGrid& g) {
         g.HideRow(1);
         g.SwapRows(2, 4);
         g.UnHideRowsAll();
       },
       {"r1", "r2", "r5", "r4", "r3", "r6", "r7", "r8", "r9"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    heightsTravel = c.heights;
    marksTravel = c.marks;
    c.op(*grid);
    EXPECT_EQ(Rows(), c.expected);
    TearDown();
  }
}

TEST_F(RowCompanionTest, RemovalFollowsTheCurrentRowAndCutsBadInput) {
  grid->SetRow(9);
  grid->RemoveRows(2, 1);
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(grid->Row(), 8) << "the current row stays on the last row";

  struct Case {
    const char* name;
    int index;
    int count;
    Names expected;
  };
  for (const Case& c : std::vector<Case>{
           {"negative index", -1, 3, {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}},
           {"at the row count", 10, 1, {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}},
           {"count past the end", 7, 100, {"r1", "r2", "r3", "r4", "r5", "r6"}},
           {"zero count", 3, 0, {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}},
       }) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    grid->RemoveRows(c.index, c.count);
    EXPECT_EQ(Rows(), c.expected);
    EXPECT_EQ(grid->FixedRows(), 1);
  }
  // Removing from row 0 on leaves one row.
  grid->RemoveRows(0, 100);
  EXPECT_EQ(grid->RowCount(), 1);
}

TEST_F(RowCompanionTest, AddRowAndCheckedRowsAndDuplicates) {
  grid->AddRow();
  EXPECT_EQ(grid->RowCount(), 11);
  EXPECT_EQ(grid->Cells(1, 10), "");
  grid->RemoveCheckedRows(2, true);
  EXPECT_EQ(Rows(), (Names{"r1", "r3", "r5", "r7", "r9", ""}));

  TearDown();
  SetUp();
  grid->SetCells(4, 1, "a");
  grid->SetCells(4, 2, "A");
  grid->SetCells(4, 3, "b");
  grid->SetCells(4, 4, "a");
  grid->RemoveDuplicates(4, true);
  // The empty texts of rows 5 to 9 are duplicates too.
  EXPECT_EQ(Rows(), (Names{"r1", "r3", "r5"}));
}

TEST_F(StringGridTest, AddRowGoesBeforeAVisibleFooterRowAndASwapLeavesTheFooterAlone) {
  grid->SetRowCount(6);
  for (int r = 1; r < 6; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  grid->FloatingFooter().SetFooterStyle(fsFixedLastRow);
  grid->FloatingFooter().SetVisible(true);
  grid->SetCells(1, 5, "total");
  grid->SwapRows(1, 3);
  EXPECT_EQ(grid->RowCount(), 6);
  EXPECT_EQ(grid->Cells(1, 1), "r3");
  EXPECT_EQ(grid->Cells(1, 3), "r1");
  EXPECT_EQ(grid->Cells(1, 5), "total");
  grid->AddRow();
  EXPECT_EQ(grid->RowCount(), 7);
  EXPECT_EQ(grid->Cells(1, 5), "");
  EXPECT_EQ(grid->Cells(1, 6), "total");
}

// Columns carry their texts, widths, check boxes and hidden neighbours.
TEST_F(StringGridTest, EachColumnOperationKeepsTheColumnsCompanions) {
  struct Case {
    const char* name;
    std::function<void(TExtStringGrid&)> op;
    Names expected;  // row 1's texts of the real columns, hidden ones included
    std::vector<int> widths;  // display columns
  };
  const std::vector<Case> cases{
      {"remove a column", [](TExtStringGrid& g) { g.RemoveCols(1, 1); }, {"c0", "c2", "c3", "c4", "c5"}, {10, 13, 14, 15}},
      {"remove over the hidden column", [](TExtStringGrid& g) { g.RemoveCols(2, 2); }, {"c0", "c1", "c4", "c5"}, {10, 11, 14, 15}},
      {"remove past the end", [](TExtStringGrid& g) { g.RemoveCols(4, 10); }, {"c0", "c1", "c2", "c3"}, {10, 11, 13}},
      {"insert a column", [](TExtStringGrid& g) { g.InsertCols(1, 1); }, {"c0", "", "c1", "c2", "c3", "c4", "c5"}, {10, 64, 11, 13, 14, 15}},
      {"swap columns", [](TExtStringGrid& g) { g.SwapColumns(1, 4); }, {"c0", "c4", "c2", "c3", "c1", "c5"}, {10, 14, 13, 11, 15}},
      {"move a column",
       [](TExtStringGrid& g) {
         g.UnHideColumnsAll();
         g.MoveColumn(1, 3);
       },
       {"c0", "c2", "c3", "c1", "c4", "c5"},
       {10, 12, 13, 11, 14, 15}},
      // Moves over the hidden column act on the real columns: c2 stays hidden with its text.
      {"move right over the hidden column", [](TExtStringGrid& g) { g.MoveColumn(1, 3); }, {"c0", "c2", "c3", "c4", "c1", "c5"}, {10, 13, 14, 11, 15}},
      {"move left over the hidden column", [](TExtStringGrid& g) { g.MoveColumn(3, 1); }, {"c0", "c4", "c1", "c2", "c3", "c5"}, {10, 14, 11, 13, 15}},
      {"move next to the hidden column", [](TExtStringGrid& g) { g.MoveColumn(1, 2); }, {"c0", "c2", "c3", "c1", "c4", "c5"}, {10, 13, 11, 14, 15}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    grid->SetColCount(6);
    for (int col = 0; col < 6; ++col) {
      grid->SetCells(col, 1, "c" + std::to_string(col));
      grid->SetColWidths(col, 10 + col);
    }
    grid->AddCheckBox(4, 2, true, false);
    grid->HideColumn(2);
    c.op(*grid);
    Names texts;
    for (int col = 0; col < grid->TotalColCount(); ++col) texts.push_back(grid->Cells(col, 1));
    EXPECT_EQ(texts, c.expected);
    std::vector<int> widths;
    for (int col = 0; col < grid->ColCount(); ++col) widths.push_back(grid->ColWidths(col));
    EXPECT_EQ(widths, c.widths);
    EXPECT_EQ(grid->TotalColCount() - grid->ColCount(), grid->NumHiddenColumns());
    // The check box stays with column c4's text, where it went; the only hidden column is c2's.
    for (int col = 0; col < grid->TotalColCount(); ++col) {
      EXPECT_EQ(grid->HasCheckBox(col, 2), grid->Cells(col, 1) == "c4") << col;
      if (grid->IsHiddenColumn(col)) { EXPECT_EQ(grid->Cells(col, 1), "c2") << col; }
    }
    EXPECT_TRUE(grid->MergedCells().CheckConsistency());
  }
}

// What is kept by real column away from the visible cells follows a column moved over a
// hidden one: a hidden row's cells, the sort column, a cell control, the event's indexes.
TEST_F(StringGridTest, AColumnMovedOverAHiddenOneTakesItsHiddenRowCellsSortAndControl) {
  grid->SetColCount(5);
  for (int r = 1; r < 4; ++r)
    for (int c = 0; c < 5; ++c) grid->SetCells(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
  TEdit* edit = New<TEdit>(form.get());
  grid->SetCellControls(1, 3, edit);
  grid->SortSettings().SetColumn(3);
  std::vector<std::pair<int, int>> moved;
  grid->OnColumnMoved = [&](TObject*, int From, int To) { moved.emplace_back(From, To); };
  grid->HideColumn(2);
  grid->HideRow(2);
  grid->MoveColumn(1, 3);  // c1, shown at 1, goes past c3 and c4 to the end
  EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 4}}));
  EXPECT_EQ(grid->SortSettings().Column(), 2);
  EXPECT_EQ(grid->ColumnOrder().StrValue(), "0,2,3,4,1");
  EXPECT_EQ(grid->ControlList().ControlIndex(4, grid->RealRowIndex(2)), 0);
  grid->UnHideRowsAll();
  grid->UnHideColumnsAll();
  const std::vector<std::string> order{"c0", "c2", "c3", "c4", "c1"};
  for (int r = 1; r < 4; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ(grid->Cells(c, r), order[static_cast<size_t>(c)] + "r" + std::to_string(r)) << c << "," << r;
  EXPECT_EQ(grid->CellControls(4, 3), edit);
}

// A removed row's control goes with it: none is left over the row that moves up.
// Two grids kept in step both ways: a column moved in either is moved once in the other.
TEST_F(StringGridTest, AColumnMoveIsRepeatedOnceInTheSynchronisedGrid) {
  auto* other = New<TTestStringGrid>(form.get());
  other->SetParent(form.get());
  for (TExtStringGrid* g : {static_cast<TExtStringGrid*>(grid), static_cast<TExtStringGrid*>(other)})
    for (int c = 0; c < g->ColCount(); ++c) g->SetCells(c, 1, "c" + std::to_string(c));
  grid->SyncGrid().SetGrid(other);
  other->SyncGrid().SetGrid(grid);
  auto heads = [](TExtStringGrid* g) {
    Names texts;
    for (int c = 0; c < g->ColCount(); ++c) texts.push_back(g->Cells(c, 1));
    return texts;
  };
  grid->MoveColumn(1, 3);
  EXPECT_EQ(heads(other), (Names{"c0", "c1", "c2", "c3", "c4"})) << "not asked to follow";
  grid->SyncGrid().SetMoveColumn(true);
  other->SyncGrid().SetMoveColumn(true);
  other->MoveColumn(1, 3);
  const Names moved{"c0", "c2", "c3", "c1", "c4"};
  EXPECT_EQ(heads(other), moved);
  EXPECT_EQ(heads(grid), (Names{"c0", "c3", "c1", "c2", "c4"}));
  grid->MoveColumn(3, 1);
  EXPECT_EQ(heads(grid), moved);
  EXPECT_EQ(heads(other), (Names{"c0", "c1", "c2", "c3", "c4"}));
}

TEST_F(StringGridTest, RemovedRowsTakeTheirCellControlsAlong) {
  grid->SetRowCount(10);
  TEdit* gone = New<TEdit>(form.get());
  TEdit* stays = New<TEdit>(form.get());
  grid->SetCellControls(1, 3, gone);
  grid->SetCellControls(1, 5, stays);
  grid->RemoveRows(3, 1);
  EXPECT_FALSE(gone->Visible());
  EXPECT_EQ(grid->ControlList().Count(), 1);
  EXPECT_NE(grid->CellControls(1, 3), gone);
  EXPECT_EQ(grid->CellControls(1, 4), stays);
}

// A hidden row keeps its cells aside; columns inserted, removed or swapped while it is hidden
// must take its cells along, or it comes back with texts under the wrong columns.
TEST_F(StringGridTest, ColumnChangesTakeTheCellsOfHiddenRowsAlong) {
  struct Case {
    const char* name;
    std::function<void(TExtStringGrid&)> change;
    std::vector<std::string> after;  // row 2's texts after the change, by column
  };
  const std::vector<Case> cases{
      {"insert", [](TExtStringGrid& g) { g.InsertCols(1, 2); }, {"a", "", "", "b", "c", "d"}},
      {"remove", [](TExtStringGrid& g) { g.RemoveCols(1, 2); }, {"a", "d"}},
      {"swap", [](TExtStringGrid& g) { g.SwapColumns(0, 2); }, {"c", "b", "a", "d"}},
  };
  for (const Case& c : cases) {
    grid->SetRowCount(5);
    grid->SetColCount(4);
    const std::vector<std::string> texts{"a", "b", "c", "d"};
    for (int col = 0; col < 4; ++col) grid->SetCells(col, 2, texts[static_cast<size_t>(col)]);
    grid->HideRow(2);
    c.change(*grid);
    grid->UnHideRowsAll();
    ASSERT_EQ(grid->ColCount(), static_cast<int>(c.after.size())) << c.name;
    for (int col = 0; col < grid->ColCount(); ++col)
      EXPECT_EQ(grid->Cells(col, 2), c.after[static_cast<size_t>(col)]) << c.name << " column " << col;
    grid->ClearAll();
  }
}

// A control in a cell sits over its cell after every change of rows, columns, sizes and
// scrolling, and is hidden while its cell is hidden or out of view.
TEST_F(StringGridTest, CellControlsFollowTheirCellsAndHideWithThem) {
  grid->SetRowCount(40);
  TEdit* edit = New<TEdit>(form.get());
  grid->SetCellControls(2, 3, edit);
  auto overCell = [&](int c, int r) {
    TRect cell = grid->CellRect(c, r);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Left(), cell.Left - 1);
    EXPECT_EQ(edit->Top(), cell.Top - 1);
    EXPECT_EQ(edit->Width(), cell.Width() + 1);
    EXPECT_EQ(edit->Height(), cell.Height() + 1);
  };
  struct Step {
    const char* name;
    std::function<void()> change;
    int col, row;  // the display cell the control must cover; -1: hidden
  };
  const std::vector<Step> steps{
      {"a row inserted above", [&] { grid->InsertRows(1, 2); }, 2, 5},
      {"a column inserted before", [&] { grid->InsertCols(0, 1); }, 3, 5},
      {"a wider column before", [&] { grid->SetColWidths(1, 90); }, 3, 5},
      {"a higher row above", [&] { grid->SetRowHeights(2, 40); }, 3, 5},
      {"its column hidden", [&] { grid->HideColumn(3); }, -1, -1},
      {"its column shown", [&] { grid->UnHideColumnsAll(); }, 3, 5},
      {"its row hidden", [&] { grid->HideRow(5); }, -1, -1},
      {"its row shown", [&] { grid->UnHideRowsAll(); }, 3, 5},
      {"a row above hidden", [&] { grid->HideRow(2); }, 3, 4},
      {"rows above removed", [&] { grid->UnHideRowsAll(); grid->RemoveRows(1, 3); }, 3, 2},
      {"swapped with a far row", [&] { grid->SwapRows(2, 30); }, -1, -1},
      {"scrolled to it", [&] { grid->SetTopRow(25); }, 3, 30},
      {"scrolled away", [&] { grid->SetTopRow(1); }, -1, -1},
      {"its column moved", [&] { grid->SwapRows(2, 30); grid->MoveColumn(3, 1); }, 1, 2},
      {"its row moved down under a hidden row", [&] { grid->HideRow(1); grid->MoveRow(1, 4); }, 1, 4},
      {"a row moved from below to above it", [&] { grid->MoveRow(6, 2); }, 1, 5},
      {"the hidden row shown", [&] { grid->UnHideRowsAll(); }, 1, 6},
      {"its row moved back", [&] { grid->MoveRow(6, 2); }, 1, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.change();
    if (step.col < 0) {
      EXPECT_FALSE(edit->Visible());
    } else {
      overCell(step.col, step.row);
      EXPECT_EQ(grid->CellControls(grid->RealColIndex(step.col), step.row), edit);
    }
  }
  // The list is made again from the cells.
  while (grid->ControlList().Count() > 0) grid->ControlList().RemoveControl(0);
  grid->CellControlsUpdate(true);
  ASSERT_EQ(grid->ControlList().Count(), 1);
  EXPECT_EQ(grid->ControlList().ControlIndex(1, grid->RealRowIndex(2)), 0);
}

// A cleared cell lets go of its control: hidden, out of the list, and free to be deleted by
// its owner while the grid goes on placing the others.
TEST_F(StringGridTest, AClearedCellLetsGoOfItsControl) {
  TEdit* edit = New<TEdit>(form.get());
  grid->SetCellControls(2, 3, edit);
  grid->SetClearTextOnly(true);
  grid->ClearRect(2, 3, 2, 3);
  EXPECT_EQ(grid->CellControls(2, 3), edit);
  grid->SetClearTextOnly(false);
  grid->ClearRect(0, 0, 3, 3);
  EXPECT_EQ(grid->CellControls(2, 3), nullptr);
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->ControlList().Count(), 0);
  delete edit;
  grid->SetTopRow(2);
  grid->SetTopRow(1);
  // The count is made again with the list, so a control added after is placed.
  TEdit* other = New<TEdit>(form.get());
  grid->SetCellControls(1, 2, other);
  grid->CellControlsUpdate(true);
  grid->SetTopRow(3);
  EXPECT_FALSE(other->Visible());
  grid->SetTopRow(1);
  EXPECT_TRUE(other->Visible());
  EXPECT_EQ(other->Top(), grid->CellRect(1, 2).Top - 1);
}

TEST_F(StringGridTest, ClearFreesCellObjectsUnlessTextOnlyAndKeepsTrackOfHiddenCells) {
  grid->SetCells(1, 1, "x");
  grid->AddCheckBox(1, 1, true, false);
  grid->SetColors(1, 1, clRed);
  grid->SetClearTextOnly(true);
  grid->ClearRect(1, 1, 1, 1);
  EXPECT_EQ(grid->Cells(1, 1), "");
  EXPECT_TRUE(grid->HasCheckBox(1, 1));
  EXPECT_EQ(grid->Colors(1, 1), clRed);
  grid->SetClearTextOnly(false);
  grid->ClearRect(1, 1, 1, 1);
  EXPECT_FALSE(grid->HasCheckBox(1, 1));

  // A check box in a hidden column outlives a clear of every visible cell, and is still
  // freed with the grid (the leak checker sees it otherwise).
  grid->AddCheckBox(3, 2, true, false);
  grid->SetCells(3, 2, "kept");
  grid->HideColumn(3);
  grid->SetSaveHiddenCells(true);
  grid->ClearRect(0, 0, grid->ColCount() - 1, grid->RowCount() - 1);
  EXPECT_TRUE(grid->HasCheckBox(3, 2));
  EXPECT_EQ(grid->Cells(3, 2), "kept");
  grid->RemoveRows(2, 1);
  EXPECT_FALSE(grid->HasCheckBox(3, 2));
}

TEST_F(RowCompanionTest, HiddenRowsLeaveWithTheirCompanionsAndComeBackInPlace) {
  const Names all{"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
  struct Case {
    const char* name;
    std::function<void(TExtStringGrid&)> hide;
    Names whileHidden;
    std::function<void(TExtStringGrid&)> show;
    Names afterwards;
  };
  const std::vector<Case> cases{
      {"a block", [](TExtStringGrid& g) { g.HideRows(3, 5); }, {"r1", "r2", "r6", "r7", "r8", "r9"},
       [](TExtStringGrid& g) { g.UnHideRows(3, 5); }, all},
      {"a range holding a hidden row",
       [](TExtStringGrid& g) {
         g.HideRow(4);
         g.HideRows(3, 6);
       },
       {"r1", "r2", "r7", "r8", "r9"}, [](TExtStringGrid& g) { g.UnHideRows(3, 6); }, all},
      {"an all-hidden range again",
       [](TExtStringGrid& g) {
         g.HideRows(3, 5);
         g.HideRows(4, 5);
       },
       {"r1", "r2", "r6", "r7", "r8", "r9"}, [](TExtStringGrid& g) { g.UnHideRowsAll(); }, all},
      {"a visible FromRow shows nothing", [](TExtStringGrid& g) { g.HideRow(5); }, {"r1", "r2", "r3", "r4", "r6", "r7", "r8", "r9"},
       [](TExtStringGrid& g) { g.UnHideRows(4, 6); }, {"r1", "r2", "r3", "r4", "r6", "r7", "r8", "r9"}},
      {"two apart, shown by one range",
       [](TExtStringGrid& g) {
         g.HideRow(6);
         g.HideRow(3);
       },
       {"r1", "r2", "r4", "r5", "r7", "r8", "r9"}, [](TExtStringGrid& g) { g.UnHideRows(3, 6); }, all},
      {"as a filter level",
       [](TExtStringGrid& g) {
         TIntList list(0, 0);
         for (int r : {2, 4, 5}) list.Add(r);
         g.HideRowList(list);
       },
       {"r1", "r3", "r6", "r7", "r8", "r9"}, [](TExtStringGrid& g) { g.UnHideRowList(); }, all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.hide(*grid);
    EXPECT_EQ(Rows(), c.whileHidden);
    EXPECT_EQ(grid->TotalRowCount(), 10);
    for (int r = 0; r < grid->RowCount(); ++r) EXPECT_EQ(grid->RealToDisplRow(grid->DisplToRealRow(r)), r);
    c.show(*grid);
    EXPECT_EQ(Rows(), c.afterwards);
    TearDown();
  }
}

TEST_F(RowCompanionTest, HiddenRowsCarryHiddenColumnsAndShiftOnRemovalOnly) {
  grid->SetCells(4, 5, "in a hidden column");
  grid->AddCheckBox(4, 5, true, false);
  grid->HideColumn(4);
  grid->HideRow(5);
  grid->UnHideColumn(4);
  EXPECT_EQ(grid->AllCells(4, 5), "in a hidden column");
  grid->UnHideRow(5);
  EXPECT_EQ(grid->Cells(4, 5), "in a hidden column");
  EXPECT_TRUE(grid->HasCheckBox(4, 5));

  grid->HideRow(7);
  grid->RemoveRows(2, 1);  // r2
  EXPECT_FALSE(grid->IsHiddenRow(7));
  EXPECT_TRUE(grid->IsHiddenRow(6));
  grid->UnHideRows(6, 6);
  EXPECT_EQ(Rows(), (Names{"r1", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
  grid->HideRow(5);
  grid->InsertRows(1, 1);
  EXPECT_TRUE(grid->IsHiddenRow(5)) << "insertion leaves hidden indexes alone";
}

TEST_F(StringGridTest, RunsOfEqualTextsMergeAndSplit) {
  grid->SetRowCount(7);
  const char* texts[] = {"x", "x", "y", "y", "y", "z"};
  for (int r = 1; r <= 6; ++r) grid->SetCells(1, r, texts[r - 1]);
  grid->MergeColumnCells(1, true);
  EXPECT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_EQ(grid->CellSpan(1, 1).Y, 1);
  EXPECT_EQ(grid->CellSpan(1, 3).Y, 2);
  EXPECT_FALSE(grid->IsMergedCell(1, 6));
  grid->SetCells(1, 0, "a");
  grid->SetCells(2, 0, "b");
  grid->MergeRowCells(0, true);
  EXPECT_FALSE(grid->IsMergedCell(1, 0));
  grid->SplitColumnCells(1);
  EXPECT_TRUE(grid->MergedCells().CheckConsistency());
  EXPECT_FALSE(grid->IsMergedCell(1, 1));
  EXPECT_FALSE(grid->IsMergedCell(1, 4));
}

TEST_F(StringGridTest, NumberingSearchAndAHiddenSelection) {
  grid->SetRowCount(5);
  grid->AutoNumberCol(1);
  EXPECT_EQ((Names{grid->Cells(1, 1), grid->Cells(1, 2), grid->Cells(1, 3), grid->Cells(1, 4)}),
            (Names{"1", "2", "3", "4"}));
  grid->SetAutoNumberDirection(sdDescending);
  grid->AutoNumberCol(1);
  EXPECT_EQ((Names{grid->Cells(1, 1), grid->Cells(1, 2), grid->Cells(1, 3), grid->Cells(1, 4)}),
            (Names{"4", "3", "2", "1"}));

  grid->SetCells(3, 2, "abc");
  int c = -1, r = -1;
  EXPECT_FALSE(grid->IsCell("ab", c, r));
  EXPECT_TRUE(grid->IsCell("abc", c, r));
  EXPECT_EQ(c, 3);
  EXPECT_EQ(r, 2);

  grid->SetSelection({2, 3, 3, 4});
  grid->HideSelection();
  EXPECT_TRUE(grid->SelectionHidden());
  grid->UnHideSelection();
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 3, 4}));
  grid->HideSelection();
  grid->RemoveRows(2, 3);
  grid->UnHideSelection();
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1})) << "the first normal cell once the noted rows are gone";
  grid->SetSelection({2, 1, 2, 1});
  grid->HideSelection();
  grid->SetRowCount(8);
  EXPECT_FALSE(grid->SelectionHidden()) << "new rows show the selection again";
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 2, 1}));
}

TEST_F(StringGridTest, ScrollInViewCentresAFarCellAndLeavesAShownOneAlone) {
  grid->SetRowCount(200);
  grid->SetBounds(0, 0, 300, 200);
  grid->SetRow(3);
  grid->ScrollInView(2, 3);
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->Row(), 3);
  grid->ScrollInView(2, 150);
  EXPECT_EQ(grid->Row(), 150);
  EXPECT_LE(grid->TopRow(), 150);
  EXPECT_GT(grid->TopRow() + grid->VisibleRowCount(), 150);
  int top = grid->TopRow();
  grid->ScrollInView(2, 150);
  EXPECT_EQ(grid->TopRow(), top);
  grid->ScrollInView(2, 200);  // past the rows: nothing
  EXPECT_EQ(grid->Row(), 150);
  // With the search bar shown the walk ends even when the row cannot clear it.
  grid->SearchFooter().SetVisible(true);
  grid->ScrollInView(2, 199);
  EXPECT_EQ(grid->Row(), 199);
}

}  // namespace
}  // namespace hd::test
