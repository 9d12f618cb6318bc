// Range operations that keep the grid's size: clearing, colouring and trimming cells, moving
// and swapping lines, merging runs of equal texts, numbering, scrolling a cell into view and
// putting the selection out of view. Columns are store columns unless said otherwise.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Leading and trailing blanks and control characters go.
std::string TrimBlanks(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
  while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
  return s.substr(a, b - a);
}

void SwapEntries(TIntList& list, int a, int b) {
  int n = std::max(a, b) + 1;
  if (list.Count() < n && (a < list.Count() || b < list.Count())) {
    while (list.Count() < n) list.Add(0);
  }
  if (a < list.Count() && b < list.Count()) list.Exchange(a, b);
}

// Calls Exchange(a, b) for a run of exchanges of rows in [First, First + From.size()) after
// which row First + k holds what stood at From[k].
template <typename F>
void ForEachExchange(int First, const std::vector<int>& From, F Exchange) {
  const std::size_t n = From.size();
  std::vector<int> at(n), where(n);  // the row whose content stands at place k; where content j stands
  for (std::size_t k = 0; k < n; ++k) at[k] = where[k] = static_cast<int>(k);
  for (std::size_t k = 0; k < n; ++k) {
    auto want = static_cast<std::size_t>(From[k] - First);
    auto now = static_cast<std::size_t>(where[want]);
    if (now == k) continue;
    Exchange(First + static_cast<int>(k), First + static_cast<int>(now));
    auto other = static_cast<std::size_t>(at[k]);
    std::swap(at[k], at[now]);
    where[want] = static_cast<int>(k);
    where[other] = static_cast<int>(now);
  }
}

}  // namespace

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  TExtStringGridPrivate& p = *FP;
  bool mapped = p.Files.FSaveHiddenCells;
  bool repaintAll = false;
  for (int r = std::max(ARow1, 0); r <= ARow2; ++r) {
    for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
      int a = mapped ? DisplToRealCol(c) : c;
      if (!p.Files.FClearTextOnly && FHasCellProps && FindCellProperties(a, r)) {
        if (p.NilObjects) {
          // A swap is moving this cell's objects: they are not freed here.
          Store().SetObject(a, r, nullptr);
        } else {
          if (FindCellProperties(a, r)->Control()) DropCellControl(a, r);
          FreeStoredCellGraphic(a, r);
          FreeCellProperties(a, r);
        }
        repaintAll = true;
      }
      if (Destroying() || Store().Text(a, r).empty()) continue;
      Store().SetText(a, r, "");
      repaintAll = true;
    }
  }
  // Properties of cells outside the rectangle (hidden columns, hidden rows) keep the flag up.
  bool whole = ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1;
  if (whole && FHasCellProps && Store().ObjectCells().empty()) {
    bool hiddenProps = false;
    TGridItems& items = *p.GridItems;
    for (int i = 0; i < items.Count() && !hiddenProps; ++i) {
      const TStringList& cells = items.Items(i)->Items();
      for (int c = 0; c < cells.Count() && !hiddenProps; ++c) hiddenProps = cells.Objects(c) != nullptr;
    }
    if (!hiddenProps) FHasCellProps = false;
  }
  if (Destroying()) return;
  if (repaintAll) InvalidateGrid();
  if (p.UpdateCount == 0 || !p.NilObjects)
    CellsChanged(TRect{DisplToRealCol(ACol1), ARow1, DisplToRealCol(ACol2), ARow2});
}

