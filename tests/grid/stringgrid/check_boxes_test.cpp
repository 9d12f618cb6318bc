#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/string_list.h"
#include "platform/sysutils.h"

namespace hd::test {
namespace {

using CheckBoxTest = StringGridTest;

TEST_F(CheckBoxTest, AddCheckBoxRefusesCellsOutsideTheStoreAndKeepsAMeaningfulText) {
  for (auto [c, r] : std::vector<std::pair<int, int>>{{-1, 1}, {1, -1}, {5, 1}, {1, 10}}) {
    SCOPED_TRACE(IntToStr(c) + ":" + IntToStr(r));
    try {
      grid->AddCheckBox(c, r, true, true);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Invalid cell");
    }
  }
  // A text that already means unticked stays, so the text decides the state.
  grid->SetCells(2, 2, "N");
  grid->AddCheckBox(2, 2, true, true);
  EXPECT_EQ(grid->Cells(2, 2), "N");
  EXPECT_FALSE(grid->IsChecked(2, 2));
  grid->SetCells(2, 3, "other");
  grid->AddCheckBox(2, 3, true, true);
  EXPECT_EQ(grid->Cells(2, 3), "Y");
  EXPECT_TRUE(grid->IsChecked(2, 3));
  // A plain box keeps its state in the record and leaves the text alone.
  grid->SetCells(3, 3, "text");
  grid->AddCheckBox(3, 3, true, false);
  EXPECT_EQ(grid->Cells(3, 3), "text");
  bool state = false;
  EXPECT_TRUE(grid->GetCheckBoxState(3, 3, state));
  EXPECT_TRUE(state);
  EXPECT_EQ(grid->GetCellType(3, 3), ctCheckBox);
  EXPECT_FALSE(grid->IsGraphicOnlyCell(3, 3));
  EXPECT_TRUE(grid->IsGraphicOnlyCell(2, 3));

  grid->RemoveCheckBox(3, 3);
  EXPECT_FALSE(grid->HasCheckBox(3, 3));
  EXPECT_FALSE(grid->GetCheckBoxState(3, 3, state));
  EXPECT_FALSE(grid->SetCheckBoxState(3, 3, true));
  EXPECT_FALSE(grid->ToggleCheckBox(3, 3));
}

TEST_F(CheckBoxTest, TogglesStepEachKindAndReportTheNewState) {
  std::vector<std::string> changes;
  grid->OnCheckBoxChange = [&](TObject*, int ACol, int ARow, bool State) {
    changes.push_back(IntToStr(ACol) + ":" + IntToStr(ARow) + (State ? " on" : " off"));
  };
  grid->AddCheckBox(1, 1, false, false);
  EXPECT_TRUE(grid->ToggleCheckBox(1, 1));
  EXPECT_TRUE(grid->IsChecked(1, 1));
  // Applying the state it has changes nothing and reports nothing.
  EXPECT_TRUE(grid->ApplyCheckBoxState(1, 1, true));
  EXPECT_TRUE(grid->ApplyCheckBoxState(1, 1, false));
  EXPECT_EQ(changes, (std::vector<std::string>{"1:1 on", "1:1 off"}));

  // Outside a group a tri-state box cycles unchecked, grayed, checked, unchecked.
  grid->AddCheckBox(2, 1, cbUnchecked);
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    grid->ToggleCheckBox(2, 1);
    TCheckBoxState s = cbUnchecked;
    grid->GetCheckBoxState(2, 1, s);
    seen.push_back(s);
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  EXPECT_TRUE(grid->SetCheckBoxState(2, 1, cbGrayed));
  EXPECT_FALSE(grid->SetCheckBoxState(1, 1, cbGrayed));

  // The toggle of mouse and keys asks whether the cell may be edited.
  grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  EXPECT_FALSE(grid->ToggleCheckBoxCell(1, 1, true));
  grid->ControlLook().SetCheckAlwaysActive(true);
  EXPECT_TRUE(grid->ToggleCheckBoxCell(1, 1, true));
}

// A whole column of boxes, plain and data, toggled and then moved about with its rows: each
// row keeps its own box and state, whichever way the rows went.
TEST_F(CheckBoxTest, ColumnBoxesKeepTheirStatesThroughRowChanges) {
  using TModel = std::vector<char>;  // per row: '-' no box, 'o' unchecked, 'x' checked
  struct Case {
    const char* Name;
    std::function<void(TExtStringGrid&)> Change;
    std::function<void(TModel&)> Expect;
  };
  const std::vector<Case> cases{
      {"nothing", [](TExtStringGrid&) {}, [](TModel&) {}},
      {"rows inserted", [](TExtStringGrid& g) { g.InsertRows(3, 2); },
       [](TModel& m) { m.insert(m.begin() + 3, 2, '-'); }},
      {"row removed", [](TExtStringGrid& g) { g.RemoveRows(1, 1); }, [](TModel& m) { m.erase(m.begin() + 1); }},
      {"row moved down", [](TExtStringGrid& g) { g.MoveRow(2, 7); },
       [](TModel& m) { std::rotate(m.begin() + 2, m.begin() + 3, m.begin() + 8); }},
      {"rows swapped", [](TExtStringGrid& g) { g.SwapRows(1, 5); }, [](TModel& m) { std::swap(m[1], m[5]); }},
      {"all checked", [](TExtStringGrid& g) { g.CheckAll(2); },
       [](TModel& m) { std::replace(m.begin(), m.end(), 'o', 'x'); }},
      {"all unchecked", [](TExtStringGrid& g) { g.UnCheckAll(2); },
       [](TModel& m) { std::replace(m.begin(), m.end(), 'x', 'o'); }},
      {"row hidden and shown again",
       [](TExtStringGrid& g) {
         g.HideRow(2);
         g.UnHideRow(2);
       },
       [](TModel&) {}},
  };
  for (bool data : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.Name) + (data ? ", data boxes" : ", plain boxes"));
      std::unique_ptr<TExtStringGrid> g(New<TExtStringGrid>(form.get()));
      g->SetParent(form.get());
      g->SetRowCount(10);
      g->SetColCount(4);
      for (int r = 1; r < 10; ++r) g->SetCells(0, r, IntToStr(r));
      g->AddCheckBoxColumn(2, false, data);
      g->ToggleCheckBox(2, 2);
      g->ToggleCheckBox(2, 5);
      TModel model{'-', 'o', 'x', 'o', 'o', 'x', 'o', 'o', 'o', 'o'};
      c.Change(*g);
      c.Expect(model);
      g->Update();
      EXPECT_TRUE(g->UpdateRegion().IsEmpty()) << "boxes painted for the first time ask for no second paint";
      auto read = [&] {
        std::string seen;
        for (int r = 0; r < g->RowCount(); ++r) seen += g->HasCheckBox(2, r) ? (g->IsChecked(2, r) ? 'x' : 'o') : '-';
        return seen;
      };
      const std::string want(model.begin(), model.end());
      EXPECT_EQ(read(), want);
      EXPECT_EQ(g->GetCellType(2, 2) == ctDataCheckBox, data && model[2] != '-');
      // The records made for the boxes say the same.
      for (int r = 0; r < g->RowCount(); ++r) {
        TCellGraphic* record = g->GetCellGraphic(2, r);
        EXPECT_EQ(record != nullptr, model[static_cast<size_t>(r)] != '-') << "row " << r;
        if (record) {
          EXPECT_EQ(record->CellType(), data ? ctDataCheckBox : ctCheckBox) << "row " << r;
        }
      }
      EXPECT_EQ(read(), want) << "from the records";
    }
  }
}

