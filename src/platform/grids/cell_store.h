// The sparse store behind the string grid: a text and an object per cell, for any column and
// row from 0 up, whatever the grid's counts. Memory grows with the cells written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hd {

class TObject;

class TCellStore {
 public:
  TCellStore();
  ~TCellStore();
  TCellStore(const TCellStore&) = delete;
  TCellStore& operator=(const TCellStore&) = delete;

  // "" and null for a cell never written; negative indexes read as such a cell.
  std::string_view Text(int col, int row) const;
  TObject* Object(int col, int row) const;
  // Negative indexes are ignored. A cell whose text is empty and whose object is null takes
  // no memory.
  void SetText(int col, int row, std::string_view text);
  void SetObject(int col, int row, TObject* object);

  // Take a whole row (every stored column) or a whole column (every stored row) out and put
  // it back at `to`; the lines between shift by one. The store does not own the objects.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);
  // Bulk shifts: Insert opens `count` empty lines before `at`, the later lines moving on;
  // Delete drops the cells of `count` lines from `at` (their objects are the caller's) and
  // closes the gap. Swap exchanges two whole lines. Each costs one pass over the lines after
  // the first one touched, whatever the count.
  void InsertRows(int at, int count);
  void DeleteRows(int at, int count);
  void SwapRows(int a, int b);
  void InsertColumns(int at, int count);
  void DeleteColumns(int at, int count);
  void SwapColumns(int a, int b);
  // The highest row holding a cell, -1 when none does.
  int LastRow() const;
  // Forgets every cell.
  void Clear();

  // The cells that hold an object, row by row, each row by column, whatever the grid's
  // counts; a copy, so the store may change while the caller walks it.
  struct TObjectCell {
    int Col;
    int Row;
    TObject* Object;
  };
  std::vector<TObjectCell> ObjectCells() const;

  std::size_t CellCount() const { return cells_; }
  // Rows keep their cells sorted by column, without duplicates or empty cells, and the count
  // of cells agrees with them.
  bool CheckConsistency() const;

 private:
  struct Cell;
  struct RowBlock;
  struct Page;
  struct Directory;

  RowBlock* FindRow(int row) const;
  RowBlock*& RowSlot(int row);
  RowBlock* RowAt(int row) const { return row < 0 ? nullptr : FindRow(row); }
  // Moves the row slots [from, from + n) to [to, to + n), page run by page run.
  void MoveSlots(int from, int to, int n);
  // The slot of a row when its page exists; null otherwise (the row holds nothing).
  RowBlock** SlotIfAny(int row) const;
  Cell* FindCell(int col, int row) const;
  Cell& CellFor(int col, int row);
  void DropIfEmpty(int col, int row);
  // Calls f(row, block) for every row that has cells, in row order.
  template <typename F>
  void ForEachRow(F f) const;

  std::vector<std::unique_ptr<Directory>> directories_;
  std::size_t cells_ = 0;
};

}  // namespace hd
