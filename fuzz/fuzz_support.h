// What the fuzz targets share: the libFuzzer entry points, a scratch folder for readers that
// take a path, and a way to split one input into several values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tables/table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace hd::fuzz {

// A folder of this process, made on first use and removed when the process ends.
const std::string& ScratchFolder();
// Writes the bytes to the named file in the scratch folder, replacing it; answers its path.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);

// Hands out the input piece by piece: fixed-size numbers from the front, texts up to the next
// separator byte, and whatever is left.
class TInput {
 public:
  TInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte();
  std::uint32_t Word();
  std::uint64_t Wide();
  double Double();
  // Up to the next '\x01' (dropped) or the end.
  std::string Text();
  std::string Rest();

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// A grid of a table window's shape in memory: header row, row-number column, data from 1 on.
struct TGrid {
  int rows, cols;
  std::vector<std::string> cells;
  TGrid(int c, int r) : rows(r), cols(c), cells(static_cast<std::size_t>(c * r)) {}
  int RowCount() const { return rows; }
  int ColCount() const { return cols; }
  std::string Cells(int c, int r) const { return cells[static_cast<std::size_t>(r * cols + c)]; }
  void SetCells(int c, int r, const std::string& s) { cells[static_cast<std::size_t>(r * cols + c)] = s; }
};

// What a save writes loads back into the same cells: the rows down to the first empty key and
// every cell of them.
void CheckRoundTrip(const TTableFile& file, const std::string& path, const std::vector<TGrid*>& grids);

// Ends the run with a message when a property the reader promises does not hold.
[[noreturn]] void Broken(const std::string& what);

}  // namespace hd::fuzz
