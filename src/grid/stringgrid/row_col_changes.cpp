// Rows and columns in and out of the grid. The store and the line sizes shift in one pass;
// what hangs on a row (modified, enabled and selection marks, cell controls, hidden rows'
// real indexes) or on a column (visibility, hidden width) shifts with it here.
#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Drops the entries of a per-row (or per-column) list for the lines removed; entries past its
// end were never written.
void DeleteEntries(TIntList& list, int at, int count) {
  for (int i = 0; i < count && at < list.Count(); ++i) list.Delete(at);
}

void InsertEntries(TIntList& list, int at, int count, int value) {
  if (at < 0 || at > list.Count()) return;
  for (int i = 0; i < count; ++i) list.Insert(at, value);
}

}  // namespace

void TExtStringGrid::FreeRangeCells(int ACol1, int ARow1, int ACol2, int ARow2) {
  if (!FHasCellProps) return;
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c)
      if (FindCellProperties(c, r)) {
        FreeStoredCellGraphic(c, r);
        FreeCellProperties(c, r);
      }
}

void TExtStringGrid::ShiftCellControlRows(int FromRealRow, int Delta) {
  TControlList& list = *FP->ControlList;
  for (int i = 0; i < list.Count(); ++i)
    if (TControlItem* item = list.Control(i); item->Y() >= FromRealRow) item->SetY(item->Y() + Delta);
}

void TExtStringGrid::ShiftHiddenRowsForRemoval(int RowIndex, int RCount) {
  TGridItems& items = *FP->GridItems;
  if (items.Count() == 0) return;
  // Each hidden row moves up by the removed rows that lay above it, so a hidden row inside
  // the removed block keeps its place among the rows that stay.
  std::vector<int> shift(static_cast<size_t>(items.Count()));
  for (int i = 0; i < items.Count(); ++i) {
    int at = RealToDisplRow(items.Items(i)->Idx());
    shift[static_cast<size_t>(i)] = std::clamp(at - RowIndex, 0, RCount);
  }
  for (int i = 0; i < items.Count(); ++i) {
    TGridItem* item = items.Items(i);
    item->SetIdx(item->Idx() - shift[static_cast<size_t>(i)]);
  }
  items.IdxChanged();
}

void TExtStringGrid::RowCountSettled() {
  TExtStringGridPrivate& p = *FP;
  FNormalRowCount = RowCount();
  p.MaxRowCount = std::max(p.MaxRowCount, RowCount());
  if (p.SelectionHidden && RowCount() > FixedRows()) UnHideSelection();
  UpdateFooter();
  ApplyScrollBarAlways(false);
}

void TExtStringGrid::RemoveRowMarks(int RowIndex, int RCount, bool Selection) {
  TExtStringGridPrivate& p = *FP;
  // Modified marks are kept by real row: the removed rows' entries go, from the last, so a
  // hidden row among them keeps its mark. Called before the hidden rows shift up.
  if (p.ShowModified->Enabled()) {
    TIntList& marks = *p.ModifiedRows;
    if (p.GridItems->Count() == 0) {
      DeleteEntries(marks, RowIndex, RCount);
    } else {
      for (int r = RowIndex + RCount - 1; r >= RowIndex; --r)
        if (int real = DisplToRealRow(r); real < marks.Count()) marks.Delete(real);
    }
  }
  if (p.UseEnabledRows) DeleteEntries(*p.EnabledRows, RowIndex, RCount);
  if (Selection && p.MouseActions->DisjunctRowSelect()) {
    // Persistent marks are kept by real row, as the modified ones.
    if (p.MouseActions->RowSelectPersistent() && p.GridItems->Count() > 0) {
      TIntList& marks = *p.RowSelect;
      for (int r = RowIndex + RCount - 1; r >= RowIndex; --r)
        if (int real = DisplToRealRow(r); real < marks.Count()) marks.Delete(real);
    } else {
      DeleteEntries(*p.RowSelect, RowIndex, RCount);
    }
    TIntList& ordered = *p.SelectedRows;
    for (int i = ordered.Count() - 1; i >= 0; --i) {
      int r = ordered.Items(i);
      if (r >= RowIndex + RCount)
        ordered.SetItems(i, r - RCount);
      else if (r >= RowIndex)
        ordered.Delete(i);
    }
  }
}

