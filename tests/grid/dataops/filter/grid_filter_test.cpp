// The filter engine on an in-memory grid: the row test over its conditions, the levels and
// type-ahead narrowing.
#include <gtest/gtest.h>

#include "grid/dataops/filter/grid_filter.h"
#include "grid/foundation/text_utils.h"
#include "grid/dataops/testkit/memory_grid_host.h"

namespace hd::test {
namespace {

struct TItem {
  int column = 1;
  std::string condition;
  TFilterOperation op = foNONE;
  TFilterCells data = fcVirtual;
  TFilterMethod method = fmExpression;
  std::string prefix, suffix;
  bool caseSensitive = true;
};

class GridFilterTest : public ::testing::Test {
 protected:
  GridFilterTest()
      : host({{"#", "name", "qty"},
              {"r1", "Apple", "12"},
              {"r2", "banana", "5"},
              {"r3", "cherry", "12"},
              {"r4", "Avocado", "40"},
              {"r5", "apricot", "7"}}),
        engine(host) {
    host.matchRow = [this](int r) { return engine.MatchRow(r); };
  }
  void Set(const std::vector<TItem>& items) {
    host.filter.Clear();
    for (const TItem& i : items) {
      TFilterData* d = host.filter.Insert(0);
      d->SetColumn(static_cast<std::int16_t>(i.column));
      d->SetCondition(i.condition);
      d->SetOperation(i.op);
      d->SetData(i.data);
      d->SetMethod(i.method);
      d->SetPrefix(i.prefix);
      d->SetSuffix(i.suffix);
      d->SetCaseSensitive(i.caseSensitive);
    }
  }
  TMemoryGridHost host;
  TGridFilter engine;
};

TEST_F(GridFilterTest, RowTestOverTextsKindsAndOperations) {
  struct TCase {
    const char* what;
    std::string cell;
    std::vector<TItem> items;
    bool pass;
  };
  const std::vector<TCase> cases = {
      {"no conditions", "x", {}, true},
      {"empty literal condition", "x", {{1, "", foNONE, fcVirtual, fmLiteral}}, true},
      {"literal minds case", "ABC", {{1, "abc", foNONE, fcVirtual, fmLiteral}}, false},
      {"literal ignores CaseSensitive off", "ABC", {{1, "abc", foNONE, fcVirtual, fmLiteral, "", "", false}}, false},
      {"expression case-insensitive", "ABC", {{1, "abc", foNONE, fcVirtual, fmExpression, "", "", false}}, true},
      {"blanks trimmed", "  12  ", {{1, "12", foNONE, fcVirtual, fmLiteral}}, true},
      {"prefix taken at the start", "$12", {{1, "12", foNONE, fcVirtual, fmLiteral, "$"}}, true},
      {"prefix elsewhere stays", "12$", {{1, "12", foNONE, fcVirtual, fmLiteral, "$"}}, false},
      {"suffix at the end taken", "5kg", {{1, "5", foNONE, fcVirtual, fmLiteral, "", "kg"}}, true},
      {"suffix also earlier stays", "kg5kg", {{1, "kg5", foNONE, fcVirtual, fmLiteral, "", "kg"}}, false},
      {"comparison", "40", {{1, ">20", foNONE}}, true},
      {"bad condition fails quietly", "abc", {{1, "(abc", foNONE}}, false},
      {"packed wide text decoded", EncodePackedUnicode(WideString(u"Zoe")), {{1, "Zoe", foNONE, fcVirtual, fmLiteral}}, true},
      {"row text, letters a-z folded", "Kiwi", {{-1, "kIW", foNONE, fcRow}}, true},
      {"row text, other letters as they are", "\xC3\x89t\xC3\xA9", {{-1, "\xC3\xA9T\xC3\x89", foNONE, fcRow}}, false},
      {"row text includes fixed column", "x", {{-1, "r1", foNONE, fcRow}}, true},
      {"xor: first passes, second fails", "12", {{1, "12", foNONE}, {1, "5", foXOR}}, true},
      {"xor: both pass", "12", {{1, "12", foNONE}, {1, ">1", foXOR}}, false},
      {"or after a failure", "12", {{1, "5", foNONE}, {1, "12", foOR}}, true},
      {"and after a pass", "12", {{1, "12", foNONE}, {1, "5", foAND}}, false},
      {"none replaces the result", "12", {{1, "5", foNONE}, {1, "12", foNONE}}, true},
  };
  for (const TCase& c : cases) {
    host.SetStoredText(1, 1, c.cell);
    Set(c.items);
    EXPECT_EQ(engine.MatchRow(1), c.pass) << c.what;
  }
}

TEST_F(GridFilterTest, DataKindsReadTheirOwnTexts) {
  host.displayHook = [](int, int, const std::string& t) { return t == "<b>12</b>" ? "shown" : t; };
  host.SetStoredText(1, 1, "<b>12</b>");
  struct TCase {
    TFilterCells data;
    const char* condition;
  } cases[] = {{fcVirtual, "shown"}, {fcNormal, "<b>12</b>"}};
  for (const TCase& c : cases) {
    Set({{1, c.condition, foNONE, c.data, fmLiteral}});
    EXPECT_TRUE(engine.MatchRow(1)) << c.condition;
  }
  host.displayHook = nullptr;
  Set({{1, "12", foNONE, fcStripHTML, fmLiteral}});
  EXPECT_TRUE(engine.MatchRow(1));
}

TEST_F(GridFilterTest, ShortChainStopsAtTheFirstFailure) {
  Set({{1, "nothing", foSHORT, fcCalculated}, {1, "Apple", foSHORT, fcCalculated}, {2, "12", foSHORT, fcCalculated}});
  EXPECT_FALSE(engine.MatchRow(1));
  EXPECT_EQ(host.calcReads, 1);
  host.calcReads = 0;
  Set({{1, "Apple", foSHORT, fcCalculated}, {2, "12", foSHORT, fcCalculated}});
  EXPECT_TRUE(engine.MatchRow(1));
  EXPECT_EQ(host.calcReads, 2);
}

TEST_F(GridFilterTest, CustomFilterHasTheLastWord) {
  Set({{1, "Apple", foNONE}});
  std::vector<std::pair<int, bool>> seen;
  host.customFilter = [&](int r, bool& accept) {
    seen.push_back({r, accept});
    accept = r == 2;
  };
  EXPECT_FALSE(engine.MatchRow(1));
  EXPECT_TRUE(engine.MatchRow(2));
  EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{1, true}, {2, false}}));
}

