// The Modbus TCP master table file as its window loads, checks and saves it: what a save writes
// loads back into the same cells.
#include <vector>

#include "fuzz_support.h"
#include "tables/modbus_tcp_master_table.h"

namespace {

constexpr int kRows = 40;  // rows beyond the grid are ignored, so a few serve as well as 1025

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const TTableFile& file = ModbusTCPM_SetAccess_File();
  const std::string path = fuzz::WriteScratchFile("ModbusTCPM_SetAccess.xml", data, size);
  auto columns = [&](int k) { return static_cast<int>(file.Sections[static_cast<std::size_t>(k)].Columns.size()) + 1; };
  fuzz::TGrid read(columns(0), kRows), write(columns(1), kRows);
  if (!LoadTableFile(file, path, {read, write}).empty()) return 0;
  Controllo_dati(read, write, 496, 496);
  fuzz::CheckRoundTrip(file, path, {&read, &write});
  return 0;
}
