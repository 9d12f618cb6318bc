#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/string_grid_fixture.h"

namespace hd::test {
namespace {

TEST_F(StringGridTest, AutoFitColumnsSpreadsTheColumnsOverTheRoom) {
  grid->SetBorderStyle(bsNone);
  grid->SetScrollBars(ssNone);
  grid->SetOptions(grid->Options() - TGridOptions{goVertLine, goFixedVertLine});
  grid->SetColCount(2);
  grid->SetFixedCols(0);
  grid->SetRowCount(3);
  grid->SetBounds(0, 0, 300, 200);
  struct Case {
    const char* name;
    int w0, w1;
    int e0, e1;
  };
  for (const Case& c : std::vector<Case>{{"in proportion", 100, 50, 200, 100},
                                         {"already filling the room", 120, 180, 120, 180},
                                         {"no width at all", 0, 0, 0, 0},
                                         {"a remainder goes to the widest", 101, 50, 201, 99}}) {
    SCOPED_TRACE(c.name);
    grid->SetColWidths(0, c.w0);
    grid->SetColWidths(1, c.w1);
    grid->AutoFitColumns(true);
    EXPECT_EQ(grid->ColWidths(0), c.e0);
    EXPECT_EQ(grid->ColWidths(1), c.e1);
  }
}

TEST_F(StringGridTest, RowsFitTheirLinesAndCellsTheirText) {
  grid->SetWordWrap(false);
  grid->SetMultilinecells(true);
  grid->SetCells(2, 3, "one\r\ntwo\r\nthree");
  grid->SetCells(3, 3, "one\r\ntwo");
  grid->HideColumn(4);
  grid->SetCells(4, 4, "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(grid->GetMaxLinesInRow(3), 3);
  EXPECT_EQ(grid->GetMaxLinesInRow(4), 1) << "the hidden column's lines do not count";
  int h = grid->Canvas().TextHeight("gh");
  grid->AutoSizeRows(false, 4);
  EXPECT_EQ(grid->RowHeights(3), 4 + 3 * (h + h / 8));
  ASSERT_LT(4 + (h + h / 8), grid->MinRowHeight());
  EXPECT_EQ(grid->RowHeights(4), grid->MinRowHeight()) << "one line is less than the minimum height";
  EXPECT_EQ(grid->GetMaxColTextLength(2), 5);

  // Cells grow their column and row; a column right of a hidden one measures its own text.
  grid->UnHideColumnsAll();
  grid->SetCells(3, 6, "a much longer text than the others");
  grid->SetColWidths(3, 10);
  grid->AutoSizeCells(false, 0, 0);
  int fitted = grid->ColWidths(3);
  EXPECT_GT(fitted, 10);
  grid->SetColWidths(3, 10);
  grid->HideColumn(1);
  grid->AutoSizeCells(false, 0, 0);
  EXPECT_EQ(grid->ColWidths(grid->RealToDisplCol(3)), fitted);
}

// A grid that shows progress hears each row of a row sizing once, between a start and an end.
class TProgressGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  std::vector<std::pair<TGridExportState, int>> Steps;

 protected:
  void ExportNotification(TGridExportState AState, int ARow) override { Steps.emplace_back(AState, ARow); }
};

TEST_F(StringGridTest, RowSizingReportsItsProgressRowByRow) {
  auto* sized = New<TProgressGrid>(form.get());
  sized->SetParent(form.get());
  sized->SetRowCount(4);
  using Steps = std::vector<std::pair<TGridExportState, int>>;
  for (bool wrap : {false, true}) {
    SCOPED_TRACE(wrap ? "word wrap" : "lines");
    sized->SetWordWrap(wrap);
    sized->Steps.clear();
    sized->AutoSizeRows(false, 0);
    EXPECT_EQ(sized->Steps, (Steps{{esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2},
                                   {esExportNextRow, 3}, {esExportDone, -1}}));
  }
  sized->Steps.clear();
  sized->AutoSizeRows(true, 0);
  ASSERT_EQ(sized->Steps.size(), 6u);
  EXPECT_EQ(sized->Steps[0], std::make_pair(esExportStart, 0)) << "fixed rows measured too";
}

TEST_F(StringGridTest, ColumnSizingIgnoresAColumnOutsideTheGrid) {
  grid->SetColWidths(1, 50);
  grid->AutoSizeCol(-1, 5);
  grid->AutoSizeCol(grid->ColCount(), 5);
  EXPECT_EQ(grid->ColWidths(1), 50);
}

}  // namespace
}  // namespace hd::test
