#include "grid/dataops/nodes/row_nodes.h"

#include <gtest/gtest.h>

#include "grid/dataops/sort/grid_sorter.h"
#include "grid/dataops/testkit/memory_grid_host.h"

namespace hd::test {
namespace {

using Levels = std::vector<int>;

// One fixed row "h" above rows named by their letters, in column 0.
TMemoryGridHost Rows(const std::string& Letters) {
  std::vector<std::vector<std::string>> table{{"h"}};
  for (char c : Letters) table.push_back({std::string(1, c)});
  return TMemoryGridHost(std::move(table));
}

TEST(RowNodesTest, ContractHidesTheSpanAndExpandBringsItBackInOrder) {
  TMemoryGridHost host = Rows("abcdefg");
  TRowNodes nodes(host);
  host.col = 0;
  nodes.AddNode(2, 4);
  EXPECT_EQ(host.Levels(), (Levels{-1, -1, 1, 1, 1, 1, -1, -1}));
  EXPECT_EQ(nodes.GetNodeSpan(2), 4);
  EXPECT_EQ(nodes.GetNodeSpan(3), -1);
  EXPECT_EQ(nodes.GetNodeLevel(2), 1);
  EXPECT_EQ(nodes.GetNodeLevel(3), -1);
  EXPECT_EQ(host.numNodes, 1);
  EXPECT_EQ(host.col, 1) << "the focus leaves the node column";

  nodes.ContractNode(2);
  EXPECT_EQ(host.Texts(), "h a b f g");
  EXPECT_TRUE(nodes.GetNodeState(2));
  EXPECT_EQ(host.DisplToRealRow(3), 6);
  nodes.ContractNode(2);
  EXPECT_EQ(host.Texts(), "h a b f g") << "contracting twice changes nothing";

  nodes.ExpandNode(2);
  EXPECT_EQ(host.Texts(), "h a b c d e f g");
  EXPECT_FALSE(nodes.GetNodeState(2));
  EXPECT_GT(host.footerCalcs, 0);
}

TEST(RowNodesTest, NestedNodesComeBackWithTheirParent) {
  TMemoryGridHost host = Rows("abcdefgh");
  TRowNodes nodes(host);
  nodes.AddNode(1, 6);
  nodes.AddNode(3, 3);
  EXPECT_EQ(host.Levels(), (Levels{-1, 1, 1, 2, 2, 2, 1, -1, -1}));
  nodes.ContractNode(3);
  EXPECT_EQ(host.Texts(), "h a b c f g h");
  nodes.ContractNode(1);
  EXPECT_EQ(host.Texts(), "h a g h");
  EXPECT_EQ(host.DisplToRealRow(2), 7);
  nodes.ExpandNode(1);
  EXPECT_EQ(host.Texts(), "h a b c d e f g h");
  EXPECT_FALSE(nodes.GetNodeState(3)) << "the inner node reads expanded once its rows are back";
}

TEST(RowNodesTest, ContractAllHidesInOneStepAndExpandAllOpensEveryNode) {
  TMemoryGridHost host = Rows("abcdefghi");
  TRowNodes nodes(host);
  nodes.AddNode(1, 3);
  nodes.AddNode(4, 5);
  nodes.AddNode(5, 2);
  host.cellNode.SetExpandOne(true);
  nodes.ContractAll();
  EXPECT_EQ(host.Texts(), "h a d i");
  EXPECT_TRUE(nodes.GetNodeState(1));
  EXPECT_TRUE(nodes.GetNodeState(2));
  EXPECT_EQ(host.hideCalls, 1);
  EXPECT_TRUE(host.cellNode.ExpandOne()) << "ExpandOne is back once ContractAll is done";
  EXPECT_EQ(host.updateLock, 0);

  host.cellNode.SetExpandOne(false);
  nodes.ExpandAll();
  EXPECT_EQ(host.Texts(), "h a b c d e f g h i");
  for (int r : {1, 4, 5}) EXPECT_FALSE(nodes.GetNodeState(r)) << r;
}

TEST(RowNodesTest, ContractAllEndsOnANodeOfSpanZero) {
  TMemoryGridHost host = Rows("abcde");
  TRowNodes nodes(host);
  nodes.AddNode(1, 0);
  nodes.AddNode(3, 3);
  nodes.ContractAll();
  EXPECT_EQ(host.Texts(), "h a c") << "a span of 0 reaches the next node";
}

TEST(RowNodesTest, ExpandOneContractsTheOtherNodesButNotTheOnesAround) {
  TMemoryGridHost host = Rows("abcdefgh");
  TRowNodes nodes(host);
  nodes.AddNode(1, 2);
  nodes.AddNode(3, 6);
  nodes.AddNode(5, 2);
  host.cellNode.SetExpandOne(true);
  nodes.ContractNode(5);
  nodes.ExpandNode(5);
  EXPECT_EQ(host.Texts(), "h a c d e f g h") << "node 1 contracted; node 3, holding 5, stays open";
  EXPECT_TRUE(nodes.GetNodeState(1));
  EXPECT_FALSE(nodes.GetNodeState(2));
  EXPECT_FALSE(nodes.GetNodeState(4));
}

TEST(RowNodesTest, ParentRowsAndTreeLines) {
  TMemoryGridHost plain = Rows("abc");
  EXPECT_EQ(TRowNodes(plain).GetParentRow(2), -1) << "no nodes";

  TMemoryGridHost host = Rows("abcdefgh");
  TRowNodes nodes(host);
  nodes.AddNode(1, 6);
  nodes.AddNode(3, 3);
  struct Case {
    int row, parent, spanType;
  } cases[] = {
      {1, 1, 0},   // a top-level node owns itself
      {2, 1, 2},   // inside node 1, the line goes on
      {3, 1, 0},   // a nested node belongs to its parent
      {4, 3, 2},
      {5, 3, 1},   // the next row is of a lower level: the line ends
      {6, 1, 1},   // the next row has no properties
      {7, -1, 1},  // outside every node
      {8, -1, 1},  // the last row
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nodes.GetParentRow(c.row), c.parent) << c.row;
    EXPECT_EQ(nodes.GetNodeSpanType(c.row), c.spanType) << c.row;
  }
  nodes.ContractNode(3);
  EXPECT_EQ(nodes.GetParentRow(4), 1) << "row f, below the contracted node, is still in node 1";
  EXPECT_EQ(nodes.GetParentRow(5), -1) << "row g is outside";
}

TEST(RowNodesTest, RemovingNodesBringsTheirRowsBackAndLowersTheirLevels) {
  TMemoryGridHost host = Rows("abcdefgh");
  TRowNodes nodes(host);
  nodes.AddNode(1, 6);
  nodes.AddNode(3, 3);
  nodes.AddNode(7, 2);
  nodes.ContractNode(3);
  nodes.ContractNode(1);
  nodes.RemoveNode(1);
  EXPECT_EQ(host.Texts(), "h a b c d e f g h") << "the rows of the contracted inner node too";
  EXPECT_EQ(host.Levels(), (Levels{-1, 0, 0, 1, 1, 1, 0, 1, 1}));
  EXPECT_FALSE(nodes.IsNode(1));
  EXPECT_TRUE(nodes.IsNode(3));
  EXPECT_EQ(host.numNodes, 2);
  nodes.ContractNode(7);
  nodes.RemoveAllNodes();
  EXPECT_EQ(host.Texts(), "h a b c d e f g h");
  EXPECT_EQ(host.Levels(), (Levels{-1, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(host.numNodes, 0);
  nodes.RemoveNode(2);
  EXPECT_EQ(host.numNodes, 0) << "never below 0";
}

TEST(RowNodesTest, ChildRowsGrowAndShrinkTheirNodes) {
  TMemoryGridHost host = Rows("abcdefg");
  TRowNodes nodes(host);
  nodes.AddNode(1, 5);
  nodes.AddNode(2, 2);
  nodes.ContractNode(2);
  // Row e (display 4, real 5) inside node 1, below the contracted node 2.
  nodes.InsertChildRow(5, 0);
  EXPECT_EQ(host.Texts(), "h a b d  e f g");
  EXPECT_EQ(nodes.GetNodeSpan(1), 6);
  EXPECT_EQ(nodes.GetSubNodeCount(1), 1);
  EXPECT_EQ(host.RowLevel(4), 1);
  nodes.ExpandNode(2);
  EXPECT_EQ(host.Texts(), "h a b c d  e f g") << "the inner node's rows come back inside it";

  // At a node with InsertAt 0, the node's texts move into the new row below it.
  nodes.InsertChildRow(1, 0);
  EXPECT_EQ(host.Texts(), "h  a b c d  e f g");
  EXPECT_TRUE(nodes.IsNode(1));
  EXPECT_EQ(nodes.GetNodeSpan(1), 7);
  EXPECT_EQ(nodes.GetSubNodeCount(1), 2);
  EXPECT_EQ(host.RowLevel(2), 1);

  // Row c leaves node b and, through it, node a.
  nodes.RemoveChildRow(4);
  EXPECT_EQ(host.Texts(), "h  a b d  e f g");
  EXPECT_EQ(nodes.GetNodeSpan(3), 1);
  EXPECT_EQ(nodes.GetNodeSpan(1), 6);
  EXPECT_EQ(host.maxRowCountLowered, 1);

  nodes.InsertNormalRow(7);
  EXPECT_EQ(host.Texts(), "h  a b d  e  f g");
  EXPECT_EQ(nodes.GetNodeSpan(1), 6);
}

TEST(RowNodesTest, GlyphHitByNodeStyle) {
  struct Case {
    TNodeType type;
    int glyphWidth, level, x;
    bool hit;
  } cases[] = {
      {cnXP, 0, 1, 4, false},  {cnXP, 0, 1, 5, true},    {cnXP, 0, 1, 15, true},  {cnXP, 0, 1, 16, false},
      {cnXP, 0, 2, 17, true},  {cnXP, 0, 2, 16, false},  {cn3D, 0, 1, 1, true},   {cn3D, 0, 1, 17, true},
      {cn3D, 0, 1, 18, false}, {cnLeaf, 0, 1, 2, false}, {cnLeaf, 0, 1, 19, true}, {cnGlyph, 0, 1, 5, true},
      {cnGlyph, 0, 1, 12, false},
      {cnGlyph, 9, 1, 3, true}, {cnGlyph, 9, 1, 16, false},
  };
  for (const Case& c : cases) {
    TRowNodes::TGlyphPlace place;
    place.NodeType = c.type;
    place.ExpandGlyphWidth = c.glyphWidth;
    EXPECT_EQ(TRowNodes::GlyphHit(c.level, c.x, place), c.hit) << c.type << " level " << c.level << " x " << c.x;
  }
  TRowNodes::TGlyphPlace rtl;
  rtl.RightToLeft = true;
  rtl.Width = 200;
  rtl.ScrollBarWidth = 16;
  EXPECT_TRUE(TRowNodes::GlyphHit(1, 200 - 16 - 2 - 12 - 4, rtl));
  EXPECT_FALSE(TRowNodes::GlyphHit(1, 200 - 16, rtl));
}

TEST(RowNodesTest, GroupSortOrdersTheDeepestOpenNodesEachByItself) {
  // Groups of 3, 1 and 5 rows under header rows, and a summary row after the last group.
  TMemoryGridHost host({{"h"}, {"G1"}, {"c"}, {"a"}, {"b"}, {"G2"}, {"z"}, {"G3"}, {"e"}, {"d"}, {"h"}, {"f"}, {"g"}, {"S"}});
  TRowNodes nodes(host);
  nodes.AddNode(1, 4);
  nodes.AddNode(5, 2);
  nodes.AddNode(7, 6);
  nodes.AddSummary(13);
  EXPECT_TRUE(nodes.IsSummary(13));
  TGridSorter sorter(host);
  host.settings.SetColumn(0);
  sorter.QSortGroup();
  EXPECT_EQ(host.Texts(), "h G1 a b c G2 z G3 d e f g h S");
  EXPECT_EQ(host.RowCount(), 14);
  EXPECT_EQ(host.updateLock, 0);

  host.settings.SetDirection(sdDescending);
  nodes.ContractNode(1);
  sorter.QSortGroup();
  EXPECT_EQ(host.Texts(), "h G1 G2 z G3 h g f e d S") << "the contracted group is left alone";
  nodes.ExpandNode(1);
  EXPECT_EQ(host.Texts(), "h G1 a b c G2 z G3 h g f e d S");
}

}  // namespace
}  // namespace hd::test
