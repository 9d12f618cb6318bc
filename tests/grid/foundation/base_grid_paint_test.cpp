// The cell painter: a merged range painted once per pass through its covered cells, grid
// lines and content rectangles, hover and active-row colours, and the parts of a styled
// selection, by calls on the recording canvas and by pixel probes.
#include <gtest/gtest.h>

#include <string>

#include "grid/foundation/base_grid_fixture.h"
#include "platform/recording_canvas.h"

namespace hd {
namespace {

using test::BaseGridTest;

int DrawsOf(const TRecordingCanvas& canvas, const std::string& text) {
  int n = 0;
  for (const TCanvasCall& call : canvas.CallsOf("DrawText"))
    if (call.Text == text) ++n;
  return n;
}

TEST_F(BaseGridTest, MergedRangeIsDrawnOncePerPaintPassThroughItsCoveredCells) {
  grid->SetCells(1, 1, "merged");
  grid->MergeCells(1, 1, 3, 2);
  TRecordingCanvas canvas(200, 100);
  // Only covered cells meet the area: (2,1), (3,1), (2,2), (3,2).
  const TRect covered = Rect(110, 25, 190, 55);
  for (int pass = 1; pass <= 2; ++pass) {
    SCOPED_TRACE(pass);
    canvas.ClearCalls();
    grid->contents.clear();
    int id = grid->PaintID();
    grid->PaintTo(canvas, covered);
    EXPECT_EQ(grid->PaintID(), id + 1);
    EXPECT_EQ(DrawsOf(canvas, "merged"), 1) << canvas.Dump();
    ASSERT_EQ(grid->contents.size(), 1u);
    EXPECT_EQ(grid->contents[0].col, 1);
    EXPECT_EQ(grid->contents[0].row, 1);
    EXPECT_EQ(grid->contents[0].rect, Rect(51, 21, 199, 59)) << "the whole range, inside its lines";
  }
  // On a whole pass the base cell paints itself, and its first covered cell once more.
  canvas.ClearCalls();
  grid->PaintTo(canvas);
  EXPECT_EQ(DrawsOf(canvas, "merged"), 2);
}

TEST_F(BaseGridTest, RangeScrolledUnderTheFixedColumnDoesNotPaintOverIt) {
  // The hover colour marks the range; the fixed cell of its row keeps its own look.
  grid->SetHoverRow(true);
  grid->FHoverRowIdx = 3;
  grid->SetHoverRowColor(clYellow);
  grid->MergeCells(1, 3, 2, 1);
  grid->SetLeftCol(2);
  ASSERT_EQ(grid->CellRect(2, 3), Rect(0, 60, 100, 80)) << "the range reaches under the fixed column";
  TRecordingCanvas canvas(200, 100);
  grid->PaintTo(canvas);
  EXPECT_EQ(canvas.Pixel(20, 70), clWhite) << "the fixed cell";
  EXPECT_EQ(canvas.Pixel(60, 70), clYellow) << "the visible part of the range";
  EXPECT_EQ(canvas.Pixel(60, 50), clWhite) << "the row above the range";
}

TEST_F(BaseGridTest, HiddenLastRowIsCoveredInTheGridColour) {
  grid->SetColor(clAqua);
  grid->SetCells(2, 19, "footer");
  grid->SetTopRow(16);  // rows 16-19 in view, row 19 at y 80..100
  grid->FHideLastRow = true;
  TRecordingCanvas canvas(200, 100);
  grid->PaintTo(canvas);
  EXPECT_EQ(DrawsOf(canvas, "footer"), 0);
  for (const auto& content : grid->contents) EXPECT_NE(content.row, 19) << content.col;
  EXPECT_EQ(canvas.Pixel(120, 99), clAqua) << "no line along its bottom";
  EXPECT_EQ(canvas.Pixel(149, 90), clAqua) << "nor between its cells";
  EXPECT_EQ(canvas.Pixel(149, 70), static_cast<TColor>(0xC0C0C0)) << "the row above keeps its lines";

  grid->FHideLastRow = false;
  canvas.ClearCalls();
  grid->PaintTo(canvas);
  EXPECT_EQ(DrawsOf(canvas, "footer"), 1);
}

TEST_F(BaseGridTest, PaintCellExtUsesTheRectangleAsGivenAndDrawsNoContent) {
  grid->SetCells(2, 2, "text");
  grid->MergeCells(2, 2, 2, 1);
  grid->SetActiveRowColor(clLime);
  struct Case {
    const char* name;
    TGridDrawState state;
    TColor fill;
  };
  const Case cases[] = {
      {"selected takes the active-row colour", {gdSelected}, clLime},
      {"unselected keeps the grid's look", {}, clWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->contents.clear();
    TRecordingCanvas canvas(200, 100);
    const TColor paper = RGB(1, 2, 3);
    canvas.Brush().Color = paper;
    canvas.FillRect(Rect(0, 0, 200, 100));
    canvas.ClearCalls();
    // The range's own rectangle would be (100, 40, 200, 60).
    grid->PaintCellExt(canvas, 2, 2, Rect(60, 25, 90, 45), c.state);
    EXPECT_EQ(canvas.Pixel(70, 35), c.fill);
    EXPECT_EQ(canvas.Pixel(89, 35), static_cast<TColor>(0xC0C0C0)) << "its lines on the given rectangle";
    EXPECT_EQ(canvas.Pixel(150, 50), paper) << "not the range's rectangle";
    EXPECT_TRUE(grid->contents.empty());
    EXPECT_EQ(DrawsOf(canvas, "text"), 0);
  }
}

TEST_F(BaseGridTest, GridLinesLieInsideTheCellAndInsetTheContent) {
  struct Case {
    const char* name;
    int width;
    int col;
    TPoint line, lineV, inside;  // probes on the bottom line, on the right line, just inside
    TColor lineColor;
    TRect content;
  };
  const TColor silver = 0xC0C0C0, fixedGray = 0x808080;
  const Case cases[] = {
      {"normal cell, width 1", 1, 2, {120, 59}, {149, 50}, {120, 58}, silver, {101, 41, 149, 59}},
      {"normal cell, width 3", 3, 2, {120, 57}, {147, 50}, {120, 56}, silver, {103, 43, 147, 57}},
      {"fixed cell keeps width 1", 3, 0, {20, 59}, {49, 50}, {20, 58}, fixedGray, {0, 40, 49, 58}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetGridLineWidth(c.width);
    grid->contents.clear();
    TRecordingCanvas canvas(200, 100);
    grid->PaintTo(canvas);
    EXPECT_EQ(canvas.Pixel(c.line.X, c.line.Y), c.lineColor);
    EXPECT_EQ(canvas.Pixel(c.lineV.X, c.lineV.Y), c.lineColor);
    EXPECT_EQ(canvas.Pixel(c.inside.X, c.inside.Y), clWhite);
    bool found = false;
    for (const auto& content : grid->contents)
      if (content.col == c.col && content.row == 2) {
        EXPECT_EQ(content.rect, c.content);
        found = true;
      }
    EXPECT_TRUE(found);
  }
}

TEST_F(BaseGridTest, HoverAndActiveRowColours) {
  grid->FocusCell(2, 2, true);
  grid->SetHoverRow(true);
  grid->FHoverRowIdx = 3;
  grid->SetHoverRowColor(clYellow);
  grid->SetActiveRowShow(true);
  grid->SetActiveRowColor(clLime);
  struct Case {
    const char* name;
    int col, row;
    TColor expected;
  };
  const Case cases[] = {
      {"normal cell of the hover row", 3, 3, clYellow},
      {"fixed cell of the hover row keeps its colours", 0, 3, clWhite},
      {"other cell of the current row", 3, 2, clLime},
      {"the current cell keeps its own look", 2, 2, clWhite},
      {"fixed cell of the current row", 0, 2, clWhite},
  };
  auto probe = [&](int col, int row) {
    TRecordingCanvas canvas(200, 100);
    grid->PaintTo(canvas);
    return canvas.Pixel(col * 50 + 3, row * 20 + 3);
  };
  for (const Case& c : cases) EXPECT_EQ(probe(c.col, c.row), c.expected) << c.name;
  grid->SetHoverRowCells({hcNormal, hcSelected, hcFixed});
  EXPECT_EQ(probe(0, 3), clYellow) << "the hover colours reach fixed cells when asked";
  grid->FShowSel = false;
  EXPECT_EQ(probe(2, 2), clLime) << "without a shown selection the current cell takes the row's colour";
}

TEST_F(BaseGridTest, StyledSelectionDrawsEndsAndMiddleAcrossItsColumns) {
  grid->SetSelectionStyle(ssWin7);
  grid->SetFocus();
  const TColor border = 0xCEA27D;  // the focused look
  struct Case {
    const char* name;
    TGridRect selection;
    int col;
    TColor leftCorner, rightCorner;  // the outermost top pixels of the cell's box
  };
  const Case cases[] = {
      {"left end", {1, 2, 3, 2}, 1, clWhite, border},
      {"middle", {1, 2, 3, 2}, 2, border, border},
      {"right end", {1, 2, 3, 2}, 3, border, clWhite},
      {"one column alone", {2, 2, 2, 2}, 2, clWhite, clWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetSelection(c.selection);
    TRecordingCanvas canvas(200, 100);
    grid->PaintTo(canvas);
    int left = c.col * 50;
    EXPECT_EQ(canvas.Pixel(left, 40), c.leftCorner);
    EXPECT_EQ(canvas.Pixel(left + 48, 40), c.rightCorner);
  }
}

}  // namespace
}  // namespace hd
