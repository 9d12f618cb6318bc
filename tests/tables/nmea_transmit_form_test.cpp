// The NMEA 2000 transmit check: the PGN key in the second column, the byte counts against the
// output image, and the running total reported before a bad transmission type.
#include "tables/nmea_transmit_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/testkit/english_check.h"

namespace hd {
namespace {

using testkit::TRows;
using testkit::With;

TEST(TransmitNMEACheck, RowsAreCheckedInOrderWithTheTotalBeforeTheTransmissionType) {
  // Priority, PGN, SA, TP, FP, TP_NByte, T_Type, SendTimer, Mnemonic
  const std::vector<std::string> onChange = {"3", "0x1F801", "239", "N", "N", "", "On Data Change", ""};
  auto frame = [&](const std::string& tp, const std::string& fp, const std::string& bytes) {
    return With(With(With(onChange, 4, tp), 5, fp), 6, bytes);
  };
  const std::string tooMany = "Error!! Too many bytes of data, the max number is ";
  const std::string timer = "Error in row 1!! Send Timer must be between 1 and 65535 ms";
  const std::vector<testkit::TCheckCase> cases = {
      {"an empty PGN ends the table though the priority is filled", {{"3", "", "999"}}, 500, ""},
      {"a frame sent on data change", {onChange}, 500, ""},
      {"priority 8", {With(onChange, 1, "8")}, 500, "Error in row 1!! Priority must be between 0 and 7"},
      {"an empty priority", {With(onChange, 1, "")}, 500, "Error in row 1!! Priority must be between 0 and 7"},
      {"PGN 0x20000", {With(onChange, 2, "0x20000")}, 500,
       "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
      {"source address 240", {With(onChange, 3, "240")}, 500,
       "Error in row 1!! Source Address must be between 0 and 239"},
      {"transport: the whole image in one row", {frame("Y", "N", "500")}, 500, ""},
      {"transport: one byte more than the image", {frame("Y", "N", "501")}, 500,
       "Error in row 1!! Num Byte must be between 0 and 500"},
      {"transport: the whole image, then any row", {frame("Y", "N", "40"), onChange}, 40, tooMany + "40"},
      {"fast packet: 223 bytes", {frame("N", "Y", "223")}, 500, ""},
      {"fast packet: 224 bytes", {frame("N", "Y", "224")}, 500,
       "Error in row 1!! Num Byte must be between 0 and 223"},
      {"both boxes: 224 bytes pass the transport limit", {frame("Y", "Y", "224")}, 500, ""},
      {"neither box: the count is not tested", {frame("N", "N", "many")}, 500, ""},
      {"on timer typed in lower case between blanks", {With(With(onChange, 7, " on timer "), 8, "1")}, 500, ""},
      {"on timer with timer 0", {With(With(onChange, 7, " on timer "), 8, "0")}, 500, timer},
      {"on timer with timer 65536", {With(With(onChange, 7, "On Timer"), 8, "65536")}, 500, timer},
      {"an empty transmission type", {With(onChange, 7, "")}, 500,
       "Error in row 1!! Transmition Type must be \"On Data Change\" or \"On Timer\""},
      {"a row over the image reports the total before its empty type", {onChange, With(onChange, 7, "")}, 10,
       tooMany + "10"},
      {"a row within the image reports its empty type", {onChange, With(onChange, 7, "")}, 16,
       "Error in row 2!! Transmition Type must be \"On Data Change\" or \"On Timer\""},
  };
  testkit::Expect_Check_Boxes(cases, 10, Check_Transmit_NMEA, 816);
}

}  // namespace
}  // namespace hd
