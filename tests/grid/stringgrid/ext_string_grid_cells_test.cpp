#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/dateutils.h"
#include "platform/regional.h"

namespace hd::test {
namespace {

// The message a call raises as the grid's error, or nothing.
std::optional<std::string> GridError(const std::function<void()>& call) {
  try {
    call();
  } catch (const EExtGridError& e) {
    return e.Message();
  }
  return std::nullopt;
}

struct IntCase {
  const char* text;
  std::optional<int> value;  // none: the read raises
};

TEST_F(StringGridTest, IntsReadWholeNumbersAndRaiseForAnythingElse) {
  for (const IntCase& c : std::vector<IntCase>{{"", 0},
                                               {"-", 0},
                                               {" 42 ", 42},
                                               {"-17", -17},
                                               {"<b>12</b>", 12},
                                               {"2147483647", 2147483647},
                                               {"4x", std::nullopt},
                                               {"$10", std::nullopt},
                                               {"1.5", std::nullopt},
                                               {"2147483648", std::nullopt}}) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    grid->SetCells(2, 3, c.text);
    if (c.value) {
      EXPECT_EQ(grid->Ints(2, 3), *c.value);
    } else {
      EXPECT_EQ(GridError([&] { grid->Ints(2, 3); }), "Cell does not contain integer value");
      EXPECT_EQ(grid->Cells(2, 3), c.text);
    }
  }
  grid->SetInts(1, 1, -5);
  EXPECT_EQ(grid->Cells(1, 1), "-5");
}

struct FloatCase {
  const char* text;
  std::optional<double> value;
};

TEST_F(StringGridTest, FloatsReadAmountsAndWriteInTheColumnFormat) {
  for (const FloatCase& c : std::vector<FloatCase>{{"", 0},
                                                   {"-", 0},
                                                   {"3.25", 3.25},
                                                   {"(1,234.50)", -1234.5},
                                                   {"$ 7", 7},
                                                   {"$", 0},
                                                   {"abc", std::nullopt},
                                                   {"1.2.3", std::nullopt}}) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    grid->SetCells(2, 3, c.text);
    if (c.value) {
      EXPECT_DOUBLE_EQ(grid->Floats(2, 3), *c.value);
    } else {
      EXPECT_EQ(GridError([&] { grid->Floats(2, 3); }), "Cell does not contain a float value");
    }
  }
  grid->SetFloats(1, 1, 3.14159);
  EXPECT_EQ(grid->Cells(1, 1), "3.14");
  grid->SetFloatFormat("%.3f");
  grid->SetAllFloats(1, 2, 2.5);
  EXPECT_EQ(grid->Cells(1, 2), "2.500");
}

TEST_F(StringGridTest, AllIntsReadHiddenRowsWithTheSameRule) {
  TGridItem* item = grid->GridItems().Add();
  item->SetIdx(2);
  item->Items().SetCommaText("a,7,x");
  EXPECT_EQ(grid->AllInts(1, 2), 7);
  EXPECT_EQ(GridError([&] { grid->AllInts(2, 2); }), "Cell does not contain integer value");
  grid->SetAllInts(0, 2, 9);
  EXPECT_EQ(item->Items()[0], "9");
}

TEST_F(StringGridTest, DatesAndTimesUseTheLocaleFormats) {
  TFormatSettings fs = InvariantFormatSettings();
  fs.ShortDateFormat = "dd/mm/yyyy";
  fs.DateSeparator = '/';
  SetFormatSettingsProvider([fs] { return fs; });
  grid->SetDates(1, 1, EncodeDate(2024, 2, 29));
  EXPECT_EQ(grid->Cells(1, 1), "29/02/2024");
  EXPECT_DOUBLE_EQ(grid->Dates(1, 1), EncodeDate(2024, 2, 29));
  grid->SetDates(1, 2, 0);
  EXPECT_EQ(grid->Cells(1, 2), "30/12/1899");
  grid->SetShowNullDates(false);
  grid->SetDates(1, 2, 0);
  EXPECT_EQ(grid->Cells(1, 2), "");
  grid->SetTimes(2, 1, EncodeTime(13, 5, 9, 0));
  EXPECT_EQ(grid->Cells(2, 1), "13:05:09");
  EXPECT_DOUBLE_EQ(grid->Times(2, 1), EncodeTime(13, 5, 9, 0));
  grid->SetCells(1, 3, "soon");
  EXPECT_THROW(grid->Dates(1, 3), EConvertError);
  SetFormatSettingsProvider(nullptr);
}

TEST_F(StringGridTest, PrintColumnsOutsideTheLayoutRaise) {
  grid->SetPrintColWidth(511, 80);
  EXPECT_EQ(grid->PrintColWidth(511), 80);
  for (int col : {512, -1}) {
    EXPECT_EQ(GridError([&] { grid->PrintColWidth(col); }), "Columns is not in valid range");
    EXPECT_EQ(GridError([&] { grid->PrintColOffset(col); }), "Columns is not in valid range");
  }
}

