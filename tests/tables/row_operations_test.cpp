// The shared row commands on a table grid of 512 data rows: what moves, what is lost, the
// refusals and questions of the paste, the header double click and the Enter jump.
#include "tables/row_operations.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/forms.h"
#include "platform/sysutils.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

constexpr int kCheckBoxCol = 3;

// Columns 1, 2 and 4 are text, column 3 a check box; rows 1 to 512 are data.
class RowOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Load_Default_Texts();
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(600, 400);
    grid = New<TExtColumnGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetColCount(5);
    grid->SetRowCount(513);
    grid->Columns().Items(kCheckBoxCol)->SetEditor(edDataCheckBox);
    for (int c = 0; c < 5; ++c) grid->SetCells(c, 0, "H" + IntToStr(c));
    for (int r = 1; r <= 512; ++r) grid->SetCells(0, r, IntToStr(r));
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  void FillAll() {
    for (int r = 1; r <= 512; ++r) SetRow(r, Data(r));
  }
  static std::vector<std::string> Data(int r) {
    return {"a" + IntToStr(r), "b" + IntToStr(r), "Y", "d" + IntToStr(r)};
  }
  void SetRow(int r, const std::vector<std::string>& v) {
    for (int c = 1; c <= 4; ++c) grid->SetCells(c, r, v[static_cast<std::size_t>(c - 1)]);
  }
  std::vector<std::string> Row(int r) const {
    std::vector<std::string> v;
    for (int c = 1; c <= 4; ++c) v.push_back(grid->Cells(c, r));
    return v;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : kit.MessageBoxes()) texts.push_back(b.Text);
    return texts;
  }

  test::TGuiKit kit;
  TAppState state;
  std::unique_ptr<TForm> form;
  TExtColumnGrid* grid = nullptr;
};

const std::vector<std::string> kEmptyRow(4, "");

TEST_F(RowOperationsTest, InsertAndDeleteMoveTheDataCellsOfAFullTable) {
  // For each row after the command: the row whose data it holds, 0 for an empty row.
  struct Case {
    const char* name;
    std::function<void(TExtColumnGrid&)> command;
    std::function<int(int)> source;
  };
  const Case cases[] = {
      {"Insert on row 5 loses row 512", [](TExtColumnGrid& g) { Grid_Insert_Row(5, g); },
       [](int r) { return r < 5 ? r : r == 5 ? 0 : r - 1; }},
      {"Insert on the last row only empties it", [](TExtColumnGrid& g) { Grid_Insert_Row(512, g); },
       [](int r) { return r == 512 ? 0 : r; }},
      {"Delete on row 5 empties row 512", [](TExtColumnGrid& g) { Grid_Delete_Row(5, g); },
       [](int r) { return r < 5 ? r : r == 512 ? 0 : r + 1; }},
      {"Delete on the last row only empties it", [](TExtColumnGrid& g) { Grid_Delete_Row(512, g); },
       [](int r) { return r == 512 ? 0 : r; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FillAll();
    c.command(*grid);
    for (int r = 1; r <= 512; ++r) {
      const int from = c.source(r);
      ASSERT_EQ(Row(r), from ? Data(from) : kEmptyRow) << "row " << r;
      ASSERT_EQ(grid->Cells(0, r), IntToStr(r)) << "the row numbers never move";
    }
    EXPECT_EQ(grid->Cells(1, 0), "H1") << "nor does the header";
  }
}

TEST_F(RowOperationsTest, PasteIsRefusedWithoutAFittingCopyAndAsksBeforeOverwriting) {
  SetRow(2, {"x", "y", "N", "z"});
  Grid_Copy_Row(state, *grid, 2);
  EXPECT_EQ(state.Row_Clipboard.CommaText(), "x,y,N,z");

  Grid_Paste_Row(state, *grid, 7, false);
  EXPECT_EQ(Row(7), kEmptyRow);
  state.Row_Clipboard.Delete(3);  // a row of another grid's width
  Grid_Paste_Row(state, *grid, 7, true);
  EXPECT_EQ(Row(7), kEmptyRow);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error!!! Copy a valid row before Paste it",
                                                  "Error in the Copy values!!! Copy a valid row before Paste it"}));

  Grid_Copy_Row(state, *grid, 2);
  Grid_Paste_Row(state, *grid, 7, true);
  SetRow(8, {"", " ", "Y", ""});  // only blanks and a check box: not in use
  Grid_Paste_Row(state, *grid, 8, true);
  EXPECT_EQ(Row(7), Row(2));
  EXPECT_EQ(Row(8), Row(2));
  EXPECT_EQ(BoxTexts().size(), 2u) << "no question for rows not in use";

  // Copying an empty row and pasting it over a used one asks first; Yes empties it.
  Grid_Copy_Row(state, *grid, 9);
  kit.AnswerMessageBox(mrNo);
  Grid_Paste_Row(state, *grid, 7, true);
  EXPECT_EQ(Row(7), Row(2));
  kit.AnswerMessageBox(mrYes);
  Grid_Paste_Row(state, *grid, 7, true);
  EXPECT_EQ(Row(7), kEmptyRow);
  ASSERT_EQ(BoxTexts().size(), 4u);
  EXPECT_EQ(BoxTexts()[2], "Row Already used. Do you want to overwrite the values?");
  EXPECT_EQ(state.Row_Clipboard.Count(), 4) << "the clipboard keeps its row";
}

TEST_F(RowOperationsTest, EnterJumpsToTheNextCellAndWrapsToTheTop) {
  struct Case {
    const char* name;
    bool option;
    TKeyChar key;
    int col, row;
    int toCol, toRow;
    TKeyChar keyAfter;
  };
  const Case cases[] = {
      {"next column", true, 13, 1, 1, 2, 1, 0},
      {"last column to the next row", true, 13, 4, 7, 1, 8, 0},
      {"last cell to the first", true, 13, 4, 512, 1, 1, 0},
      {"option off", false, 13, 2, 3, 2, 3, 13},
      {"another key", true, 'a', 2, 3, 2, 3, 'a'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.Opt_Jump_Field_Tables = c.option;
    grid->SetRow(c.row);
    grid->SetCol(c.col);
    TKeyChar key = c.key;
    Grid_Enter_Jump(state, *grid, key);
    EXPECT_EQ(grid->Col(), c.toCol);
    EXPECT_EQ(grid->Row(), c.toRow);
    EXPECT_EQ(key, c.keyAfter);
  }
}

TEST_F(RowOperationsTest, OnlyAHeaderDoubleClickSizesItsColumn) {
  grid->SetCells(2, 40, "a text much wider than the column");
  grid->SetColWidths(2, 12);
  state.Opt_Double_Click_Auto_Size = 1;
  Grid_Header_DblClick(state, *grid, 5, 2);
  EXPECT_EQ(grid->ColWidths(2), 12);
  state.Opt_Double_Click_Auto_Size = 0;
  Grid_Header_DblClick(state, *grid, 0, 2);
  EXPECT_EQ(grid->ColWidths(2), 12);
  state.Opt_Double_Click_Auto_Size = 1;
  Grid_Header_DblClick(state, *grid, 0, 2);
  EXPECT_GT(grid->ColWidths(2), 100);
}

}  // namespace
}  // namespace hd
