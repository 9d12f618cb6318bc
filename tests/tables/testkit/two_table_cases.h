// A check of two tables run over a table of cases: each case changes cells of row 1 of either
// table, whose valid rows the test gives, and names the first failure or none.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tables/table_check.h"
#include "tables/testkit/memory_table.h"

namespace hd::testkit {

struct TTwoTableCase {
  const char* name;
  std::vector<std::pair<int, std::string>> first, second;  // (column, text) in row 1
  std::optional<TTableCheck> failure;                      // none: passes
};

// The failure of row 1 of the first or the second table.
inline TTableCheck FirstTable(int text, std::optional<std::int64_t> bound = std::nullopt) {
  return TTableCheck{0, 1, {text, bound}};
}
inline TTableCheck SecondTable(int text, std::optional<std::int64_t> bound = std::nullopt) {
  return TTableCheck{1, 1, {text, bound}};
}

// Each case on copies of first and second.
inline void ExpectTwoTableCases(const std::vector<TTwoTableCase>& cases, const MemoryTable& first,
                                const MemoryTable& second,
                                const std::function<TTableCheck(MemoryTable&, MemoryTable&)>& check) {
  for (const TTwoTableCase& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTable a = first, b = second;
    for (const auto& [col, text] : c.first) a.SetCells(col, 1, text);
    for (const auto& [col, text] : c.second) b.SetCells(col, 1, text);
    EXPECT_EQ(check(a, b), c.failure.value_or(TTableCheck{}));
  }
}

// A table of the given shape whose row 1 holds values.
inline MemoryTable TableWithRow(int colCount, int rowCount, const std::vector<std::string>& values) {
  MemoryTable t(colCount, rowCount);
  t.SetRow(1, values);
  return t;
}

}  // namespace hd::testkit
