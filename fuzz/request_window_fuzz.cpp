// The request window's cycle on any ParGen.xml and request file: showing (image sizes, the
// requests), the check, OK's save and the next showing. Whatever the files hold, a showing
// followed by OK and another showing loses no row the grids held.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "tables/image_sizes.h"
#include "tables/modbus_tcp_master_table.h"
#include "tables/table_file.h"

namespace {

// A grid of the window's size, in memory.
class TGridCells {
 public:
  explicit TGridCells(int cols) : cols_(cols), cells_(static_cast<std::size_t>(cols * kRows)) {}
  int RowCount() const { return kRows; }
  int ColCount() const { return cols_; }
  std::string Cells(int c, int r) const { return cells_.at(Index(c, r)); }
  void SetCells(int c, int r, const std::string& s) { cells_.at(Index(c, r)) = s; }
  bool operator==(const TGridCells&) const = default;

 private:
  static constexpr int kRows = 513;
  std::size_t Index(int c, int r) const {
    if (c < 0 || c >= cols_ || r < 0 || r >= kRows) hd::fuzz::Broken("a cell outside the grid");
    return static_cast<std::size_t>(r * cols_ + c);
  }
  int cols_;
  std::vector<std::string> cells_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput input(data, size);
  const std::string parGen = input.Text();
  const std::string requests = input.Rest();
  const std::string parGenPath = fuzz::WriteScratchFile(
      "ParGen.xml", reinterpret_cast<const std::uint8_t*>(parGen.data()), parGen.size());
  const std::string path = fuzz::WriteScratchFile(
      "ModbusTCPM_SetAccess.xml", reinterpret_cast<const std::uint8_t*>(requests.data()), requests.size());

  const TImageSizes sizes = ReadImageSizes(parGenPath);
  TGridCells read(14), write(16);
  LoadTableFile(ModbusTCPM_SetAccess_File(), path, {read, write});
  const TTableCheck check = Controllo_dati(read, write, sizes.NB_Output, sizes.NB_Input);
  (void)check;
  try {
    SaveTableFile(ModbusTCPM_SetAccess_File(), path, {read, write});
  } catch (const Exception&) {
    return 0;  // the scratch folder is writable; a refusal must at least not throw anything else
  }
  TGridCells readAgain(14), writeAgain(16);
  const std::string failure = LoadTableFile(ModbusTCPM_SetAccess_File(), path, {readAgain, writeAgain});
  if (!failure.empty()) fuzz::Broken("a saved file does not load: " + failure);
  // Rows below the first blank key are not saved; every row above it comes back as it was.
  const TTableFile& file = ModbusTCPM_SetAccess_File();
  for (auto [before, after] : {std::pair<TGridCells*, TGridCells*>{&read, &readAgain}, {&write, &writeAgain}}) {
    const int used = UsedRowCount(file, *before);
    for (int r = 1; r <= used; ++r)
      for (int c = 0; c < before->ColCount(); ++c)
        if (before->Cells(c, r) != after->Cells(c, r)) fuzz::Broken("a saved row came back changed");
  }
  return 0;
}
