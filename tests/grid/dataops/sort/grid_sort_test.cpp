// The sorts through a real grid: one test per operation.
#include <gtest/gtest.h>

#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/bitmap.h"
#include "platform/image_list.h"

namespace hd::test {
namespace {

using Texts = std::vector<std::string>;

class GridSortTest : public StringGridTest {
 protected:
  // Column 1 the key, column 2 a tag, column 3 numbers; one fixed row and column.
  void Fill(const std::vector<Texts>& Rows) {
    grid->SetRowCount(static_cast<int>(Rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(Rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(Rows[r].size()); ++c) grid->SetCells(c + 1, r + 1, Rows[r][c]);
  }
  Texts Column(int ACol) {
    Texts out;
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) out.push_back(grid->Cells(ACol, r));
    return out;
  }
};

TEST_F(GridSortTest, SortAndUnsortWithAHiddenColumnMovingWithItsRows) {
  Fill({{"c", "3", "30"}, {"a", "1", "10"}, {"b", "2", "20"}});
  grid->HideColumn(3);
  grid->Sort(1, sdAscending);
  EXPECT_EQ(Column(1), (Texts{"a", "b", "c"}));
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->SortDir(), 1);
  grid->UnHideColumn(3);
  EXPECT_EQ(Column(3), (Texts{"10", "20", "30"}));
  grid->QUnSort();
  EXPECT_EQ(Column(1), (Texts{"c", "a", "b"}));
  EXPECT_EQ(Column(3), (Texts{"30", "10", "20"}));
}

// Image-list cells sort by their image index, whatever their texts.
TEST_F(GridSortTest, ImageCellsSortByTheirImageIndex) {
  Fill({{"x", "a"}, {"x", "b"}, {"x", "c"}});
  TImageList images{16, 16};
  images.Add(TBitmap(16 * 10, 16));
  grid->SetGridImages(&images);
  const int indexes[] = {5, 2, 9};
  for (int r = 0; r < 3; ++r) grid->AddImageIdx(1, r + 1, indexes[r], haLeft, vaTop);
  grid->OnGetFormat = [](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = ssImages; };
  grid->Sort(1, sdAscending);
  EXPECT_EQ(Column(2), (Texts{"b", "a", "c"}));
  grid->SetGridImages(nullptr);
}

TEST_F(GridSortTest, IndexedSortAndItsSettingsText) {
  Fill({{"x", "2"}, {"y", "1"}, {"x", "1"}});
  grid->SortSettings().LoadFromString("i;u1;d2");
  EXPECT_EQ(Column(1), (Texts{"x", "x", "y"}));
  EXPECT_EQ(Column(2), (Texts{"2", "1", "1"}));
  EXPECT_EQ(grid->SortSettings().SaveToString(), "i;u1;d2");
  grid->SortIndexes().Clear();
  EXPECT_THROW(grid->QSortIndexed(), EExtGridError);
}

TEST_F(GridSortTest, CompareEventsDecideThroughTheGrid) {
  Fill({{"a", ""}, {"b", ""}, {"c", ""}});
  grid->OnGetFormat = [](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = ssCustom; };
  // Reverse order through the custom comparison.
  grid->OnCustomCompare = [](TObject*, const std::string& a, const std::string& b, int& r) {
    r = a < b ? 1 : (a > b ? -1 : 0);
  };
  int changes = 0;
  grid->OnRowChanged = [&](TObject*, int, int) { ++changes; };
  grid->SortByColumn(1);
  EXPECT_EQ(Column(1), (Texts{"c", "b", "a"}));
  EXPECT_EQ(changes, 1);
  EXPECT_GT(grid->Compares(), 0);
}

TEST_F(GridSortTest, NormalCellsOnlyKeepsTheRowNumbers) {
  Fill({{"b"}, {"c"}, {"a"}});
  for (int r = 1; r <= 3; ++r) grid->SetCells(0, r, std::to_string(r));
  grid->SortSettings().SetNormalCellsOnly(true);
  grid->Sort(1, sdDescending);
  EXPECT_EQ(Column(0), (Texts{"1", "2", "3"}));
  EXPECT_EQ(Column(1), (Texts{"c", "b", "a"}));
}

}  // namespace
}  // namespace hd::test
