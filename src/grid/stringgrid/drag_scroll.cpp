// Scrolling while something is dragged near the grid's edges, and the vetoes of the sizing hot
// zone: a press on a fixed cell's border sizes the line only when the size events allow it.
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/ext_ctrls.h"

namespace hd {

void TExtStringGrid::StopDragScroll() { FP->DragScrollTimer.reset(); }

void TExtStringGrid::DragOver(TObject* /*Source*/, int X, int Y, TDragState State, bool& /*Accept*/) {
  TExtStringGridPrivate& p = *FP;
  const TDragScrollOptions& options = *p.DragScrollOptions;
  if (!options.Active() || State == dsDragLeave) {
    StopDragScroll();
    return;
  }
  TDragScrollDirections old = p.DragScrollDir;
  p.DragScrollDir = {};
  const TDragScrollMargins& m = options.Margins();
  if (Y < m.TopMargin())
    p.DragScrollDir.Include(dsdUp);
  else if (Y > Height() - m.BottomMargin())
    p.DragScrollDir.Include(dsdDown);
  if (X < m.LeftMargin())
    p.DragScrollDir.Include(dsdLeft);
  else if (X > Width() - m.RightMargin())
    p.DragScrollDir.Include(dsdRight);
  if (p.DragScrollDir.Empty()) {
    StopDragScroll();
    return;
  }
  unsigned initial = static_cast<unsigned>(options.Delays().InitialDelay());
  if (!p.DragScrollTimer) {
    p.DragScrollTimer = std::make_unique<TTimer>(nullptr);
    p.DragScrollTimer->OnTimer = [this](TObject*) { DragScrollTick(); };
    p.DragScrollTimer->SetInterval(initial);
  } else if (!old.Empty()) {
    p.DragScrollTimer->SetInterval(initial);
  }
}

void TExtStringGrid::DragScrollTick() {
  TExtStringGridPrivate& p = *FP;
  const TDragScrollOptions& options = *p.DragScrollOptions;
  if (!options.Active()) {
    StopDragScroll();
    return;
  }
  p.DragScrollTimer->SetInterval(static_cast<unsigned>(options.Delays().RepeatDelay()));
  if (OnDragScroll) {
    bool canScroll = true;
    OnDragScroll(this, TopRow(), LeftCol(), p.DragScrollDir, canScroll);
    if (!canScroll) return;
  }
  const TDragScrollDirections dir = p.DragScrollDir;
  if (dir.Contains(dsdUp) && TopRow() > TBaseGrid::FixedRows()) SetTopRow(TopRow() - 1);
  if (dir.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  if (dir.Contains(dsdLeft) && LeftCol() > TBaseGrid::FixedCols()) SetLeftCol(LeftCol() - 1);
  if (dir.Contains(dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}

void TExtStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                     TGridDrawInfo& FixedInfo) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
  // The cell just left of the pointer: a column border in a fixed row.
  TGridCoord left = MouseCoord(X - 6, Y);
  if (State == gsColSizing && left.X >= 0 && left.Y >= 0 && left.Y < TBaseGrid::FixedRows() && OnColumnSize) {
    bool allow = true;
    OnColumnSize(this, left.X, allow);
    if (!allow) {
      State = gsNormal;
      Index = -1;
    }
  }
  // The cell just above the pointer: a row border in a fixed column.
  TGridCoord above = MouseCoord(X, Y - 6);
  if (State == gsRowSizing && above.Y >= 0 && above.X >= 0 && above.X < TBaseGrid::FixedCols() && OnRowSize) {
    bool allow = true;
    OnRowSize(this, above.Y, allow);
    if (!allow) {
      State = gsNormal;
      Index = -1;
    }
  }
  // The line a press starts sizing and its size then, for sizing all lines in proportion.
  TExtStringGridPrivate& p = *FP;
  if (State == gsColSizing || State == gsRowSizing) {
    bool cols = State == gsColSizing;
    p.SizingCol = cols ? Index : -1;
    p.SizingRow = cols ? -1 : Index;
    p.SizingOldSize = cols ? ColWidths(Index) : RowHeights(Index);
  }
}

}  // namespace hd