TEST_F(StringGridTest, FillsCoverTheNormalCellsOrAll) {
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->LinearFill(false);
  EXPECT_EQ(grid->Cells(1, 1) + " " + grid->Cells(2, 1) + " " + grid->Cells(1, 2) + " " + grid->Cells(2, 2),
            "1:1 2:1 1:2 2:2");
  EXPECT_EQ(grid->Cells(0, 0), "");
  grid->FormatFill(true, "%d/%d");
  EXPECT_EQ(grid->Cells(0, 0), "0/0");
  EXPECT_EQ(grid->Cells(2, 1), "2/1");
  grid->TextFill(false, "t");
  EXPECT_EQ(grid->Cells(2, 2), "t");
  EXPECT_EQ(grid->Cells(0, 2), "0/2");
  grid->RandomFill(false, 3);
  for (int c = 1; c < 3; ++c)
    for (int r = 1; r < 3; ++r) {
      int v = grid->Ints(c, r);
      EXPECT_TRUE(v >= 0 && v < 3) << v;
    }
}

struct CellCase {
  const char* name;
  int col, row;
};

TEST_F(StringGridTest, AddCheckBoxRefusesCellsOutsideTheGridNegativeOnesToo) {
  grid->HideColumn(2);
  TGridItem* item = grid->GridItems().Add();
  item->SetIdx(12);
  // 4 visible columns + 1 hidden, 10 rows + 1 hidden.
  for (const CellCase& c : std::vector<CellCase>{{"negative column", -1, 1},
                                                 {"negative row", 1, -1},
                                                 {"column past the hidden ones", 5, 1},
                                                 {"row past the hidden ones", 1, 11}}) {
    SCOPED_TRACE(c.name);
    try {
      grid->AddCheckBox(c.col, c.row, cbChecked);
      ADD_FAILURE() << "accepted";
    } catch (const EExtGridError&) {
      ADD_FAILURE() << "raised the grid's error instead of the plain one";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Invalid cell");
    }
  }
  grid->AddCheckBox(4, 10, cbGrayed);
  TCheckBoxState state = cbUnchecked;
  EXPECT_EQ(grid->GetCellType(4, 10), ctTriStateCheckBox);
  EXPECT_TRUE(grid->GetCheckBoxState(4, 10, state));
  EXPECT_EQ(state, cbGrayed);
  EXPECT_EQ(grid->Cells(4, 10), "");
}

TEST_F(StringGridTest, TriStateColumnStartsBelowTheFixedRowsUnlessAllAreChecked) {
  grid->SetVAlignment(vtaCenter);
  grid->AddTriStateCheckBoxColumn(1, cbChecked);
  EXPECT_EQ(grid->GetCellType(1, 0), ctEmpty);
  EXPECT_EQ(grid->GetCellType(1, 9), ctTriStateCheckBox);
  TCellGraphic* record = grid->GetCellGraphic(1, 9);
  EXPECT_EQ(record->CellVAlign(), vaCenter);
  EXPECT_EQ(record->CellHAlign(), haBeforeText);
  EXPECT_TRUE(record->CellTransparent());

  grid->MouseActions().SetCheckAllCheck(true);
  grid->AddTriStateCheckBoxColumn(2, cbUnchecked);
  EXPECT_EQ(grid->GetCellType(2, 0), ctTriStateCheckBox);
}

TEST_F(StringGridTest, CheckBoxStateOfEachKind) {
  grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
  grid->GetCellGraphic(1, 1)->SetCellBoolean(true);
  grid->CreateCellGraphic(2, 1)->SetCellType(ctDataCheckBox);
  grid->SetCells(2, 1, "Y");
  grid->CreateCellGraphic(2, 2)->SetCellType(ctDataCheckBox);
  grid->SetCells(2, 2, "yes");
  grid->CreateCellGraphic(3, 1)->SetCellType(ctComment);
  struct StateCase {
    const char* name;
    int col, row;
    std::optional<TCheckBoxState> state;
  };
  for (const StateCase& c : std::vector<StateCase>{{"plain box", 1, 1, cbChecked},
                                                   {"data box with the check-true text", 2, 1, cbChecked},
                                                   {"data box with another text", 2, 2, cbUnchecked},
                                                   {"another object", 3, 1, std::nullopt},
                                                   {"no object", 4, 4, std::nullopt}}) {
    SCOPED_TRACE(c.name);
    TCheckBoxState state = cbGrayed;
    EXPECT_EQ(grid->GetCheckBoxState(c.col, c.row, state), c.state.has_value());
    if (c.state) {
      EXPECT_EQ(state, *c.state);
    }
  }
  // The check-true text is asked per cell.
  grid->OnGetCheckTrue = [](TObject*, int, int ARow, std::string& v) { if (ARow == 2) v = "yes"; };
  TCheckBoxState state = cbUnchecked;
  grid->GetCheckBoxState(2, 2, state);
  EXPECT_EQ(state, cbChecked);
}

