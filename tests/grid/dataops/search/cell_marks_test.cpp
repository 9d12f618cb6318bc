// Highlighting, error marks and the cell checks on an in-memory grid.
#include "grid/dataops/search/cell_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "grid/foundation/settings.h"

namespace hd::test {
namespace {

// Columns: 0 fixed, 1 and 2 normal, 3 fixed at the right, 4 hidden. Rows: 0 fixed, 1 and 2
// normal, 3 a fixed footer. Every cell holds "ax".
class TLayoutHost : public TMemoryGridHost {
 public:
  TLayoutHost() : TMemoryGridHost(std::vector<std::vector<std::string>>(4, std::vector<std::string>(5, "ax"))) {
    fixedCols = 1;
    fixedFooters = 1;
    fixedRightCols = 1;
    SetColCount(4);
    hiddenColumns = 1;
  }
};

struct RangeCase {
  const char* name;
  TMarkScope scope;
  bool doFixed;
  bool tagging;
  const char* tag;
  TMarkRange expected;
};

bool operator==(const TMarkRange& a, const TMarkRange& b) {
  return a.FirstCol == b.FirstCol && a.LastCol == b.LastCol && a.FirstRow == b.FirstRow && a.LastRow == b.LastRow;
}

class HighlightRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(HighlightRangeTest, CoversItsCellsAndNoOthers) {
  const RangeCase& c = GetParam();
  TLayoutHost host;
  const TMarkRange range = MarkRange(host, c.scope, c.doFixed, 2, 1, c.tagging, c.tag);
  EXPECT_TRUE(range == c.expected) << range.FirstCol << ".." << range.LastCol << " x " << range.FirstRow << ".."
                                   << range.LastRow;
  if (!c.tagging) return;
  TagRange(host, range, false, "a", c.tag);
  const std::string tagged = std::string("<") + c.tag + ">a</" + c.tag + ">x";
  for (int r = 0; r < 4; ++r)
    for (int col = 0; col < 5; ++col) {
      const bool inside = col >= range.FirstCol && col <= range.LastCol && r >= range.FirstRow && r <= range.LastRow;
      EXPECT_EQ(host.StoredText(col, r), inside ? tagged : "ax") << col << "," << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, HighlightRangeTest,
    ::testing::Values(
        RangeCase{"HilightInCell", TMarkScope::Cell, false, true, kHighlightTag, {2, 2, 1, 1}},
        RangeCase{"HilightInCol", TMarkScope::Col, false, true, kHighlightTag, {2, 2, 1, 2}},
        RangeCase{"HilightInColFixed", TMarkScope::Col, true, true, kHighlightTag, {2, 2, 0, 3}},
        RangeCase{"MarkInRow", TMarkScope::Row, false, true, kErrorTag, {1, 2, 1, 1}},
        RangeCase{"MarkInRowFixed", TMarkScope::Row, true, true, kErrorTag, {0, 3, 1, 1}},
        RangeCase{"UnHilightInRowReachesHiddenColumns", TMarkScope::Row, false, false, kHighlightTag, {1, 3, 1, 1}},
        RangeCase{"UnMarkInRowFixed", TMarkScope::Row, true, false, kErrorTag, {0, 4, 1, 1}},
        RangeCase{"HilightInGridReachesHiddenColumns", TMarkScope::Grid, false, true, kHighlightTag, {1, 3, 1, 2}},
        RangeCase{"HilightInGridFixed", TMarkScope::Grid, true, true, kHighlightTag, {0, 3, 0, 3}},
        RangeCase{"MarkInGridStopsBeforeHiddenColumns", TMarkScope::Grid, false, true, kErrorTag, {1, 2, 1, 2}},
        RangeCase{"UnHilightInGrid", TMarkScope::Grid, false, false, kHighlightTag, {1, 3, 1, 2}},
        RangeCase{"UnMarkInGridFixed", TMarkScope::Grid, true, false, kErrorTag, {0, 4, 0, 3}}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(HighlightTextTest, CaseAndEscapes) {
  EXPECT_EQ(TagText(false, "Ab ab", "ab", kHighlightTag), "<hi>Ab</hi> <hi>ab</hi>");
  EXPECT_EQ(TagText(true, "Ab ab", "ab", kHighlightTag), "Ab <hi>ab</hi>");
  EXPECT_EQ(UntagText("<HI>Ab</hi> <e>ab</e>", kHighlightTag), "Ab <e>ab</e>");

  TMemoryGridHost host({{"a<b", "x &amp; y", "left"}, {"merged", "", "a&b"}}, 0);
  host.covered.insert({1, 1});
  TagRange(host, {0, 2, 0, 1}, false, "B", kHighlightTag);
  EXPECT_EQ(host.StoredText(0, 0), "a&lt;<hi>b</hi>");
  EXPECT_EQ(host.StoredText(2, 1), "a&amp;<hi>b</hi>");
  // A cell without the text is not escaped, so it shows as it did.
  EXPECT_EQ(host.StoredText(1, 0), "x &amp; y");
  UntagRange(host, {0, 2, 0, 1}, kHighlightTag);
  EXPECT_EQ(host.StoredText(0, 0), "a<b");
  EXPECT_EQ(host.StoredText(2, 1), "a&b");
  // A cell that was never highlighted keeps the entities it holds as text.
  EXPECT_EQ(host.StoredText(1, 0), "x &amp; y");
}

// Corrects "bad" to "good" and marks every "x"; records what it was handed.
class TRecordingChecker : public TExtStringGridCheck {
 public:
  TRecordingChecker() : TExtStringGridCheck(nullptr) {}
  std::string Correct(int ACol, int ARow, const std::string& s) override {
    log.push_back("correct " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + s);
    return s == "bad" ? "good" : s;
  }
  std::string MarkError(int ACol, int ARow, const std::string& s) override {
    log.push_back("mark " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + s);
    return s == "x" ? "<e>x</e>" : s;
  }
  void StartCheck() override { log.push_back("start"); }
  void StopCheck() override { log.push_back("stop"); }
  std::vector<std::string> log;
};

TEST(CellCheckTest, EveryCellCheckedTheResultAndTheCurrentCell) {
  TMemoryGridHost host({{"#", "#", "#"}, {"#", "bad", "ok"}, {"#", "<e>x</e>", "fine"}});
  host.fixedCols = 1;
  EXPECT_TRUE(CheckCells(host, {1, 2, 1, 2}));  // no checker: nothing touched
  EXPECT_EQ(host.StoredText(1, 2), "<e>x</e>");

  TRecordingChecker checker;
  checker.SetUseCorrect(true);
  checker.SetUseMarkError(true);
  checker.SetGotoCell(true);
  host.checker = &checker;
  host.col = 2;
  host.row = 1;
  EXPECT_FALSE(CheckCells(host, {1, 2, 1, 2}));
  EXPECT_EQ(checker.log, (std::vector<std::string>{"start", "correct 1,1 bad", "mark 1,1 bad", "correct 2,1 ok",
                                                   "mark 2,1 ok", "correct 1,2 x", "mark 1,2 x", "correct 2,2 fine",
                                                   "mark 2,2 fine", "stop"}));
  // Both receive the unmarked text; with both on, the marked one is written.
  EXPECT_EQ(host.StoredText(1, 1), "bad");
  EXPECT_EQ(host.StoredText(1, 2), "<e>x</e>");
  EXPECT_EQ(host.gotoCells.size(), 4U);
  EXPECT_EQ(host.col, 2);
  EXPECT_EQ(host.row, 1);

  checker.SetUseMarkError(false);
  EXPECT_FALSE(CheckCell(host, 1, 1));
  EXPECT_EQ(host.StoredText(1, 1), "good");
  EXPECT_TRUE(CheckCell(host, 1, 1));
}

}  // namespace
}  // namespace hd::test
