// The floating footer through a real grid: its rows, its calculations kept current, the
// template, painting and clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/inplace_text_edit.h"
#include "grid/stringgrid/grid_panels.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/bitmap.h"
#include "platform/std_ctrls.h"

namespace hd::test {
namespace {

class FloatingFooterTest : public StringGridTest {
 protected:
  // Ten data rows holding 1 to 10 in column 1, and the footer row.
  void TenRows() {
    grid->SetRowCount(12);
    for (int r = 1; r <= 10; ++r) grid->SetCells(1, r, std::to_string(r));
  }
  std::string FooterText(int ACol) { return grid->Cells(ACol, grid->RowCount() - 1); }
  TFloatingFooter& Footer() { return grid->FloatingFooter(); }
};

TEST_F(FloatingFooterTest, EachStyleDecidesWhetherTheLastRowIsAFooterRow) {
  struct Case {
    TFooterStyle style;
    int fixedFooters;
  };
  for (const Case& c : {Case{fsFixedLastRow, 1}, Case{fsColumnPreview, 0}, Case{fsCustomPreview, 0}, Case{fsCustomPaint, 0}}) {
    SCOPED_TRACE(c.style);
    Footer().SetFooterStyle(c.style);
    Footer().SetVisible(true);
    EXPECT_EQ(grid->FixedFooters(), c.fixedFooters);
    EXPECT_EQ(grid->FooterPanel()->Height(), Footer().Height() - 1);
    Footer().SetVisible(false);
    EXPECT_EQ(grid->FixedFooters(), 0);
    EXPECT_EQ(grid->FooterPanel()->Height(), 0);
  }
}

TEST_F(FloatingFooterTest, CalculationKindsFillTheFooterRow) {
  TenRows();
  EXPECT_EQ(Footer().ColumnCalc(1), acNONE);
  EXPECT_FALSE(grid->HasCellProperties(1, 11)) << "reading the kind makes no properties";
  Footer().SetColumnCalc(1, acSUM);
  EXPECT_EQ(FooterText(1), "") << "nothing is written while the footer is hidden";
  Footer().SetVisible(true);
  struct Case {
    TColumnCalcType kind;
    std::string text;
  };
  const std::vector<Case> cases = {{acSUM, "55.00"},   {acAVG, "5.50"},     {acMIN, "1.00"},
                                   {acMAX, "10.00"},   {acCOUNT, "10"},     {acDISTINCT, "10.00"},
                                   {acSTDDEV, "2.87"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Footer().SetColumnCalc(1, c.kind);
    EXPECT_EQ(Footer().ColumnCalc(1), c.kind);
    EXPECT_EQ(FooterText(1), c.text);
  }
  grid->SetCells(2, 11, "kept");
  Footer().SetColumnCalc(2, acSPREAD);
  EXPECT_EQ(FooterText(2), "kept");

  std::vector<std::string> calls;
  Footer().OnCalcFooter = [&](TObject*, int, int, std::string& v) { calls.push_back("footer"), v = "F"; };
  Footer().SetColumnCalc(3, acCUSTOM);
  EXPECT_EQ(FooterText(3), "F");
  grid->OnFooterCalc = [&](TObject*, int c, int r, std::string& v) {
    calls.push_back("grid " + std::to_string(c) + ":" + std::to_string(r));
    v = "G";
  };
  grid->CalcFooter(3);
  EXPECT_EQ(FooterText(3), "G");
  EXPECT_EQ(calls, (std::vector<std::string>{"footer", "grid 3:11"})) << "the grid's handler goes first";

  Footer().SetEnableCalculation(false);
  grid->SetCells(1, 11, "old");
  grid->CalcFooter(-1);
  EXPECT_EQ(FooterText(1), "old");
}

// Hidden rows count while CalculateHiddenRows is on; one hidden row alone must not make the
// footer row part of its own sum.
TEST_F(FloatingFooterTest, HiddenRowsCountAndTheFooterNeverSumsItself) {
  TenRows();
  Footer().SetVisible(true);
  Footer().SetColumnCalc(1, acSUM);
  grid->HideRow(10);
  EXPECT_EQ(FooterText(1), "55.00");
  grid->HideRow(3);
  EXPECT_EQ(FooterText(1), "55.00");
  Footer().SetCalculateHiddenRows(false);
  grid->CalcFooter(1);
  EXPECT_EQ(FooterText(1), "42.00");
  Footer().SetColumnCalc(1, acCOUNT);
  EXPECT_EQ(FooterText(1), "8");
}

// The sum follows a validated edit, new rows and contracted nodes.
TEST_F(FloatingFooterTest, TheSumStaysCurrent) {
  TenRows();
  Footer().SetVisible(true);
  Footer().SetColumnCalc(1, acSUM);
  TGridOptions o = grid->Options();
  o.Include(goEditing);
  grid->SetOptions(o);
  grid->SetFocus();
  grid->SetCol(1);
  grid->SetRow(2);
  kit.Process();
  grid->ShowInplaceEdit();
  kit.Process();
  ASSERT_NE(grid->NormalEdit(), nullptr);
  grid->NormalEdit()->SetText("102");
  kit.Press(VK_RETURN);
  kit.Process();
  ASSERT_EQ(grid->Cells(1, 2), "102");
  EXPECT_EQ(FooterText(1), "155.00");

  grid->SetRowCount(13);
  EXPECT_EQ(Footer().ColumnCalc(1), acSUM) << "the footer row keeps its kind as it moves down";
  EXPECT_EQ(FooterText(1), "155.00");
  grid->AddNode(1, 3);
  grid->ContractNode(1);
  EXPECT_EQ(FooterText(1), "155.00") << "contracted rows are hidden rows, counted";
  Footer().SetCalculateHiddenRows(false);
  grid->ExpandNode(1);
  grid->ContractNode(1);
  EXPECT_EQ(FooterText(1), "50.00");
}

TEST_F(FloatingFooterTest, TemplatePlaceholdersTakeTheCurrentRowsCells) {
  TenRows();
  for (int r = 1; r <= 10; ++r) grid->SetCells(3, r, "c" + std::to_string(r));
  grid->FocusCell(1, 4);
  struct Case {
    std::string in, out;
  };
  const std::vector<Case> cases = {
      {"<b><#1></b> of <#3>", "<b>4</b> of c4"},
      {"no placeholders", "no placeholders"},
      {"x<#one>y", "xy"},
      {"<#1><#99>.", "4."},
      {"a<#1", "a<#1"},
      {"<#3> and <#1", "c4 and <#1"},
  };
  for (const Case& c : cases) EXPECT_EQ(grid->ExpandFooterTemplate(c.in), c.out) << c.in;
  grid->FocusCell(1, 7);
  EXPECT_EQ(grid->ExpandFooterTemplate("<#3>"), "c7");
}

TEST_F(FloatingFooterTest, PaintingDrawsTheFramesAndTheBorderLine) {
  TenRows();
  Footer().SetVisible(true);
  Footer().SetColumnCalc(1, acSUM);
  TBitmap bmp(400, 21);
  auto paint = [&] {
    bmp.Canvas().Brush() = TBrush{clFuchsia, bsSolid};
    bmp.Canvas().FillRect(TRect{0, 0, 400, 21});
    grid->PaintFooter(bmp.Canvas(), TRect{0, 0, 400, 21});
  };
  paint();
  const int w = 5 * 64;  // five columns of 64
  EXPECT_EQ(bmp.Canvas().Pixel(w + 20, 10), ColorToRGB(grid->Color())) << "beyond the columns the grid's colour";
  EXPECT_EQ(bmp.Canvas().Pixel(2 * 64 - 1, 10), RGB(128, 128, 128)) << "a scrolled column's right edge";
  EXPECT_EQ(bmp.Canvas().Pixel(64 + 30, 0), ColorToRGB(grid->GridLineColor())) << "the top line of fixed horizontal lines";
  Footer().SetBorderColor(clRed);
  paint();
  EXPECT_EQ(bmp.Canvas().Pixel(64 + 30, 0), clRed);
  EXPECT_EQ(bmp.Canvas().Pixel(w + 20, 0), ColorToRGB(grid->Color())) << "the border spans the columns only";

  std::vector<int> painted;
  grid->OnFooterPaint = [&](TObject* sender, int col, TCanvas&, const TRect&) {
    EXPECT_EQ(sender, grid->FooterPanel());
    painted.push_back(col);
  };
  paint();
  EXPECT_EQ(painted, (std::vector<int>{1, 2, 3, 4})) << "the fixed column keeps the grid's painter";
  painted.clear();
  Footer().SetFooterStyle(fsCustomPaint);
  Footer().SetColumn(3);
  paint();
  EXPECT_EQ(painted, (std::vector<int>{3}));
}

// A click names the footer column under the mouse after scrolling, and ColCount past the last.
TEST_F(FloatingFooterTest, AClickReportsTheFooterColumn) {
  grid->SetColCount(20);
  TenRows();
  Footer().SetVisible(true);
  kit.Process();
  grid->SetLeftCol(5);
  std::vector<std::string> clicks;
  grid->OnClick = [&](TObject*) { clicks.push_back("click"); };
  grid->OnClickCell = [&](TObject*, int r, int c) { clicks.push_back(std::to_string(r) + ":" + std::to_string(c)); };
  TFooterPanel* panel = grid->FooterPanel();
  ASSERT_GT(panel->Height(), 0);
  // The fixed column, then columns 5, 6, 7: the third scrolled column starts at 64 + 2 * 64.
  kit.Click(panel, 64 + 2 * 64 + 10, panel->Height() / 2);
  EXPECT_EQ(clicks, (std::vector<std::string>{"click", "11:7"}));
  clicks.clear();
  grid->SetColCount(4);
  grid->SetLeftCol(1);
  kit.Click(panel, 4 * 64 + 30, panel->Height() / 2);
  EXPECT_EQ(clicks, (std::vector<std::string>{"click", "11:4"}));
  EXPECT_EQ(grid->FooterColumnAt(10), 0);
}

// The hint request names the footer column under the mouse through OnGridHint, and is shown
// only with ShowHint; leaving the panel forgets the column.
TEST_F(FloatingFooterTest, HintsNameTheFooterColumn) {
  TenRows();
  Footer().SetVisible(true);
  std::vector<std::string> asked;
  grid->OnGridHint = [&](TObject*, int r, int c, std::string& hint) {
    asked.push_back(std::to_string(r) + ":" + std::to_string(c));
    hint = "sum of column " + std::to_string(c);
  };
  TFooterPanel* panel = grid->FooterPanel();
  auto request = [&](int x) {
    THintInfo info;
    info.CursorPos = TPoint{x, 5};
    LRESULT shown = panel->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    return std::make_pair(shown == 0, info.HintStr);
  };
  auto [shownOff, textOff] = request(64 + 10);
  EXPECT_FALSE(shownOff);
  EXPECT_EQ(panel->HintCol(), -1);
  Footer().SetShowHint(true);
  auto [shown, text] = request(2 * 64 + 10);
  EXPECT_TRUE(shown);
  EXPECT_EQ(text, "sum of column 2");
  EXPECT_EQ(panel->HintCol(), 2);
  EXPECT_EQ(asked, (std::vector<std::string>{"11:1", "11:2"}));
  request(5 * 64 + 10);
  EXPECT_EQ(panel->HintCol(), -1) << "past the last column no column is hinted";
  request(64 + 10);
  panel->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(panel->HintCol(), -1);
}

}  // namespace
}  // namespace hd::test