TEST_F(GridFilterTest, LevelsComeBackNewestFirst) {
  host.filter.Add()->SetCondition("A*");
  host.filter.Items(0)->SetColumn(1);
  host.filter.Items(0)->SetCaseSensitive(false);
  engine.ApplyFilter();
  EXPECT_EQ(host.Texts(1), "name Apple Avocado apricot");
  host.filter.Items(0)->SetCondition("*o*");
  engine.ApplyFilter();
  EXPECT_EQ(host.Texts(1), "name Avocado apricot");
  EXPECT_EQ(host.FilterLevel(), 2);
  EXPECT_FALSE(engine.RemoveLastFilter());
  // The first level's rows stay hidden.
  EXPECT_EQ(host.Texts(1), "name Apple Avocado apricot");
  EXPECT_FALSE(engine.RemoveLastFilter());
  EXPECT_EQ(host.Texts(1), "name Apple banana cherry Avocado apricot");
  EXPECT_FALSE(engine.RemoveLastFilter());
  EXPECT_EQ(host.filter.Count(), 1);
  // At level 0, removing all empties the conditions instead.
  engine.RemoveAllFilters();
  EXPECT_EQ(host.filter.Count(), 0);
}

TEST_F(GridFilterTest, RemoveLastFilterAnswersWhileMoreThanOneLevelStays) {
  for (int i = 0; i < 3; ++i) engine.ApplyFilter();
  EXPECT_TRUE(engine.RemoveLastFilter());
  EXPECT_FALSE(engine.RemoveLastFilter());
  EXPECT_FALSE(engine.RemoveLastFilter());
  EXPECT_EQ(host.FilterLevel(), 0);
}

