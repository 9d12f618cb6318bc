// The NMEA 2000 receive check: the PGN key taken as typed, the byte ranges of the transport
// protocol and of fast packets, and the running byte total against the input image.
#include "tables/nmea_receive_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/testkit/english_check.h"

namespace hd {
namespace {

using testkit::TRows;

TEST(ReceiveNMEACheck, RowsAreCheckedInOrderAndTheirBytesAgainstTheInputImage) {
  const std::string pgn = "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF";
  const std::string transportRange = "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785";
  const std::string fastRange = "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 223";
  // PGN, SA, TP, FP, TP_Start, TP_NByte, Delete, Mnemonic
  const std::vector<testkit::TCheckCase> cases = {
      {"an empty first PGN ends the table before anything is tested", {{"", "999", "Y", "N", "x"}}, 500, ""},
      {"PGN 0x1FFFF", {{"0x1FFFF", "0", "N", "N"}}, 500, ""},
      {"PGN $1FFFF", {{"$1FFFF", "255", "N", "N"}}, 500, ""},
      {"PGN 1FFFF without a prefix", {{"1FFFF", "0", "N", "N"}}, 500, pgn},
      {"PGN 0x1FFFF then a blank", {{"0x1FFFF ", "0", "N", "N"}}, 500, pgn},
      {"PGN 131072", {{"131072", "0", "N", "N"}}, 500, pgn},
      {"a PGN of blanks is no end of the table", {{"  ", "0", "N", "N"}}, 500, pgn},
      {"source address 256", {{"1", "256", "N", "N"}}, 500,
       "Error in row 1!! Source Address must be between 0 and 255"},
      {"an empty source address", {{"1", "", "N", "N"}}, 500,
       "Error in row 1!! Source Address must be between 0 and 255"},
      {"neither box: start and count are not tested", {{"1", "1", "N", "N", "abc", "-5", "x", "any"}}, 500, ""},
      {"transport: start 1785 and 0 bytes", {{"1", "1", "Y", "N", "1785", "0"}}, 500, ""},
      {"transport: start 1785 and 1 byte", {{"1", "1", "Y", "N", "1785", "1"}}, 500, transportRange},
      {"transport: start 1786", {{"1", "1", "Y", "N", "1786", "0"}}, 500,
       "Error in row 1!! Start Byte must be between 0 and 1785"},
      {"transport: empty start", {{"1", "1", "Y", "N", "", "4"}}, 500,
       "Error in row 1!! Start Byte must be between 0 and 1785"},
      {"transport: a count that is no number", {{"1", "1", "Y", "N", "0", "four"}}, 500, transportRange},
      {"fast packet: start 200 and 23 bytes", {{"1", "1", "N", "Y", "200", "23"}}, 500, ""},
      {"fast packet: start 200 and 100 bytes", {{"1", "1", "N", "Y", "200", "100"}}, 500, fastRange},
      {"fast packet: start 224", {{"1", "1", "N", "Y", "224", "0"}}, 500,
       "Error in row 1!! Start Byte must be between 0 and 223"},
      {"both boxes: the transport limits, 100 bytes counted", {{"1", "1", "Y", "Y", "200", "100"}}, 100, ""},
      {"both boxes: 100 bytes over an image of 99", {{"1", "1", "Y", "Y", "200", "100"}}, 99,
       "Error!! Too many bytes of data, the max number is 99"},
      {"62 frames of 8 bytes fit the default image", TRows(62, {"1", "1", "N", "N"}), 500, ""},
      {"the 61st frame of 8 bytes overflows 480", TRows(62, {"1", "1", "N", "N"}), 480,
       "Error!! Too many bytes of data, the max number is 480"},
      {"a later row is named by its number",
       {{"1", "1", "Y", "N", "0", "100"}, {"2", "1", "N", "Y", "0", "0"}, {"3", "-1", "N", "N"}}, 500,
       "Error in row 3!! Source Address must be between 0 and 255"},
      {"rows below an empty PGN are not checked", {{"1", "1", "N", "N"}, {""}, {"x", "x"}}, 500, ""},
  };
  testkit::Expect_Check_Boxes(cases, 9, Check_Receive_NMEA, 715);
}

}  // namespace
}  // namespace hd
