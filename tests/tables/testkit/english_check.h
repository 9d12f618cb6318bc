// The box a table window's check shows, with the built-in English texts, and the rows of the
// case tables that check tests are written in.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/english_texts.h"
#include "tables/table_check.h"
#include "tables/testkit/memory_table.h"

namespace hd::testkit {

// "" for a check that passed.
inline std::string English_Check_Text(const TTableCheck& check, int prefixText) {
  if (check.Passed()) return {};
  return check.Message(prefixText, [](int number) {
    for (const TEnglishText& t : English_Texts())
      if (t.Number == number) return std::string(t.Text);
    return std::string(" ");
  });
}

using TRows = std::vector<std::vector<std::string>>;

// The box of a check run over a grid of rowCount rows and colCount columns whose data rows
// from row 1 on hold the given rows' data cells, the others empty.
inline std::string Check_Box(const TRows& rows, int colCount, int rowCount,
                             const std::function<TTableCheck(const TCellTableView&)>& check, int prefixText) {
  MemoryTable t(colCount, rowCount);
  for (std::size_t i = 0; i < rows.size(); ++i) t.SetRow(static_cast<int>(i) + 1, rows[i]);
  return English_Check_Text(check(t), prefixText);
}

// A check case of a one-grid table: its rows from row 1 on, the image size they are checked
// against, and the box the check shows ("" when it passes).
struct TCheckCase {
  const char* name;
  TRows rows;
  int size;
  std::string box;
};

// Runs every case on a grid of the table's shape, the header and 62 data rows.
inline void Expect_Check_Boxes(const std::vector<TCheckCase>& cases, int colCount,
                               const std::function<TTableCheck(const TCellTableView&, int size)>& check,
                               int prefixText) {
  for (const TCheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto checkCase = [&](const TCellTableView& grid) { return check(grid, c.size); };
    EXPECT_EQ(Check_Box(c.rows, colCount, 63, checkCase, prefixText), c.box);
  }
}

// The row with its data column `column` (from 1) set to value.
inline std::vector<std::string> With(std::vector<std::string> row, std::size_t column, const std::string& value) {
  if (row.size() < column) row.resize(column);
  row[column - 1] = value;
  return row;
}

}  // namespace hd::testkit
