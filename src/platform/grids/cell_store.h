// The sparse store behind the string grid: a text and an object per cell, for any column and
// row from 0 up, whatever the grid's counts. Memory grows with the cells written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
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

  // "" and null for a cell never written; negative indexes read as such a cell. A cell with
  // a packed byte and no object gets its object from the maker here (see SetPacked).
  std::string_view Text(int col, int row) const;
  TObject* Object(int col, int row) const;
  // Negative indexes are ignored. A cell whose text is empty and whose object is null takes
  // no memory.
  void SetText(int col, int row, std::string_view text);
  // Writing an object (or null) drops the cell's packed byte.
  void SetObject(int col, int row, TObject* object);

  // Packed cells: a byte per row of a column that stands for an object not made yet, so a
  // column of a million alike objects takes a byte a row until one of them is needed. The
  // line operations keep the bytes with their rows and columns. The first Object() of such a
  // cell drops the byte and calls the maker, which makes the object and writes it with
  // SetObject; ObjectCells() lists only objects already made. 0 means no byte.
  using TObjectMaker = std::function<void(int col, int row, std::uint8_t packed)>;
  void SetObjectMaker(TObjectMaker maker) { maker_ = std::move(maker); }
  std::uint8_t Packed(int col, int row) const;
  // The object a cell holds now; a packed cell stays packed (null).
  TObject* StoredObject(int col, int row) const;
  // Ignored for a negative index or a cell that holds an object.
  void SetPacked(int col, int row, std::uint8_t value);
  bool HasPacked() const { return !packed_.empty(); }

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
  // Rows first .. first + from.size() - 1 take the rows that stood at from[k], in one pass:
  // from must be a permutation of those same rows.
  void PermuteRows(int first, const std::vector<int>& from);
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

  // The highest row holding a stored cell (packed bytes left out).
  int StoredLastRow() const;
  // The packed bytes' share of the line operations.
  void PackedMoveRow(int from, int to);
  void PackedInsertRows(int at, int count);
  void PackedDeleteRows(int at, int count);
  void PackedSwapRows(int a, int b);
  void PackedMoveColumn(int from, int to);
  void PackedInsertColumns(int at, int count);
  void PackedDeleteColumns(int at, int count);
  int PackedLastRow() const;
  // The column's bytes grown to hold row.
  std::vector<std::uint8_t>& PackedRows(int col, int row);

  std::vector<std::unique_ptr<Directory>> directories_;
  std::size_t cells_ = 0;
  std::map<int, std::vector<std::uint8_t>> packed_;
  TObjectMaker maker_;
};

}  // namespace hd