TEST_F(StringGridTest, RowCheckBoxesOfColumnZeroShareOneRecord) {
  grid->SetRowCount(4);
  TCellGraphic* own = grid->CreateCellGraphic(0, 2);
  own->SetCellType(ctComment);
  grid->MouseActions().SetHotmailRowSelect(true);
  EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
  EXPECT_EQ(grid->GetCellGraphic(0, 1), grid->GetCellGraphic(0, 3));
  // The header's box: none of the three normal rows selected.
  TCellGraphic* header = grid->GetCellGraphic(0, 0);
  EXPECT_FALSE(header->CellBoolean());
  EXPECT_EQ(header->CellAngle(), 0);
  // Removing the column's record frees the cell's own, never the shared one.
  EXPECT_TRUE(grid->RemoveCellGraphic(0, 2));
  EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
  grid->MouseActions().SetHotmailRowSelect(false);
  EXPECT_EQ(grid->GetCellType(0, 2), ctEmpty);
}

TEST_F(StringGridTest, CellRecordsReplaceAndRemoveByType) {
  grid->CreateCellGraphic(2, 2)->SetCellType(ctComment);
  EXPECT_FALSE(grid->RemoveCellGraphicOfType(2, 2, ctButton));
  EXPECT_TRUE(grid->HasCellGraphicType(2, 2, {ctComment, ctButton}));
  grid->CreateCellGraphic(2, 2)->SetCellType(ctButton);
  EXPECT_EQ(grid->GetCellType(2, 2), ctButton);
  EXPECT_TRUE(grid->RemoveCellGraphicOfType(2, 2, ctButton));
  EXPECT_EQ(grid->GetCellType(2, 2), ctEmpty);
  EXPECT_FALSE(grid->RemoveCellGraphic(2, 2));
  EXPECT_FALSE(grid->HasCellGraphicType(-1, 2, {ctEmpty}));
  // A merged range answers for its base cell.
  grid->CreateCellGraphic(1, 1)->SetCellType(ctRating);
  grid->MergeCells(1, 1, 2, 2);
  EXPECT_TRUE(grid->HasCellGraphicType(2, 2, {ctRating}));
  // Node and summary rows are marked in column 0.
  grid->CreateCellGraphic(0, 4)->SetCellType(ctNode);
  grid->CreateCellGraphic(0, 5)->SetCellType(ctSummary);
  EXPECT_TRUE(grid->IsNode(4));
  EXPECT_FALSE(grid->IsSummary(4));
  EXPECT_TRUE(grid->IsSummary(5));
  EXPECT_FALSE(grid->IsNode(-1));
}

TEST_F(StringGridTest, HiddenRowsKeepTheirCellObjectsUntilTheGridGoes) {
  // A row hidden with a cell object: the record waits with the row and goes with the grid.
  grid->AddCheckBox(1, 3, cbChecked);
  TGridItem* item = grid->GridItems().Add();
  item->SetIdx(3);
  item->Items().Add("");
  item->Items().AddObject("", grid->FindCellProperties(1, 3));
  grid->SetGridObjects(1, 3, nullptr);
  bool fromProps = false;
  TCellGraphic* record = grid->FindStateRecord(1, 3, fromProps);
  ASSERT_NE(record, nullptr);
  EXPECT_TRUE(fromProps);
  EXPECT_EQ(record->CellType(), ctTriStateCheckBox);
  TCheckBoxState state = cbUnchecked;
  EXPECT_TRUE(grid->GetCheckBoxState(1, 3, state));
  EXPECT_EQ(state, cbChecked);
}

TEST_F(StringGridTest, HeaderListsFillRowAndColumnZero) {
  TStringList cols;
  cols.SetCommaText("#,A,B");
  grid->SetColumnHeaders(cols);
  EXPECT_EQ(grid->Cells(1, 0), "A");
  EXPECT_EQ(grid->Cells(3, 0), "");
  grid->ColumnHeaders().SetStrings(2, "C");
  EXPECT_EQ(grid->Cells(2, 0), "C");
  TStringList rows;
  for (int i = 0; i < 12; ++i) rows.Add("r" + std::to_string(i));
  grid->SetRowHeaders(rows);
  EXPECT_EQ(grid->Cells(0, 9), "r9");
  EXPECT_EQ(grid->Cells(0, 10), "");
  grid->SetFixedRows(0);
  grid->ColumnHeaders().SetStrings(1, "Z");
  EXPECT_EQ(grid->Cells(1, 0), "A");
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(StringGridTest, ControlValuesChangeOnlyCellsWithThatControl) {
  grid->SetCells(1, 1, "<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"FALSE\" WIDTH=\"15\">");
  EXPECT_EQ(grid->ControlValues(1, 1, "ok"), "FALSE");
  grid->SetControlValues(1, 1, "ok", "TRUE");
  EXPECT_EQ(grid->ControlValues(1, 1, "ok"), "TRUE");
  grid->SetCells(2, 1, "plain");
  grid->SetControlValues(2, 1, "ok", "TRUE");
  EXPECT_EQ(grid->Cells(2, 1), "plain");
  EXPECT_EQ(grid->ControlValues(2, 1, "ok"), "");
}

}  // namespace
}  // namespace hd::test
