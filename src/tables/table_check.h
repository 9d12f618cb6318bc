// The walk of a table window's check and the message of its first failed test.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/sysutils.h"
#include "tables/cell_table.h"
#include "tables/table_file.h"

namespace hd {

// A cell's number: blanks (0x20) then a sign, then decimal digits or hexadecimal ones after
// "$", "x", "X", "0x" or "0X", in 32 bits; any other text gives def.
inline int CellNumber(const std::string& text, int def = -1) { return StrToIntDef(text, def); }

// A failed test: the Lang_Table number of its text and, for a text ending in an open bound,
// that bound.
struct TCellFailure {
  int TextIndex = 0;
  std::optional<std::int64_t> Bound{};
  // False for a failure of the whole table (a byte total), whose text stands without the row
  // prefix and number.
  bool NamesRow = true;

  friend bool operator==(const TCellFailure&, const TCellFailure&) = default;
};

// A row's tests in their order; nothing when the row passes.
using TRowTest = std::function<std::optional<TCellFailure>(int grid, const TCellTableView& cells, int row)>;

// The outcome of a check: the first failure with its grid and row, or none.
struct TTableCheck {
  int Grid = -1;
  int Row = 0;
  TCellFailure Failure;

  bool Passed() const { return Grid < 0; }
  // Row prefix, row number, the test's text and its bound, joined with nothing between them;
  // the prefix and row left out for a failure that names no row.
  std::string Message(int prefixText, const std::function<std::string(int)>& langText) const;
  friend bool operator==(const TTableCheck&, const TTableCheck&) = default;
};

// Tests the rows of each grid in turn, from row 1 down to the row before the first empty key
// cell, and stops at the first failure.
TTableCheck WalkTableCheck(const TTableFile& file, const std::vector<TCellTableView>& grids, const TRowTest& test);

}  // namespace hd
