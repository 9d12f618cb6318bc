// The access polls' check on tables in memory: each test in its order, with the read polls
// bounded by an input image of 10 bytes and the write polls by an output image of 20.
#include "tables/access_poll_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tables/testkit/memory_table.h"
#include "tables/testkit/two_table_cases.h"

namespace hd {
namespace {

using testkit::FirstTable;
using testkit::MemoryTable;
using testkit::SecondTable;

// Slave_ID, Type, Address, NPoint, PollTime, MaxError, Position, Bit, Swap, Mnemonic
const std::vector<std::string> kRead = {"1", "Holding Register", "0", "1", "100", "0", "0", "", "N", "m"};
// Slave_ID, Type, Address, NPoint, PollTime, OnChange, MaxError, Position, Bit, Swap, Force_F16, Mnemonic
const std::vector<std::string> kWrite = {"247", "Coil Status", "65535", "1", "0", "Y", "0", "0", "0", "N", "N", "w"};

TEST(AccessPollCheck, FirstFailedTestOfEachPoll) {
  const std::vector<testkit::TTwoTableCase> cases = {
      {"valid polls", {}, {}, std::nullopt},
      {"a blank Slave ID ends the read polls", {{1, "  "}, {4, "0"}}, {}, std::nullopt},
      {"Slave ID 0", {{1, "0"}}, {}, FirstTable(632)},
      {"Slave ID 248", {{1, "248"}}, {}, FirstTable(632)},
      {"Slave ID of a word", {{1, "one"}}, {}, FirstTable(632)},
      {"no Type", {{2, ""}}, {}, FirstTable(633)},
      {"a Type of blanks is a register poll", {{2, "  "}, {4, "126"}}, {}, FirstTable(635, 125)},
      {"Address 65536", {{3, "65536"}}, {}, FirstTable(634)},
      {"2001 input bits", {{2, "input status"}, {4, "2001"}}, {}, FirstTable(635, 2000)},
      {"Poll Time 0 on a read", {{5, "0"}}, {}, FirstTable(636)},
      {"Max Error of a word", {{6, "x"}}, {}, FirstTable(637)},
      {"Position 10 of 10 bytes", {{7, "10"}}, {}, FirstTable(638, 9)},
      {"a coil at Position 9", {{2, "Coil Status"}, {7, "9"}, {8, "0"}}, {}, std::nullopt},
      {"a register at Position 9 ends past the image", {{7, "9"}}, {}, FirstTable(640)},
      {"Start Bit 8 of a coil", {{2, "Coil Status"}, {8, "8"}}, {}, FirstTable(639)},
      {"no Start Bit of a coil", {{2, "Coil Status"}, {8, ""}}, {}, FirstTable(639)},
      {"Start Bit of a register is not tested", {{8, "x"}}, {}, std::nullopt},
      {"coil bits 7 and 8 of Position 9", {{2, "Coil Status"}, {7, "9"}, {8, "7"}, {4, "2"}}, {}, FirstTable(640)},
      {"a bad write waits for the reads", {{1, "0"}}, {{1, "0"}}, FirstTable(632)},
      {"write Slave ID 248", {}, {{1, "248"}}, SecondTable(641)},
      {"no write Type", {}, {{2, ""}}, SecondTable(642)},
      {"write Address -1", {}, {{3, "-1"}}, SecondTable(643)},
      {"1969 coils", {}, {{4, "1969"}}, SecondTable(644, 1968)},
      {"124 registers", {}, {{2, "Holding Register"}, {4, "124"}}, SecondTable(644, 123)},
      {"write Poll Time -1", {}, {{5, "-1"}}, SecondTable(645)},
      {"write Max Error in column 7", {}, {{7, "x"}}, SecondTable(646)},
      {"Position 20 of 20 bytes", {}, {{8, "20"}}, SecondTable(647, 19)},
      {"Start Bit 8 of a write coil", {}, {{9, "8"}}, SecondTable(648)},
      {"coils at Position 18 from bit 7", {}, {{8, "18"}, {9, "7"}, {4, "2"}}, std::nullopt},
      {"coils at Position 19 from bit 7", {}, {{8, "19"}, {9, "7"}, {4, "2"}}, SecondTable(649)},
  };
  testkit::ExpectTwoTableCases(cases, testkit::TableWithRow(11, 513, kRead), testkit::TableWithRow(13, 513, kWrite),
                               [](MemoryTable& a, MemoryTable& b) { return Check_Access_Polls(a, b, 10, 20); });
}

}  // namespace
}  // namespace hd