TEST_F(CheckBoxTest, PreciseHitTestFindsTheBoxByAlignment) {
  grid->AddCheckBox(1, 1, false, false);
  TRect R = grid->CellRect(1, 1);
  int S = grid->ControlLook().CheckSize();
  EXPECT_TRUE(grid->IsInCheckBox(1, 1, R.Right - 1, R.Bottom - 1));
  EXPECT_FALSE(grid->IsInCheckBox(2, 1, R.Left + 3, R.Top + 3));

  grid->MouseActions().SetPreciseCheckBoxCheck(true);
  EXPECT_TRUE(grid->IsInCheckBox(1, 1, R.Left + 2, R.Top + 2));
  EXPECT_FALSE(grid->IsInCheckBox(1, 1, R.Left + 1, R.Top + 2));
  EXPECT_TRUE(grid->IsInCheckBox(1, 1, R.Left + 2 + S - 1, R.Top + 2 + S - 1));
  EXPECT_FALSE(grid->IsInCheckBox(1, 1, R.Left + 2 + S, R.Top + 2));

  grid->CellProperties(1, 1)->SetAlignment(taCenter);
  int left = R.Left + (R.Width() - S) / 2;
  EXPECT_TRUE(grid->IsInCheckBox(1, 1, left, R.Top + 2));
  EXPECT_FALSE(grid->IsInCheckBox(1, 1, left - 1, R.Top + 2));
}

