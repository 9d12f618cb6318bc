#include "grid/dataops/nodes/row_nodes.h"

#include <algorithm>
#include <vector>

namespace hd {
namespace {

// Restores a value when the scope ends, also when a handler raised.
template <typename T>
class TRestore {
 public:
  TRestore(T Value, std::function<void(T)> Apply) : FValue(Value), FApply(std::move(Apply)) {}
  ~TRestore() { FApply(FValue); }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T FValue;
  std::function<void(T)> FApply;
};

class TUpdateLock {
 public:
  explicit TUpdateLock(TGridDataHost& Host) : FHost(Host) { FHost.BeginUpdate(); }
  ~TUpdateLock() { FHost.EndUpdate(); }
  TUpdateLock(const TUpdateLock&) = delete;
  TUpdateLock& operator=(const TUpdateLock&) = delete;

 private:
  TGridDataHost& FHost;
};

}  // namespace

TCellGraphic* TRowNodes::Node(int ARow) {
  if (ARow < 0 || ARow >= FHost.RowCount()) return nullptr;
  TCellGraphic* g = FHost.NodeGraphic(0, ARow);
  return g && g->CellType() == ctNode ? g : nullptr;
}

bool TRowNodes::IsNode(int ARow) { return Node(ARow) != nullptr; }

bool TRowNodes::IsSummary(int ARow) {
  if (ARow < 0 || ARow >= FHost.RowCount()) return false;
  TCellGraphic* g = FHost.NodeGraphic(0, ARow);
  return g && g->CellType() == ctSummary;
}

int TRowNodes::NextNodeRow(int ARow) {
  int r = ARow + 1;
  while (r < FHost.RowCount() && !IsNode(r)) ++r;
  return r;
}

bool TRowNodes::GetNodeState(int ARow) {
  TCellGraphic* n = Node(ARow);
  return n && n->CellBoolean();
}

void TRowNodes::SetNodeState(int ARow, bool Value) {
  TCellGraphic* n = Node(ARow);
  if (!n || n->CellBoolean() == Value) return;
  if (Value)
    ContractNode(FHost.DisplToRealRow(ARow));
  else
    ExpandNode(FHost.DisplToRealRow(ARow));
}

int TRowNodes::GetNodeLevel(int ARow) { return Node(ARow) ? FHost.RowLevel(ARow) : -1; }

int TRowNodes::GetNodeSpan(int ARow) {
  TCellGraphic* n = Node(ARow);
  return n ? n->CellIndex() : -1;
}

void TRowNodes::SetNodeSpan(int ARow, int Span) {
  if (TCellGraphic* n = Node(ARow)) n->SetCellIndex(Span);
}

void TRowNodes::UpdateNodeSpan(int ARow, int Delta) {
  if (TCellGraphic* n = Node(ARow)) n->SetCellIndex(n->CellIndex() + Delta);
}

int TRowNodes::GetSubNodeCount(int ARow) {
  TCellGraphic* n = Node(ARow);
  return n ? n->CellErrFrom() : 0;
}

void TRowNodes::UpdateSubNodeCount(int ARow, int Delta) {
  if (TCellGraphic* n = Node(ARow)) n->SetCellErrFrom(n->CellErrFrom() + Delta);
}

void TRowNodes::AddNode(int ARow, int Span) {
  int d = FHost.RealToDisplRow(ARow);
  if (ARow < 0 || d < 0 || d >= FHost.RowCount()) return;
  TCellGraphic* n = FHost.NewCellGraphic(0, d);
  n->SetCellType(ctNode);
  n->SetCellAngle(d);
  n->SetCellBoolean(false);
  n->SetCellIndex(Span);
  n->SetCellErrFrom(0);
  n->SetCellHAlign(haBeforeText);
  n->SetCellVAlign(vaCenter);
  n->SetCellVar(-1);
  for (int r = d; r < d + Span && r < FHost.RowCount(); ++r) FHost.SetRowLevel(r, std::max(FHost.RowLevel(r), 0) + 1);
  if (FHost.NumNodes() == 0) FHost.Invalidate();
  ++FHost.NumNodes();
  if (FHost.Col() == 0) FHost.SetCol(1);
}

void TRowNodes::AddSummary(int ARow) {
  int d = FHost.RealToDisplRow(ARow);
  if (ARow < 0 || d < 0 || d >= FHost.RowCount()) return;
  FHost.NewCellGraphic(0, d)->SetCellType(ctSummary);
}

void TRowNodes::DoExpandNode(int ARow) {
  int r = FHost.RealToDisplRow(ARow);
  TCellGraphic* n = Node(r);
  if (!n || !n->CellBoolean()) return;
  n->SetCellBoolean(false);
  int next = n->CellIndex() == 0 ? NextNodeRow(r) : r + 1;
  int nextReal = next < FHost.RowCount() ? FHost.DisplToRealRow(next) : FHost.AllRowCount();
  int real = FHost.DisplToRealRow(r);
  if (nextReal - 1 > real) FHost.ShowNodeRows(real + 1, nextReal - 1);
  FHost.CalcFooter(-1);
}

void TRowNodes::ExpandNode(int ARow) {
  if (FHost.CellNode().ExpandOne()) {
    // The nodes holding ARow stay open: contracting one would hide the node to expand.
    std::vector<int> keep{ARow};
    for (int p = GetParentRow(FHost.RealToDisplRow(ARow)), last = -1; p >= 0 && p != last; last = p, p = GetParentRow(p))
      keep.push_back(FHost.DisplToRealRow(p));
    for (int r = FHost.FixedRows(); r < FHost.RowCount(); ++r) {
      TCellGraphic* n = Node(r);
      int real = FHost.DisplToRealRow(r);
      if (n && !n->CellBoolean() && std::find(keep.begin(), keep.end(), real) == keep.end()) ContractNode(real);
    }
  }
  DoExpandNode(ARow);
}

void TRowNodes::ContractNode(int ARow) {
  FHost.HideEditor();
  FHost.SetForceSelection(true);
  TRestore<bool> force(false, [this](bool v) { FHost.SetForceSelection(v); });
  int r = FHost.RealToDisplRow(ARow);
  TCellGraphic* n = Node(r);
  if (!n || n->CellBoolean()) return;
  n->SetCellBoolean(true);
  int span = n->CellIndex();
  int e = span <= 0 ? NextNodeRow(r) : r + span;
  // The rows of a nested contracted node are hidden already, so the display rows of the
  // block are no run of real rows: hiding goes up to each such node, then starts again.
  int s = r + 1;
  while (s < std::min(e, FHost.RowCount())) {
    TCellGraphic* inner = Node(s);
    if (inner && inner->CellBoolean()) {
      inner->SetCellBoolean(false);
      FHost.HideCellControl(1, s + 1);
      FHost.HideNodeRows(FHost.DisplToRealRow(r + 1), FHost.DisplToRealRow(s));
      e -= inner->CellIndex() + (s - (r + 1));
      s = r + 1;
    } else {
      ++s;
    }
  }
  if (s - 1 >= r + 1) FHost.HideNodeRows(FHost.DisplToRealRow(r + 1), FHost.DisplToRealRow(s - 1));
  FHost.CalcFooter(-1);
}

void TRowNodes::ExpandAll() {
  {
    TUpdateLock lock(FHost);
    for (int r = FHost.FixedRows(); r < FHost.AllRowCount() && r < FHost.RowCount(); ++r) {
      if (!IsNode(r)) continue;
      ExpandNode(FHost.DisplToRealRow(r));
      if (TCellGraphic* n = Node(r)) n->SetCellBoolean(false);
    }
  }
  FHost.CalcFooter(-1);
}

void TRowNodes::ContractAll() {
  TCellNode& settings = FHost.CellNode();
  TRestore<bool> expandOne(settings.ExpandOne(), [&settings](bool v) { settings.SetExpandOne(v); });
  settings.SetExpandOne(false);
  {
    TUpdateLock lock(FHost);
    ExpandAll();
    std::vector<int> rows;
    for (int r = FHost.FixedRows(); r < FHost.RowCount();) {
      TCellGraphic* n = Node(r);
      if (!n) {
        ++r;
        continue;
      }
      n->SetCellBoolean(true);
      // A span of 0 reaches the next node row, as in ContractNode.
      int end = n->CellIndex() <= 0 ? NextNodeRow(r) : r + n->CellIndex();
      for (int k = r + 1; k < end && k < FHost.RowCount(); ++k) rows.push_back(k);
      r = std::max(end, r + 1);
    }
    FHost.HideNodeRowList(rows);
    FHost.PlaceCellControls();
  }
  FHost.CalcFooter(-1);
}

void TRowNodes::DropNode(int ADisplRow) {
  TCellGraphic* n = Node(ADisplRow);
  if (!n) return;
  int span = n->CellIndex();
  for (int r = ADisplRow; r < ADisplRow + span && r < FHost.RowCount(); ++r)
    if (int level = FHost.RowLevel(r); level > 0) FHost.SetRowLevel(r, level - 1);
  FHost.RemoveCellGraphic(0, ADisplRow);
  FHost.NumNodes() = std::max(FHost.NumNodes() - 1, 0);
}

void TRowNodes::RemoveNode(int ARow) {
  DoExpandNode(ARow);
  int d = FHost.RealToDisplRow(ARow);
  TCellGraphic* n = Node(d);
  if (!n) return;
  // Nested contracted nodes open too, so the levels lowered are exactly the node's rows.
  for (int r = d + 1; r < d + n->CellIndex() && r < FHost.RowCount(); ++r)
    if (GetNodeState(r)) DoExpandNode(FHost.DisplToRealRow(r));
  DropNode(d);
}

void TRowNodes::RemoveAllNodes() {
  for (int r = 0; r < FHost.RowCount(); ++r)
    if (IsNode(r)) RemoveNode(FHost.DisplToRealRow(r));
  FHost.Invalidate();
}

int TRowNodes::GetParentRow(int ARow) {
  if (FHost.NumNodes() == 0) return -1;
  int level = 65535, answer = -1;
  if (IsNode(ARow)) {
    level = GetNodeLevel(ARow);
    answer = ARow;
  }
  int hidden = 0;
  for (int r = std::min(ARow, FHost.RowCount() - 1); r >= FHost.FixedRows(); --r) {
    TCellGraphic* n = Node(r);
    if (!n || FHost.RowLevel(r) >= level) continue;
    int s = n->CellIndex();
    if (n->CellBoolean()) hidden += s - 1;
    if (ARow < r + s - hidden) return r;
  }
  return answer;
}

int TRowNodes::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  int next = ARow + 1;
  if (ARow == FHost.RowCount() - FHost.FixedFooters() - 1 || next >= FHost.RowCount() || FHost.RowLevel(next) < 0 ||
      FHost.RowLevel(next) < FHost.RowLevel(ARow))
    return 1;
  return 2;
}

