// The checks of the CAN frame tables on rows in memory: each test's bounds and text, the
// Cob-ID bound chosen by the frame format, and the walk down to the first empty Cob-ID.
#include "tables/can_frame_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/testkit/memory_table.h"

namespace hd {
namespace {

enum TTable { Receive, Send };

// A frame that passes, then one cell changed.
testkit::MemoryTable OneFrame(TTable table, int column, const std::string& value) {
  testkit::MemoryTable t(table == Receive ? 6 : 7, 501);
  if (table == Receive)
    t.SetRow(1, {"0x181", "2.0A (11 bits)", "8", "100", "speed"});
  else
    t.SetRow(1, {"0x201", "2.0A (11 bits)", "8", "On Timer", "100", "speed"});
  t.SetCells(column, 1, value);
  return t;
}

int FailedText(TTable table, testkit::MemoryTable& t) {
  const TTableCheck check = table == Receive ? Check_CAN_Receive_Frames(t) : Check_CAN_Send_Frames(t);
  return check.Passed() ? 0 : check.Failure.TextIndex;
}

TEST(CanFrameTables, EachTestHasItsBoundsAndItsText) {
  const std::string a11 = "2.0A (11 bits)", b29 = "2.0B (29 bits)";
  struct Case {
    const char* name;
    TTable table;
    std::string type;  // of the row
    int column;
    std::string value;
    int text;  // 0: passes
  } cases[] = {
      {"11-bit 0x7FF", Receive, a11, rfCob_Id, "0x7FF", 0},
      {"11-bit 2048", Receive, a11, rfCob_Id, "2048", 1914},
      {"11-bit type in other case with blanks", Receive, " 2.0a (11 BITS) ", rfCob_Id, "2048", 1914},
      {"29-bit 536870911", Receive, b29, rfCob_Id, "536870911", 0},
      {"29-bit 536870912", Receive, b29, rfCob_Id, "536870912", 1915},
      {"another type counts as 29-bit", Receive, "CAN FD", rfCob_Id, "$1FFFFFFF", 0},
      {"type of blanks", Receive, "   ", rfCob_Id, "1", 1913},
      {"Cob-ID -1, 11-bit", Receive, a11, rfCob_Id, "-1", 1914},
      {"Cob-ID -1, 29-bit", Receive, b29, rfCob_Id, "-1", 1915},
      {"Cob-ID no number", Receive, b29, rfCob_Id, "x181h", 1915},
      {"Cob-ID of blanks is a frame", Receive, b29, rfCob_Id, "  ", 1915},
      {"Dimension 1", Receive, a11, rfDimension, "1", 0},
      {"Dimension 0", Receive, a11, rfDimension, "0", 1916},
      {"Dimension 9", Receive, a11, rfDimension, "9", 1916},
      {"TimeOut 10000000", Receive, a11, rfTimeOut, "10000000", 0},
      {"TimeOut 10000001", Receive, a11, rfTimeOut, "10000001", 1917},
      {"TimeOut empty", Receive, a11, rfTimeOut, "", 1917},
      {"send 11-bit 2047", Send, a11, sfCob_Id, "2047", 0},
      {"send 11-bit 2048", Send, a11, sfCob_Id, "2048", 2115},
      {"send 29-bit 536870912", Send, b29, sfCob_Id, "536870912", 2116},
      {"send type empty", Send, "", sfCob_Id, "1", 2114},
      {"send Dimension 0", Send, a11, sfDimension, "0", 0},
      {"send Dimension 9", Send, a11, sfDimension, "9", 2117},
      {"send Dimension -1", Send, a11, sfDimension, "-1", 2117},
      {"send Timer Send empty", Send, a11, sfTimer_Send, "", 2118},
      {"send Timer Send 0", Send, a11, sfTimer_Send, "0", 0},
      {"send Timer Send 10000001", Send, a11, sfTimer_Send, "10000001", 2118},
      {"send Send Frame Type empty", Send, a11, sfSend_Type, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::MemoryTable t = OneFrame(c.table, c.column, c.value);
    t.SetCells(rfType, 1, c.type);
    EXPECT_EQ(FailedText(c.table, t), c.text);
  }
}

TEST(CanFrameTables, TheCheckStopsAtTheFirstEmptyCobIdOrGoesDownToRow500) {
  testkit::MemoryTable t(6, 501);
  for (int r = 1; r <= 500; ++r) t.SetRow(r, {std::to_string(r), "2.0B (29 bits)", "8", "0", ""});
  t.SetCells(rfDimension, 500, "9");
  TTableCheck check = Check_CAN_Receive_Frames(t);
  EXPECT_EQ(check.Row, 500);
  EXPECT_EQ(check.Message(CAN_Receive_Prefix_Text,
                          [](int i) { return i == 1912 ? std::string("Error row ") : std::string("!! dim"); }),
            "Error row 500!! dim");
  t.SetCells(rfCob_Id, 300, "");
  EXPECT_TRUE(Check_CAN_Receive_Frames(t).Passed()) << "an empty Cob-ID ends the table";
}

}  // namespace
}  // namespace hd
