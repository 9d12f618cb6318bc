// The grid whose hooks fire events, and the string grid with its sparse cell store.
#include "platform/grids.h"

#include <algorithm>
#include "platform/grids/cell_store.h"

namespace hd {

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
  bool result = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, result);
  return result;
}

void TCustomDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

std::string TCustomDrawGrid::GetEditMask(int ACol, int ARow) {
  std::string result;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, result);
  return result;
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow) {
  std::string result;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, result);
  return result;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner), store_(std::make_unique<TCellStore>()) {}

TStringGrid::~TStringGrid() = default;

std::string TStringGrid::Cells(int ACol, int ARow) const { return std::string(store_->Text(ACol, ARow)); }

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
  store_->SetText(ACol, ARow, Value);
  InvalidateCell(ACol, ARow);
  // A text written from code shows in the editor open on the cell; the editor's own text
  // coming back is not loaded again.
  if (edit_update_ == 0 && ACol == Col() && ARow == Row()) InvalidateEditor();
}

TObject* TStringGrid::Objects(int ACol, int ARow) const { return store_->Object(ACol, ARow); }

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { store_->SetObject(ACol, ARow, Value); }

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  store_->MoveColumn(FromIndex, ToIndex);
  InvalidateGrid();
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  store_->MoveRow(FromIndex, ToIndex);
  InvalidateGrid();
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::InsertLines(bool Columns, int Index, int Count) {
  if (Count <= 0) return;
  if (Columns)
    store_->InsertColumns(Index, Count);
  else
    store_->InsertRows(Index, Count);
  TDrawGrid::InsertLines(Columns, Index, Count);
}

void TStringGrid::DeleteLines(bool Columns, int Index, int Count) {
  int lines = Columns ? ColCount() : RowCount();
  if (Index < 0 || Index >= lines || Count <= 0) return;
  Count = std::min({Count, lines - Index, lines - 1});
  if (Count <= 0) return;
  if (Columns)
    store_->DeleteColumns(Index, Count);
  else
    store_->DeleteRows(Index, Count);
  TDrawGrid::DeleteLines(Columns, Index, Count);
}

void TStringGrid::SwapLines(bool Columns, int A, int B) {
  int lines = Columns ? ColCount() : RowCount();
  if (A == B || A < 0 || B < 0 || A >= lines || B >= lines) return;
  if (Columns)
    store_->SwapColumns(A, B);
  else
    store_->SwapRows(A, B);
  TDrawGrid::SwapLines(Columns, A, B);
}

void TStringGrid::PermuteLines(bool Columns, int First, const std::vector<int>& From) {
  const int n = static_cast<int>(From.size()), lines = Columns ? ColCount() : RowCount();
  if (First < 0 || n == 0 || First + n > lines) return;
  if (Columns) {
    // Columns follow their cycles exchange by exchange; rows, which sorts move, in one pass.
    std::vector<int> at(From.size());
    for (int k = 0; k < n; ++k) at[static_cast<std::size_t>(k)] = k;  // the column now at First + k came from First + at[k]
    std::vector<int> where(at);  // where column First + k's original now stands
    for (int k = 0; k < n; ++k) {
      int want = From[static_cast<std::size_t>(k)] - First, now = where[static_cast<std::size_t>(want)];
      if (now == k) continue;
      store_->SwapColumns(First + k, First + now);
      int other = at[static_cast<std::size_t>(k)];
      std::swap(at[static_cast<std::size_t>(k)], at[static_cast<std::size_t>(now)]);
      where[static_cast<std::size_t>(want)] = k;
      where[static_cast<std::size_t>(other)] = now;
    }
  } else {
    store_->PermuteRows(First, From);
  }
  TDrawGrid::PermuteLines(Columns, First, From);
}

// The event may change what the editor starts with; the cell keeps its text until the edit
// comes back.
std::string TStringGrid::GetEditText(int ACol, int ARow) {
  std::string text = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  ++edit_update_;
  try {
    if (Value != store_->Text(ACol, ARow)) SetCells(ACol, ARow, Value);
  } catch (...) {
    --edit_update_;
    throw;
  }
  --edit_update_;
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

}  // namespace hd
