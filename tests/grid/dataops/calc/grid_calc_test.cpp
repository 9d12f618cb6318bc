// Column and row calculations on the in-memory host, and through a real grid with hidden
// rows, merged cells and node rows.
#include "grid/dataops/calc/grid_calc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "grid/stringgrid/string_grid_fixture.h"

namespace hd::test {
namespace {

// One fixed row, then the values of column 1 (column 0 is empty).
TMemoryGridHost Values(const std::vector<std::string>& Cells) {
  std::vector<std::vector<std::string>> rows{{"", "head"}};
  for (const std::string& c : Cells) rows.push_back({"", c});
  return TMemoryGridHost(rows);
}

TEST(GridCalcTest, ColumnAndRowCalculations) {
  using TCalcFn = std::function<double(TGridCalc&)>;
  struct Case {
    const char* what;
    std::vector<std::string> cells;
    TCalcFn calc;
    double expected;
  };
  const std::vector<Case> cases = {
      {"a sum skips empty and unreadable cells", {"1", "", "2", "apples"},
       [](TGridCalc& c) { return c.ColumnSum(1, -1, -1); }, 3},
      {"an average divides by the whole range", {"1", "", "2", "apples"},
       [](TGridCalc& c) { return c.ColumnAvg(1, -1, -1); }, 0.75},
      {"an empty range sums to 0", {"5"}, [](TGridCalc& c) { return c.ColumnSum(1, 3, 2); }, 0},
      {"an empty range averages to 0", {"5"}, [](TGridCalc& c) { return c.ColumnAvg(1, 3, 2); }, 0},
      {"a minimum starts from an empty first cell", {"", "5", "7"},
       [](TGridCalc& c) { return c.ColumnMin(1, 1, 3); }, 0},
      {"a maximum skips unreadable cells after the first", {"3", "pears", "9"},
       [](TGridCalc& c) { return c.ColumnMax(1, -1, -1); }, 9},
      {"the population standard deviation", {"2", "4", "4", "4", "5", "5", "7", "9"},
       [](TGridCalc& c) { return c.ColumnStdDev(1, -1, -1); }, 2},
      {"distinct texts ignore case and count the empty text", {"Abc", "aBC", "x", "", ""},
       [](TGridCalc& c) { return c.ColumnDistinct(1, -1, -1); }, 3},
      {"a row average with its columns reversed is 0", {"4"}, [](TGridCalc& c) { return c.RowAvg(1, 1, 0); }, 0},
      {"a row sum over a readable cell and an empty one", {"4"},
       [](TGridCalc& c) { return c.RowSum(1, 0, 1); }, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMemoryGridHost host = Values(c.cells);
    TGridCalc calc(host);
    EXPECT_DOUBLE_EQ(c.calc(calc), c.expected);
  }
}

TEST(GridCalcTest, UnreadableCellsThatCannotBeSkippedRaise) {
  TMemoryGridHost host = Values({"plums", "4", "6"});
  TGridCalc calc(host);
  EXPECT_THROW(calc.ColumnMax(1, -1, -1), EExtGridError) << "the first cell starts the maximum";
  EXPECT_THROW(calc.ColumnMin(1, -1, -1), EExtGridError);
  EXPECT_DOUBLE_EQ(calc.ColumnMax(1, 2, 3), 6);
  EXPECT_THROW(calc.ColumnStdDev(1, -1, -1), EExtGridError) << "every cell of a deviation counts";
  EXPECT_THROW(calc.RowMin(1, 1, 1), EExtGridError);
}

TEST(GridCalcTest, CustomCalculationsGetTheRangeUnchanged) {
  TMemoryGridHost host = Values({"1"});
  TGridCalc calc(host);
  EXPECT_DOUBLE_EQ(calc.ColumnCustomCalc(1, -1, -1), 0) << "without a handler";
  std::vector<int> seen;
  host.onColumnCalc = [&](int col, int from, int to, double& res) {
    seen = {col, from, to};
    res = 42;
  };
  EXPECT_DOUBLE_EQ(calc.ColumnCustomCalc(1, -1, -1), 42);
  EXPECT_EQ(seen, (std::vector<int>{1, -1, -1}));
}

class GridCalcThroughGridTest : public StringGridTest {
 protected:
  void Column(const std::vector<std::string>& Cells) {
    grid->SetRowCount(static_cast<int>(Cells.size()) + 1);
    for (std::size_t i = 0; i < Cells.size(); ++i) grid->SetCells(1, static_cast<int>(i) + 1, Cells[i]);
  }
};

// Hidden rows leave the display rows; covered merged cells are no values of their own; node
// rows count while the grid is not grouped.
TEST_F(GridCalcThroughGridTest, HiddenMergedAndNodeRows) {
  Column({"1", "2", "4", "8", "16"});
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, -1, -1), 31);
  grid->HideRow(2);
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, -1, -1), 29) << "a hidden row is no display row";
  grid->UnHideRowsAll();
  grid->MergeCells(1, 3, 1, 2);
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, -1, -1), 23) << "the covered cell of row 4 is left out";
  grid->SplitCells(1, 3);
  grid->AddNode(1, 3);
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, -1, -1), 31) << "a node row counts in a grid not grouped";
  EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 1, 5), 6.2);
  EXPECT_DOUBLE_EQ(grid->RowSum(1, 0, 4), 1);
}

}  // namespace
}  // namespace hd::test
