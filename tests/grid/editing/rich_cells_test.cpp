// Rich-text cells edited with the grid's rich edit through a real grid: the editor opens on
// the cell's formats and stores them back, Tab moves on, sub- and superscript of the
// selection, and the row growing with the typed lines up to the grid's bottom.
#include <gtest/gtest.h>

#include "grid/editing/editing_fixture.h"
#include "grid/editing/inplace_rich_edit.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "platform/rtf.h"

namespace hd::test {
namespace {

TRichText Water() {
  TRichText t;
  TRichFormat bold, sub;
  bold.Style.Include(fsBold);
  sub.Offset = -40;
  t.Append("H", bold);
  t.Append("2", sub);
  t.Append("O", bold);
  return t;
}

class RichCellsTest : public EditingTest {
 protected:
  // The address cells are rich-text cells.
  void OpenAddress(int row, const TRichText& text) {
    grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
      if (c == kAddrCol) e = edRichEdit;
    };
    grid->SetCells(kAddrCol, row, RichToRtf(text));
    ClickCell(kAddrCol, row);
    Press(VK_F2);
  }
  TExtRichEdit* Rich() { return grid->InplaceRichEdit(); }
};

TEST_F(RichCellsTest, EditorOpensOnTheCellsFormatsAndStoresWhatWasTyped) {
  grid->Navigation().SetEditSelectAll(false);
  OpenAddress(2, Water());
  ASSERT_TRUE(Rich()->Visible());
  EXPECT_TRUE(Rich()->Focused());
  EXPECT_EQ(Rich()->RichText(), Water());
  Press(VK_END);
  Type("!");
  // Tab moves on as with any editor; the rich text is stored as rich text.
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  Press(VK_TAB);
  EXPECT_FALSE(Rich()->Visible());
  EXPECT_EQ(grid->Col(), kAddrCol + 1);
  TRichText stored = RtfToRich(grid->Cells(kAddrCol, 2));
  TRichText expected = Water();
  expected.Runs.back().Text += "!";  // typed in the format before the caret
  EXPECT_EQ(stored, expected);
  for (unsigned char c : grid->Cells(kAddrCol, 2)) EXPECT_LT(c, 0x80);
}

TEST_F(RichCellsTest, SelectionTakesSubAndSuperscriptAndAnswersForIt) {
  OpenAddress(2, Water());
  Rich()->SetSelStart(1);
  Rich()->SetSelLength(1);
  EXPECT_TRUE(Rich()->IsSelSubscript());
  EXPECT_FALSE(Rich()->IsSelNormal());
  Rich()->SelSuperscript();
  EXPECT_TRUE(Rich()->IsSelSuperscript());
  EXPECT_FALSE(Rich()->IsSelNormal());
  EXPECT_FALSE(Rich()->IsSelSubscript());
  Rich()->SelNormal();
  EXPECT_TRUE(Rich()->IsSelNormal());
  // A selection of a raised and a plain character is neither.
  Rich()->SetSelStart(0);
  Rich()->SetSelLength(2);
  Rich()->SelSuperscript();
  Rich()->SetSelLength(3);
  EXPECT_FALSE(Rich()->IsSelSuperscript());
  EXPECT_FALSE(Rich()->IsSelNormal());
}

TEST_F(RichCellsTest, RowGrowsWithTypedLinesUntilItWouldReachTheGridsBottom) {
  grid->SizeWhileTyping().SetHeight(true);
  grid->Navigation().SetEditSelectAll(false);
  std::vector<int> sized;
  grid->OnEndRowSize = [&](TObject*, int r) {
    sized.push_back(r);
    EXPECT_EQ(grid->RowHeights(r), Rich()->ReqHeight() + 10);
    EXPECT_EQ(Rich()->Height(), Rich()->ReqHeight() + 9);
  };
  OpenAddress(3, Water());
  const int start = grid->RowHeights(3);
  EXPECT_TRUE(sized.empty()) << "loading the editor grows nothing";
  Press(VK_END);
  std::vector<int> heights;
  for (int i = 0; i < 20; ++i) {
    Press(VK_RETURN);
    Type("x");
    heights.push_back(grid->RowHeights(3));
  }
  ASSERT_FALSE(sized.empty());
  EXPECT_EQ(sized.front(), 3);
  EXPECT_GT(heights[2], start);
  // The row stopped short of the bottom edge.
  const TRect cell = grid->CellRect(kAddrCol, 3);
  EXPECT_LT(cell.Top + grid->RowHeights(3) - 5, grid->Height());
  EXPECT_EQ(heights.back(), heights[heights.size() - 2]) << "growth stops at the bottom";
}

}  // namespace
}  // namespace hd::test
