// The grouping engine on the in-memory host: rows, summary values and the way back.
#include "grid/dataops/nodes/grouping.h"

#include <gtest/gtest.h>

#include "grid/dataops/testkit/memory_grid_host.h"

namespace hd::test {
namespace {

TEST(GroupingEngineTest, GroupCalcAndUnGroupOnAPlainTable) {
  TMemoryGridHost host({{"", "Name", "Key", "Num"}, {"", "a1", "A", "1"}, {"", "a2", "A", "2"}, {"", "b1", "B", "5"}});
  host.SetColWidth(2, 77);
  host.grouping.SetSummary(true);
  TGridGrouping grouping(host);
  grouping.Group(2);
  EXPECT_EQ(host.GroupColumn(), 2);
  EXPECT_EQ(host.Texts(1), "Name A a1 a2  B b1 ");
  EXPECT_EQ(host.numNodes, 2);
  grouping.GroupCalc(2, 1);
  EXPECT_EQ(host.Texts(2), "Num  1 2 3.00  5 5.00");
  grouping.GroupCalc(2, 5);
  EXPECT_EQ(host.Texts(2), "Num  1 2 2  5 1");
  grouping.UnGroup();
  EXPECT_EQ(host.GroupColumn(), -1);
  EXPECT_EQ(host.Texts(1), "Name a1 a2 b1");
  EXPECT_EQ(host.Texts(2), "Key A A B");
  EXPECT_EQ(host.Texts(3), "Num 1 2 5");
  EXPECT_EQ(host.ColWidth(2), 77);
  EXPECT_EQ(host.numNodes, 0);
}

}  // namespace
}  // namespace hd::test
