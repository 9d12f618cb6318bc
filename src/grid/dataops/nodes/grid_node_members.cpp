// The grid's node members, each handing over to the node engine, and the expand cells.
#include <memory>
#include <type_traits>

#include "grid/dataops/nodes/row_nodes.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/scroll_bars.h"

namespace hd {

TRowNodes& TExtStringGrid::Nodes() {
  static_assert(std::is_base_of_v<TDataEngine, TRowNodes>);
  std::unique_ptr<TDataEngine>& slot = NodeEngineSlot();
  if (!slot) slot = std::make_unique<TRowNodes>(DataHost());
  return static_cast<TRowNodes&>(*slot);
}

void TExtStringGrid::AddNode(int ARow, int Span) { Nodes().AddNode(ARow, Span); }
void TExtStringGrid::RemoveNode(int ARow) { Nodes().RemoveNode(ARow); }
void TExtStringGrid::RemoveAllNodes() { Nodes().RemoveAllNodes(); }
void TExtStringGrid::AddSummary(int ARow) { Nodes().AddSummary(ARow); }
bool TExtStringGrid::GetNodeState(int ARow) { return Nodes().GetNodeState(ARow); }
void TExtStringGrid::SetNodeState(int ARow, bool Value) { Nodes().SetNodeState(ARow, Value); }
int TExtStringGrid::GetNodeLevel(int ARow) { return Nodes().GetNodeLevel(ARow); }
int TExtStringGrid::GetNodeSpan(int ARow) { return Nodes().GetNodeSpan(ARow); }
void TExtStringGrid::SetNodeSpan(int ARow, int Span) { Nodes().SetNodeSpan(ARow, Span); }
void TExtStringGrid::UpdateNodeSpan(int ARow, int Delta) { Nodes().UpdateNodeSpan(ARow, Delta); }
int TExtStringGrid::GetSubNodeCount(int ARow) { return Nodes().GetSubNodeCount(ARow); }
void TExtStringGrid::UpdateSubNodeCount(int ARow, int Delta) { Nodes().UpdateSubNodeCount(ARow, Delta); }
void TExtStringGrid::ExpandNode(int ARow) { Nodes().ExpandNode(ARow); }
void TExtStringGrid::ContractNode(int ARow) { Nodes().ContractNode(ARow); }
void TExtStringGrid::ExpandAll() { Nodes().ExpandAll(); }
void TExtStringGrid::ContractAll() { Nodes().ContractAll(); }
int TExtStringGrid::GetParentRow(int ARow) { return Nodes().GetParentRow(ARow); }
int TExtStringGrid::GetNodeSpanType(int ARow) { return Nodes().GetNodeSpanType(ARow); }
void TExtStringGrid::InsertNormalRow(int ARow) { Nodes().InsertNormalRow(ARow); }
void TExtStringGrid::RemoveNormalRow(int ARow) { Nodes().RemoveNormalRow(ARow); }
void TExtStringGrid::InsertChildRow(int ARow, int InsertAt) { Nodes().InsertChildRow(ARow, InsertAt); }
void TExtStringGrid::RemoveChildRow(int ARow) { Nodes().RemoveChildRow(ARow); }

bool TExtStringGrid::NodeAwareInsertRow(int ARow) {
  if (!HasNodes()) return false;
  int d = RealToDisplRow(ARow);
  if (d < RowCount() && GetParentRow(d) != -1)
    InsertChildRow(ARow, 0);
  else
    InsertNormalRow(ARow);
  return true;
}

bool TExtStringGrid::NodeAwareDeleteRow(int ARow) {
  if (!HasNodes()) return false;
  int d = RealToDisplRow(ARow);
  if (GetParentRow(d) != -1)
    RemoveChildRow(ARow);
  else
    RemoveNormalRow(d);
  return true;
}

bool TExtStringGrid::IsNodeGlyphHit(int ARow, int X) {
  if (!MouseActions().PreciseNodeClick()) return true;
  const TCellNode& node = CellNode();
  const TCellProperties* props = ARow >= 0 ? FindCellProperties(0, ARow) : nullptr;
  TRowNodes::TGlyphPlace place;
  place.NodeType = node.NodeType();
  place.Indent = node.NodeIndent();
  place.ExpandGlyphWidth = node.ExpandGlyph().Empty() ? 0 : node.ExpandGlyph().Width();
  place.Width = Width();
  place.ScrollBarWidth = RowCount() - FixedRows() > VisibleRowCount() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  return TRowNodes::GlyphHit(props ? props->NodeLevel() : 0, X, place);
}

bool TExtStringGrid::NodePress(int ACol, int ARow, int X, int Y, TShiftState Shift) {
  if (ACol != 0 || !HasNodes()) return false;
  TMouseActions& ma = MouseActions();
  const bool glyph = IsNode(ARow) && IsNodeGlyphHit(ARow, X);
  if (ARow < FixedRows()) {
    if (glyph && ma.NodeAllExpandContract()) {
      bool contracted = GetNodeState(ARow);
      if (contracted)
        ExpandAll();
      else
        ContractAll();
      GetCellGraphic(0, ARow)->SetCellBoolean(!contracted);
    }
    return false;
  }
  auto clicked = [&] {
    if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
    if (OnClickCell) OnClickCell(this, ARow, ACol);
  };
  if (glyph) {
    clicked();
    int real = RealRowIndex(ARow);
    bool allow = true;
    if (GetNodeState(ARow)) {
      if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, real, allow);
      if (allow) {
        ExpandNode(real);
        if (OnExpandNode) OnExpandNode(this, ARow, real);
      }
    } else {
      if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, real, allow);
      if (allow) {
        ContractNode(real);
        if (OnContractNode) OnContractNode(this, ARow, real);
      }
    }
    if (ma.MoveRowOnNodeClick() && ARow < RowCount()) SetRow(ARow);
    return true;
  }
  // Beside the glyph, column 0 of a node grid takes no focus.
  if (!Options().Contains(goRowSelect) && !Options().Contains(goRowSizing)) {
    clicked();
    return true;
  }
  return false;
}

bool TExtStringGrid::HasExpand(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctExpand}); }

void TExtStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
  if (ACol < 0 || ARow < 0 || ARow >= RowCount() || ACol >= TotalColCount()) return;
  int collapsed = RowHeights(ARow);
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->SetCellType(ctExpand);
  g->SetCellVar(0);
  g->SetCellAngle(ExpandedHeight);
  g->SetCellIndex(collapsed);
}

void TExtStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

namespace {
TCellGraphic* ExpandRecord(TExtStringGrid& G, int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  TPoint base = G.BaseCell(ACol, ARow);
  TCellGraphic* g = G.GetCellGraphic(base.X, base.Y);
  return g && g->CellType() == ctExpand ? g : nullptr;
}
}  // namespace

bool TExtStringGrid::ToggleExpand(int ACol, int ARow) {
  TCellGraphic* g = ExpandRecord(*this, ACol, ARow);
  if (!g) return false;
  g->SetCellVar(g->CellVar() ? 0 : 1);
  return g->CellVar() != 0;
}

bool TExtStringGrid::GetExpandState(int ACol, int ARow) {
  TCellGraphic* g = ExpandRecord(*this, ACol, ARow);
  return g && g->CellVar() != 0;
}

int TExtStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
  TCellGraphic* g = ExpandRecord(*this, ACol, ARow);
  if (!g) return DefaultRowHeight();
  return Expanded ? g->CellAngle() : g->CellIndex();
}

void TExtStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded) {
  if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
  if (ARow >= 0 && ARow < RowCount()) SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

}  // namespace hd
