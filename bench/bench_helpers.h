// What the grid benchmarks share: heap measurement and the short cell texts they write.
#pragma once

#include <malloc.h>

#include <cstddef>
#include <string>

namespace hd::bench {

inline std::size_t HeapInUse() {
  struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

inline std::string ShortText(int col, int row) {
  std::string s = "R";
  s += std::to_string(row);
  s += 'C';
  s += std::to_string(col);
  return s;
}

inline constexpr int kCells = 1000000;

}  // namespace hd::bench
