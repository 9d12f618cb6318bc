#include "grid/dataops/sort/grid_sorter.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <memory>
#include <vector>

#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "platform/timers.h"

namespace hd {
namespace {

// After a partition: sorts the smaller part by recursion and narrows [L, R] to the larger one,
// so the stack grows only with the logarithm of the rows. False when nothing is left to sort.
template <typename Recurse>
bool NarrowToLargerPart(int& L, int& R, int i, int j, Recurse recurse) {
  bool left = L < j, right = i < R;
  if (left && right) {
    if (j - L < R - i) {
      recurse(L, j);
      L = i;
    } else {
      recurse(i, R);
      R = j;
    }
    return true;
  }
  if (left) R = j;
  if (right) L = i;
  return left || right;
}

// The scratch rows below the last row while a sort runs; the pivot is the second of them.
constexpr int kScratchRows = 3;

bool ReadDecimal(const std::string& Text, int& Value) {
  std::size_t i = (!Text.empty() && (Text[0] == '-' || Text[0] == '+')) ? 1 : 0;
  if (i == Text.size()) return false;
  for (std::size_t k = i; k < Text.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(Text[k]))) return false;
  return TryStrToInt(Text, Value);
}

// Column 0's stored texts, kept in place while the rows move under them.
class TColumnZeroAside {
 public:
  TColumnZeroAside(TGridDataHost& Host, bool Active) : FHost(Host) {
    if (!Active) return;
    FActive = true;
    for (int r = 0; r < Host.RowCount(); ++r) FTexts.push_back(Host.StoredText(0, r));
  }
  void Restore() {
    if (!FActive) return;
    for (int r = 0; r < static_cast<int>(FTexts.size()) && r < FHost.RowCount(); ++r)
      FHost.SetStoredText(0, r, FTexts[static_cast<std::size_t>(r)]);
  }

 private:
  TGridDataHost& FHost;
  bool FActive = false;
  std::vector<std::string> FTexts;
};

// The grid grown by the scratch rows and widened by its hidden columns, put back on Restore
// (also when a comparison handler raised).
class TSortShape {
 public:
  TSortShape(TGridDataHost& Host, bool ServeRealRows) : FHost(Host), FRows(Host.RowCount()), FCols(Host.ColCount()) {
    FLastWidth = FCols > 0 ? Host.ColWidth(FCols - 1) : 0;
    Host.SetRowCount(FRows + kScratchRows);
    FGrown = true;
    if (Host.MayHoldCellsFrom(FRows)) Host.ClearRowsDetached(FRows, kScratchRows);
    if (ServeRealRows) Host.SetNormalRowCount(FRows);
    Host.SetColCount(FCols + Host.NumHiddenColumns());
    FWidened = true;
  }
  int Rows() const { return FRows; }
  void Restore() {
    if (FWidened) {
      FHost.SetColCount(FCols);
      if (FCols > 0) FHost.SetColWidth(FCols - 1, FLastWidth);
      FWidened = false;
    }
    if (FGrown) {
      FHost.ClearRowsDetached(FRows, kScratchRows);
      FHost.SetRowCount(FRows);
      FGrown = false;
    }
  }

 private:
  TGridDataHost& FHost;
  int FRows, FCols, FLastWidth;
  bool FGrown = false, FWidened = false;
};

// Reads each cell once for the sort while no event may answer differently per comparison
// and an exchange moves whole rows; the sort then runs on the order of the rows, which Apply
// puts into the grid. The comparer forgets the cache when the sort ends.
class TCacheScope {
 public:
  explicit TCacheScope(TGridDataHost& Host, TRowComparer& Compare) : FHost(Host), FCompare(Compare) {
    if (Host.HasCompareEvents() || Host.HasDisplayHooks() || Host.SortSettings().SingleColumn()) return;
    FCache = std::make_unique<TSortCache>(Host, Host.RowCount(), Host.RowCount() - kScratchRows);
    Compare.SetCache(FCache.get());
  }
  ~TCacheScope() {
    if (FCache) FCompare.SetCache(nullptr);
  }
  TCacheScope(const TCacheScope&) = delete;
  TCacheScope& operator=(const TCacheScope&) = delete;
  // The rows First..Last of the grid as the sort left them; also after a failed sort, so that
  // the grid holds what the exchanges made so far.
  void Apply(int First = 0, int Last = INT_MAX) {
    if (FCache) FCache->Apply(FHost, First, Last);
  }
  // Runs Sort and applies what it reached, whether it ends or throws.
  template <typename F>
  void Run(F Sort) {
    try {
      Sort();
    } catch (...) {
      Apply();
      throw;
    }
    Apply();
  }

