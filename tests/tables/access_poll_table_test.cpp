// The access polls' check on tables in memory: each test in its order, with the read polls
// bounded by an input image of 10 bytes and the write polls by an output image of 20.
#include "tables/access_poll_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tables/testkit/memory_table.h"

namespace hd {
namespace {

using testkit::MemoryTable;

// Slave_ID, Type, Address, NPoint, PollTime, MaxError, Position, Bit, Swap, Mnemonic
const std::vector<std::string> kRead = {"1", "Holding Register", "0", "1", "100", "0", "0", "", "N", "m"};
// Slave_ID, Type, Address, NPoint, PollTime, OnChange, MaxError, Position, Bit, Swap, Force_F16, Mnemonic
const std::vector<std::string> kWrite = {"247", "Coil Status", "65535", "1", "0", "Y", "0", "0", "0", "N", "N", "w"};

TEST(AccessPollCheck, FirstFailedTestOfEachPoll) {
  using Cells = std::vector<std::pair<int, std::string>>;
  struct Case {
    const char* name;
    Cells read, write;  // changes to row 1 of each grid
    std::optional<TTableCheck> failure;  // none: passes
  };
  auto read = [](int text, std::optional<std::int64_t> bound = std::nullopt) {
    return TTableCheck{0, 1, {text, bound}};
  };
  auto write = [](int text, std::optional<std::int64_t> bound = std::nullopt) {
    return TTableCheck{1, 1, {text, bound}};
  };
  const Case cases[] = {
      {"valid polls", {}, {}, std::nullopt},
      {"a blank Slave ID ends the read polls", {{1, "  "}, {4, "0"}}, {}, std::nullopt},
      {"Slave ID 0", {{1, "0"}}, {}, read(632)},
      {"Slave ID 248", {{1, "248"}}, {}, read(632)},
      {"Slave ID of a word", {{1, "one"}}, {}, read(632)},
      {"no Type", {{2, ""}}, {}, read(633)},
      {"a Type of blanks is a register poll", {{2, "  "}, {4, "126"}}, {}, read(635, 125)},
      {"Address 65536", {{3, "65536"}}, {}, read(634)},
      {"2001 input bits", {{2, "input status"}, {4, "2001"}}, {}, read(635, 2000)},
      {"Poll Time 0 on a read", {{5, "0"}}, {}, read(636)},
      {"Max Error of a word", {{6, "x"}}, {}, read(637)},
      {"Position 10 of 10 bytes", {{7, "10"}}, {}, read(638, 9)},
      {"a coil at Position 9", {{2, "Coil Status"}, {7, "9"}, {8, "0"}}, {}, std::nullopt},
      {"a register at Position 9 ends past the image", {{7, "9"}}, {}, read(640)},
      {"Start Bit 8 of a coil", {{2, "Coil Status"}, {8, "8"}}, {}, read(639)},
      {"no Start Bit of a coil", {{2, "Coil Status"}, {8, ""}}, {}, read(639)},
      {"Start Bit of a register is not tested", {{8, "x"}}, {}, std::nullopt},
      {"coil bits 7 and 8 of Position 9", {{2, "Coil Status"}, {7, "9"}, {8, "7"}, {4, "2"}}, {}, read(640)},
      {"a bad write waits for the reads", {{1, "0"}}, {{1, "0"}}, read(632)},
      {"write Slave ID 248", {}, {{1, "248"}}, write(641)},
      {"no write Type", {}, {{2, ""}}, write(642)},
      {"write Address -1", {}, {{3, "-1"}}, write(643)},
      {"1969 coils", {}, {{4, "1969"}}, write(644, 1968)},
      {"124 registers", {}, {{2, "Holding Register"}, {4, "124"}}, write(644, 123)},
      {"write Poll Time -1", {}, {{5, "-1"}}, write(645)},
      {"write Max Error in column 7", {}, {{7, "x"}}, write(646)},
      {"Position 20 of 20 bytes", {}, {{8, "20"}}, write(647, 19)},
      {"Start Bit 8 of a write coil", {}, {{9, "8"}}, write(648)},
      {"coils at Position 18 from bit 7", {}, {{8, "18"}, {9, "7"}, {4, "2"}}, std::nullopt},
      {"coils at Position 19 from bit 7", {}, {{8, "19"}, {9, "7"}, {4, "2"}}, write(649)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTable r(11), w(13);
    r.SetRow(1, kRead);
    w.SetRow(1, kWrite);
    for (const auto& [col, text] : c.read) r.SetCells(col, 1, text);
    for (const auto& [col, text] : c.write) w.SetCells(col, 1, text);
    const TTableCheck check = Check_Access_Polls(r, w, 10, 20);
    EXPECT_EQ(check, c.failure.value_or(TTableCheck{}));
  }
}

}  // namespace
}  // namespace hd