// Where the current row goes after rows were taken out: back to the row it was on when that
// is still a normal row, else to the last normal row, else out of view.
void TExtStringGrid::RestoreRowAfterRemoval(int OldRow, int OldTop) {
  TExtStringGridPrivate& p = *FP;
  int normalEnd = RowCount() - p.Layout.FFixedFooters;
  if (OldRow < normalEnd) {
    if (!p.MouseActions->DisjunctRowSelect() && Row() != OldRow && OldRow >= FixedRows()) TBaseGrid::SetRow(OldRow);
    SetTopRowEx(OldTop);
  } else if (normalEnd > FixedRows()) {
    if (Row() != normalEnd - 1) TBaseGrid::SetRow(normalEnd - 1);
  } else {
    HideSelection();
    p.SelectionHidden = false;
  }
  int t = RowCount() + FixedRows() - VisibleRowCount() - 2;
  if (TopRow() >= t && RowCount() - VisibleRowCount() - 1 > 0) SetTopRowEx(t);
}

namespace {

// The controls of rows that leave go with them (hidden and out of the list), so none is left
// standing over the row that moves up into their place.
void DropRowControls(TExtStringGrid& grid, TExtStringGridPrivate& p, int ARow, int RCount) {
  TControlList& list = *p.ControlList;
  for (int i = list.Count() - 1; i >= 0; --i) {
    TControlItem* item = list.Control(i);
    int shown = grid.RealToDisplRow(item->Y());
    if (shown < ARow || shown >= ARow + RCount) continue;
    if (item->Control()) item->Control()->SetVisible(false);
    list.RemoveControl(i);
    if (p.NumCellControls > 0) --p.NumCellControls;
  }
}

}  // namespace

void TExtStringGrid::RemoveRows(int RowIndex, int RCount) {
  TExtStringGridPrivate& p = *FP;
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  // Never more rows than stand from RowIndex on, and one row always stays.
  RCount = std::min({RCount, RowCount() - RowIndex, RowCount() - 1});
  if (RCount <= 0) return;
  DropRowControls(*this, p, RowIndex, RCount);
  ShiftCellControlRows(RealRowIndex(RowIndex + RCount), -RCount);
  FreeRangeCells(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
  if (EditorMode()) SetEditorMode(false);
  int oldRow = Row(), oldTop = TopRow();
  BeginUpdate();
  RemoveRowMarks(RowIndex, RCount, true);
  ShiftHiddenRowsForRemoval(RowIndex, RCount);
  DeleteLines(false, RowIndex, RCount);
  p.MaxRowCount = std::max(p.MaxRowCount - RCount, RowCount());
  RowCountSettled();
  RestoreRowAfterRemoval(oldRow, oldTop);
  EndUpdate();
  CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
  CellControlsUpdate(false);
}

void TExtStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
  TExtStringGridPrivate& p = *FP;
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min({RCount, RowCount() - RowIndex, RowCount() - 1});
  if (RCount <= 0) return;
  int oldRow = Row(), oldTop = TopRow();
  BeginUpdate();
  // The rows' cells were copied by the caller: the store forgets them without freeing.
  for (int r = RowIndex; r < RowIndex + RCount; ++r)
    for (int c = 0; c < TotalColCount(); ++c) Store().SetObject(c, r, nullptr);
  if (p.MouseActions->DisjunctRowSelect()) DeleteEntries(*p.RowSelect, RowIndex, RCount);
  DeleteLines(false, RowIndex, RCount);
  p.MaxRowCount = std::max(p.MaxRowCount - RCount, RowCount());
  RowCountSettled();
  if (oldRow < RowCount()) {
    if (Row() != oldRow && oldRow >= FixedRows()) TBaseGrid::SetRow(oldRow);
    SetTopRowEx(oldTop);
  } else if (RowCount() > FixedRows()) {
    TBaseGrid::SetRow(FixedRows());
    SetTopRowEx(FixedRows());
  }
  EndUpdate();
  TGridItems& items = *p.GridItems;
  for (int i = 0; i < items.Count(); ++i)
    if (TGridItem* item = items.Items(i); item->Idx() > RowIndex + RCount - 1) item->SetIdx(item->Idx() - RCount);
  items.IdxChanged();
  CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
  CellControlsUpdate(false);
}

