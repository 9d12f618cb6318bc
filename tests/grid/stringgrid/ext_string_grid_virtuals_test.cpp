#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/settings.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/string_grid_fixture.h"

namespace hd::test {
namespace {

std::string B(bool v) { return v ? "true" : "false"; }

// The setting goes in first; the event sees it and keeps the last word.
TEST_F(StringGridTest, CheckTextsStartFromTheSettingAndTheEventDecides) {
  std::vector<std::string> seen;
  grid->SetCheckTrue("ja");
  grid->OnGetCheckTrue = [&](TObject*, int ACol, int ARow, std::string& v) {
    seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + v);
    if (ACol == 2) v = "X";
  };
  std::string value = "caller";
  grid->GetCheckTrue(1, 3, value);
  EXPECT_EQ(value, "ja");
  grid->GetCheckTrue(2, 4, value);
  EXPECT_EQ(value, "X");
  EXPECT_EQ(seen, (std::vector<std::string>{"1,3 ja", "2,4 ja"}));
  grid->GetCheckFalse(1, 1, value);
  EXPECT_EQ(value, "N");
}

struct EditCase {
  const char* name;
  bool readOnly;      // the cell has properties, read-only or not
  bool hasProps;
  bool editing;       // goEditing
  bool rangeEdit;     // MouseActions.RangeSelectAndEdit
  bool proposal;
  std::string seen;   // what OnCanEditCell was given, "" when not asked
  bool answer;
};

TEST_F(StringGridTest, CanEditCellReadsThePropertiesThenAsksTheEvent) {
  for (const EditCase& c : std::vector<EditCase>{
           {"no properties: the proposal goes to the event", false, false, false, false, true, "2,3 true", true},
           {"no properties, proposal false", false, false, true, false, false, "2,3 false", false},
           {"read-only cell", true, true, true, false, true, "2,3 false", false},
           {"properties without editing", false, true, false, false, true, "2,3 false", false},
           {"properties without editing, range edit on", false, true, false, true, true, "2,3 true", true},
           {"a refused proposal is not read", false, true, true, false, false, "2,3 false", false}}) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TExtStringGrid> g(New<TExtStringGrid>(nullptr));
    if (c.hasProps) g->CellProperties(2, 3)->SetReadOnly(c.readOnly);
    if (c.editing) g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->MouseActions().SetRangeSelectAndEdit(c.rangeEdit);
    std::string seen;
    g->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
      seen = std::to_string(ACol) + "," + std::to_string(ARow) + " " + B(CanEdit);
    };
    bool canEdit = c.proposal;
    g->CanEditCell(2, 3, canEdit);
    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(canEdit, c.answer);
  }
}

TEST_F(StringGridTest, CanEditCellOfAColumnBeyondTheStoreIsTrueWithoutTheEvent) {
  int asked = 0;
  grid->OnCanEditCell = [&](TObject*, int, int, bool& CanEdit) {
    ++asked;
    CanEdit = false;
  };
  bool canEdit = false;
  grid->CanEditCell(5, 1, canEdit);
  EXPECT_TRUE(canEdit);
  EXPECT_EQ(asked, 0);
  // A covered cell asks for its base cell.
  std::string seen;
  grid->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool&) { seen = std::to_string(ACol) + "," + std::to_string(ARow); };
  grid->MergeCells(1, 1, 2, 2);
  grid->CanEditCell(2, 2, canEdit);
  EXPECT_EQ(seen, "1,1");
}

