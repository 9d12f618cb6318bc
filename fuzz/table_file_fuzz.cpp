// The Modbus TCP master table file as its window loads, checks and saves it: what a save writes
// loads back into the same cells.
#include <vector>

#include "fuzz_support.h"
#include "tables/modbus_tcp_master_table.h"

namespace {

// A grid of the window's shape: header row, row-number column, data from 1 on.
struct TGrid {
  int rows, cols;
  std::vector<std::string> cells;
  TGrid(int c, int r) : rows(r), cols(c), cells(static_cast<std::size_t>(c * r)) {}
  int RowCount() const { return rows; }
  int ColCount() const { return cols; }
  std::string Cells(int c, int r) const { return cells[static_cast<std::size_t>(r * cols + c)]; }
  void SetCells(int c, int r, const std::string& s) { cells[static_cast<std::size_t>(r * cols + c)] = s; }
};

constexpr int kRows = 40;  // rows beyond the grid are ignored, so a few serve as well as 1025

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const TTableFile& file = ModbusTCPM_SetAccess_File();
  const std::string path = fuzz::WriteScratchFile("ModbusTCPM_SetAccess.xml", data, size);
  auto columns = [&](int k) { return static_cast<int>(file.Sections[static_cast<std::size_t>(k)].Columns.size()) + 1; };
  TGrid read(columns(0), kRows), write(columns(1), kRows);
  if (!LoadTableFile(file, path, {read, write}).empty()) return 0;
  Controllo_dati(read, write, 496, 496);
  SaveTableFile(file, path, {read, write});
  TGrid readBack(columns(0), kRows), writeBack(columns(1), kRows);
  if (!LoadTableFile(file, path, {readBack, writeBack}).empty()) fuzz::Broken("a saved table does not load");
  for (auto [grid, back] : {std::pair<TGrid*, TGrid*>{&read, &readBack}, {&write, &writeBack}}) {
    const int used = UsedRowCount(file, *grid);
    if (UsedRowCount(file, *back) != used) fuzz::Broken("a saved table reads back another row count");
    for (int r = 1; r <= used; ++r)
      for (int c = 1; c < grid->ColCount(); ++c)
        if (grid->Cells(c, r) != back->Cells(c, r)) fuzz::Broken("a saved cell reads back different");
  }
  return 0;
}