void TExtStringGrid::DeleteRowRange(int ARow, int RCount, bool Removal) {
  TExtStringGridPrivate& p = *FP;
  if (ARow < 0 || ARow >= RowCount() || RCount <= 0) return;
  RCount = std::min({RCount, RowCount() - ARow, RowCount() - 1});
  if (RCount <= 0) return;
  if (Removal) DropRowControls(*this, p, ARow, RCount);
  if (EditorMode()) SetEditorMode(false);
  int oldRow = Row(), oldTop = TopRow();
  BeginUpdate();
  // In a grid with nodes the current cell goes back to the first normal column.
  if (HasNodes() && Row() < RowCount() && Col() != FixedCols()) SetCol(FixedCols());
  // A removal drops the rows' marks, the modified and enabled ones too, which would otherwise
  // land on the rows moving up; hiding keeps the marks of the real rows.
  if (Removal) RemoveRowMarks(ARow, RCount, !p.MouseActions->RowSelectPersistent());
  if (Removal) ShiftHiddenRowsForRemoval(ARow, RCount);
  DeleteLines(false, ARow, RCount);
  p.MaxRowCount = std::max(p.MaxRowCount - RCount, RowCount());
  RowCountSettled();
  if (oldRow < RowCount()) {
    if (Row() != oldRow && oldRow >= FixedRows()) TBaseGrid::SetRow(oldRow);
    SetTopRowEx(oldTop);
  } else if (RowCount() > FixedRows()) {
    if (Row() != RowCount() - 1) TBaseGrid::SetRow(RowCount() - 1);
  } else {
    HideSelection();
    p.SelectionHidden = false;
  }
  EndUpdate();
  CellsChanged(TRect{0, ARow, ColCount() - 1, ARow + RCount});
  if (TopRow() >= RowCount() - 1) SetTopRowEx(RowCount() - 1);
  CellControlsUpdate(false);
}

void TExtStringGrid::DoRemoveRows(int ARow, int RCount) {
  if (ARow < 0 || ARow >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - ARow);
  FreeRangeCells(0, ARow, ColCount() - 1, ARow + RCount - 1);
  DeleteRowRange(ARow, RCount, true);
}

// Modified marks are kept by real row. Hidden rows keep their real indexes when rows are
// inserted, so with rows hidden each shown row's mark goes to the real row its display place
// now has; otherwise the marks simply shift.
void TExtStringGrid::InsertModifiedMarks(int RowIndex, int RCount) {
  TExtStringGridPrivate& p = *FP;
  TIntList& marks = *p.ModifiedRows;
  if (p.GridItems->Count() == 0) {
    InsertEntries(marks, RowIndex, RCount, 0);
    return;
  }
  std::vector<int> moved;
  for (int real = 0; real < marks.Count(); ++real) {
    if (IsHiddenRow(real)) {
      moved.resize(std::max(moved.size(), static_cast<size_t>(real) + 1), 0);
      moved[static_cast<size_t>(real)] = marks.Items(real);
      continue;
    }
    int shown = RealToDisplRow(real);
    int to = DisplToRealRow(shown >= RowIndex ? shown + RCount : shown);
    moved.resize(std::max(moved.size(), static_cast<size_t>(to) + 1), 0);
    moved[static_cast<size_t>(to)] = marks.Items(real);
  }
  marks.Clear();
  for (int mark : moved) marks.Add(mark);
}

void TExtStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  InsertRowRange(RowIndex, RCount, UpdateCellControls);
}

