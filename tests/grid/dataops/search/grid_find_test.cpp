// Find, replace, highlighting and checks through a real grid: one test per operation.
#include <gtest/gtest.h>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/messages.h"

namespace hd::test {
namespace {

class GridFindTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid->SetCells(1, 1, "alpha");
    grid->SetCells(2, 1, "beta");
    grid->SetCells(3, 2, "Gamma <1>");
    grid->SetCells(4, 3, "beta gamma");
  }
};

// A hidden column is passed over, and the found display column is written at its real one.
TEST_F(GridFindTest, FindAndReplaceAcrossAHiddenColumn) {
  grid->HideColumn(2);
  EXPECT_EQ(grid->FindFirst("gamma", {}), (TPoint{2, 2}));
  EXPECT_EQ(grid->FindNext(), (TPoint{3, 3}));
  EXPECT_EQ(grid->FindFirst("beta", {fnAutoGoto}), (TPoint{3, 3}));
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Col(), 3);
  grid->ShowModified().SetEnabled(true);
  EXPECT_EQ(grid->Replace("GAMMA", "delta", {}), 2);
  EXPECT_EQ(grid->Cells(3, 2), "delta <1>");
  EXPECT_EQ(grid->Cells(4, 3), "beta delta");
  EXPECT_EQ(grid->Cells(2, 1), "beta");
  EXPECT_TRUE(grid->RowModified(2));
}

TEST_F(GridFindTest, HighlightAndMarkRoundTrip) {
  grid->HilightInGrid(false, false, "a");
  EXPECT_EQ(grid->Cells(1, 1), "<hi>a</hi>lph<hi>a</hi>");
  EXPECT_EQ(grid->Cells(3, 2), "G<hi>a</hi>mm<hi>a</hi> &lt;1&gt;");
  grid->UnHilightInGrid(false);
  EXPECT_EQ(grid->Cells(3, 2), "Gamma <1>");
  grid->MarkInCol(false, true, 4, "gamma");
  EXPECT_EQ(grid->Cells(4, 3), "beta <e>gamma</e>");
  EXPECT_EQ(grid->UnMarkText(grid->Cells(4, 3)), "beta gamma");
  grid->UnMarkInRow(false, 3);
  EXPECT_EQ(grid->Cells(4, 3), "beta gamma");
}

TEST_F(GridFindTest, CheckGridKeepsTheCurrentCell) {
  struct TBetaChecker : TExtStringGridCheck {
    using TExtStringGridCheck::TExtStringGridCheck;
    std::string MarkError(int, int, const std::string& s) override { return s == "beta" ? "<e>beta</e>" : s; }
  } checker(nullptr);
  checker.SetUseMarkError(true);
  checker.SetGotoCell(true);
  EXPECT_TRUE(grid->CheckGrid(false));
  grid->SetCellChecker(&checker);
  grid->FocusCell(3, 4);
  EXPECT_FALSE(grid->CheckGrid(false));
  EXPECT_EQ(grid->Cells(2, 1), "<e>beta</e>");
  EXPECT_EQ(grid->Cells(4, 3), "beta gamma");
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_TRUE(grid->CheckRow(false, 2));
  grid->SetCellChecker(nullptr);
}

TEST_F(GridFindTest, TypeAheadSearchFindsTheKeyColumnRow) {
  grid->SetCells(1, 5, "Zeta");
  EXPECT_EQ(grid->Search("ZE"), 5);
  EXPECT_EQ(grid->Search("ZETAS"), -1);
}

// Typed characters outside editing look up the key column, each one added to the text.
TEST_F(GridFindTest, TypedCharactersGoToTheKeyColumnRow) {
  grid->Navigation().SetAutoGotoWhenSorted(true);
  grid->Navigation().SetAutoGotoIncremental(true);
  grid->SetCells(1, 5, "Zeta");
  grid->SetCells(1, 6, "Zero");
  auto type = [this](char ch) { SendMessage(grid->Handle(), WM_CHAR, static_cast<WPARAM>(ch)); };
  type('z');
  EXPECT_EQ(grid->Row(), 5);
  type('e');
  type('r');
  EXPECT_EQ(grid->Row(), 6);
  EXPECT_EQ(grid->IncrSearchText(), "zer");
  type(8);
  EXPECT_EQ(grid->Row(), 5);
  type('q');
  EXPECT_EQ(grid->IncrSearchText(), "");
  EXPECT_EQ(grid->Row(), 5);
}

}  // namespace
}  // namespace hd::test
