// The NMEA 2000 and J1939 frame tables as their windows load, check and save them: any image
// size, any cell text, and what a save writes loads back into the same cells.
#include <iterator>

#include "fuzz_support.h"
#include "tables/j1939_receive_form.h"
#include "tables/j1939_transmit_form.h"
#include "tables/nmea_receive_form.h"
#include "tables/nmea_transmit_form.h"

namespace {

struct TFrameTable {
  const hd::TTableFile& (*file)();
  hd::TTableCheck (*check)(const hd::TCellTableView&, int);
};

constexpr TFrameTable kTables[] = {
    {hd::Receive_NMEA_File, hd::Check_Receive_NMEA},
    {hd::Transmit_NMEA_File, hd::Check_Transmit_NMEA},
    {hd::Receive_J1939_File, hd::Check_Receive_J1939},
    {hd::Transmit_J1939_File, hd::Check_Transmit_J1939},
};

}  // namespace

// The first byte picks the table, the next four give the image size, the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput input(data, size);
  const TFrameTable& table = kTables[input.Byte() % std::size(kTables)];
  const int imageSize = static_cast<int>(input.Word());
  const std::string bytes = input.Rest();
  const std::string path = fuzz::WriteScratchFile("frames.xml", reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                  bytes.size());
  const TTableFile& file = table.file();
  fuzz::TGrid grid(static_cast<int>(file.Sections[0].Columns.size()) + 1, Frame_Rows + 1);
  if (!LoadTableFile(file, path, {grid}).empty()) return 0;
  const TTableCheck check = table.check(grid, imageSize);
  if (!check.Passed() && (check.Row < 1 || check.Row > Frame_Rows)) fuzz::Broken("a failure names no row of the table");
  fuzz::CheckRoundTrip(file, path, {&grid});
  return 0;
}
