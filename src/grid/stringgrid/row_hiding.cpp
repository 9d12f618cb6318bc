// Hiding rows: a hidden row leaves the store into an item of the grid's collection, with the
// cells of every store column (hidden columns' too), their properties objects and its height,
// and comes back between the rows that stayed. Display positions are worked out row by row,
// so ranges that mix hidden and visible rows hide and show exactly the rows they name.
#include <algorithm>
#include <iterator>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"

namespace hd {

TGridItem* TExtStringGrid::TakeRowIntoItem(int ARow, int Idx, int Position, bool Height) {
  TGridItems& items = *FP->GridItems;
  TGridItem* item = Position < 0 ? items.Add() : items.Insert(Position);
  TStringList& cells = item->Items();
  int cols = TotalColCount();
  for (int c = 0; c < cols; ++c) cells.AddObject(std::string(Store().Text(c, ARow)), Store().Object(c, ARow));
  item->SetIdx(Idx);
  if (Height) item->SetHeight(RowHeights(ARow));
  return item;
}

void TExtStringGrid::PutItemIntoRow(TGridItem& Item, int ARow) {
  const TStringList& cells = Item.Items();
  int cols = std::max(TotalColCount(), cells.Count());
  for (int c = 0; c < cols; ++c) {
    Store().SetText(c, ARow, c < cells.Count() ? cells.Strings(c) : std::string());
    Store().SetObject(c, ARow, c < cells.Count() ? cells.Objects(c) : nullptr);
  }
  if (Item.Height() > 0) SetRowHeights(ARow, Item.Height());
}

void TExtStringGrid::HideRows(int FromRow, int ToRow) {
  TExtStringGridPrivate& p = *FP;
  FromRow = std::max(FromRow, 0);
  if (ToRow < FromRow) return;
  // The visible real rows of the range stand in consecutive display rows.
  std::vector<int> rows;
  for (int r = FromRow; r <= ToRow; ++r) {
    if (IsHiddenRow(r)) continue;
    if (RealToDisplRow(r) >= RowCount()) break;
    rows.push_back(r);
  }
  if (rows.empty()) return;
  // One row always stays in view.
  if (static_cast<int>(rows.size()) >= RowCount()) rows.resize(static_cast<size_t>(RowCount() - 1));
  if (rows.empty()) return;
  if (EditorMode()) SetEditorMode(false);
  int first = RealToDisplRow(rows.front());
  int position = p.GridItems->CountBelow(rows.front());
  for (size_t i = 0; i < rows.size(); ++i)
    TakeRowIntoItem(first + static_cast<int>(i), rows[i], position + static_cast<int>(i), true);
  p.GridItems->IdxChanged();
  TControlList& list = *p.ControlList;
  for (int i = 0; i < list.Count(); ++i)
    if (TControlItem* item = list.Control(i); item->Control() && std::binary_search(rows.begin(), rows.end(), item->Y()))
      item->Control()->SetVisible(false);
  // The store forgets the rows without freeing: their objects live in the items now.
  for (int r = first; r < first + static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < TotalColCount(); ++c) Store().SetObject(c, r, nullptr);
  DeleteRowRange(first, static_cast<int>(rows.size()), false);
  CellControlsUpdate(false);
}

void TExtStringGrid::HideRowsEx(int FromRow, int ToRow) {
  TExtStringGridPrivate& p = *FP;
  if (FromRow < 0 || ToRow < FromRow || IsHiddenRow(FromRow)) return;
  int first = RealToDisplRow(FromRow);
  int count = std::min(ToRow - FromRow + 1, RowCount() - first);
  count = std::min(count, RowCount() - 1);
  if (count <= 0) return;
  if (EditorMode()) SetEditorMode(false);
  for (int i = 0; i < count; ++i) TakeRowIntoItem(first + i, FromRow + i, -1, false);
  p.GridItems->IdxChanged();
  for (int r = first; r < first + count; ++r)
    for (int c = 0; c < TotalColCount(); ++c) Store().SetObject(c, r, nullptr);
  // Hiding shifts no other hidden row: their real indexes stay what they are.
  DeleteRowRange(first, count, false);
}

void TExtStringGrid::HideRowList(TIntList& RowList) {
  std::vector<int> rows;
  for (int i = 0; i < RowList.Count(); ++i) rows.push_back(RowList.Items(i));
  // Real indexes: rows hidden otherwise, before or after, keep the mapping exact.
  HideRowsAtOnce(rows, FP->FilterLevel, true);
  ++FP->FilterLevel;
}

void TExtStringGrid::HideRowsAtOnce(std::vector<int> Rows, int Level, bool RealIdx) {
  TExtStringGridPrivate& p = *FP;
  std::vector<int> rows;
  for (int r : Rows)
    if (r >= 0 && r < RowCount()) rows.push_back(r);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (static_cast<int>(rows.size()) >= RowCount()) rows.resize(static_cast<size_t>(std::max(RowCount() - 1, 0)));
  if (EditorMode()) SetEditorMode(false);
  // Real indexes are taken before any item is added: each new item shifts the mapping.
  std::vector<int> reals;
  reals.reserve(rows.size());
  if (RealIdx) {
    // One walk over the hidden rows instead of a search per row.
    const std::vector<int>& hidden = p.GridItems->SortedIdx();
    size_t h = 0;
    int real = 0, display = 0;
    for (int r : rows) {
      // real/display: the next real row not hidden and its display index.
      for (;;) {
        while (h < hidden.size() && hidden[h] < real) ++h;
        if (h < hidden.size() && hidden[h] == real) {
          ++real;
          continue;
        }
        if (display == r) break;
        ++display;
        ++real;
      }
      reals.push_back(real);
    }
  } else {
    reals = rows;
  }
  const THiddenBy by = Level == TGridItem::kNodeLevel ? THiddenBy::Node : THiddenBy::Filter;
  for (size_t i = 0; i < rows.size(); ++i) {
    TGridItem* item = TakeRowIntoItem(rows[i], reals[i], -1, true);
    item->SetLevel(Level);
    item->SetHiddenBy(by);
  }
  p.GridItems->IdxChanged();
  // The gaps close in one pass: each kept row moves up to the next free row with its cells
  // and height; the rows left over at the end go, their objects already handed on.
  if (!rows.empty()) {
    const int cols = TotalColCount(), count = RowCount();
    int to = rows.front();
    size_t next = 0;
    for (int from = rows.front(); from < count; ++from) {
      if (next < rows.size() && rows[next] == from) {
        ++next;
        continue;
      }
      for (int c = 0; c < cols; ++c) {
        Store().SetText(c, to, Store().Text(c, from));
        Store().SetObject(c, to, Store().Object(c, from));
      }
      if (RowHeights(to) != RowHeights(from)) SetRowHeights(to, RowHeights(from));
      ++to;
    }
    const int n = static_cast<int>(rows.size());
    for (int r = count - n; r < count; ++r)
      for (int c = 0; c < cols; ++c) Store().SetObject(c, r, nullptr);
    DeleteLines(false, count - n, n);
  }
  RowCountSettled();
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRowList() {
  TExtStringGridPrivate& p = *FP;
  TGridItems& items = *p.GridItems;
  int level = p.FilterLevel - 1;
  // The newest level comes back; below level 2 every filter row does, so that no filter row
  // is left behind. Rows hidden by nodes or by other calls stay hidden with their cells.
  const bool all = p.FilterLevel <= 1;
  auto restores = [&](const TGridItem* item) {
    return item->HiddenBy() == THiddenBy::Filter && (all || item->Level() == level);
  };
  std::vector<TGridItem*> restored;
  for (int i = 0; i < items.Count(); ++i)
    if (restores(items.Items(i))) restored.push_back(items.Items(i));
  if (restored.empty()) return;
  if (EditorMode()) SetEditorMode(false);
  std::sort(restored.begin(), restored.end(), [](TGridItem* a, TGridItem* b) { return a->Idx() < b->Idx(); });
  // Each restored row's display row once it is back: its real index less the rows that stay
  // hidden below it.
  std::vector<int> staying;
  for (int idx : items.SortedIdx()) staying.push_back(idx);
  {
    std::vector<int> back;
    for (TGridItem* item : restored) back.push_back(item->Idx());
    std::vector<int> rest;
    std::set_difference(staying.begin(), staying.end(), back.begin(), back.end(), std::back_inserter(rest));
    staying.swap(rest);
  }
  std::vector<int> target(restored.size());
  {
    size_t h = 0;
    for (size_t j = 0; j < restored.size(); ++j) {
      while (h < staying.size() && staying[h] < restored[j]->Idx()) ++h;
      target[j] = restored[j]->Idx() - static_cast<int>(h);
    }
  }
  int n = static_cast<int>(restored.size());
  bool footer = p.FloatingFooter->Visible() && p.FloatingFooter->FooterStyle() == fsFixedLastRow;
  int k = footer ? 2 : 1;
  int s = RowCount() - k;
  if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows(), true);
  // New rows go before the footer row (or at the end); then, from the bottom, each target
  // row takes a restored row when one belongs there, else the next kept row from above.
  InsertLines(false, RowCount() - (k - 1), n);
  RowCountSettled();
  int i = n - 1;
  for (int t = RowCount() - k; t >= 0 && (i >= 0 || s < t); --t) {
    if (i >= 0 && target[static_cast<size_t>(i)] >= t) {
      PutItemIntoRow(*restored[static_cast<size_t>(i)], t);
      --i;
    } else if (s < t && s >= 0) {
      for (int c = 0; c < TotalColCount(); ++c) {
        Store().SetText(c, t, Store().Text(c, s));
        Store().SetObject(c, t, Store().Object(c, s));
      }
      SetRowHeights(t, RowHeights(s));
      --s;
    }
  }
  for (int j = items.Count() - 1; j >= 0; --j)
    if (restores(items.Items(j))) items.Delete(j);
  items.IdxChanged();
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRows(int FromRow, int ToRow) {
  TExtStringGridPrivate& p = *FP;
  if (!IsHiddenRow(FromRow)) return;
  TGridItems& items = *p.GridItems;
  std::vector<TGridItem*> shown;
  for (int i = 0; i < items.Count(); ++i)
    if (int idx = items.Items(i)->Idx(); idx >= FromRow && idx <= ToRow) shown.push_back(items.Items(i));
  std::sort(shown.begin(), shown.end(), [](TGridItem* a, TGridItem* b) { return a->Idx() < b->Idx(); });
  if (EditorMode()) SetEditorMode(false);
  bool modified = p.ShowModified->Enabled();
  p.ShowModified->SetEnabled(false);
  // Runs of consecutive hidden rows come back together at the display row they belong at.
  for (size_t start = 0; start < shown.size();) {
    size_t end = start + 1;
    while (end < shown.size() && shown[end]->Idx() == shown[end - 1]->Idx() + 1) ++end;
    int n = static_cast<int>(end - start);
    int at = RealToDisplRow(shown[start]->Idx());
    InsertRowRange(at, n, false);
    for (size_t j = start; j < end; ++j) {
      PutItemIntoRow(*shown[j], at + static_cast<int>(j - start));
      items.Delete(shown[j]->Index());
    }
    items.IdxChanged();
    start = end;
  }
  p.ShowModified->SetEnabled(modified);
  TControlList& list = *p.ControlList;
  for (int i = 0; i < list.Count(); ++i)
    if (TControlItem* item = list.Control(i); item->Control() && item->Y() >= FromRow && item->Y() <= ToRow) {
      TRect r = CellRect(RealToDisplCol(item->X()), RealToDisplRow(item->Y()));
      item->Control()->SetBounds(r.Left, r.Top, r.Width(), r.Height() - 1);
      item->Control()->SetVisible(true);
    }
  InvalidateGrid();
  CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRowsAll() {
  const std::vector<int>& hidden = FP->GridItems->SortedIdx();
  if (hidden.empty()) return;
  UnHideRows(hidden.front(), hidden.back());
}

void TExtStringGrid::HideSelectedRows() {
  const TMouseActions& ma = *FP->MouseActions;
  BeginUpdate();
  for (int r = RowCount() - 1; r >= FixedRows(); --r) {
    int real = DisplToRealRow(r);
    if (RowSelectMark(ma.RowSelectPersistent() ? real : r)) HideRows(real, real);
  }
  EndUpdate();
}

void TExtStringGrid::HideUnSelectedRows() {
  const TMouseActions& ma = *FP->MouseActions;
  BeginUpdate();
  int r = FixedRows();
  while (r < RowCount()) {
    int real = DisplToRealRow(r);
    if (RowSelectMark(ma.RowSelectPersistent() ? real : r)) {
      ++r;
      continue;
    }
    int before = RowCount();
    HideRows(real, real);
    if (RowCount() == before) break;
  }
  EndUpdate();
}

void TExtStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) {
  TPoint client = ScreenToClient(pt);
  MouseToCell(client.X, client.Y, ACol, ARow);
}

bool TExtStringGrid::IsOnSizingBorder(int X, int Y) {
  TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return false;
  TRect r = TBaseGrid::CellRect(cell.X, cell.Y);
  TGridOptions options = Options();
  if (cell.Y <= FixedRows() && options.Contains(goColSizing) && (X - r.Left < 4 || r.Right - X < 4)) return true;
  if (cell.X <= FixedCols() && options.Contains(goRowSizing) && (Y - r.Top < 4 || r.Bottom - Y < 4)) return true;
  return false;
}

}  // namespace hd