TEST_F(GridFilterTest, FilterActiveAppliesOnceAndRemovesOnlyTheNewestLevel) {
  host.filter.Add()->SetCondition("12");
  host.filter.Items(0)->SetColumn(2);
  engine.ApplyFilter();  // an earlier level, by hand
  host.filter.Items(0)->SetCondition("Apple");
  host.filter.Items(0)->SetColumn(1);
  host.selectionHidden = true;
  engine.SetFilterActive(true);
  EXPECT_EQ(host.Texts(1), "name Apple");
  EXPECT_FALSE(host.selectionHidden);
  EXPECT_EQ(host.footerCalcs, 1);
  engine.SetFilterActive(true);
  EXPECT_EQ(host.FilterLevel(), 2);
  EXPECT_EQ(host.footerCalcs, 2);
  engine.SetFilterActive(false);
  EXPECT_EQ(host.Texts(1), "name Apple cherry");
  EXPECT_EQ(host.FilterLevel(), 2);
}

TEST_F(GridFilterTest, NodeAndSummaryRowsStayAndProgressCountsTheOthers) {
  host.nodeRows = {1};
  host.summaryRows = {5};
  host.progressEvent = true;
  host.filter.Add()->SetCondition("none");
  engine.ApplyFilter();
  EXPECT_EQ(host.Texts(1), "name Apple apricot");
  ASSERT_FALSE(host.filterProgress.empty());
  EXPECT_EQ(host.filterProgress.back(), 60);
  host.filterProgress.clear();
  engine.RemoveAllFilters();
  host.normalCellsOnly = false;
  engine.ApplyFilter();
  EXPECT_EQ(host.Texts(1), "name");
  EXPECT_EQ(host.filterProgress, (std::vector<int>{20, 40, 60, 80, 100, 100}));
}

TEST_F(GridFilterTest, NarrowingTypesDeletesAndRetypes) {
  engine.NarrowDown("a", 1);
  EXPECT_TRUE(host.fixedRowAlways);
  EXPECT_EQ(host.Texts(1), "name Apple banana Avocado apricot");
  engine.NarrowDown("ap", 1);
  EXPECT_EQ(host.Texts(1), "name Apple apricot");
  engine.NarrowDown("apr", 1);
  EXPECT_EQ(host.Texts(1), "name apricot");
  EXPECT_EQ(host.FilterLevel(), 3);
  engine.NarrowDown("ap", 1);
  EXPECT_EQ(host.Texts(1), "name Apple apricot");
  EXPECT_EQ(host.FilterLevel(), 2);
  engine.NarrowDown("ch", 1);
  EXPECT_EQ(host.Texts(1), "name cherry");
  EXPECT_EQ(host.FilterLevel(), 1);
  ASSERT_EQ(host.filter.Count(), 1);
  EXPECT_EQ(host.filter.Items(0)->Condition(), "*ch*");
  EXPECT_EQ(host.filter.Items(0)->Data(), fcNormal);
  EXPECT_EQ(host.filter.Items(0)->Operation(), foNONE);
  engine.NarrowDown("", 1);
  EXPECT_EQ(host.Texts(1), "name Apple banana cherry Avocado apricot");
  EXPECT_EQ(host.FilterLevel(), 0);
  EXPECT_EQ(host.filter.Count(), 1);
}

TEST_F(GridFilterTest, NarrowingQuotesBlanksAndSearchesRowsWithoutAColumn) {
  host.SetStoredText(1, 2, "green banana");
  engine.NarrowDown("n b", 1);
  EXPECT_EQ(host.filter.Items(0)->Condition(), "\"*n b*\"");
  EXPECT_EQ(host.Texts(1), "name green banana");
  engine.NarrowDown("R4", -1);
  EXPECT_EQ(host.filter.Items(0)->Data(), fcRow);
  EXPECT_EQ(host.Texts(1), "name Avocado");
}

TEST_F(GridFilterTest, FilterRowHidesOneFailingRowWithoutALevel) {
  host.filter.Add()->SetCondition("12");
  host.filter.Items(0)->SetColumn(2);
  engine.FilterRow(2);
  engine.FilterRow(1);
  EXPECT_EQ(host.Texts(1), "name Apple cherry Avocado apricot");
  EXPECT_EQ(host.FilterLevel(), 0);
}

}  // namespace
}  // namespace hd::test