void TExtStringGrid::ClearRows(int RowIndex, int RCount) {
  if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearCols(int ColIndex, int CCount) {
  if (RowCount() > 0 && ColCount() > 0 && CCount > 0) ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(int RowIndex, int RCount) {
  ClearRect(FixedCols(), RowIndex, TotalColCount() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(int ColIndex, int CCount) {
  ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::ClearNormalCells() {
  // Without a fixed column the nodes' glyphs stand in cleared cells: the nodes go first.
  if (FixedCols() == 0 && HasNodes()) RemoveAllNodes();
  if (RowCount() > 0 && ColCount() > 0)
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::ClearSelection() {
  TExtStringGridPrivate& p = *FP;
  const TMouseActions& ma = *p.MouseActions;
  if (ma.DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelectMark(ma.RowSelectPersistent() ? DisplToRealRow(r) : r)) ClearRows(r, 1);
  } else if (ma.DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (c < p.ColSelect->Count() && p.ColSelect->Items(c) != 0) ClearCols(c, 1);
  } else {
    TGridRect s = Selection();
    ClearRect(std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
              std::max(s.Top, s.Bottom));
  }
}

void TExtStringGrid::Clear() {
  if (Destroying()) return;
  // Contracted nodes open as they go, so their rows are cleared too.
  if (HasNodes()) RemoveAllNodes();
  if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
  FP->IncrSearchText.clear();
  if (FP->NumHidden > 0) InvalidateGrid();
}

void TExtStringGrid::ClearAll() {
  Clear();
  // The hidden rows stay hidden, empty; the properties they kept are freed rather than
  // dropped, which would lose them.
  TGridItems& items = *FP->GridItems;
  for (int i = 0; i < items.Count(); ++i) {
    TStringList& cells = items.Items(i)->Items();
    for (int c = 0; c < cells.Count(); ++c) {
      if (auto* props = dynamic_cast<TCellProperties*>(cells.Objects(c))) {
        cells.SetObjects(c, nullptr);
        auto* graphic = dynamic_cast<TCellGraphic*>(GraphicOfCellProperties(props));
        if (graphic && graphic != FP->CellGraphic.get() && graphic->CellType() != ctVirtCheckBox && graphic->CellType() != ctRowCheckBox) delete graphic;
        delete props;
      }
      cells.SetStrings(c, "");
    }
  }
}

void TExtStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

void TExtStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  bool mapped = FP->Files.FSaveHiddenCells;
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) {
      int a = mapped ? DisplToRealCol(c) : c;
      std::string text(Store().Text(a, r));
      std::string trimmed = TrimBlanks(text);
      if (trimmed != text) SetCells(a, r, trimmed);
    }
}

void TExtStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }

void TExtStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }

void TExtStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

namespace {

// Where index i lands when the entry at From is taken out and put in at To.
int FollowMove(int i, int From, int To) {
  if (i == From) return To;
  if (From < To && i > From && i <= To) return i - 1;
  if (To < From && i >= To && i < From) return i + 1;
  return i;
}

}  // namespace

// Columns move by real index. Rows move by display index while the list keeps real rows: a
// control follows its row's display place, and one on a hidden row stays where it is.
void TExtStringGrid::FollowMovedControls(bool Columns, int FromIndex, int ToIndex) {
  TControlList& list = *FP->ControlList;
  for (int i = 0; i < list.Count(); ++i) {
    TControlItem* item = list.Control(i);
    if (Columns) {
      item->SetX(FollowMove(item->X(), FromIndex, ToIndex));
    } else if (!IsHiddenRow(item->Y())) {
      item->SetY(DisplToRealRow(FollowMove(RealToDisplRow(item->Y()), FromIndex, ToIndex)));
    }
  }
  if (list.Count() > 0) InvalidateGrid();
  CellControlsUpdate(false);
}

// The recorded column order moves in ColumnMoved, which header drags reach too.
void TExtStringGrid::MoveColumn(int FromIndex, int ToIndex) { TBaseGrid::MoveColumn(FromIndex, ToIndex); }

namespace {

template <typename T, size_t N>
void RotateEntries(std::array<T, N>& table, int From, int To) {
  if (From < 0 || To < 0 || static_cast<size_t>(std::max(From, To)) >= N) return;
  auto first = table.begin();
  if (From < To)
    std::rotate(first + From, first + From + 1, first + To + 1);
  else
    std::rotate(first + To, first + From, first + From + 1);
}

}  // namespace

// The platform moved the display column's width and the current cell; everything kept by
// real column moves here, on real indexes, so that hidden columns keep their own cells.
void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  TExtStringGridPrivate& p = *FP;
  ++p.ColumnMoves;
  int rFrom = DisplToRealCol(FromIndex), rTo = DisplToRealCol(ToIndex);
  if (p.ColumnOrder->Count() == 0) SetColumnOrder();
  TIntList& order = *p.ColumnOrder;
  if (rFrom >= 0 && rTo >= 0 && rFrom < order.Count() && rTo < order.Count()) order.Move(rFrom, rTo);
  if (p.NumHidden > 0) {
    RotateEntries(p.VisibleCol, rFrom, rTo);
    RotateEntries(p.AllColWidths, rFrom, rTo);
  }
  TStringGrid::ColumnMoved(rFrom, rTo);
  TGridItems& items = *p.GridItems;
  for (int i = 0; i < items.Count(); ++i) items.Items(i)->ItemsThrough(std::max(rFrom, rTo)).Move(rFrom, rTo);
  TSortSettings& sort = *p.SortSettings;
  if (sort.Column() >= 0) sort.SetColumn(FollowMove(sort.Column(), rFrom, rTo));
  if (sort.IndexShow()) {
    TSortIndexList& indexes = *p.SortIndexes;
    for (int i = 0; i < indexes.Count(); ++i) indexes.SetSortColumns(i, FollowMove(indexes.SortColumns(i), rFrom, rTo));
  }
  FollowMovedControls(true, rFrom, rTo);
  if (p.FloatingFooter->Visible()) p.FooterPanel->Invalidate();
  // A synchronised grid repeats the move once; the flag stops it coming back here.
  TSyncGrid& sync = *p.SyncGrid;
  auto* other = dynamic_cast<TExtStringGrid*>(sync.Grid());
  if (other && sync.MoveColumn() && !p.SyncedMove) {
    other->FP->SyncedMove = true;
    try {
      other->MoveColumn(FromIndex, ToIndex);
    } catch (...) {
      other->FP->SyncedMove = false;
      throw;
    }
    other->FP->SyncedMove = false;
  }
}

