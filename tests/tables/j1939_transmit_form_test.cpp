// The J1939 transmit check: the PGN key in the third column, Num Byte against the output image
// with the size joined to its text, the running total, and the timer of a frame sent on timer.
#include "tables/j1939_transmit_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/testkit/english_check.h"

namespace hd {
namespace {

using testkit::TRows;
using testkit::With;

TEST(TransmitJ1939Check, RowsAreCheckedInOrderAndTheirBytesAgainstTheOutputImage) {
  // Priority, DataPage, PGN, SA, TP_NumByte, On_Request, On_Data_Change, On_Timer, Send_Timer, Mnemonic
  const std::vector<std::string> frame = {"6", "0", "61444", "0", "8", "N", "Y", "N", ""};
  const std::string numByte = "Error in row 1!! Num Byte must be between 1 and496";
  const std::string timer = "Error in row 1!! Send Timer must be between 1 and 65535 ms";
  const std::vector<testkit::TCheckCase> cases = {
      {"a priority before an empty PGN ends the table", {{"3", "0", "", "x"}}, 496, ""},
      {"62 frames of 8 bytes fill the default image", TRows(62, frame), 496, ""},
      {"497 bytes in one frame", {With(frame, 5, "497")}, 496, numByte},
      {"no byte", {With(frame, 5, "0")}, 496, numByte},
      {"an empty priority", {With(frame, 1, "")}, 496, "Error in row 1!! Priority must be between 0 and 7"},
      {"an empty data page", {With(frame, 2, "")}, 496, "Error in row 1!! Data Page must be 0 or 1"},
      {"PGN 0x1FFFF", {With(frame, 3, "0x1FFFF")}, 496, ""},
      {"PGN 0x20000", {With(frame, 3, "0x20000")}, 496, "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
      {"source address 256", {With(frame, 4, "256")}, 496, "Error in row 1!! Source Address must be between 0 and 255"},
      {"the total over the image", {With(frame, 5, "400"), With(frame, 5, "97")}, 496,
       "Error!! Too many bytes of data, the max number is 496"},
      {"not on timer: the timer is not tested", {With(frame, 9, "")}, 496, ""},
      {"on timer without a timer", {With(frame, 8, "Y")}, 496, timer},
      {"on timer with 65536 ms", {With(With(frame, 8, "Y"), 9, "65536")}, 496, timer},
      {"on timer with 65535 ms", {With(With(frame, 8, "Y"), 9, "65535")}, 496, ""},
  };
  testkit::Expect_Check_Boxes(cases, 11, Check_Transmit_J1939, 1616);
}

}  // namespace
}  // namespace hd
