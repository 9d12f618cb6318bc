#include "grid/foundation/merged_cells.h"

#include <algorithm>

#include "grid/foundation/base_grid.h"
#include "platform/grids/cell_store.h"

namespace hd {

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const {
  if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return {ACol - FCellSpanX, ARow - FCellSpanY};
  return {ACol, ARow};
}

TCellProperties* TMergedCells::Props(int ACol, int ARow) const {
  return grid_.PropsInGrid(ACol, ARow);
}

void TMergedCells::Merge(int ACol, int ARow, int SpanX, int SpanY) {
  if (SpanX < 1 || SpanY < 1) return;
  for (int i = ACol; i < ACol + SpanX; ++i)
    for (int j = ARow; j < ARow + SpanY; ++j) {
      TCellProperties* P = grid_.GetCellProperties(i, j);
      bool base = i == ACol && j == ARow;
      P->FIsBaseCell = base;
      P->FCellSpanX = base ? SpanX - 1 : i - ACol;
      P->FCellSpanY = base ? SpanY - 1 : j - ARow;
    }
  // Every cell of the range now answers the range's rectangle.
  grid_.RepaintCell(ACol, ARow);
}

void TMergedCells::Split(int ACol, int ARow) {
  TPoint base = grid_.GetCellProperties(ACol, ARow)->GetBaseCell(ACol, ARow);
  const TCellProperties* B = grid_.GetCellProperties(base.X, base.Y);
  int spanX = B->FCellSpanX, spanY = B->FCellSpanY;
  if (spanX < 0 || spanY < 0) return;
  // While still merged, the base cell's rectangle is the whole range.
  grid_.RepaintCell(base.X, base.Y);
  for (int i = base.X; i <= base.X + spanX; ++i)
    for (int j = base.Y; j <= base.Y + spanY; ++j) {
      TCellProperties* P = grid_.GetCellProperties(i, j);
      P->FIsBaseCell = true;
      P->FCellSpanX = -1;
      P->FCellSpanY = -1;
    }
}

TPoint TMergedCells::BaseCell(int ACol, int ARow) const {
  const TCellProperties* P = Props(ACol, ARow);
  return P ? P->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

bool TMergedCells::IsBaseCell(int ACol, int ARow) const {
  const TCellProperties* P = Props(ACol, ARow);
  return !P || P->FIsBaseCell;
}

bool TMergedCells::IsMergedCell(int ACol, int ARow) const {
  const TCellProperties* P = Props(ACol, ARow);
  return P && (P->FCellSpanX > 0 || P->FCellSpanY > 0);
}

bool TMergedCells::IsMergedNonBaseCell(int ACol, int ARow) const {
  return IsMergedCell(ACol, ARow) && !Props(ACol, ARow)->FIsBaseCell;
}

bool TMergedCells::IsXMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).X > 0; }

bool TMergedCells::IsYMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).Y > 0; }

TPoint TMergedCells::CellSpan(int ACol, int ARow) const {
  const TCellProperties* P = Props(ACol, ARow);
  if (!P || P->FCellSpanX == -1 || P->FCellSpanY == -1) return {0, 0};
  TPoint base = P->GetBaseCell(ACol, ARow);
  const TCellProperties* B = Props(base.X, base.Y);
  if (!B) return {0, 0};
  return {B->FCellSpanX, B->FCellSpanY};
}

TPoint TMergedCells::CellExt(int ACol, int ARow) const {
  const TCellProperties* P = Props(ACol, ARow);
  if (!P || P->FCellSpanX == -1 || P->FCellSpanY == -1) return {0, 0};
  TPoint base = P->GetBaseCell(ACol, ARow);
  TPoint span = CellSpan(ACol, ARow);
  return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

TRect TMergedCells::FullCell(int ACol, int ARow) const {
  TPoint base = BaseCell(ACol, ARow);
  TPoint span = CellSpan(ACol, ARow);
  return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

bool TMergedCells::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  const TCellProperties* P = Props(ACol, ARow);
  TPoint base = P ? P->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
  BaseCol = base.X;
  BaseRow = base.Y;
  return !P || P->FIsBaseCell;
}

int TMergedCells::MinRowSpan(int ARow) const {
  int rows = grid_.RowCount(), result = rows;
  for (int c = 0; c < grid_.ColCount(); ++c) {
    int span = CellSpan(c, ARow).Y;
    if (span > 0 && span < rows) result = std::min(result, span);
  }
  return result;
}

int TMergedCells::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < grid_.ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
  return result;
}

bool TMergedCells::RowSpanIdentical(int ARow1, int ARow2) const {
  bool result = false;
  for (int c = 0; c < grid_.ColCount(); ++c) {
    if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
    if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
    result = true;
  }
  return result;
}

bool TMergedCells::ColSpanIdentical(int ACol1, int ACol2) const {
  bool merged = false;
  for (int r = 0; r < grid_.RowCount(); ++r) {
    int span1 = CellSpan(ACol1, r).X, span2 = CellSpan(ACol2, r).X;
    if (span1 > 0 && span2 > 0) {
      if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
      merged = true;
    } else if (span1 != span2) {
      return false;
    }
  }
  return merged;
}

bool TMergedCells::CoveredCellConsistent(int ACol, int ARow, const TCellProperties& P) const {
  if (P.FCellSpanX < 0 || P.FCellSpanY < 0 || (P.FCellSpanX == 0 && P.FCellSpanY == 0)) return false;
  const TCellProperties* B = Props(ACol - P.FCellSpanX, ARow - P.FCellSpanY);
  return B && B->FIsBaseCell && B->FCellSpanX >= P.FCellSpanX && B->FCellSpanY >= P.FCellSpanY;
}

bool TMergedCells::RangeConsistent(int ACol, int ARow, const TCellProperties& P) const {
  if (P.FCellSpanX == -1 && P.FCellSpanY == -1) return true;
  if (P.FCellSpanX < 0 || P.FCellSpanY < 0) return false;
  for (int i = ACol; i <= ACol + P.FCellSpanX; ++i)
    for (int j = ARow; j <= ARow + P.FCellSpanY; ++j) {
      if (i == ACol && j == ARow) continue;
      const TCellProperties* Q = Props(i, j);
      if (!Q || Q->FIsBaseCell || Q->FCellSpanX != i - ACol || Q->FCellSpanY != j - ARow) return false;
    }
  return true;
}

bool TMergedCells::CheckConsistency() const {
  for (const TCellStore::TObjectCell& cell : grid_.Store().ObjectCells()) {
    const TCellProperties* P = Props(cell.Col, cell.Row);
    if (!P) continue;
    bool ok = P->FIsBaseCell ? RangeConsistent(cell.Col, cell.Row, *P) : CoveredCellConsistent(cell.Col, cell.Row, *P);
    if (!ok) return false;
  }
  return true;
}

}  // namespace hd