TEST_F(CheckBoxTest, CellGraphicSizesOfTheBoxesAndButtons) {
  grid->AddCheckBox(1, 1, false, false);
  grid->ControlLook().SetCheckSize(17);
  grid->ControlLook().SetRadioSize(13);
  EXPECT_EQ(grid->GetCellGraphicSize(1, 1), (TPoint{17, 17}));
  EXPECT_EQ(grid->GetCellGraphicSize(1, 2), (TPoint{0, 0}));
  TCellGraphic* radio = grid->CreateCellGraphic(2, 1);
  radio->SetCellType(ctRadioButton);
  EXPECT_EQ(grid->GetCellGraphicSize(2, 1), (TPoint{13, 13}));
  // A button's size is packed into its index; a centred one beside text takes no width.
  TCellGraphic* button = grid->CreateCellGraphic(3, 1);
  button->SetCellType(ctButton);
  button->SetCellIndex(40 | (18 << 16));
  button->SetCellVAlign(vaUnderText);
  EXPECT_EQ(grid->GetCellGraphicSize(3, 1), (TPoint{40, 18}));
  grid->SetCells(3, 1, "text");
  EXPECT_EQ(grid->GetCellGraphicSize(3, 1), (TPoint{0, 18}));
  TCellGraphic* rating = grid->CreateCellGraphic(4, 1);
  rating->SetCellType(ctRating);
  rating->SetCellAngle(5);
  rating->SetCellHAlign(haFull);
  EXPECT_EQ(grid->GetCellGraphicSize(4, 1), (TPoint{90, 16}));
}

TEST_F(CheckBoxTest, RadioGroupsAndRadioButtonsKeepTheirChoice) {
  TStringList items;
  items.Add("a");
  items.Add("b");
  grid->AddRadio(1, 1, 0, 1, &items);
  int idx = -2;
  EXPECT_TRUE(grid->GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 1);
  EXPECT_EQ(grid->GetRadioStrings(1, 1), &items);
  grid->SetCells(1, 1, "b");
  EXPECT_TRUE(grid->SetRadioIdx(1, 1, -1));
  EXPECT_EQ(grid->Cells(1, 1), "") << "-1 empties the text";
  // Any record answers its index, but only a radio group says yes.
  grid->AddCheckBox(2, 1, false, false);
  grid->GetCellGraphic(2, 1)->SetCellIndex(7);
  EXPECT_FALSE(grid->GetRadioIdx(2, 1, idx));
  EXPECT_EQ(idx, 7);

  EXPECT_EQ(grid->GetRadioButtonColumnIndex(3), -1);
  for (int r = 1; r < 4; ++r) grid->AddRadioButton(3, r, false);
  grid->SetRadioButtonState(3, 1, true);
  grid->SetRadioButtonState(3, 2, true);
  EXPECT_TRUE(grid->IsRadioButtonChecked(3, 1) && grid->IsRadioButtonChecked(3, 2)) << "the state alone excludes nothing";
  EXPECT_TRUE(grid->CheckRadioButtonCell(3, 3, false));
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(3), 3);
  EXPECT_FALSE(grid->IsRadioButtonChecked(3, 1) || grid->IsRadioButtonChecked(3, 2));
  grid->SetRadioButtonColumnIndex(3, 2);
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(3), 2);
  EXPECT_FALSE(grid->IsRadioButtonChecked(3, 3));
  EXPECT_THROW(grid->AddRadioButton(3, 10, false), Exception);
}