TEST_F(StringGridTest, FixedCellsAreFixedBeforeTheEventIsAsked) {
  std::vector<std::string> asked;
  grid->OnIsFixedCell = [&](TObject*, int ARow, int ACol, bool& IsFixed) {
    asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    IsFixed = ACol == 3;
  };
  struct { int col, row; bool fixed; } cases[] = {{0, 4, true}, {2, 0, true}, {2, 4, false}, {3, 4, true}};
  for (auto c : cases) {
    bool isFixed = false;
    grid->IsFixedCell(c.col, c.row, isFixed);
    EXPECT_EQ(isFixed, c.fixed) << c.col << "," << c.row;
  }
  EXPECT_EQ(asked, (std::vector<std::string>{"2,4", "3,4"}));
  bool comesInFixed = true;
  grid->IsFixedCell(2, 4, comesInFixed);
  EXPECT_TRUE(comesInFixed);
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(StringGridTest, ComboAndSpinButtonsFollowTheEventThenTheAlwaysVisibleLook) {
  EXPECT_FALSE(grid->HasComboBox(2, 2));
  grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
    if (ACol == 1) e = edComboList;
    if (ACol == 2) e = edSpinEdit;
    if (ACol == 3) e = edNone;
  };
  EXPECT_FALSE(grid->HasComboBox(1, 2));
  grid->ControlLook().SetDropDownAlwaysVisible(true);
  grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
  EXPECT_TRUE(grid->HasComboBox(1, 2));
  EXPECT_FALSE(grid->HasComboBox(2, 2));
  EXPECT_TRUE(grid->HasSpinEdit(2, 2));
  EXPECT_FALSE(grid->HasSpinEdit(2, 0));
  EXPECT_TRUE(grid->IsNoEditorCell(3, 2));
  EXPECT_FALSE(grid->IsNoEditorCell(1, 2));

  grid->OnHasComboBox = [](TObject*, int, int, bool& has) { has = false; };
  grid->OnHasSpinEdit = [](TObject*, int, int, bool& has) { has = true; };
  EXPECT_FALSE(grid->HasComboBox(1, 2));
  EXPECT_TRUE(grid->HasSpinEdit(3, 2));
  // A fixed cell never shows spin buttons, whatever the event would say.
  EXPECT_FALSE(grid->HasSpinEdit(0, 2));
}

TEST_F(StringGridTest, CellHintAsksTheTextEventThenTheWideOne) {
  std::string hint = "built";
  WideString wide;
  grid->OnGridHint = [](TObject*, int ARow, int ACol, std::string& h) {
    h += " r" + std::to_string(ARow) + "c" + std::to_string(ACol);
  };
  grid->GetCellHint(2, 3, hint, wide);
  EXPECT_EQ(hint, "built r3c2");
  grid->OnGridHint = nullptr;
  grid->OnGridWideHint = [](TObject*, int, int, WideString& h) { h = u"\u00e9t\u00e9"; };
  grid->GetCellHint(2, 3, hint, wide);
  EXPECT_EQ(hint, EncodePackedUnicode(u"\u00e9t\u00e9"));
}

TEST_F(StringGridTest, CellColourGoesActiveHeaderThenPropertiesThenEvent) {
  grid->SetActiveCellShow(true);
  grid->SetActiveCellColor(clRed);
  grid->SetRow(3);
  grid->SetCol(2);
  std::vector<std::string> seen;
  grid->OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush& brush, TFont& font) {
    seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + std::to_string(brush.Color) + " " +
                   font.Name);
  };
  auto color = [&](int col, int row) {
    TBrush brush;
    TFont font;
    font.Name = "Arial";
    grid->GetCellColor(col, row, {}, brush, font);
    return brush.Color;
  };
  EXPECT_EQ(color(0, 3), clRed);    // the current row's header
  EXPECT_EQ(color(2, 0), clRed);    // the current column's header
  EXPECT_EQ(color(0, 4), clWhite);
  grid->CellProperties(1, 1)->SetBrushColor(clYellow);
  grid->CellProperties(1, 1)->SetFontName("Courier");
  EXPECT_EQ(color(1, 1), clYellow);
  // A cell whose object draws its own background keeps the brush.
  grid->CreateCellGraphic(1, 1)->SetCellType(ctProgress);
  EXPECT_EQ(color(1, 1), clWhite);
  // The new properties object of (1,1) takes the cell's look of the moment, event included.
  EXPECT_EQ(seen, (std::vector<std::string>{"0,3 255 Tahoma", "2,0 255 Tahoma", "0,4 16777215 Arial",
                                            "1,1 " + std::to_string(clWindow) + " Tahoma", "1,1 65535 Courier",
                                            "1,1 16777215 Courier"}));
}

