// The grid's selections beyond the platform's one rectangle: row and column marks, the list of
// single cells, modified and disabled rows, the selection queries and the repaint helpers.
#include <algorithm>

#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

TGridRect Ordered(const TGridRect& r) { return GridRect(r.TopLeft(), r.BottomRight()); }

void GrowTo(TIntList& list, int count) {
  while (list.Count() < count) list.Add(0);
}

bool Flag(const TIntList& list, int index) { return index >= 0 && index < list.Count() && list.Items(index) != 0; }

}  // namespace

// The row a mark belongs to: real rows with RowSelectPersistent.
static int MarkRow(TExtStringGrid& grid, int ARow) {
  return grid.MouseActions().RowSelectPersistent() ? grid.DisplToRealRow(ARow) : ARow;
}

void TExtStringGrid::SelectRows(int RowIndex, int RCount) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RCount <= 0) return;
  if (!FP->MouseActions->DisjunctRowSelect()) {
    SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
  } else {
    for (int r = RowIndex; r < RowIndex + RCount; ++r) SetRowSelect(MarkRow(*this, r), true);
  }
  if (FP->RowIndicator && !FP->RowIndicator->Empty()) RepaintCol(0);
  FP->SelChange = false;
}

void TExtStringGrid::UnSelectRows(int RowIndex, int RCount) {
  if (!FP->MouseActions->DisjunctRowSelect()) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  for (int r = RowIndex; r < RowIndex + RCount; ++r) SetRowSelect(MarkRow(*this, r), false);
  FP->SelChange = false;
}