TEST_F(CheckBoxTest, AButtonKeepsSixteenBitsOfEachSideAndIsFoundWhereItWasPainted) {
  grid->AddButton(2, 2, 70000, 20, "Go", haLeft, vaTop);
  EXPECT_EQ(grid->GetCellGraphic(2, 2)->CellIndex() & 0xFFFF, 70000 & 0xFFFF);
  grid->AddButton(2, 2, 30, 14, "Go", haLeft, vaTop);
  EXPECT_TRUE(grid->HasButton(2, 2));
  EXPECT_FALSE(grid->HasClickableGraphic(1, 1));
  grid->GetCellGraphic(2, 2)->SetCellValue(3 + 4 * 65536.0);
  TRect cell = grid->CellRect(2, 2);
  EXPECT_EQ(grid->GetCellGraphicRect(2, 2), Rect(cell.Left + 3, cell.Top + 4, cell.Left + 33, cell.Top + 18));
  grid->GetCellGraphic(2, 2)->SetCellHAlign(haFull);
  EXPECT_EQ(grid->GetCellGraphicRect(2, 2), Rect(cell.Left, cell.Top + 4, cell.Right, cell.Top + 18));
  EXPECT_EQ(grid->GetCellGraphicRect(3, 3), TRect{});
  grid->PushButton(2, 2, true);
  EXPECT_TRUE(grid->GetCellGraphic(2, 2)->CellBoolean());
}

TEST_F(CheckBoxTest, AutoSizeRowFitsTheTallestCellAndLinesFollowTheFont) {
  grid->SetWordWrap(false);
  const int h = grid->Canvas().TextHeight("gh");
  const int frame = grid->GetVertXYOffset() + 2 * grid->GridLineWidth();
  grid->SetCells(2, 3, "one\rtwo\rthree");
  grid->SetMultilinecells(true);
  grid->AutoSizeRow(3, 0);
  EXPECT_EQ(grid->RowHeights(3), 3 * h + frame);
  EXPECT_EQ(grid->GetMaxLinesInRow(3), 3);
  grid->SetRowLineHeight(3, 3, 5);
  EXPECT_EQ(grid->RowHeights(3), 3 * (h + h / 8) + 5);
  // A check box asks for a whole default row.
  grid->AddCheckBox(1, 4, false, false);
  grid->SetRowHeights(4, 5);
  grid->AutoSizeRow(4, 0);
  EXPECT_EQ(grid->RowHeights(4), grid->DefaultRowHeight() + frame);
  // Grow only keeps a taller row; padding comes on top.
  grid->SetSizeGrowOnly(true);
  grid->SetRowHeights(4, 80);
  grid->AutoSizeRow(4, 0);
  EXPECT_EQ(grid->RowHeights(4), 80);
  grid->SetSizeGrowOnly(false);
  grid->AutoSizeRow(4, 6);
  EXPECT_EQ(grid->RowHeights(4), grid->DefaultRowHeight() + frame + 6);
  // Hidden columns are not counted.
  grid->HideColumn(2);
  EXPECT_EQ(grid->GetMaxLinesInRow(3), 1);
}

}  // namespace
}  // namespace hd::test
