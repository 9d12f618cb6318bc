// Row nodes: a row whose column-0 record is a node heads a block of rows that contracts into
// hidden rows and expands again; nodes nest, each row carrying its level in column 0.
#pragma once

#include "grid/stringgrid/grid_data_host.h"
#include "grid/stringgrid/grid_settings_data.h"

namespace hd {

class TRowNodes : public TDataEngine {
 public:
  explicit TRowNodes(TGridDataHost& Host) : FHost(Host) {}

  // Real rows.
  void AddNode(int ARow, int Span);
  void RemoveNode(int ARow);
  void RemoveAllNodes();
  void AddSummary(int ARow);
  void ExpandNode(int ARow);
  void ContractNode(int ARow);
  void ExpandAll();
  void ContractAll();
  void InsertNormalRow(int ARow);
  void InsertChildRow(int ARow, int InsertAt);
  void RemoveChildRow(int ARow);

  // Display rows; rows that are no nodes answer -1 (level, span), false (state) or 0.
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  bool GetNodeState(int ARow);
  void SetNodeState(int ARow, bool Value);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  int GetParentRow(int ARow);
  // 0 for a node row, 1 where the tree line ends at this row, 2 where it continues below.
  int GetNodeSpanType(int ARow);
  void RemoveNormalRow(int ARow);

  // Where a row's glyph lies: X is on it for a row of level Level (see IsNodeGlyphHit).
  struct TGlyphPlace {
    TNodeType NodeType = cnXP;
    int Indent = 12;
    int ExpandGlyphWidth = 0;
    bool RightToLeft = false;
    int Width = 0;
    int ScrollBarWidth = 0;
  };
  static bool GlyphHit(int Level, int X, const TGlyphPlace& Place);

 private:
  TCellGraphic* Node(int ARow);
  // The first node row below ARow, or RowCount.
  int NextNodeRow(int ARow);
  void DoExpandNode(int ARow);
  // Lowers the levels of a node's rows and removes its record; its rows are in the grid.
  void DropNode(int ADisplRow);
  // Adds Delta to the span and the sub-node count of a node and expands it.
  void GrowParent(int ARow, int Delta);

  TGridDataHost& FHost;
};

}  // namespace hd
