#include <gtest/gtest.h>

#include <string>

#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/picture_container.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/recording_canvas.h"

namespace hd::test {
namespace {

const TCanvasCall* DrawnText(const TRecordingCanvas& canvas, const std::string& text) {
  for (const TCanvasCall& call : canvas.Calls())
    if (call.Op == "DrawText" && call.Text == text && !(call.Flags & DT_CALCRECT)) return &call;
  return nullptr;
}

TEST_F(StringGridTest, MarkupCellIsDrawnThroughTheRendererInItsColours) {
  grid->SetURLColor(clRed);
  grid->SetCells(2, 2, "<b>Bold</b> <a href=\"x\">link</a>");
  TRecordingCanvas canvas(600, 400);
  grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
  const TCanvasCall* link = DrawnText(canvas, "link");
  ASSERT_NE(link, nullptr) << canvas.Dump();
  EXPECT_EQ(link->FontColor, clRed);
  EXPECT_NE(DrawnText(canvas, "Bold"), nullptr);
  for (const TCanvasCall& call : canvas.Calls())
    EXPECT_EQ(call.Text.find('<'), std::string::npos) << "no tag is drawn: " << call.Text;

  grid->SetEnableHTML(false);
  TRecordingCanvas plain(600, 400);
  grid->PaintCell(plain, 2, 2, grid->CellRect(2, 2), {});
  EXPECT_EQ(DrawnText(plain, "link"), nullptr) << "without markup the text is drawn as written";
}

TEST_F(StringGridTest, MarkupCellIsMeasuredAsDrawn) {
  TCanvas& canvas = grid->Canvas();
  canvas.Font() = grid->Font();
  int bold = 0;
  {
    TFont saved = canvas.Font();
    canvas.Font().Style.Include(fsBold);
    bold = canvas.TextWidth("Wide wide wide");
    canvas.Font() = saved;
  }
  grid->SetCells(2, 2, "<b>Wide wide wide</b><br>x");
  TSize size = grid->GetCellTextSize(2, 2, false, false);
  EXPECT_EQ(size.cx, bold + 2);
  EXPECT_EQ(size.cy, 2 * canvas.TextHeight("gh") + 2);
  grid->AutoSizeCol(2, 0);
  EXPECT_GE(grid->ColWidths(2), bold);
  EXPECT_LT(grid->ColWidths(2), canvas.TextWidth("<b>Wide wide wide</b><br>x"));
}

TEST_F(StringGridTest, HighlightColoursReachTheMarkup) {
  grid->SetHighlightColor(clYellow);
  grid->SetHighlightTextColor(clNavy);
  EXPECT_EQ(MarkupHighlightColor(), clYellow);
  EXPECT_EQ(MarkupHighlightTextColor(), clNavy);
  grid->SetCells(2, 2, "<hi>found</hi>");
  TRecordingCanvas canvas(600, 400);
  grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
  const TCanvasCall* found = DrawnText(canvas, "found");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->FontColor, clNavy);
  SetMarkupHighlightColors(clHighlight, clHighlightText);
  EXPECT_EQ(grid->ImageCache().Count(), 0);
}

}  // namespace
}  // namespace hd::test
