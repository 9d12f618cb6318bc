// The search core on an in-memory grid: the walk order with each option and restriction, the
// continued search, replacing and the type-ahead search.
#include "grid/dataops/search/grid_search.h"

#include <gtest/gtest.h>

#include <string>

#include "grid/dataops/testkit/memory_grid_host.h"

namespace hd::test {
namespace {

// One fixed row and column; column 4 is hidden (beyond ColCount), real row 4 a hidden row.
//        col 0   col 1        col 2        col 3    (col 4, hidden)
// row 0  "#"     "A"          "B"          "C"      "D"
// row 1  "1"     "apple"      ""           "pear"   "fig"
// row 2  "2"     "Pineapple"  "apple"      "grape"  ""
// row 3  "3"     "plum"       "APPLE pie"  ""       ""
// (real row 4, hidden) "4" "kiwi" ...
class GridSearchTest : public ::testing::Test {
 protected:
  GridSearchTest()
      : host({{"#", "A", "B", "C", "D"},
              {"1", "apple", "", "pear", "fig"},
              {"2", "Pineapple", "apple", "grape", ""},
              {"3", "plum", "APPLE pie", "", ""}}) {
    host.fixedCols = 1;
    host.SetColCount(4);
    host.hiddenColumns = 1;
    host.hidden[4] = {{"4", "kiwi", "", "", ""}, std::vector<TObject*>(5)};
    host.row = 1;
    host.col = 1;
  }
  TMemoryGridHost host;
  TGridSearch search{host};
};

struct FindCase {
  const char* name;
  TPoint start;
  std::string text;
  TFindParams params;
  TPoint expected;
  // Current cell (col, row), preset cell, selection and ignored column set before the search.
  TPoint current{1, 1};
  TPoint preset{0, 0};
  TGridRect selection{1, 1, 1, 1};
  int ignoredColumn = -1;
};

TEST_F(GridSearchTest, FindOrderOverOneFixture) {
  const FindCase cases[] = {
      {"column walk, from the beginning", {-1, -1}, "apple", {}, {1, 1}},
      {"column walk, continued down the column", {1, 1}, "apple", {}, {1, 2}},
      {"column walk, on at the top of the next column", {1, 2}, "apple", {}, {2, 2}},
      {"column walk, no wrap after the last match", {2, 3}, "apple", {}, {-1, -1}},
      {"row walk, along the first row then the next", {1, 1}, "apple", {fnDirectionLeftRight}, {1, 2}},
      {"row walk, continued within the row", {1, 2}, "apple", {fnDirectionLeftRight}, {2, 2}},
      {"backward from the end starts at the last cell", {-1, -1}, "apple", {fnBackward}, {2, 3}},
      {"backward row walk", {2, 2}, "e", {fnBackward, fnDirectionLeftRight}, {1, 2}},
      {"case ignored: lower case finds upper case", {2, 2}, "apple", {}, {2, 3}},
      {"match case passes over other cases", {2, 2}, "apple", {fnMatchCase}, {-1, -1}},
      {"match case, exact case found", {-1, -1}, "APPLE", {fnMatchCase}, {2, 3}},
      {"match start", {1, 1}, "apple", {fnMatchStart}, {2, 2}},
      {"match full", {-1, -1}, "apple pie", {fnMatchFull}, {2, 3}},
      {"match start and full need the whole cell", {2, 2}, "apple", {fnMatchStart, fnMatchFull}, {-1, -1}},
      {"two double quotes find the first empty cell", {-1, -1}, "\"\"", {}, {2, 1}},
      {"empty search text finds nothing", {-1, -1}, "", {}, {-1, -1}},
      {"regular condition", {-1, -1}, "*pie", {fnMatchRegular}, {2, 3}},
      {"regular condition with an or", {-1, -1}, "grape|plum", {fnMatchRegular}, {1, 3}},
      {"fixed cells left out", {-1, -1}, "#", {}, {-1, -1}},
      {"fixed cells included", {-1, -1}, "#", {fnIncludeFixed}, {0, 0}},
      {"hidden row left out", {-1, -1}, "kiwi", {}, {-1, -1}},
      {"hidden row included by real index", {-1, -1}, "kiwi", {fnIncludeHiddenRows}, {1, 4}},
      {"hidden column left out", {-1, -1}, "fig", {}, {-1, -1}},
      {"hidden column included by real index", {-1, -1}, "fig", {fnIncludeHiddenColumns}, {4, 1}},
      {"current row", {-1, -1}, "apple", {fnFindInCurrentRow}, {2, 3}, {1, 3}},
      {"current column", {-1, -1}, "e", {fnFindInCurrentCol}, {3, 1}, {3, 2}},
      {"preset column", {-1, -1}, "apple", {fnFindInPresetCol}, {2, 2}, {1, 1}, {2, 0}},
      {"preset row", {-1, -1}, "apple", {fnFindInPresetRow}, {1, 2}, {1, 1}, {0, 2}},
      {"one-cell selection tests that cell", {-1, -1}, "apple", {fnSelectedCells}, {2, 2}, {1, 1}, {0, 0},
       {2, 2, 2, 2}},
      {"one-cell selection, elsewhere nothing", {-1, -1}, "pear", {fnSelectedCells}, {-1, -1}, {1, 1}, {0, 0},
       {2, 2, 2, 2}},
      {"row walk skips ignored columns", {-1, -1}, "apple", {fnDirectionLeftRight}, {2, 2}, {1, 1}, {0, 0},
       {1, 1, 1, 1}, 1},
      {"column walk tests ignored columns", {-1, -1}, "apple", {}, {1, 1}, {1, 1}, {0, 0}, {1, 1, 1, 1}, 1},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.name);
    host.col = c.current.X;
    host.row = c.current.Y;
    search.SetFindCol(c.preset.X);
    search.SetFindRow(c.preset.Y);
    host.selection = c.selection;
    host.ignoreColumns.Clear();
    if (c.ignoredColumn >= 0) host.ignoreColumns.Add(c.ignoredColumn);
    const TPoint found = search.Find(c.start, c.text, c.params);
    EXPECT_EQ(found.X, c.expected.X);
    EXPECT_EQ(found.Y, c.expected.Y);
  }
}

TEST_F(GridSearchTest, SearchStateAfterFirstNextAndFailure) {
  EXPECT_EQ(search.FindFirst("Apple", {}), (TPoint{1, 1}));
  EXPECT_EQ(search.SearchCache(), "APPLE");
  EXPECT_TRUE(search.FindBusy());
  EXPECT_EQ(search.FindNext(), (TPoint{1, 2}));
  EXPECT_EQ(search.FindNext(), (TPoint{2, 2}));
  EXPECT_EQ(search.FindNext(), (TPoint{2, 3}));
  EXPECT_EQ(search.FindNext(), (TPoint{-1, -1}));
  EXPECT_EQ(search.SearchCell(), (TPoint{-1, -1}));
  EXPECT_FALSE(search.FindBusy());
  // A wide search leaves nothing for FindNext to continue.
  EXPECT_EQ(search.FindWide({-1, -1}, Utf8ToWide("grape"), {}), (TPoint{3, 2}));
  EXPECT_EQ(search.SearchCache(), "");
  EXPECT_EQ(WideToUtf8(search.SearchCacheWide()), "GRAPE");
}

// A restriction that undoes the step of a continued search moves on past the found cell.
TEST_F(GridSearchTest, RestrictedContinuedSearchAdvances) {
  host.col = 1;
  EXPECT_EQ(search.FindFirst("apple", {fnDirectionLeftRight, fnFindInCurrentCol}), (TPoint{1, 1}));
  EXPECT_EQ(search.FindNext(), (TPoint{1, 2}));
  EXPECT_EQ(search.FindNext(), (TPoint{-1, -1}));
  host.row = 2;
  EXPECT_EQ(search.FindFirst("apple", {fnFindInCurrentRow}), (TPoint{1, 2}));
  EXPECT_EQ(search.FindNext(), (TPoint{2, 2}));
  EXPECT_EQ(search.FindNext(), (TPoint{-1, -1}));
}

TEST_F(GridSearchTest, WideSearchKeepsMarkupAndConditionOptions) {
  host.SetStoredText(3, 3, "<b>Ba</b>nana");
  EXPECT_EQ(search.FindWide({-1, -1}, Utf8ToWide("banana"), {fnIgnoreHTMLTags}), (TPoint{3, 3}));
  EXPECT_EQ(search.FindWide({-1, -1}, Utf8ToWide("banana"), {}), (TPoint{-1, -1}));
  EXPECT_EQ(search.FindWide({-1, -1}, Utf8ToWide("gr*"), {fnMatchRegular}), (TPoint{3, 2}));
}

TEST_F(GridSearchTest, ReplaceCountsCellsAndEndsWhenTheNewTextHoldsTheOld) {
  host.showModified = true;
  host.SetStoredText(3, 1, "Apple and apple");
  // Match case finds the cell; its replacement still ignores case.
  EXPECT_EQ(search.Replace("apple", "pear", {fnMatchCase, fnFindInCurrentRow}), 2);
  EXPECT_EQ(host.StoredText(1, 1), "pear");
  EXPECT_EQ(host.StoredText(3, 1), "pear and pear");
  EXPECT_EQ(host.modifiedRows, (std::set<int>{1}));

  EXPECT_EQ(search.Replace("apple", "apple tart", {}), 3);
  EXPECT_EQ(host.StoredText(1, 2), "Pineapple tart");
  EXPECT_EQ(host.StoredText(2, 2), "apple tart");
  EXPECT_EQ(host.StoredText(2, 3), "apple tart pie");
  // Restricted in a way that undoes each step: still each cell once.
  host.col = 2;
  EXPECT_EQ(search.Replace("tart", "tart tart", {fnDirectionLeftRight, fnFindInCurrentCol}), 2);
  EXPECT_EQ(host.StoredText(2, 3), "apple tart tart pie");
  EXPECT_EQ(search.Replace("nothing", "x", {}), 0);
}

TEST_F(GridSearchTest, AutoGotoMovesAndScrollsOnlyForFind) {
  host.visibleRows = 2;
  EXPECT_EQ(search.FindWide({-1, -1}, Utf8ToWide("apple pie"), {fnAutoGoto}), (TPoint{2, 3}));
  EXPECT_EQ(host.row, 3);
  EXPECT_EQ(host.col, 2);
  EXPECT_EQ(host.topRow, 1);
  host.row = host.col = 1;
  EXPECT_EQ(search.Find({-1, -1}, "apple pie", {fnAutoGoto}), (TPoint{2, 3}));
  EXPECT_EQ(host.topRow, 2);
  // With disjunct row selection the row is selected and the column stays.
  host.disjunctRowSelect = true;
  host.col = 3;
  host.selectedRows = {1};
  EXPECT_EQ(search.Find({-1, -1}, "pineapple", {fnAutoGoto}), (TPoint{1, 2}));
  EXPECT_EQ(host.selectedRows, (std::set<int>{2}));
  EXPECT_EQ(host.row, 2);
  EXPECT_EQ(host.col, 3);
  // A failed search moves nothing.
  EXPECT_EQ(search.Find({-1, -1}, "cherry", {fnAutoGoto}), (TPoint{-1, -1}));
  EXPECT_EQ(host.row, 2);
}

TEST_F(GridSearchTest, TypeAheadSearchOnTheKeyColumn) {
  EXPECT_EQ(search.Search("PI"), 2);
  EXPECT_EQ(search.Search("PLUMS"), -1);
  EXPECT_EQ(search.Search(""), 1);
  host.settings.SetShow(true);
  host.settings.SetColumn(2);
  EXPECT_EQ(search.Search("APPLE P"), 3);
  host.settings.SetColumn(-1);
  EXPECT_EQ(search.Search("A"), -1);
}

}  // namespace
}  // namespace hd::test
