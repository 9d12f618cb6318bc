// The J1939 transmit check: the PGN key in the third column, Num Byte against the output image
// with the size joined to its text, the running total, and the timer of a frame sent on timer.
#include "tables/j1939_transmit_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/testkit/english_check.h"
#include "tables/testkit/memory_table.h"

namespace hd {
namespace {

using TRows = std::vector<std::vector<std::string>>;

TEST(TransmitJ1939Check, RowsAreCheckedInOrderAndTheirBytesAgainstTheOutputImage) {
  // Priority, DataPage, PGN, SA, TP_NumByte, On_Request, On_Data_Change, On_Timer, Send_Timer, Mnemonic
  const std::vector<std::string> frame = {"6", "0", "61444", "0", "8", "N", "Y", "N", ""};
  auto with = [&](std::vector<std::string> row, std::size_t column, const std::string& value) {
    row[column - 1] = value;
    return row;
  };
  const std::string numByte = "Error in row 1!! Num Byte must be between 1 and496";
  const std::string timer = "Error in row 1!! Send Timer must be between 1 and 65535 ms";
  struct Case {
    const char* name;
    TRows rows;
    int size;
    std::string box;  // empty: passes
  } cases[] = {
      {"a priority before an empty PGN ends the table", {{"3", "0", "", "x"}}, 496, ""},
      {"62 frames of 8 bytes fill the default image", TRows(62, frame), 496, ""},
      {"497 bytes in one frame", {with(frame, 5, "497")}, 496, numByte},
      {"no byte", {with(frame, 5, "0")}, 496, numByte},
      {"an empty priority", {with(frame, 1, "")}, 496, "Error in row 1!! Priority must be between 0 and 7"},
      {"an empty data page", {with(frame, 2, "")}, 496, "Error in row 1!! Data Page must be 0 or 1"},
      {"PGN 0x1FFFF", {with(frame, 3, "0x1FFFF")}, 496, ""},
      {"PGN 0x20000", {with(frame, 3, "0x20000")}, 496, "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
      {"source address 256", {with(frame, 4, "256")}, 496, "Error in row 1!! Source Address must be between 0 and 255"},
      {"the total over the image", {with(frame, 5, "400"), with(frame, 5, "97")}, 496,
       "Error!! Too many bytes of data, the max number is 496"},
      {"not on timer: the timer is not tested", {with(frame, 9, "")}, 496, ""},
      {"on timer without a timer", {with(frame, 8, "Y")}, 496, timer},
      {"on timer with 65536 ms", {with(with(frame, 8, "Y"), 9, "65536")}, 496, timer},
      {"on timer with 65535 ms", {with(with(frame, 8, "Y"), 9, "65535")}, 496, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::MemoryTable t(11, 63);
    for (std::size_t i = 0; i < c.rows.size(); ++i) t.SetRow(static_cast<int>(i) + 1, c.rows[i]);
    EXPECT_EQ(testkit::English_Check_Text(Check_Transmit_J1939(t, c.size), 1616), c.box);
  }
}

}  // namespace
}  // namespace hd