TEST_F(StringGridTest, BordersAndAlignmentGiveTheGroupingAndRowCheckLookBeforeTheEvent) {
  grid->Grouping().SetHeaderUnderline(true);
  grid->Grouping().SetHeaderLineColor(clRed);
  grid->Grouping().SetHeaderLineWidth(3);
  grid->CreateCellGraphic(0, 2)->SetCellType(ctNode);
  std::string seen;
  grid->OnGetCellBorder = [&](TObject*, int ARow, int ACol, TPen& pen, TCellBorders& borders) {
    seen = std::to_string(ACol) + "," + std::to_string(ARow) + " " + std::to_string(borders.Bits()) + " w" +
           std::to_string(pen.Width);
  };
  TPen pen;
  TCellBorders borders;
  grid->GetCellBorder(1, 2, pen, borders);
  EXPECT_EQ(borders, TCellBorders{cbBottom});
  EXPECT_EQ(pen.Color, clRed);
  EXPECT_EQ(seen, "1,2 " + std::to_string(TCellBorders{cbBottom}.Bits()) + " w3");
  TCellBorders none;
  grid->GetCellBorder(0, 2, pen, none);
  EXPECT_TRUE(none.Empty());

  grid->MouseActions().SetHotmailRowSelect(true);
  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  std::string alignSeen;
  grid->OnGetAlignment = [&](TObject*, int, int ACol, TAlignment& ha, TVAlignment&) {
    alignSeen += std::to_string(ACol) + ":" + std::to_string(ha) + " ";
  };
  grid->GetCellAlign(0, 3, h, v);
  grid->GetCellAlign(1, 3, h = taLeftJustify, v);
  EXPECT_EQ(alignSeen, "0:2 1:0 ");
}

TEST_F(StringGridTest, ColumnFilterListsTheColumnsTextsOnceWithTheClearEntryFirst) {
  grid->SetRowCount(5);
  grid->SetCells(2, 1, "a");
  grid->SetCells(2, 2, " b b ");
  grid->SetCells(2, 3, "a");
  grid->SetCells(2, 4, "z");
  grid->SetFixedFooters(1);
  EXPECT_FALSE(grid->GetColumnFilter(2));
  grid->SetFilterDropDownAuto(true);
  EXPECT_TRUE(grid->GetColumnFilter(2));
  EXPECT_EQ(grid->FilterList().Text(), "(All)\r\na\r\nb b=\"b b\"\r\n");
  // Hidden rows count unless the filter is incremental.
  TGridItem* item = grid->GridItems().Add();
  item->SetIdx(6);
  item->Items().SetCommaText(",,c");
  grid->GetColumnFilter(2);
  EXPECT_EQ(grid->FilterList().Count(), 4);
  grid->SetFilterIncremental(true);
  grid->SetFilterDropDownClear("");
  grid->OnGetColumnFilter = [](TObject*, int, TStringList& list) { list.Add("extra"); };
  grid->GetColumnFilter(2);
  EXPECT_EQ(grid->FilterList().CommaText(), "a,\"b b=\"\"b b\"\"\",extra");
  // Fixed columns offer a list only with fdAll.
  grid->OnGetColumnFilter = nullptr;
  EXPECT_FALSE(grid->GetColumnFilter(0));
}

TEST_F(StringGridTest, NewPropertiesUnderBandsOrAGradientKeepNoBackground) {
  TFont font;
  TBrush brush;
  TColor to = clRed, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = true;
  TCellGradientDirection gd = GradientVertical;
  brush.Color = clYellow;
  grid->GetDefaultCellProperties(2, 3, font, brush, to, mirror, mirrorTo, ha, va, ww, gd);
  // The cell's present look: the grid colour, no gradient.
  EXPECT_EQ(brush.Color, grid->Color());
  EXPECT_EQ(to, clNone);
  grid->Bands().SetActive(true);
  grid->GetDefaultCellProperties(2, 3, font, brush, to, mirror, mirrorTo, ha, va, ww, gd);
  EXPECT_EQ(brush.Color, clNone);
  EXPECT_EQ(to, clNone);
  grid->Bands().SetActive(false);
  grid->BackGround().SetDisplay(bdGradientVert);
  brush.Color = clYellow;
  grid->GetDefaultCellProperties(2, 3, font, brush, to, mirror, mirrorTo, ha, va, ww, gd);
  EXPECT_EQ(brush.Color, clNone);
}

}  // namespace
}  // namespace hd::test