void TExtStringGrid::SelectCols(int ColIndex, int CCount) {
  if (!FP->MouseActions->DisjunctColSelect()) {
    SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
    return;
  }
  for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExtStringGrid::UnSelectCols(int ColIndex, int CCount) {
  if (!FP->MouseActions->DisjunctColSelect()) return;
  for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TExtStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::ClearRowSelect() {
  TIntList& marks = *FP->RowSelect;
  for (int i = 0; i < marks.Count(); ++i) {
    if (marks.Items(i) == 0) continue;
    RepaintRow(FP->MouseActions->RowSelectPersistent() ? RealToDisplRow(i) : i);
    marks.SetItems(i, 0);
  }
  FP->SelectedRows->Clear();
}

void TExtStringGrid::ClearColSelect() {
  TIntList& marks = *FP->ColSelect;
  for (int i = 0; i < marks.Count(); ++i) {
    if (marks.Items(i) == 0) continue;
    RepaintCol(i);
    marks.SetItems(i, 0);
  }
}

void TExtStringGrid::ClearSelectedCells() {
  SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
  FP->SelectedCells->Clear();
  InvalidateGrid();
}

void TExtStringGrid::ClearModifiedRows() {
  FP->ModifiedRows->Clear();
  InvalidateGrid();
}

int TExtStringGrid::ModifiedRowCount() const {
  const TIntList& rows = *FP->ModifiedRows;
  int n = 0;
  for (int i = 0; i < rows.Count(); ++i)
    if (rows.Items(i) == 1) ++n;
  return n;
}

bool TExtStringGrid::GetRowSelect(int ARow) {
  const TMouseActions& ma = *FP->MouseActions;
  if (!ma.RowSelectPersistent() && (ARow < 0 || ARow >= RowCount() + NumHiddenRows()))
    throw EExtGridError("Invalid row " + IntToStr(ARow) + " accessed");
  if (ma.DisjunctRowSelect()) {
    GrowTo(*FP->RowSelect, ARow + 1);
    return FP->RowSelect->Items(ARow) != 0;
  }
  TGridRect s = Ordered(Selection());
  return ARow >= s.Top && ARow <= s.Bottom;
}

void TExtStringGrid::SetRowSelect(int ARow, bool Value) {
  if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
    throw EExtGridError("Invalid row accessed");
  TIntList& marks = *FP->RowSelect;
  bool Allow = true;
  if ((ARow >= marks.Count() || Flag(marks, ARow) != Value) && OnRowDisjunctSelect)
    OnRowDisjunctSelect(this, ARow, Value, Allow);
  if (!Allow) return;
  GrowTo(marks, ARow + 1);
  TIntList& ordered = *FP->SelectedRows;
  if (Value) {
    if (!Flag(marks, ARow)) RepaintRow(ARow);
    marks.SetItems(ARow, 1);
    if (ARow >= FixedRows() && !ordered.HasValue(ARow)) ordered.Add(ARow);
  } else {
    if (Flag(marks, ARow)) RepaintRow(ARow);
    marks.SetItems(ARow, 0);
    if (ordered.HasValue(ARow)) ordered.DeleteValue(ARow);
  }
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TExtStringGrid::GetColSelect(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
  GrowTo(*FP->ColSelect, ACol + 1);
  return FP->ColSelect->Items(ACol) != 0;
}

void TExtStringGrid::SetColSelect(int ACol, bool Value) {
  if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
  TIntList& marks = *FP->ColSelect;
  GrowTo(marks, ACol + 1);
  if (Flag(marks, ACol) == Value) return;
  marks.SetItems(ACol, Value ? 1 : 0);
  RepaintCol(ACol);
}

bool TExtStringGrid::GetRowEnabled(int ARow) const { return !Flag(*FP->EnabledRows, ARow); }

void TExtStringGrid::SetRowEnabled(int ARow, bool Value) {
  if (ARow < 0) return;
  if (!Value && ARow == Row()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (r != ARow && GetRowEnabled(r)) {
        SetRow(r);
        break;
      }
  }
  FP->UseEnabledRows = true;
  GrowTo(*FP->EnabledRows, ARow + 1);
  FP->EnabledRows->SetItems(ARow, Value ? 0 : 1);
  RepaintRow(ARow);
}

bool TExtStringGrid::IsSelected(int ACol, int ARow) {
  if (ARow < FixedRows() || ACol < FixedCols()) return false;
  const TMouseActions& ma = *FP->MouseActions;
  if (ma.DisjunctCellSelect()) return FP->SelectedCells->HasValue(PackCell(ACol, ARow));
  if (ma.DisjunctRowSelect()) return Flag(*FP->RowSelect, MarkRow(*this, ARow));
  if (ma.DisjunctColSelect()) return Flag(*FP->ColSelect, ACol);
  return Ordered(Selection()).Contains(ACol, ARow);
}

bool TExtStringGrid::SelectedCells(int ACol, int ARow) {
  if (FP->MouseActions->DisjunctCellSelect()) return FP->SelectedCells->HasValue(PackCell(ACol, ARow));
  return Ordered(Selection()).Contains(ACol, ARow);
}

void TExtStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
  TIntList& cells = *FP->SelectedCells;
  int packed = PackCell(ACol, ARow);
  bool present = cells.HasValue(packed);
  if (Value && !present)
    cells.Add(packed);
  else if (!Value && present)
    cells.DeleteValue(packed);
  else
    return;
  RepaintCell(ACol, ARow);
}

TGridCoord TExtStringGrid::SelectedCell(int i) const {
  int packed = FP->SelectedCells->Items(i);
  return {packed & 0xFFFF, packed >> 16};
}

int TExtStringGrid::SelectedCellsCount() {
  if (!FP->MouseActions->DisjunctCellSelect()) {
    TIntList& cells = *FP->SelectedCells;
    cells.Clear();
    TGridRect s = Ordered(Selection());
    for (int c = s.Left; c <= s.Right; ++c)
      for (int r = s.Top; r <= s.Bottom; ++r) cells.Add(PackCell(c, r));
  }
  return FP->SelectedCells->Count();
}

int TExtStringGrid::SelectedRow(int i) const {
  if (FP->MouseActions->DisjunctRowSelect()) return i >= 0 && i < FP->SelectedRows->Count() ? FP->SelectedRows->Items(i) : -1;
  TGridRect s = Selection();
  return s.Top <= s.Bottom ? i + s.Top : -1;
}

int TExtStringGrid::SelectedRowCount() const {
  if (FP->MouseActions->DisjunctRowSelect()) return FP->SelectedRows->Count();
  TGridRect s = Ordered(Selection());
  s.Bottom = std::min(s.Bottom, RowCount() - FP->Layout.FFixedFooters - 1);
  TPoint topLeft = CellSpan(s.Left, s.Top);
  if (IsMergedCell(s.Left, s.Top) && s.Top + topLeft.Y > s.Bottom) return topLeft.Y + 1;
  if (IsMergedCell(s.Left, s.Bottom)) return s.Bottom - s.Top + CellSpan(s.Left, s.Bottom).Y + 1;
  return s.Bottom - s.Top + 1;
}

int TExtStringGrid::SelectedColCount() const {
  if (FP->MouseActions->DisjunctColSelect()) return ColSelectCount();
  TGridRect s = Ordered(Selection());
  TPoint topLeft = CellSpan(s.Left, s.Top);
  if (IsMergedCell(s.Left, s.Top) && s.Left + topLeft.X > s.Right) return topLeft.X + 1;
  if (IsMergedCell(s.Right, s.Top)) return s.Right - s.Left + CellSpan(s.Right, s.Top).X + 1;
  return s.Right - s.Left + 1;
}

int TExtStringGrid::ColSelectCount() const {
  if (!FP->MouseActions->DisjunctColSelect()) {
    TGridRect s = Selection();
    return s.Right - s.Left + 1;
  }
  const TIntList& marks = *FP->ColSelect;
  int n = 0;
  for (int i = 0; i < marks.Count(); ++i)
    if (marks.Items(i) != 0) ++n;
  return n;
}

std::string TExtStringGrid::SelectedText() {
  TGridRect s = Ordered(Selection());
  int left = s.Left, right = s.Right;
  if (Options().Contains(goRowSelect) && FP->DragDropSettings->OleEntireRows()) {
    left = 0;
    right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (FP->MouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (Flag(*FP->RowSelect, MarkRow(*this, r))) rows.push_back(r);
  } else {
    for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
  }
  std::string text;
  for (int r : rows) {
    for (int c = left; c <= right; ++c) {
      std::string cell = Cells(RealColIndex(c), r);
      if (FP->Files.FExcelClipboardFormat && cell.find('\n') != std::string::npos) cell = QuoteMultiLineField(cell);
      text += cell;
      if (c != right) text += '\t';
    }
    if (r != s.Bottom) text += "\r\n";
  }
  return text;
}

void TExtStringGrid::SyncRowSelectWithSelection(bool All) {
  TGridRect s = Ordered(Selection());
  s.Bottom = std::min(s.Bottom, RowCount() - FP->Layout.FFixedFooters - 1);
  for (int r = FixedRows(); r < RowCount(); ++r) {
    bool inside = r >= s.Top && r <= s.Bottom;
    if (inside || All) SetRowSelect(MarkRow(*this, r), inside);
  }
  if (NumHiddenRows() > 0) InvalidateGrid();
}

void TExtStringGrid::SyncColSelectWithSelection(bool All) {
  TGridRect s = Ordered(Selection());
  for (int c = FixedCols(); c < ColCount(); ++c) {
    bool inside = c >= s.Left && c <= s.Right;
    if (inside || All) SetColSelect(c, inside);
  }
}

void TExtStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (FP->Colors.FLook == glVista || FP->Colors.FLook == glWin7 || FP->Colors.FLook == glOffice2007) InvalidateRect(Selection());
  FP->SelChange = true;
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::SwapCells(TPoint FromCell, TPoint ToCell) {
  std::string text = GetGridCell(FromCell.X, FromCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
  SetGridCell(ToCell.X, ToCell.Y, text);
  TObject* object = GetGridObject(FromCell.X, FromCell.Y);
  SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
  SetGridObject(ToCell.X, ToCell.Y, object);
}

void TExtStringGrid::RepaintCol(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) return;
  InvalidateCol(ACol);
}

void TExtStringGrid::RepaintRect(const TRect& r) {
  if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
  int right = std::min(r.Right, VisibleColCount() + FixedCols());
  TRect a = CellRect(r.Left, r.Top), b = CellRect(right, r.Bottom);
  if (a.IsEmpty() || b.IsEmpty()) {
    InvalidateGrid();
    return;
  }
  TRect u{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
  if (HandleAllocated()) ::hd::InvalidateRect(Handle(), &u, true);
}

}  // namespace hd
