#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/column_grid.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd::test {
namespace {

class ColumnGridChangesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(600, 400);
    grid = New<TExtColumnGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetColCount(5);
    for (int c = 0; c < 5; ++c) {
      grid->Columns().Items(c)->SetName("n" + std::to_string(c));
      grid->SetCells(c, 1, "c" + std::to_string(c));
    }
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  // Each column's item must still be the one named after its text.
  void ExpectItemsFollowTexts() {
    ASSERT_EQ(grid->Columns().Count(), grid->TotalColCount());
    for (int c = 0; c < grid->TotalColCount(); ++c) {
      std::string text = grid->Cells(c, 1);
      std::string name = grid->Columns().Items(c)->Name();
      EXPECT_EQ(name.empty() ? "" : "c" + name.substr(1), text) << "column " << c;
    }
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TExtColumnGrid* grid = nullptr;
};

TEST_F(ColumnGridChangesTest, ItemsGoInAndOutWithTheirColumns) {
  grid->HideColumn(3);
  grid->InsertCols(1, 2);
  ExpectItemsFollowTexts();
  EXPECT_EQ(grid->TotalColCount(), 7);
  grid->RemoveCols(4, 2);  // c2 and the hidden c3
  ExpectItemsFollowTexts();
  EXPECT_EQ(grid->NumHiddenColumns(), 0);
  grid->RemoveCols(0, 100);  // would leave no column: refused
  EXPECT_EQ(grid->TotalColCount(), 5);
  ExpectItemsFollowTexts();
}

TEST_F(ColumnGridChangesTest, AutoSizeTakesTheLimitsOfTheColumnShown) {
  grid->Columns().Items(2)->SetAutoMaxSize(20);
  grid->Columns().Items(3)->SetAutoMinSize(150);
  grid->HideColumn(2);
  // Display column 2 shows real column 3: its minimum holds, not column 2's maximum.
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 150);
}

}  // namespace
}  // namespace hd::test
