// Rich-text cells in the string grid: drawn with their formats (and the selection's text
// colour), measured, saved as rich or plain text, and moved into a rich edit and back.
#include <gtest/gtest.h>

#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/recording_canvas.h"
#include "platform/rich_edit.h"
#include "platform/rtf.h"

namespace hd {
// Failures show the text as rich text.
void PrintTo(const TRichText& t, std::ostream* os) { *os << RichToRtf(t); }
}  // namespace hd

namespace hd::test {
namespace {

TRichText Sample() {
  TRichText t;
  TRichFormat bold, red, up;
  bold.Style.Include(fsBold);
  red.Color = RGB(255, 0, 0);
  up.Offset = 40;
  t.Append("Bold", bold);
  t.Append(" red", red);
  t.Append("2", up);
  t.Append("\nnext", {});
  return t;
}

using RichCellsTest = StringGridTest;

TEST_F(RichCellsTest, CellIsDrawnRunByRunAndASelectedOneInTheSelectionTextColour) {
  grid->SetCells(2, 2, RichToRtf(Sample()));
  grid->SetFocus();
  grid->SetSelectionTextColor(RGB(1, 2, 3));
  TRecordingCanvas canvas(200, 100);
  const TRect r = Rect(10, 10, 190, 90);
  grid->DrawRichCell(2, 2, r, canvas);
  std::vector<TCanvasCall> texts = canvas.CallsOf("TextOut");
  ASSERT_EQ(texts.size(), 4u) << canvas.Dump();
  EXPECT_EQ(texts[0].Text, "Bold");
  EXPECT_EQ(texts[1].Text, " red");
  EXPECT_EQ(texts[1].FontColor, RGB(255, 0, 0));
  EXPECT_EQ(texts[2].Text, "2");
  EXPECT_LT(texts[2].Rect.Top, texts[1].Rect.Top);
  EXPECT_EQ(texts[3].Text, "next");
  EXPECT_GT(texts[3].Rect.Top, texts[0].Rect.Top);
  EXPECT_GE(texts[0].Rect.Left, r.Left);

  // Inside the selection (not the focused current cell) every run takes the selection's text colour.
  grid->SetCol(1);
  grid->SetRow(1);
  grid->SetSelection(TGridRect{1, 1, 3, 3});
  canvas.ClearCalls();
  grid->DrawRichCell(2, 2, r, canvas);
  for (const TCanvasCall& c : canvas.CallsOf("TextOut")) EXPECT_EQ(c.FontColor, RGB(1, 2, 3)) << c.Text;
  grid->SetSelectionRTFKeep(true);
  canvas.ClearCalls();
  grid->DrawRichCell(2, 2, r, canvas);
  EXPECT_EQ(canvas.CallsOf("TextOut")[1].FontColor, RGB(255, 0, 0));
}

TEST_F(RichCellsTest, SavedAsPlainTextOrAsRichTextWithoutLineEnds) {
  const std::string rtf = RichToRtf(Sample());
  ASSERT_NE(rtf.find('\n'), std::string::npos);
  grid->SetCells(1, 1, rtf);
  std::string saved;
  grid->SaveCellText(1, 1, saved);
  EXPECT_EQ(saved, "Bold red2\r\nnext");
  grid->SetSaveWithRTF(true);
  grid->SaveCellText(1, 1, saved);
  EXPECT_EQ(saved.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(RtfToRich(saved), Sample());
}

TEST_F(RichCellsTest, CellMovesIntoARichEditAndBackAndIsMeasuredByItsLines) {
  grid->SetCells(1, 1, RichToRtf(Sample()));
  TRichEdit* hidden = grid->GetRichEdit();
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(hidden, grid->RichEdit());
  grid->CellToRich(1, 1, hidden);
  EXPECT_EQ(hidden->RichText(), Sample());
  EXPECT_EQ(hidden->Text(), "Bold red2\r\nnext");
  grid->RichToCell(3, 3, hidden);
  EXPECT_EQ(RtfToRich(grid->Cells(3, 3)), Sample());
  grid->CellToRich(4, 4, hidden);  // an empty cell clears the editor
  EXPECT_EQ(hidden->Text(), "");
  // Two lines measure taller than one.
  TRichText one;
  one.Append("Bold red2", {});
  grid->SetCells(2, 1, RichToRtf(one));
  TSize two = grid->GetCellTextSize(1, 1, false, false), single = grid->GetCellTextSize(2, 1, false, false);
  EXPECT_GT(two.cy, single.cy);
  EXPECT_GT(single.cx, 0);
}

}  // namespace
}  // namespace hd::test