void TExtStringGrid::InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls) {
  TExtStringGridPrivate& p = *FP;
  if (RCount <= 0 || RowIndex < 0) return;
  // Past the end the rows are added at the end (before a visible floating footer).
  int limit = p.FloatingFooter->Visible() && p.FloatingFooter->FooterStyle() == fsFixedLastRow ? RowCount() - 1 : RowCount();
  RowIndex = std::min(RowIndex, std::max(limit, 0));
  if (p.SelectionHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
  InsertLines(false, RowIndex, RCount);
  RowCountSettled();
  if (p.ShowModified->Enabled()) InsertModifiedMarks(RowIndex, RCount);
  if (p.UseEnabledRows) InsertEntries(*p.EnabledRows, RowIndex, RCount, 0);
  if (UpdateCellControls && p.ControlList->Count() > 0) ShiftCellControlRows(RealRowIndex(RowIndex), RCount);
  if (!Destroying()) CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
  CellControlsUpdate(false);
}

void TExtStringGrid::DoCanAddRow(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::DoCanInsertRow(int ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExtStringGrid::AddRow() {
  TFloatingFooter& footer = *FP->FloatingFooter;
  if (footer.Visible()) {
    InsertRows(RowCount() - 1, 1, true);
    if (footer.FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
  } else {
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
  }
}

void TExtStringGrid::AddColumn() { InsertCols(ColCount(), 1); }

void TExtStringGrid::RemoveCols(int ColIndex, int CCount) {
  TExtStringGridPrivate& p = *FP;
  int total = TotalColCount();
  if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
  CCount = std::min(CCount, total - ColIndex);
  // The visible columns of the range leave the view; the hidden ones leave the hidden count.
  int firstShown = RealToDisplCol(ColIndex), shown = 0;
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (!IsHiddenColumn(c)) ++shown;
  // One visible column always stays.
  if (shown >= ColCount()) return;
  if (EditorMode()) SetEditorMode(false);
  FreeRangeCells(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
  Store().DeleteColumns(ColIndex, CCount);
  // Hidden rows keep their cells aside: theirs leave too, so the rest stay under their columns.
  TGridItems& items = *p.GridItems;
  for (int i = 0; i < items.Count(); ++i) {
    TStringList& cells = items.Items(i)->Items();
    for (int c = std::min(ColIndex + CCount, cells.Count()) - 1; c >= ColIndex; --c) {
      if (auto* props = dynamic_cast<TCellProperties*>(cells.Objects(c))) {
        cells.SetObjects(c, nullptr);
        delete GraphicOfCellProperties(props);
        delete props;
      }
      cells.Delete(c);
    }
  }
  int hidden = CCount - shown;
  // The visibility table shifts with the columns, to the end of the table only.
  for (int c = ColIndex; c <= kMaxHideColumns; ++c) {
    int from = c + CCount;
    p.VisibleCol[static_cast<size_t>(c)] = from <= kMaxHideColumns ? p.VisibleCol[static_cast<size_t>(from)] : true;
    p.AllColWidths[static_cast<size_t>(c)] = from <= kMaxHideColumns ? p.AllColWidths[static_cast<size_t>(from)] : 0;
  }
  p.NumHidden -= hidden;
  int selCount = p.ColSelect->Count();
  if (p.MouseActions->DisjunctColSelect() && firstShown < selCount) DeleteEntries(*p.ColSelect, firstShown, shown);
  if (shown > 0) TCustomGrid::DeleteLines(true, firstShown, shown);
  TControlList& list = *p.ControlList;
  for (int i = 0; i < list.Count(); ++i)
    if (TControlItem* item = list.Control(i); item->X() >= ColIndex + CCount) item->SetX(item->X() - CCount);
  SetColCount(ColCount());
  CellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
  CellControlsUpdate(false);
}

void TExtStringGrid::InsertCols(int ColIndex, int CCount) {
  TExtStringGridPrivate& p = *FP;
  int total = TotalColCount();
  if (CCount <= 0 || ColIndex < 0) return;
  ColIndex = std::min(ColIndex, total);
  if (EditorMode()) SetEditorMode(false);
  Store().InsertColumns(ColIndex, CCount);
  TGridItems& items = *p.GridItems;
  for (int i = 0; i < items.Count(); ++i) {
    TStringList& cells = items.Items(i)->Items();
    if (cells.Count() > ColIndex)
      for (int k = 0; k < CCount; ++k) cells.Insert(ColIndex, "");
  }
  for (int c = kMaxHideColumns; c >= ColIndex + CCount; --c) {
    p.VisibleCol[static_cast<size_t>(c)] = p.VisibleCol[static_cast<size_t>(c - CCount)];
    p.AllColWidths[static_cast<size_t>(c)] = p.AllColWidths[static_cast<size_t>(c - CCount)];
  }
  for (int c = ColIndex; c < ColIndex + CCount && c <= kMaxHideColumns; ++c) p.VisibleCol[static_cast<size_t>(c)] = true;
  TCustomGrid::InsertLines(true, RealToDisplCol(ColIndex), CCount);
  TControlList& list = *p.ControlList;
  for (int i = 0; i < list.Count(); ++i)
    if (TControlItem* item = list.Control(i); item->X() >= ColIndex) item->SetX(item->X() + CCount);
  SetColCount(ColCount());
  CellControlsUpdate(false);
}

void TExtStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
  BeginUpdate();
  for (int r = RowCount() - 1; r >= FixedRows(); --r)
    if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
  EndUpdate();
}

void TExtStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
  BeginUpdate();
  std::unordered_set<std::string> seen;
  int rc = DisplToRealCol(ACol);
  // Matches are found without regard to case whatever DoCase says; DoCase only decides how
  // the first text is noted.
  (void)DoCase;
  int r = FixedRows();
  while (r < RowCount() - FP->Layout.FFixedFooters) {
    std::string key = AnsiUpperCase(Cells(rc, r));
    if (seen.insert(key).second) {
      ++r;
    } else {
      int before = RowCount();
      DoRemoveRows(r, 1);
      if (RowCount() == before) break;
    }
  }
  EndUpdate();
}

void TExtStringGrid::RemoveSelectedRows() {
  TExtStringGridPrivate& p = *FP;
  BeginUpdate();
  if (p.MouseActions->DisjunctRowSelect()) {
    std::vector<int> marked;
    for (int r = RowCount() - p.Layout.FFixedFooters - 1; r >= FixedRows(); --r)
      if (RowSelectMark(p.MouseActions->RowSelectPersistent() ? DisplToRealRow(r) : r)) marked.push_back(r);
    for (int r : marked) DoRemoveRows(r, 1);
    ClearRowSelect();
  } else {
    TGridRect s = Selection();
    int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
    for (int r = bottom; r >= top; --r) DoRemoveRows(r, 1);
  }
  EndUpdate();
}

void TExtStringGrid::RemoveUnSelectedRows() {
  TExtStringGridPrivate& p = *FP;
  BeginUpdate();
  for (int r = RowCount() - p.Layout.FFixedFooters - 1; r >= FixedRows(); --r)
    if (!RowSelectMark(r)) DoRemoveRows(r, 1);
  if (p.MouseActions->RowSelectPersistent())
    SelectRows(FixedRows(), RowCount() - FixedRows());
  else
    ClearRowSelect();
  EndUpdate();
}

void TExtStringGrid::RemoveSelectedCols() {
  TExtStringGridPrivate& p = *FP;
  if (p.MouseActions->DisjunctColSelect()) {
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
      if (c < p.ColSelect->Count() && p.ColSelect->Items(c) != 0) RemoveCols(c, 1);
    return;
  }
  TGridRect s = Selection();
  int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
  RemoveCols(left, right - left + 1);
}

void TExtStringGrid::RemoveUnSelectedCols() {
  TExtStringGridPrivate& p = *FP;
  if (p.MouseActions->DisjunctColSelect()) {
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
      if (c >= p.ColSelect->Count() || p.ColSelect->Items(c) == 0) RemoveCols(c, 1);
  } else {
    TGridRect s = Selection();
    int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
    RemoveCols(right + 1, ColCount() - right);
    RemoveCols(FixedCols(), left - FixedCols());
  }
  ClearColSelect();
}

}  // namespace hd
