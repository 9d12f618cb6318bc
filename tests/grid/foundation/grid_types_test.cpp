#include "grid/foundation/grid_types.h"

#include <gtest/gtest.h>

#include <vector>

namespace hd {
namespace {

TEST(GridVocabulary, StoredOrdinalsReadAsTheirKinds) {
  EXPECT_EQ(static_cast<TEditorType>(0), edNormal);
  EXPECT_EQ(static_cast<TEditorType>(3), edComboList);
  EXPECT_EQ(static_cast<TEditorType>(10), edDataCheckBox);
  EXPECT_EQ(static_cast<TEditorType>(27), edNone);
  EXPECT_EQ(static_cast<TEditorType>(38), edExtGridDropDown);
  EXPECT_EQ(static_cast<int>(edMaskEditBtn), kEditorTypeCount - 1);
  EXPECT_EQ(kEditorTypeCount, 43);

  EXPECT_EQ(ssAlphaNumericNoCase, 19);
  EXPECT_EQ(acSTDDEV, 9);
  EXPECT_EQ(ssOffice2007, 3);
  EXPECT_EQ(adTopBottomInCol, 3);
  EXPECT_EQ(fceRightClick, 3);
  EXPECT_EQ(fceComboList, 2);
  EXPECT_EQ(static_cast<int>(vtaBottom), 2);
  TCellBorders borders{cbLeft, cbBottom};
  EXPECT_EQ(borders.Bits(), 0b1010u);
}

TEST(GridVocabulary, CellEventFamiliesKeepTheirArgumentOrder) {
  std::vector<int> seen;
  TClickCellEvent click = [&](TObject*, int ARow, int ACol) { seen = {ARow, ACol}; };
  TCheckBoxClickEvent check = [&](TObject*, int ACol, int ARow, bool) { seen = {ACol, ARow}; };
  TGetEditorTypeEvent editor = [&](TObject*, int, int, TEditorType& e) { e = edComboList; };

  // The grid calls with its own row 5 and column 2.
  const int row = 5, col = 2;
  click(nullptr, row, col);
  EXPECT_EQ(seen, (std::vector<int>{5, 2}));
  check(nullptr, col, row, true);
  EXPECT_EQ(seen, (std::vector<int>{2, 5}));
  TEditorType e = edNormal;
  editor(nullptr, col, row, e);
  EXPECT_EQ(e, edComboList);
}

}  // namespace
}  // namespace hd