// The cell controls follow in RowMoved, which header drags reach too.
void TExtStringGrid::MoveRow(int FromIndex, int ToIndex) {
  TBaseGrid::MoveRow(FromIndex, ToIndex);
  CalcFooter(-1);
}

void TExtStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
  if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount()) return;
  Count = std::min(Count, RowCount() - FromIndex);
  int cols = TotalColCount();
  struct TCellCopy {
    std::string Text;
    TObject* Object;
  };
  std::vector<TCellCopy> copies;
  copies.reserve(static_cast<size_t>(Count) * static_cast<size_t>(cols));
  for (int r = FromIndex; r < FromIndex + Count; ++r)
    for (int c = 0; c < cols; ++c) copies.push_back({std::string(Store().Text(c, r)), Store().Object(c, r)});
  if (FromIndex + Count < ToIndex) ToIndex -= Count;
  RemoveRowsEx(FromIndex, Count);
  ToIndex = std::min(ToIndex, RowCount());
  InsertRows(ToIndex, Count, true);
  size_t i = 0;
  for (int r = ToIndex; r < ToIndex + Count; ++r)
    for (int c = 0; c < cols; ++c, ++i) {
      Store().SetText(c, r, copies[i].Text);
      Store().SetObject(c, r, copies[i].Object);
    }
  InvalidateGrid();
}

// Texts, properties, heights and the rows' marks change places; the store swaps the two rows
// in memory, so no scratch row is made and a footer row stays where it is.
void TExtStringGrid::ExchangeRows(int ARow1, int ARow2) {
  SwapLines(false, ARow1, ARow2);
  TControlList& list = *FP->ControlList;
  int real1 = DisplToRealRow(ARow1), real2 = DisplToRealRow(ARow2);
  for (int i = 0; i < list.Count(); ++i) {
    TControlItem* item = list.Control(i);
    if (item->Y() == real1)
      item->SetY(real2);
    else if (item->Y() == real2)
      item->SetY(real1);
  }
}

