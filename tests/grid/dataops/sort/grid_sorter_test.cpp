#include "grid/dataops/sort/grid_sorter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "grid/dataops/testkit/memory_grid_host.h"

namespace hd::test {
namespace {

using Texts = std::vector<std::string>;

// A header row above rows of (key, tag).
TMemoryGridHost KeyedRows(const std::vector<std::pair<std::string, std::string>>& Rows) {
  std::vector<std::vector<std::string>> table{{"key", "tag"}};
  for (const auto& [k, t] : Rows) table.push_back({k, t});
  return TMemoryGridHost(std::move(table));
}

TEST(GridSorterTest, CountsAndCrossReferencePinnedOnThreeRows) {
  TMemoryGridHost host({{"h"}, {"3"}, {"1"}, {"2"}});
  TGridSorter sorter(host);
  host.settings.SetColumn(0);
  sorter.QSort();
  EXPECT_EQ(host.Column(0), (Texts{"h", "1", "2", "3"}));
  EXPECT_EQ(sorter.Compares(), 7);
  EXPECT_EQ(host.swaps, 2);
  EXPECT_EQ(host.xref.StrValue(), "0,2,3,1");
  EXPECT_EQ(sorter.SortDir(), 1);
  EXPECT_EQ(host.RowCount(), 4) << "the scratch rows are gone";
  EXPECT_EQ(host.updateLock, 0);
}

TEST(GridSorterTest, EqualRowsStayInTheColumnSortAndSwapInTheIndexedOne) {
  struct Case {
    const char* name;
    bool indexed;
    Texts tags;
    int compares, swaps;
  } cases[] = {
      {"column sort", false, {"tag", "a", "b", "c"}, 5, 0},
      {"indexed sort", true, {"tag", "c", "b", "a"}, 4, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryGridHost host = KeyedRows({{"1", "a"}, {"1", "b"}, {"1", "c"}});
    host.settings.SetFull(false);
    TGridSorter sorter(host);
    if (c.indexed) {
      host.SortIndexes().AddIndex(0, true);
      sorter.QSortIndexed();
    } else {
      host.settings.SetColumn(0);
      sorter.QSort();
    }
    EXPECT_EQ(host.Column(1), c.tags);
    EXPECT_EQ(sorter.Compares(), c.compares);
    EXPECT_EQ(host.swaps, c.swaps);
  }
}

TEST(GridSorterTest, DescendingWithTiesBrokenToTheRight) {
  TMemoryGridHost host = KeyedRows({{"2", "x"}, {"10", "b"}, {"2", "a"}, {"", "e"}});
  host.settings.SetColumn(0);
  host.settings.SetDirection(sdDescending);
  TGridSorter sorter(host);
  sorter.QSort();
  EXPECT_EQ(host.Column(1), (Texts{"tag", "b", "x", "a", "e"}));
  EXPECT_EQ(sorter.SortDir(), -1);
}

TEST(GridSorterTest, UnsortReturnsToTheOrderAtTheLastInitialisation) {
  TMemoryGridHost host = KeyedRows({{"c", "1"}, {"a", "2"}, {"b", "3"}});
  host.settings.SetColumn(0);
  TGridSorter sorter(host);
  sorter.QSort();
  sorter.QUnSort();
  EXPECT_EQ(host.Column(0), (Texts{"key", "c", "a", "b"}));
  EXPECT_EQ(host.xref.StrValue(), "0,1,2,3");
  int swaps = host.swaps;
  sorter.QUnSort();
  EXPECT_EQ(host.swaps, swaps) << "a second unsort moves nothing";

  // Sort, insert a row, sort again: the order at the start of the second sort comes back.
  sorter.QSort();
  host.rows.insert(host.rows.begin() + 1, TMemoryGridHost::TRowData{{"ab", "new"}, {nullptr, nullptr}});
  Texts before = host.Column(0);
  sorter.QSort();
  EXPECT_EQ(host.Column(0), (Texts{"key", "a", "ab", "b", "c"}));
  sorter.QUnSort();
  EXPECT_EQ(host.Column(0), before);
}

TEST(GridSorterTest, UnsortWithAStaleCrossReferenceStartsItAfresh) {
  TMemoryGridHost host = KeyedRows({{"b", ""}, {"a", ""}});
  host.settings.SetColumn(0);
  TGridSorter sorter(host);
  sorter.QSort();
  host.rows.push_back({{"z", ""}, {nullptr, nullptr}});
  sorter.QUnSort();
  EXPECT_EQ(host.Column(0), (Texts{"key", "a", "b", "z"}));
  EXPECT_EQ(host.xref.StrValue(), "0,1,2,3");
}

TEST(GridSorterTest, FixedColumnKeepsItsTextsAndHiddenColumnMovesWithItsRows) {
  // Column 0 numbers the rows, column 1 is the key, column 2 is hidden (beyond ColCount).
  TMemoryGridHost host({{"#", "key", "hidden"}, {"1", "b", "hb"}, {"2", "c", "hc"}, {"3", "a", "ha"}});
  host.cols = 2;
  host.hiddenColumns = 1;
  host.fixedCols = 1;
  host.settings.SetNormalCellsOnly(true);
  host.settings.SetColumn(1);
  TGridSorter sorter(host);
  sorter.QSort();
  EXPECT_EQ(host.Column(0), (Texts{"#", "1", "2", "3"}));
  EXPECT_EQ(host.Column(1), (Texts{"key", "a", "b", "c"}));
  EXPECT_EQ(host.Column(2), (Texts{"hidden", "ha", "hb", "hc"}));
  EXPECT_EQ(host.ColCount(), 2);
}

TEST(GridSorterTest, FooterRowsAndFixedRowsKeepTheirPlaces) {
  TMemoryGridHost host({{"h"}, {"b"}, {"c"}, {"a"}, {"0"}});
  host.fixedFooters = 1;
  host.settings.SetColumn(0);
  TGridSorter sorter(host);
  sorter.QSort();
  EXPECT_EQ(host.Column(0), (Texts{"h", "a", "b", "c", "0"}));
}

// The floating footer is hidden while the rows move and shown again after, its row kept last.
TEST(GridSorterTest, FloatingFooterIsHiddenDuringTheSort) {
  TMemoryGridHost host({{"h"}, {"b"}, {"c"}, {"a"}, {"sum"}});
  host.fixedFooters = 1;
  host.footerVisible = true;
  std::vector<bool> shownDuring;
  host.onFormat = [&](int, TSortStyle&, std::string&, std::string&) { shownDuring.push_back(host.footerVisible); };
  host.settings.SetColumn(0);
  TGridSorter sorter(host);
  sorter.QSort();
  EXPECT_EQ(host.Column(0), (Texts{"h", "a", "b", "c", "sum"}));
  ASSERT_FALSE(shownDuring.empty());
  EXPECT_EQ(std::count(shownDuring.begin(), shownDuring.end(), true), 0);
  EXPECT_TRUE(host.footerVisible);
  EXPECT_EQ(host.fixedFooters, 1);
  EXPECT_EQ(host.footerRepaints, 1);
  // The search bar is repainted after a plain sort, not after an indexed one.
  EXPECT_EQ(host.searchPanelRepaints, 1);
  host.SortIndexes().AddIndex(0, true);
  sorter.QSortIndexed();
  EXPECT_EQ(host.footerRepaints, 2);
  EXPECT_EQ(host.searchPanelRepaints, 1);
}

TEST(GridSorterTest, NothingToSortAndErrors) {
  TMemoryGridHost host = KeyedRows({{"b", ""}, {"a", ""}});
  TGridSorter sorter(host);
  sorter.QSort();
  host.settings.SetColumn(7);
  sorter.QSort();
  EXPECT_EQ(host.Column(0), (Texts{"key", "b", "a"}));
  EXPECT_EQ(host.rowCountChanges, 0);
  try {
    sorter.QSortIndexed();
    FAIL() << "no exception";
  } catch (const EExtGridError& e) {
    EXPECT_STREQ(e.what(), "No indexes specified for indexed sort");
  }
}

TEST(GridSorterTest, ThrowingHandlerLeavesTheGridShapeRestored) {
  TMemoryGridHost host({{"h", "x"}, {"b", "1"}, {"a", "2"}});
  host.cols = 1;
  host.hiddenColumns = 1;
  host.onFormat = [](int, TSortStyle& s, std::string&, std::string&) { s = ssCustom; };
  host.onCustom = [](const std::string&, const std::string&, int&) { throw Exception("handler failed"); };
  host.settings.SetColumn(0);
  TGridSorter sorter(host);
  EXPECT_THROW(sorter.QSort(), Exception);
  EXPECT_EQ(host.RowCount(), 3);
  EXPECT_EQ(host.ColCount(), 1);
  EXPECT_EQ(host.updateLock, 0);
}

TEST(GridSorterTest, MoveRowOnSortFollowsTheData) {
  for (bool move : {false, true}) {
    SCOPED_TRACE(move ? "moving" : "staying");
    TMemoryGridHost host = KeyedRows({{"c", ""}, {"a", ""}, {"b", ""}});
    host.row = 1;  // on "c"
    host.moveRowOnSort = move;
    host.settings.SetColumn(0);
    TGridSorter sorter(host);
    sorter.QSort();
    EXPECT_EQ(host.Row(), move ? 3 : 1);
    EXPECT_EQ(host.rowChanges.size(), move ? 0u : 1u);
  }
}

TEST(GridSorterTest, RangeSortAndSortLine) {
  TMemoryGridHost host({{"h"}, {"d"}, {"c"}, {"b"}, {"a"}});
  TGridSorter sorter(host);
  sorter.QuickSort(0, 2, 4);
  EXPECT_EQ(host.Column(0), (Texts{"h", "d", "a", "b", "c"}));
  EXPECT_EQ(host.RowCount(), 5);

  // Before any sort SortDir is 0, so two equal rows are exchanged.
  TMemoryGridHost equal({{"x", "1"}, {"x", "1"}}, 0);
  TGridSorter fresh(equal);
  EXPECT_TRUE(fresh.SortLine(0, 0, 1));
  EXPECT_EQ(equal.swaps, 1);
}

TEST(GridSorterTest, HeaderClicksCycleAndBuildTheIndexList) {
  TMemoryGridHost host({{"h", "h"}, {"b", "2"}, {"c", "1"}, {"a", "1"}});
  host.settings.SetUndoSort(true);
  TGridSorter sorter(host);
  struct Step {
    const char* name;
    Texts order;
    int column;
  } steps[] = {
      {"first click ascending", {"h", "a", "b", "c"}, 0},
      {"second click descending", {"h", "c", "b", "a"}, 0},
      {"third click restores the order", {"h", "b", "c", "a"}, -1},
      {"fourth click ascending again", {"h", "a", "b", "c"}, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    sorter.ClickSort(0, false);
    EXPECT_EQ(host.Column(0), s.order);
    EXPECT_EQ(host.settings.Column(), s.column);
  }

  host.settings.SetIndexShow(true);
  sorter.ClickSort(1, false);
  EXPECT_EQ(host.SortIndexes().SaveToString(), "u1");
  sorter.ClickSort(0, true);
  EXPECT_EQ(host.SortIndexes().SaveToString(), "u1;u0");
  EXPECT_EQ(host.Column(0), (Texts{"h", "a", "c", "b"}));
  sorter.ClickSort(0, true);
  EXPECT_EQ(host.SortIndexes().SaveToString(), "u1;d0");
  EXPECT_EQ(host.Column(0), (Texts{"h", "c", "a", "b"}));
  sorter.ClickSort(0, false);
  EXPECT_EQ(host.SortIndexes().SaveToString(), "u0");
  EXPECT_EQ(host.settings.Column(), 0);
}

TEST(GridSorterTest, SettingsTextSortsAgain) {
  TMemoryGridHost host({{"a", "b"}, {"1", "z"}, {"3", "y"}, {"2", "y"}});
  TGridSorter sorter(host);
  sorter.LoadSettingsText("d0");
  EXPECT_EQ(host.Column(0), (Texts{"a", "3", "2", "1"}));
  EXPECT_TRUE(host.settings.Show());
  sorter.LoadSettingsText("i;u1;d0");
  EXPECT_EQ(host.Column(0), (Texts{"a", "3", "2", "1"}));
  EXPECT_TRUE(host.settings.IndexShow());
  sorter.LoadSettingsText("ux");
  EXPECT_EQ(host.settings.Direction(), sdAscending);
  EXPECT_EQ(host.settings.Column(), 0);
  EXPECT_EQ(host.Column(0), (Texts{"a", "3", "2", "1"}));
  try {
    sorter.LoadSettingsText("u");
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid sort settings specifier");
  }
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

// A sort that reads every cell once (no per-comparison event) and one that asks the grid at
// every comparison (an event that changes nothing is assigned) give the same rows and counts.
TEST(GridSorterTest, ReadOnceAndPerComparisonPathsAgree) {
  const std::vector<std::string> values{"10", "2", "", "1", "abc", "Abc", "1.5", "12/03/2020", "01:30", "x", "$5",
                                        "5 kg", "1,200", "-3", "ab", "ABC", "07/01/2021 10:00", "2e3", "zz",
                                        "long text one", "long text two", "Long", "\xc3\xa9t\xc3\xa9",
                                        "\xef\xbc\xa1", "\xf0\x9f\x98\x80", "a\xf0\x9f\x98\x80"};
  struct Case {
    const char* name;
    std::map<int, TMemoryGridHost::TFormat> formats;
    bool full, blanks, indexed;
    int checkColumn = -1;
    bool noCase = false;
    bool wordsOnly = false;  // every cell a plain word: the sort compares kept prefixes
  } cases[] = {
      {"automatic, ties to the right", {}, true, false, false},
      {"blanks last", {}, false, true, false},
      {"numbers with prefix and suffix", {{0, {ssNumeric, "$", " kg"}}, {1, {ssFinancial, "", ""}}}, true, true, false},
      {"no case and alphanumeric", {{0, {ssAlphaNoCase, "", ""}}, {1, {ssAlphaNumeric, "", ""}}}, true, false, false},
      {"dates and times", {{0, {ssDate, "", ""}}, {1, {ssTime, "", ""}}}, true, false, false},
      {"index list", {}, true, true, true},
      {"check boxes and images", {{1, {ssImages, "", ""}}}, true, false, false, 0},
      {"automatic without case, blanks", {}, true, true, false, -1, true},
      {"plain text order", {{0, {ssAlphabetic, "", ""}}}, false, false, false},
      {"numbers in every column", {{0, {ssNumeric, "", ""}}, {1, {ssNumeric, "", ""}}}, true, true, false},
      {"plain words with shared prefixes", {}, true, false, false, -1, false, true},
      {"plain words without case", {}, true, true, false, -1, true, true},
  };
  const std::vector<std::string> words{"apple", "apples", "applesauce1", "applesauce2", "Apple", "b", "banana",
                                       "bandana", "zz", "abc", "ab"};
  for (const Case& c : cases) {
    std::vector<std::vector<std::string>> table{{"h", "h", "h"}};
    unsigned seed = 7;
    for (int r = 0; r < 300; ++r) {
      std::vector<std::string> row;
      for (int k = 0; k < 3; ++k) {
        seed = seed * 1103515245u + 12345u;
        const std::vector<std::string>& pool = c.wordsOnly ? words : values;
        row.push_back(pool[(seed >> 16) % pool.size()]);
      }
      table.push_back(row);
    }
    std::vector<std::string> orders[2];
    int compares[2], swaps[2];
    std::string xrefs[2];
    for (int path = 0; path < 2; ++path) {
      TMemoryGridHost host(table);
      host.columnFormats = c.formats;
      host.checkColumn = c.checkColumn;
      if (path == 1) host.onFormat = [](int, TSortStyle&, std::string&, std::string&) {};
      host.settings.SetColumn(0);
      host.settings.SetFull(c.full);
      host.settings.SetIgnoreBlanks(c.blanks);
      host.settings.SetBlankPos(blLast);
      host.settings.SetIgnoreCase(c.noCase);
      TGridSorter sorter(host);
      if (c.indexed) {
        host.SortIndexes().AddIndex(1, true);
        host.SortIndexes().AddIndex(0, false);
        sorter.QSortIndexed();
      } else {
        sorter.QSort();
      }
      for (int k = 0; k < 3; ++k)
        for (const std::string& t : host.Column(k)) orders[path].push_back(t);
      compares[path] = sorter.Compares();
      swaps[path] = host.swaps;
      xrefs[path] = host.xref.StrValue();
    }
    EXPECT_EQ(orders[0], orders[1]) << c.name;
    EXPECT_EQ(compares[0], compares[1]) << c.name;
    EXPECT_EQ(swaps[0], swaps[1]) << c.name;
    EXPECT_EQ(xrefs[0], xrefs[1]) << c.name;
    EXPECT_GT(swaps[0], 0) << c.name;
  }
}

}  // namespace
}  // namespace hd::test
