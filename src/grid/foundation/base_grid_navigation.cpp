// Where cells and merged ranges lie in the client area, and how the current cell moves over
// merged ranges and the hidden last row.
#include <algorithm>
#include <cstdint>

#include "grid/foundation/base_grid.h"

namespace hd {

namespace {

// Pixels of the lines 0..line-1 (the grid's own line width stays 0); lines past the count
// take the default size.
std::int64_t LinesExtent(const TGridAxis& axis, int line) {
  line = std::max(line, 0);
  if (line <= axis.Count()) return axis.Position(line);
  return axis.Total() + static_cast<std::int64_t>(line - axis.Count()) * axis.DefaultSize();
}

TRect Union(const TRect& a, const TRect& b) {
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

}  // namespace

int TBaseGrid::FixedColsWidth() const { return static_cast<int>(LinesExtent(ColAxis(), FixedCols())); }

int TBaseGrid::FixedRowsHeight() const { return static_cast<int>(LinesExtent(RowAxis(), FixedRows())); }

TRect TBaseGrid::UnclippedCellRect(int ACol, int ARow) const {
  std::int64_t x = LinesExtent(ColAxis(), ACol), y = LinesExtent(RowAxis(), ARow);
  // Scrolled lines move by what is scrolled away and start after the fixed lines.
  if (ACol >= FixedCols()) x += FixedColsWidth() - LinesExtent(ColAxis(), LeftCol());
  if (ARow >= FixedRows()) y += FixedRowsHeight() - LinesExtent(RowAxis(), TopRow());
  int left = static_cast<int>(x), top = static_cast<int>(y);
  return {left, top, left + ColWidths(ACol), top + RowHeights(ARow)};
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const {
  const TCellProperties* P = MadePropsInGrid(ACol, ARow);
  if (P && (P->FCellSpanX != -1 || P->FCellSpanY != -1)) {
    TPoint base = P->GetBaseCell(ACol, ARow);
    TPoint span = CellSpan(ACol, ARow);
    TRect first = UnclippedCellRect(base.X, base.Y);
    // A column of width 0 in the range still counts with one pixel.
    if (first.Width() == 0) ++first.Right;
    TRect last = UnclippedCellRect(base.X + span.X, base.Y + span.Y);
    if (last.Width() == 0) --last.Left;
    return Union(first, last);
  }
  if (P && P->FControl) return UnclippedCellRect(ACol, ARow);
  TRect r = TObjStringGrid::CellRect(ACol, ARow);
  // A cell out of view stays all zeros rather than becoming a rectangle at the origin.
  if (r == TRect{}) return r;
  r.Right = r.Left + ColWidths(ACol);
  r.Bottom = r.Top + RowHeights(ARow);
  return r;
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const {
  TRect r;
  const TCellProperties* P = PropsInGrid(ACol, ARow);
  if (P && (P->FCellSpanX != -1 || P->FCellSpanY != -1)) {
    TPoint base = P->GetBaseCell(ACol, ARow);
    TPoint span = CellSpan(ACol, ARow);
    r = Union(UnclippedCellRect(base.X, base.Y), UnclippedCellRect(base.X + span.X, base.Y + span.Y));
  } else {
    r = UnclippedCellRect(ACol, ARow);
  }
  return {r.Width(), r.Height()};
}

void TBaseGrid::MoveToBaseCell() {
  const TCellProperties* P = PropsInGrid(Col(), Row());
  if (!P) return;
  TPoint base = P->GetBaseCell(Col(), Row());
  if (base.X != Col()) SetCol(base.X);
  if (base.Y != Row()) SetRow(base.Y);
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  RepaintCell(Col(), Row());
  bool result = TObjStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift) {
  int col = Col(), row = Row();
  const TCellProperties* P = PropsInGrid(col, row);
  TPoint base = P ? P->GetBaseCell(col, row) : TPoint{col, row};
  const TCellProperties* B = P ? FindCellProperties(base.X, base.Y) : nullptr;
  int spanX = B ? B->FCellSpanX : -1, spanY = B ? B->FCellSpanY : -1;
  // Before the platform moves on: to the range's edge on the side of the key, so that the
  // move leaves the range. Left and Up go no further than the first scrolled line.
  switch (Key) {
    case VK_NEXT:
      if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1)
        SetRow(RowCount() - 2);
      break;
    case VK_LEFT:
      if (P && base.X < col) SetCol(std::max(base.X, FixedCols()));
      break;
    case VK_UP:
      if (P && base.Y < row) SetRow(std::max(base.Y, FixedRows()));
      break;
    case VK_RIGHT:
      if (P && base.X + spanX >= col && col < ColCount() - 1 && base.X < ColCount() - 1 && base.X + spanX < ColCount())
        SetCol(base.X + spanX);
      break;
    case VK_DOWN:
      // A range reaching past the last row stops at the last row.
      if (P && base.Y + spanY >= row && row < RowCount() - 1 && base.Y < RowCount() - 1)
        SetRow(std::min(base.Y + spanY, RowCount() - 1));
      break;
    default:
      break;
  }
  TObjStringGrid::KeyDown(Key, Shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return result;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  RepaintMergedFixedCells();
}

// Merged fixed cells whose range reaches into the scrolled area draw their range again.
void TBaseGrid::RepaintMergedFixedCells() {
  if (FixedCols() > 0) {
    int last = TopRow() + VisibleRowCount();
    for (int r = TopRow(); r <= last; ++r)
      for (int c = 0; c < FixedCols(); ++c)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
  if (FixedRows() > 0) {
    int last = LeftCol() + VisibleColCount();
    for (int c = LeftCol(); c <= last; ++c)
      for (int r = 0; r < FixedRows(); ++r)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
}

}  // namespace hd