 private:
  TGridDataHost& FHost;
  TRowComparer& FCompare;
  std::unique_ptr<TSortCache> FCache;
};

}  // namespace

void TGridSorter::SwapRows(int ARow1, int ARow2) {
  if (TSortCache* cache = FCompare.Cache())
    cache->Swap(ARow1, ARow2);
  else
    FHost.SortSwapRows(ARow1, ARow2);
}

void TGridSorter::InitSortXRef() {
  TIntList& xref = FHost.SortRowXRef();
  xref.Clear();
  for (int r = 0; r < FHost.RowCount(); ++r) xref.Add(r);
}

void TGridSorter::CopyPivot(int FromRow, int Pivot) {
  // With the cells read once, the pivot compares through the slot of its row: no copy.
  if (TSortCache* cache = FCompare.Cache()) {
    cache->Copy(FromRow, Pivot);
    return;
  }
  if (!FHost.HasDisplayHooks()) {
    FHost.CopyRow(FromRow, Pivot);
    return;
  }
  bool displayed = FHost.SortSettings().SortOnVirtualCells();
  for (int c = 0; c < FHost.ColCount(); ++c) {
    if (displayed)
      FHost.SetDisplayText(c, Pivot, FHost.DisplayText(c, FromRow));
    else
      FHost.SetStoredText(c, Pivot, FHost.StoredText(c, FromRow));
    FHost.SetCellObject(c, Pivot, FHost.CellObject(c, FromRow));
  }
}

void TGridSorter::QuickSortRange(int ACol, int L, int R) {
  FCompare.SortDir = FHost.SortSettings().Direction() == sdAscending ? 1 : -1;
  // With every row of the range a number (or every one a plain text) in the column, the
  // partitions compare the rows' summaries directly; the counts and orders are the same.
  switch (FCompare.Cache() ? FCompare.PrepareFastColumn(ACol, L, R) : TRowComparer::kFastNone) {
    case TRowComparer::kFastNumbers:
      return QuickSortPart(ACol, L, R, [&](int A, int B) { return FCompare.CompareLineNumbers(ACol, A, B); });
    case TRowComparer::kFastTexts:
      return QuickSortPart(ACol, L, R, [&](int A, int B) { return FCompare.CompareLineTexts(ACol, A, B); });
    default:
      return QuickSortPart(ACol, L, R, [&](int A, int B) { return FCompare.CompareLine(ACol, A, B); });
  }
}

template <typename Compare>
void TGridSorter::QuickSortPart(int ACol, int L, int R, Compare CompareLine) {
  const int dir = FCompare.SortDir;
  // The smaller part is sorted by recursion and the larger by the loop: the parts are
  // disjoint, so order and counters are those of sorting both by recursion.
  for (;;) {
    int pivot = FHost.RowCount() - 2;
    CopyPivot((L + R) / 2, pivot);
    int i = L, j = R;
    do {
      while (CompareLine(pivot, i) == dir && i < R) ++i;
      while (CompareLine(j, pivot) == dir && j > L) --j;
      if (i <= j) {
        // Equal rows are never exchanged.
        if (i != j && CompareLine(i, j) != 0) SwapRows(i, j);
        ++i, --j;
      }
    } while (i <= j);
    if (!NarrowToLargerPart(L, R, i, j, [&](int l, int r) { QuickSortPart(ACol, l, r, CompareLine); })) return;
  }
}

