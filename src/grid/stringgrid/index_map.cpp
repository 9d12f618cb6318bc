// Display and real indexes: hidden columns stay in the store and only the view skips them;
// hidden rows leave the store into the grid's items. The current row and top row through
// the mapping, and cell text by real row.
#include <algorithm>
#include <limits>
#include <vector>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

// A column index of the hiding tables (0 to 511); beyond them columns are always visible.
bool InHideTable(int ACol) { return ACol >= 0 && ACol < kMaxHideColumns; }

}  // namespace

int TExtStringGrid::RealToDisplCol(int ACol) const {
  const TExtStringGridPrivate& p = *FP;
  if (!InHideTable(ACol) || p.NumHidden == 0) return ACol;
  int hidden = 0;
  for (int c = 0; c < ACol; ++c)
    if (!p.VisibleCol[c]) ++hidden;
  return ACol - hidden;
}

int TExtStringGrid::DisplToRealCol(int ACol) const {
  const TExtStringGridPrivate& p = *FP;
  if (ACol < 0 || ACol >= kMaxHideColumns || p.NumHidden == 0) return ACol;
  int visible = 0;
  for (int c = 0; c < kMaxHideColumns; ++c)
    if (p.VisibleCol[c] && ++visible == ACol + 1) return c;
  return 0;
}

int TExtStringGrid::RealToDisplRow(int ARow) const {
  const TGridItems& items = *FP->GridItems;
  return items.Count() == 0 ? ARow : ARow - items.CountBelow(ARow);
}

int TExtStringGrid::DisplToRealRow(int ARow) const {
  const TGridItems& items = *FP->GridItems;
  return items.Count() == 0 ? ARow : items.RealOfDisplay(ARow);
}

int TExtStringGrid::GetRealRow() const { return DisplToRealRow(GetRowEx()); }

int TExtStringGrid::GetRealCol() const { return DisplToRealCol(Col()); }

int TExtStringGrid::TotalColCount() const { return ColCount() + FP->NumHidden; }

int TExtStringGrid::TotalRowCount() const { return RowCount() + NumHiddenRows(); }

bool TExtStringGrid::IsHiddenColumn(int ACol) const { return InHideTable(ACol) && !FP->VisibleCol[ACol]; }

int TExtStringGrid::NumHiddenColumns() const { return FP->NumHidden; }

bool TExtStringGrid::GetColVisible(int ACol) const {
  return ACol < 0 || ACol > kMaxHideColumns || FP->VisibleCol[ACol];
}

void TExtStringGrid::SetColVisible(int ACol, bool Value) {
  if (ACol >= 0 && ACol <= kMaxHideColumns) FP->VisibleCol[ACol] = Value;
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol) {
  if (EditorMode()) SetEditorMode(false);
  TExtStringGridPrivate& p = *FP;
  // Only the tables' columns can hide; nothing is written outside them.
  FromCol = std::max(FromCol, 0);
  ToCol = std::min(ToCol, kMaxHideColumns - 1);
  for (int c = FromCol; c <= ToCol; ++c) {
    if (!p.VisibleCol[c] || c >= ColCount() + p.NumHidden || ColCount() <= 1) continue;
    int d = RealToDisplCol(c);
    p.AllColWidths[c] = static_cast<std::int16_t>(std::min<int>(ColWidths(d), std::numeric_limits<std::int16_t>::max()));
    for (int i = d + 1; i < ColCount(); ++i) SetColWidths(i - 1, ColWidths(i));
    ++p.NumHidden;
    p.VisibleCol[c] = false;
    if (Col() == ColCount() - 1) TBaseGrid::SetCol(Col() - 1);
    SetColCount(ColCount() - 1);
  }
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol) {
  if (EditorMode()) SetEditorMode(false);
  TExtStringGridPrivate& p = *FP;
  FromCol = std::max(FromCol, 0);
  ToCol = std::min(ToCol, kMaxHideColumns - 1);
  for (int c = FromCol; c <= ToCol; ++c) {
    if (p.VisibleCol[c]) continue;
    --p.NumHidden;
    p.VisibleCol[c] = true;
    SetColCount(ColCount() + 1);
    int d = RealToDisplCol(c);
    for (int i = ColCount() - 2; i >= d; --i) SetColWidths(i + 1, ColWidths(i));
    SetColWidths(d, p.AllColWidths[c]);
  }
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + FP->NumHidden); }

bool TExtStringGrid::IsHiddenRow(int ARow) const {
  const std::vector<int>& hidden = FP->GridItems->SortedIdx();
  return std::binary_search(hidden.begin(), hidden.end(), ARow);
}

int TExtStringGrid::NumHiddenRows() const { return FP->GridItems->Count(); }

TGridItems& TExtStringGrid::GridItems() { return *FP->GridItems; }

bool TExtStringGrid::IsIgnoredColumn(int ACol) const { return FP->IgnoreColumns->HasValue(ACol); }

void TExtStringGrid::SetRowEx(int Value) {
  TExtStringGridPrivate& p = *FP;
  if (Col() < 0 || Col() >= ColCount()) FocusCell(TBaseGrid::FixedCols(), Value, true);
  TBaseGrid::SetRow(Value);
  int row = GetRowEx();
  if (row != p.LastReportedRow) {
    int old = p.LastReportedRow;
    p.LastReportedRow = row;
    if (OnRowChanged) OnRowChanged(this, old, row);
  }
  if (p.MouseActions->DisjunctRowSelect()) SyncRowSelectWithSelection(false);
  TSyncGrid& sync = *p.SyncGrid;
  if (TStringGrid* other = sync.Grid(); other && sync.SelectionRow() && other->Row() != row) {
    if (auto* ext = dynamic_cast<TExtStringGrid*>(other))
      ext->SetRowEx(row);
    else
      other->SetRow(row);
  }
  // The last row must not end up under the search bar.
  if (Value == RowCount() - 1 && p.SearchFooter->Visible()) ScrollClearOfSearchFooter();
}

void TExtStringGrid::SetTopRowEx(int Value) {
  if (Value < TBaseGrid::FixedRows() || Value > RowCount() - 1) return;
  TBaseGrid::SetTopRow(Value);
}

std::string TExtStringGrid::GetCellsEx(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0) return "";
  if (const TGridItem* item = FP->GridItems->FindIdx(ARow)) {
    std::string s = item->Text(ACol);
    GetDisplText(ACol, ARow, s);
    return s;
  }
  return Cells(ACol, RealToDisplRow(ARow));
}

void TExtStringGrid::SetCellsEx(int ACol, int ARow, const std::string& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FP->GridItems->FindIdx(ARow)) {
    item->ItemsThrough(ACol).SetStrings(ACol, Value);
    return;
  }
  SetCells(ACol, RealToDisplRow(ARow), Value);
  if (RealToDisplCol(ACol) != ACol) RepaintCell(RealToDisplCol(ACol), RealToDisplRow(ARow));
}

}  // namespace hd