void TRowNodes::InsertNormalRow(int ARow) {
  int d = FHost.RealToDisplRow(ARow);
  FHost.InsertRow(d);
  FHost.ShiftHiddenRows(ARow + 1, 1);
}

void TRowNodes::RemoveNormalRow(int ARow) {
  if (ARow < 0 || ARow >= FHost.RowCount()) return;
  FHost.RemoveRow(ARow);
  FHost.LowerMaxRowCount();
}

void TRowNodes::GrowParent(int ARow, int Delta) {
  UpdateNodeSpan(ARow, Delta);
  UpdateSubNodeCount(ARow, Delta);
  DoExpandNode(FHost.DisplToRealRow(ARow));
}

void TRowNodes::InsertChildRow(int ARow, int InsertAt) {
  int d = FHost.RealToDisplRow(ARow);
  if (d < 0 || d >= FHost.RowCount()) return;
  int p = GetParentRow(d);
  int level = 1;
  if (p != -1) {
    GrowParent(p, 1);
    level = GetNodeLevel(p);
  }
  for (int a = p, l = level; l > 1 && a != -1 && a >= FHost.FixedRows();) {
    int up = GetParentRow(a);
    // A node that answers itself has no enclosing node left.
    if (up == a) break;
    a = up;
    if (a != -1 && GetNodeLevel(a) < l) {
      GrowParent(a, 1);
      l = GetNodeLevel(a);
    }
  }
  int at = d + InsertAt;
  // Hidden rows from the new row's real place on move down with the rows below it.
  int atReal = at < FHost.RowCount() ? FHost.DisplToRealRow(at) : FHost.AllRowCount();
  if (IsNode(d) && InsertAt == 0) {
    at = d + 1;
    atReal = at < FHost.RowCount() ? FHost.DisplToRealRow(at) : FHost.AllRowCount();
    FHost.InsertRow(at);
    // The node's contents move into the new row; column 0 keeps the node.
    int cols = FHost.ColCount() + FHost.NumHiddenColumns();
    for (int c = 0; c < cols; ++c) {
      FHost.SetStoredText(c, at, FHost.StoredText(c, d));
      FHost.SetStoredText(c, d, "");
      if (c == 0) continue;
      FHost.SetCellObject(c, at, FHost.CellObject(c, d));
      FHost.SetCellObject(c, d, nullptr);
    }
  } else {
    FHost.InsertRow(at);
  }
  if (p != -1) FHost.SetRowLevel(at, level);
  FHost.ShiftHiddenRows(atReal, 1);
}