void TGridSorter::QuickSortIndexedRange(int L, int R) {
  FCompare.SortDir = FHost.SortSettings().Direction() == sdAscending ? 1 : -1;
  for (;;) {
    int pivot = FHost.RowCount() - 2;
    CopyPivot((L + R) / 2, pivot);
    int i = L, j = R;
    do {
      while (FCompare.CompareLineIndexed(0, pivot, i) == 1 && i < R) ++i;
      while (FCompare.CompareLineIndexed(0, j, pivot) == 1 && j > L) --j;
      if (i <= j) {
        if (i != j) SwapRows(i, j);
        ++i, --j;
      }
    } while (i <= j);
    if (!NarrowToLargerPart(L, R, i, j, [&](int l, int r) { QuickSortIndexedRange(l, r); })) return;
  }
}

void TGridSorter::RunFrame(bool Indexed, const TRangeSort& SortRange) {
  const TSortSettings& s = FHost.SortSettings();
  TColumnZeroAside column0(FHost, s.NormalCellsOnly() && FHost.FixedCols() > 0);
  int top = FHost.TopRow();
  FHost.BeginUpdate();
  // The floating footer is out of the way while the rows move; its row stays a footer row.
  int footers = FHost.FixedFooters();
  bool footerVisible = FHost.FooterVisible();
  if (footerVisible) FHost.SetFooterVisible(false);
  auto finish = [&] {
    column0.Restore();
    if (FHost.KeepScrollOnSort()) FHost.SetTopRow(top);
    if (footerVisible) FHost.SetFooterVisible(true);
    FHost.SetFixedFooters(footers);
    FHost.EndUpdate();
    FHost.RepaintFooter();
    if (!Indexed) FHost.RepaintSearchPanel();
  };
  try {
    TSortShape shape(FHost, true);
    try {
      TCacheScope cache(FHost, FCompare);
      int oldRow = FHost.Row();
      FHost.SortRow() = oldRow;
      bool moveRow = FHost.MoveRowOnSort();
      if (moveRow) FHost.SetRow(shape.Rows() - 1);
      cache.Run([&] { SortRange(FHost.FixedRows(), shape.Rows() - footers - 1); });
      FHost.ClearRowsDetached(shape.Rows(), kScratchRows);
      if (Indexed || !FHost.DisjunctRowSelect()) FHost.SetRow(moveRow ? FHost.SortRow() : oldRow);
      shape.Restore();
      if (!Indexed && !moveRow) FHost.RowChanged(oldRow, FHost.Row());
    } catch (...) {
      shape.Restore();
      throw;
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void TGridSorter::RunRange(const TRangeSort& SortRange) {
  TSortShape shape(FHost, false);
  try {
    TCacheScope cache(FHost, FCompare);
    cache.Run([&] { SortRange(0, 0); });
  } catch (...) {
    shape.Restore();
    throw;
  }
  shape.Restore();
}

void TGridSorter::QSort() {
  const TSortSettings& s = FHost.SortSettings();
  int col = s.Column();
  if (col < 0 || col >= FHost.ColCount() + FHost.NumHiddenColumns()) return;
  if (FHost.RowCount() != FHost.SortRowXRef().Count()) InitSortXRef();
  FHost.SortIndexes().Clear();
  RunFrame(false, [&](int L, int R) { QuickSortRange(col, L, R); });
}

void TGridSorter::QSortIndexed() {
  if (FHost.RowCount() != FHost.SortRowXRef().Count()) InitSortXRef();
  if (FHost.SortIndexes().Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
  RunFrame(true, [&](int L, int R) { QuickSortIndexedRange(L, R); });
}

void TGridSorter::QuickSort(int Col, int Left, int Right) {
  if (Left >= Right) return;
  RunRange([&](int, int) { QuickSortRange(Col, Left, Right); });
}

void TGridSorter::QuickSortIndexed(int Left, int Right) {
  if (Left >= Right || FHost.SortIndexes().Count() == 0) return;
  RunRange([&](int, int) { QuickSortIndexedRange(Left, Right); });
}

void TGridSorter::QSortGroup() { DoQSortGroup(false); }
void TGridSorter::QSortGroupIndexed() { DoQSortGroup(true); }

void TGridSorter::DoQSortGroup(bool Indexed) {
  if (FHost.RowCount() != FHost.SortRowXRef().Count()) InitSortXRef();
  const TSortSettings& s = FHost.SortSettings();
  TColumnZeroAside column0(FHost, s.NormalCellsOnly() && FHost.FixedCols() > 0);
  int top = FHost.TopRow();
  int footers = FHost.FixedFooters();
  FHost.BeginUpdate();
  auto finish = [&] {
    column0.Restore();
    if (FHost.KeepScrollOnSort()) FHost.SetTopRow(top);
    FHost.EndUpdate();
  };
  auto node = [&](int r) -> TCellGraphic* {
    TCellGraphic* g = FHost.NodeGraphic(0, r);
    return g && g->CellType() == ctNode ? g : nullptr;
  };
  try {
    TSortShape shape(FHost, true);
    try {
      TCacheScope cache(FHost, FCompare);
      int oldRow = FHost.Row();
      FHost.SortRow() = oldRow;
      bool moveRow = FHost.MoveRowOnSort();
      if (moveRow) FHost.SetRow(shape.Rows() - 1);
      int last = shape.Rows() - footers - 1;
      int deepest = -1;
      for (int r = FHost.FixedRows(); r <= last; ++r)
        if (node(r)) deepest = std::max(deepest, FHost.RowLevel(r));
      int col = s.Column();
      bool canSort = Indexed ? FHost.SortIndexes().Count() > 0 : col >= 0 && col < FHost.ColCount();
      // Only the rows inside the deepest open nodes move, each node by itself; each node's
      // rows are in the grid before the next node is looked for.
      cache.Run([&] {
        for (int r = FHost.FixedRows(); canSort && r <= last; ++r) {
          TCellGraphic* n = node(r);
          if (!n || n->CellBoolean() || FHost.RowLevel(r) != deepest || n->CellIndex() < 3) continue;
          int right = std::min(r + n->CellIndex() - 1, last);
          if (right <= r + 1) continue;
          if (Indexed)
            QuickSortIndexedRange(r + 1, right);
          else
            QuickSortRange(col, r + 1, right);
          cache.Apply(r + 1, right);
        }
      });
      FHost.ClearRowsDetached(shape.Rows(), kScratchRows);
      FHost.SetRow(moveRow ? FHost.SortRow() : oldRow);
      shape.Restore();
    } catch (...) {
      shape.Restore();
      throw;
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void TGridSorter::UnSortRange(std::vector<int>& Keys, std::vector<int>& Order, int& Swaps, int L, int R) {
  auto key = [&](int x) { return Keys[static_cast<std::size_t>(x)]; };
  for (;;) {
    int v = key((L + R) / 2);
    int i = L, j = R;
    do {
      while (key(i) < v && i < R) ++i;
      while (v < key(j) && j > L) --j;
      if (i <= j) {
        if (i != j && key(i) != key(j)) {
          ++Swaps;
          std::swap(Keys[static_cast<std::size_t>(i)], Keys[static_cast<std::size_t>(j)]);
          std::swap(Order[static_cast<std::size_t>(i)], Order[static_cast<std::size_t>(j)]);
        }
        ++i, --j;
      }
    } while (i <= j);
    if (!NarrowToLargerPart(L, R, i, j, [&](int l, int r) { UnSortRange(Keys, Order, Swaps, l, r); })) return;
  }
}

void TGridSorter::QUnSort() {
  TIntList& xref = FHost.SortRowXRef();
  // A list that no longer fits the rows (rows came or went since) cannot say where they came from.
  if (xref.Count() != FHost.RowCount()) {
    InitSortXRef();
    return;
  }
  if (xref.Count() < 2) return;
  std::vector<int> keys, order;
  for (int i = 0; i < xref.Count(); ++i) {
    keys.push_back(xref.Items(i));
    order.push_back(i);
  }
  TColumnZeroAside column0(FHost, FHost.SortSettings().NormalCellsOnly() && FHost.FixedCols() > 0);
  FHost.BeginUpdate();
  int cols = FHost.ColCount();
  int lastWidth = cols > 0 ? FHost.ColWidth(cols - 1) : 0;
  FHost.SetColCount(cols + FHost.NumHiddenColumns());
  auto finish = [&] {
    FHost.SetColCount(cols);
    if (cols > 0) FHost.SetColWidth(cols - 1, lastWidth);
    column0.Restore();
    FHost.EndUpdate();
  };
  try {
    // The exchanges are worked out on the keys and made in the grid at once.
    int swaps = 0;
    UnSortRange(keys, order, swaps, 0, static_cast<int>(keys.size()) - 1);
    FHost.SortPermuteRows(0, order, swaps);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

bool TGridSorter::SortLine(int Col, int ARow1, int ARow2) {
  TSortDirection dir = FHost.SortSettings().Direction();
  for (int last = FHost.ColCount() + FHost.NumHiddenColumns() - 1;; ++Col) {
    int r = FCompare.CompareCells(Col, ARow1, ARow2, dir);
    if (r == FCompare.SortDir) {
      FHost.SortSwapRows(ARow1, ARow2);
      return true;
    }
    if (r != 0 || Col >= last) return false;
  }
}

void TGridSorter::ClickSort(int ACol, bool IndexKeyHeld) {
  TSortSettings& s = FHost.SortSettings();
  if (FHost.RowCount() != FHost.SortRowXRef().Count()) InitSortXRef();
  const bool nodes = FHost.NumNodes() > 0;
  bool initAscending = s.InitSortDirection() == sdAscending;
  if (s.IndexShow()) {
    TSortIndexList& list = FHost.SortIndexes();
    if (IndexKeyHeld) {
      if (list.FindIndex(ACol) < 0)
        list.AddIndex(ACol, initAscending);
      else
        list.ToggleIndex(ACol);
    } else if (list.Count() == 1 && list.SortColumns(0) == ACol) {
      list.ToggleIndex(ACol);
    } else {
      list.Clear();
      list.AddIndex(ACol, initAscending);
    }
    std::uint32_t start = GetTickCount();
    if (nodes)
      QSortGroupIndexed();
    else
      QSortIndexed();
    s.SetColumn(list.Count() > 0 ? list.SortColumns(0) : -1);
    FSortTime = GetTickCount() - start;
    return;
  }
  bool undo = false;
  if (ACol == s.Column()) {
    undo = s.Direction() != s.InitSortDirection() && s.UndoSort();
    s.ToggleDirection();
  } else {
    s.SetDirection(s.InitSortDirection());
    s.SetColumn(ACol);
  }
  std::uint32_t start = GetTickCount();
  if (nodes) {
    QSortGroup();
  } else if (undo) {
    QUnSort();
    s.SetColumn(-1);
  } else {
    QSort();
  }
  FSortTime = GetTickCount() - start;
}

void TGridSorter::LoadSettingsText(const std::string& Value) {
  if (Value.empty()) return;
  TSortSettings& s = FHost.SortSettings();
  s.SetShow(true);
  if (Value.size() < 2) throw Exception("Invalid sort settings specifier");
  if (Value.find("i;") != std::string::npos) {
    s.SetIndexShow(true);
    std::string rest = Value.substr(2);
    if (rest.empty()) return;
    FHost.SortIndexes().LoadFromString(rest);
    QSortIndexed();
    return;
  }
  s.SetIndexShow(false);
  s.SetDirection(Value.find('u') != std::string::npos ? sdAscending : sdDescending);
  int col = 0;
  if (!ReadDecimal(Value.substr(1), col)) return;
  s.SetColumn(col);
  QSort();
}

}  // namespace hd
