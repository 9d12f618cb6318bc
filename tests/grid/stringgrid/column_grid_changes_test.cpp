#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/column_grid.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/streams.h"
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

TEST_F(ColumnGridChangesTest, ColumnStreamReadsBackEverySettingAndRefusesABrokenOne) {
  TGridColumnItem& item = *grid->Columns().Items(2);
  item.SetWidth(77);
  item.SetAlignment(taCenter);
  item.SetHeader("Slave \\ ID\nsecond line");
  item.SetEditor(edComboList);
  item.SetReadOnly(true);
  TStringList combo;
  combo.Add("one");
  combo.Add("two=2");
  item.SetComboItems(combo);
  TFont font = item.Font();
  font.Name = "Courier New";
  font.Size = 11;
  font.Style = TFontStyles{fsBold, fsItalic};
  font.Color = clRed;
  item.SetFont(font);
  TPen pen{clBlue, 2, psDot, pmCopy};
  item.SetBorderPen(pen);
  item.SetBorders(TCellBorders{cbLeft, cbBottom});
  item.SetAutoMaxSize(300);
  item.SetFloatFormat("%.3f");
  item.SetCheckTrue("yes");
  TMemoryStream saved;
  grid->SaveColumnsToStream(saved);

  // A broken stream changes nothing.
  TMemoryStream broken;
  broken.WriteString("HD58318 column items 1\nCount=1\n[Item]\nWidth=wide\n");
  broken.SetPosition(0);
  EXPECT_THROW(grid->LoadColumnsFromStream(broken), EReadError);
  EXPECT_EQ(grid->Columns().Count(), 5);
  EXPECT_EQ(grid->Columns().Items(2)->Header(), "Slave \\ ID\nsecond line");

  // Into a fresh grid: every setting comes back.
  TearDown();
  SetUp();
  saved.SetPosition(0);
  grid->LoadColumnsFromStream(saved);
  const TGridColumnItem& back = *grid->Columns().Items(2);
  EXPECT_EQ(back.Width(), 77);
  EXPECT_EQ(back.Alignment(), taCenter);
  EXPECT_EQ(back.Header(), "Slave \\ ID\nsecond line");
  EXPECT_EQ(back.Editor(), edComboList);
  EXPECT_TRUE(back.ReadOnly());
  EXPECT_EQ(back.ComboItems().Text(), combo.Text());
  EXPECT_EQ(back.Font().Name, "Courier New");
  EXPECT_EQ(back.Font().Size, 11);
  EXPECT_EQ(back.Font().Style, (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(back.Font().Color, clRed);
  EXPECT_EQ(back.BorderPen(), pen);
  EXPECT_EQ(back.Borders(), (TCellBorders{cbLeft, cbBottom}));
  EXPECT_EQ(back.AutoMaxSize(), 300);
  EXPECT_EQ(back.FloatFormat(), "%.3f");
  EXPECT_EQ(back.CheckTrue(), "yes");
  EXPECT_EQ(grid->Columns().Items(1)->Name(), "n1");

  // Scaled through the string grid: the columns' fonts and the grid's fixed and active-cell
  // fonts follow, rounded; a scale of 1 changes nothing.
  TFont fixed = grid->FixedFont(), active = grid->ActiveCellFont();
  fixed.Size = 9;
  active.Size = 7;
  grid->SetFixedFont(fixed);
  grid->SetActiveCellFont(active);
  TExtStringGrid& base = *grid;
  base.ChangeScale(3, 2);
  EXPECT_EQ(grid->Columns().Items(2)->Font().Size, 17);
  EXPECT_EQ(grid->FixedFont().Size, 14);
  EXPECT_EQ(grid->ActiveCellFont().Size, 11);
  base.ChangeScale(5, 5);
  EXPECT_EQ(grid->FixedFont().Size, 14);
  EXPECT_EQ(grid->Columns().Items(2)->Font().Size, 17);
}

}  // namespace
}  // namespace hd::test