void TRowNodes::RemoveChildRow(int ARow) {
  int d = FHost.RealToDisplRow(ARow);
  if (d < 0 || d >= FHost.RowCount()) return;
  int p = GetParentRow(d);
  if (p != -1) {
    int level = GetNodeLevel(p);
    if (GetNodeSpan(p) > 1) {
      UpdateNodeSpan(p, -1);
      UpdateSubNodeCount(p, -1);
    }
    for (;;) {
      DoExpandNode(FHost.DisplToRealRow(p));
      if (GetNodeLevel(p) <= 1) break;
      int up = GetParentRow(p);
      if (up == -1 || up == p || GetNodeLevel(up) >= level) break;
      p = up;
      if (GetNodeSpan(p) > 1) {
        UpdateNodeSpan(p, -1);
        UpdateSubNodeCount(p, -1);
      }
    }
  }
  FHost.RemoveRow(FHost.RealToDisplRow(ARow));
  FHost.LowerMaxRowCount();
}

bool TRowNodes::GlyphHit(int Level, int X, const TGlyphPlace& Place) {
  int w = 0, o = 0;
  switch (Place.NodeType) {
    case cnFlat: w = 4, o = 4; break;
    case cn3D: w = 6, o = 0; break;
    case cnGlyph:
      if (Place.ExpandGlyphWidth > 0) w = Place.ExpandGlyphWidth / 2, o = 2;
      break;
    case cnLeaf: w = 8, o = 2; break;
    case cnXP: w = 4, o = 4; break;
  }
  int ind = Place.Indent;
  if (!Place.RightToLeft) return o + (Level - 1) * ind < X && X < w + Level * ind;
  return Place.Width - 2 - Level * ind - w <= X + Place.ScrollBarWidth && X + Place.ScrollBarWidth < Place.Width - (Level - 1) * ind;
}

}  // namespace hd