void TExtStringGrid::SwapRows(int ARow1, int ARow2) {
  TExtStringGridPrivate& p = *FP;
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  ExchangeRows(ARow1, ARow2);
  if (p.ShowModified->Enabled()) SwapEntries(*p.ModifiedRows, RealRowIndex(ARow1), RealRowIndex(ARow2));
  if (p.MouseActions->DisjunctRowSelect()) SwapEntries(*p.RowSelect, RowSelectKey(ARow1), RowSelectKey(ARow2));
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::SwapColumns(int ACol1, int ACol2) {
  TExtStringGridPrivate& p = *FP;
  int total = TotalColCount();
  if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= total || ACol2 >= total) return;
  Store().SwapColumns(ACol1, ACol2);
  TGridItems& items = *p.GridItems;
  for (int i = 0; i < items.Count(); ++i) items.Items(i)->ItemsThrough(std::max(ACol1, ACol2)).Exchange(ACol1, ACol2);
  // Widths belong to display columns: two visible columns exchange theirs; a hidden one keeps
  // its place in the view's order.
  if (!IsHiddenColumn(ACol1) && !IsHiddenColumn(ACol2))
    TCustomGrid::SwapLines(true, RealToDisplCol(ACol1), RealToDisplCol(ACol2));
  TSortSettings& sort = *p.SortSettings;
  if (sort.Column() == ACol1)
    sort.SetColumn(ACol2);
  else if (sort.Column() == ACol2)
    sort.SetColumn(ACol1);
  TControlList& list = *p.ControlList;
  for (int i = 0; i < list.Count(); ++i) {
    TControlItem* item = list.Control(i);
    if (item->X() == ACol1)
      item->SetX(ACol2);
    else if (item->X() == ACol2)
      item->SetX(ACol1);
  }
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::SortSwapRows(int ARow1, int ARow2) {
  TExtStringGridPrivate& p = *FP;
  ++p.Swaps;
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0) return;
  TIntList& xref = *p.SortRowXRef;
  if (ARow1 < xref.Count() && ARow2 < xref.Count()) xref.Exchange(ARow1, ARow2);
  const TSortSettings& sort = *p.SortSettings;
  if (sort.SingleColumn()) {
    int c = sort.Column();
    std::string t1(Store().Text(c, ARow1)), t2(Store().Text(c, ARow2));
    TObject* o1 = Store().Object(c, ARow1);
    TObject* o2 = Store().Object(c, ARow2);
    Store().SetText(c, ARow1, t2);
    Store().SetObject(c, ARow1, o2);
    Store().SetText(c, ARow2, t1);
    Store().SetObject(c, ARow2, o1);
    return;
  }
  if (ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  ExchangeRows(ARow1, ARow2);
  const TMouseActions& ma = *p.MouseActions;
  if (ma.DisjunctRowSelect() && p.Navigation->MoveRowOnSort())
    SwapEntries(*p.RowSelect, RowSelectKey(ARow1), RowSelectKey(ARow2));
  if (p.ShowModified->Enabled()) SwapEntries(*p.ModifiedRows, RealRowIndex(ARow1), RealRowIndex(ARow2));
  if (p.SortTrackRow == ARow1)
    p.SortTrackRow = ARow2;
  else if (p.SortTrackRow == ARow2)
    p.SortTrackRow = ARow1;
}

// The row selection list keeps real rows with RowSelectPersistent, display rows otherwise.
int TExtStringGrid::RowSelectKey(int ARow) const {
  return FP->MouseActions->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
}

void TExtStringGrid::SortPermuteRows(int First, const std::vector<int>& From, int Swaps) {
  TExtStringGridPrivate& p = *FP;
  p.Swaps += Swaps;
  const int n = static_cast<int>(From.size());
  if (n == 0 || First < 0) return;
  // Where the row that stood at First + k goes.
  std::vector<int> to(From.size());
  for (int k = 0; k < n; ++k) to[static_cast<std::size_t>(From[static_cast<std::size_t>(k)] - First)] = First + k;
  auto moved = [&](int row) { return row >= First && row < First + n ? to[static_cast<std::size_t>(row - First)] : row; };
  // Lists kept by row index follow through exchanges of their entries, quiet as a single
  // sort exchange is.
  auto permute = [&](TIntList& list, auto key) {
    ForEachExchange(First, From, [&](int a, int b) { SwapEntries(list, key(a), key(b)); });
  };
  TIntList& xref = *p.SortRowXRef;
  ForEachExchange(First, From, [&](int a, int b) {
    if (a < xref.Count() && b < xref.Count()) xref.Exchange(a, b);
  });
  const TSortSettings& sort = *p.SortSettings;
  if (sort.SingleColumn()) {
    int c = sort.Column();
    std::vector<std::pair<std::string, TObject*>> before;
    for (int k = 0; k < n; ++k) before.emplace_back(std::string(Store().Text(c, First + k)), Store().Object(c, First + k));
    for (int k = 0; k < n; ++k) {
      const auto& cell = before[static_cast<std::size_t>(From[static_cast<std::size_t>(k)] - First)];
      Store().SetText(c, First + k, cell.first);
      Store().SetObject(c, First + k, cell.second);
    }
    return;
  }
  PermuteLines(false, First, From);
  TControlList& list = *p.ControlList;
  for (int i = 0; i < list.Count(); ++i) {
    TControlItem* item = list.Control(i);
    int d = RealToDisplRow(item->Y());
    if (d >= First && d < First + n && DisplToRealRow(d) == item->Y()) item->SetY(DisplToRealRow(moved(d)));
  }
  const TMouseActions& ma = *p.MouseActions;
  if (ma.DisjunctRowSelect() && p.Navigation->MoveRowOnSort()) permute(*p.RowSelect, [&](int r) { return RowSelectKey(r); });
  if (p.ShowModified->Enabled()) permute(*p.ModifiedRows, [&](int r) { return RealRowIndex(r); });
  p.SortTrackRow = moved(p.SortTrackRow);
}

int TExtStringGrid::Swaps() const { return FP->Swaps; }
void TExtStringGrid::SetSwaps(int Value) { FP->Swaps = Value; }
int TExtStringGrid::SortTrackRow() const { return FP->SortTrackRow; }
void TExtStringGrid::SetSortTrackRow(int Value) { FP->SortTrackRow = Value; }

void TExtStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
  int last = RowCount() - FixedFooters() - 1;
  int start = FixedRows(), length = 1;
  auto flush = [&] {
    if (length >= 2) MergeCells(ColIndex, start, 1, length);
  };
  for (int r = FixedRows() + 1; r <= last; ++r) {
    if (Cells(ColIndex, r) == Cells(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1))) {
      ++length;
      continue;
    }
    flush();
    start = r;
    length = 1;
  }
  flush();
}

void TExtStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
  int last = ColCount() - FixedRightCols() - 1;
  int start = FixedCols(), length = 1;
  auto flush = [&] {
    if (length >= 2) MergeCells(start, RowIndex, length, 1);
  };
  for (int c = FixedCols() + 1; c <= last; ++c) {
    if (Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1))) {
      ++length;
      continue;
    }
    flush();
    start = c;
    length = 1;
  }
  flush();
}

void TExtStringGrid::SplitColumnCells(int ColIndex) {
  int r = 0;
  while (r < RowCount() - FixedFooters() - 1) {
    if (IsYMergedCell(ColIndex, r)) {
      TRect full = FullCell(ColIndex, r);
      SplitCells(ColIndex, r);
      r = std::max(r + 1, full.Bottom + 1);
    } else {
      ++r;
    }
  }
}

void TExtStringGrid::SplitRowCells(int RowIndex) {
  int c = 0;
  while (c < ColCount() - FixedRightCols() - 1) {
    if (IsMergedCell(c, RowIndex)) {
      TRect full = FullCell(c, RowIndex);
      SplitCells(c, RowIndex);
      c = std::max(c + 1, full.Right + 1);
    } else {
      ++c;
    }
  }
}

void TExtStringGrid::SplitAllCells() {
  if (!FHasCellProps) return;
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TExtStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCells(ColIndex1, r, TrimBlanks(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
  RemoveCols(ColIndex2, 1);
}

void TExtStringGrid::AutoNumberCol(int ACol) {
  const TExtStringGridPrivate& p = *FP;
  if (RowCount() <= 0) return;
  int first = FixedRows() + p.AutoNumberStart, last = RowCount() - FixedFooters() - 1;
  for (int a = first; a <= last; ++a) {
    int v = a - FixedRows() + 1 + p.AutoNumberOffset;
    SetInts(ACol, p.AutoNumberDirection == sdAscending ? a : FixedRows() + last - a, v);
  }
}

void TExtStringGrid::AutoNumberRow(int ARow) {
  const TExtStringGridPrivate& p = *FP;
  if (ColCount() <= 0) return;
  int first = FixedCols() + p.AutoNumberStart, last = ColCount() - FixedRightCols() - 1;
  for (int a = first; a <= last; ++a) {
    int v = a - FixedCols() + 1 + p.AutoNumberOffset;
    SetInts(p.AutoNumberDirection == sdAscending ? a : FixedCols() + last - a, ARow, v);
  }
}

int TExtStringGrid::AutoNumberStart() const { return FP->AutoNumberStart; }
void TExtStringGrid::SetAutoNumberStart(int Value) { FP->AutoNumberStart = Value; }
int TExtStringGrid::AutoNumberOffset() const { return FP->AutoNumberOffset; }
void TExtStringGrid::SetAutoNumberOffset(int Value) { FP->AutoNumberOffset = Value; }
TSortDirection TExtStringGrid::AutoNumberDirection() const { return FP->AutoNumberDirection; }
void TExtStringGrid::SetAutoNumberDirection(TSortDirection Value) { FP->AutoNumberDirection = Value; }

void TExtStringGrid::ScrollInView(int ColIndex, int RowIndex) {
  if (ColIndex >= ColCount() || RowIndex >= RowCount() || ColIndex < 0 || RowIndex < 0) return;
  int visCols = VisibleColCount(), visRows = VisibleRowCount();
  int newLeft = LeftCol(), newTop = TopRow();
  if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visCols) {
    SetCol(ColIndex);
    newLeft = std::max(ColIndex - visCols / 2, FixedCols());
  }
  if (RowIndex < TopRow() || RowIndex >= TopRow() + visRows) {
    SetRow(RowIndex);
    newTop = std::max(RowIndex - visRows / 2, FixedRows());
  }
  newLeft = std::min(newLeft, ColCount() + 1 - visCols);
  if (FixedCols() + visCols < ColCount()) SetLeftCol(std::max(newLeft, FixedCols()));
  newTop = std::min(newTop, RowCount() + 1 - visRows);
  if (FixedRows() + visRows >= RowCount()) return;
  SetTopRow(std::max(newTop, FixedRows()));
  if (!FP->SearchFooter->Visible()) return;
  // The row comes clear of the search bar; the walk ends where TopRow can grow no further.
  for (;;) {
    TRect r = UnclippedCellRect(0, RowIndex);
    int room = ClientHeight() - 32;  // the search bar's height
    if (r.Bottom <= room) break;
    int before = TopRow();
    SetTopRow(before + 1);
    if (TopRow() <= before) break;
  }
}

void TExtStringGrid::HideSelection() {
  TExtStringGridPrivate& p = *FP;
  if (!p.SelectionHidden) p.HiddenSelection = Selection();
  SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
  p.SelectionHidden = true;
}

void TExtStringGrid::UnHideSelection() {
  TExtStringGridPrivate& p = *FP;
  p.SelectionHidden = false;
  TGridRect s = p.HiddenSelection;
  if (s.Top < RowCount() && s.Left < ColCount() && s.Bottom < RowCount() && s.Right < ColCount()) {
    SetSelection(s);
    return;
  }
  int top = FP->Layout.FFixedRowAlways && RowCount() <= FixedRows() ? 0 : FixedRows();
  int left = FP->Layout.FFixedColAlways && ColCount() <= FixedCols() ? 0 : FixedCols();
  top = std::min(top, RowCount() - 1);
  left = std::min(left, ColCount() - 1);
  SetSelection({left, top, left, top});
}

bool TExtStringGrid::SelectionHidden() const { return FP->SelectionHidden; }

void TExtStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

bool TExtStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow) {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (Store().Text(c, r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
  return false;
}

}  // namespace hd
