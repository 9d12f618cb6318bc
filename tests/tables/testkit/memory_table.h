// A table of cells in memory with the members of a table grid: what the file and check tests
// read and write instead of a grid.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace hd::testkit {

class MemoryTable {
 public:
  // 513 rows like the request grids: the header and 512 data rows.
  explicit MemoryTable(int colCount, int rowCount = 513)
      : cols_(colCount), rows_(rowCount), cells_(static_cast<std::size_t>(colCount * rowCount)) {}

  int RowCount() const { return rows_; }
  int ColCount() const { return cols_; }
  // A cell outside the table is a fault of the code under test.
  const std::string& Cells(int c, int r) const { return cells_.at(Index(c, r)); }
  void SetCells(int c, int r, const std::string& text) { cells_.at(Index(c, r)) = text; }

  // Data cells of row r from column 1 on; missing values leave the cells empty.
  void SetRow(int r, const std::vector<std::string>& values) {
    for (int c = 1; c < cols_; ++c)
      SetCells(c, r, c - 1 < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(c - 1)] : "");
  }
  std::vector<std::string> Row(int r) const {
    std::vector<std::string> values;
    for (int c = 1; c < cols_; ++c) values.push_back(Cells(c, r));
    return values;
  }

 private:
  std::size_t Index(int c, int r) const {
    if (c < 0 || c >= cols_ || r < 0 || r >= rows_)
      throw std::out_of_range("cell (" + std::to_string(c) + ", " + std::to_string(r) + ") is outside the table");
    return static_cast<std::size_t>(r * cols_ + c);
  }

  int cols_;
  int rows_;
  std::vector<std::string> cells_;
};

}  // namespace hd::testkit
