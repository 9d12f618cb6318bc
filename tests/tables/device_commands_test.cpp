// The device command protocol without a network: the datagrams each command sends, and what
// the page takes from a reply given the reply it awaits.
#include "tables/device_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hd {
namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}

TEST(DeviceCommands, DatagramsAndTheReplyTheyAwait) {
  struct Case {
    const char* name;
    std::optional<TDeviceCommand> command;
    std::optional<TDeviceCommand> expected;  // none: refused, nothing to send
  };
  std::vector<bool> disabled(1024, false);
  disabled[0] = disabled[8] = disabled[1023] = true;
  std::string mask(130, '\0');
  mask[0] = static_cast<char>(0xB1);
  mask[1] = 0x01;
  mask[2] = 0x01;
  mask[128] = static_cast<char>(0x80);
  std::vector<bool> surplus(2000, true);  // rows past the polls have no bit
  std::string full(130, static_cast<char>(0xFF));
  full[0] = static_cast<char>(0xB1);
  full[129] = 0;
  const Case cases[] = {
      {"Read Status", Read_Status_Command(), TDeviceCommand{Bytes({0xB0}), 0}},
      {"Write Status of rows 1, 9 and 1024", Write_Status_Command(disabled), TDeviceCommand{mask, std::nullopt}},
      {"Write Status never sets the last mask byte", Write_Status_Command(surplus), TDeviceCommand{full, std::nullopt}},
      {"Read Errors", Read_Errors_Command(), TDeviceCommand{Bytes({0xB2}), 2}},
      {"transparent mode on", Write_Transparent_Command(true), TDeviceCommand{Bytes({0xB3, 1}), std::nullopt}},
      {"transparent mode off", Write_Transparent_Command(false), TDeviceCommand{Bytes({0xB3, 0}), std::nullopt}},
      {"read the transparent mode", Read_Transparent_Command(), TDeviceCommand{Bytes({0xB4}), 4}},
      {"slave 1 enabled", Slave_Polls_Command("1", 0), TDeviceCommand{Bytes({0xB5, 1, 0}), 5}},
      {"slave 247 disabled", Slave_Polls_Command("247", 1), TDeviceCommand{Bytes({0xB5, 247, 1}), 5}},
      {"slave 0", Slave_Polls_Command("0", 0), std::nullopt},
      {"slave 248", Slave_Polls_Command("248", 0), std::nullopt},
      {"slave of no number", Slave_Polls_Command("1 ", 0), std::nullopt},
      {"poll 0", Single_Poll_Command("0", 1), TDeviceCommand{Bytes({0xB6, 0, 1}), 6}},
      {"poll $FF", Single_Poll_Command("$FF", 0), TDeviceCommand{Bytes({0xB6, 255, 0}), 6}},
      {"poll 256", Single_Poll_Command("256", 0), std::nullopt},
      {"poll -1", Single_Poll_Command("-1", 0), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.command.has_value(), c.expected.has_value());
    if (!c.command) continue;
    EXPECT_EQ(c.command->Bytes, c.expected->Bytes);
    EXPECT_EQ(c.command->Last_CMD, c.expected->Last_CMD);
  }
}

TEST(DeviceCommands, RepliesAreTakenOnlyForTheReadCommandLastSent) {
  struct Case {
    const char* name;
    int lastCmd;
    std::string reply;
    TDeviceReply::TKind kind;
    std::vector<bool> disabled;
    std::vector<std::uint32_t> counters;
    bool transparent;
  };
  std::string manyMasks(1 + 200, '\0');
  manyMasks[0] = static_cast<char>(0xB0);
  manyMasks[128] = static_cast<char>(0x80);
  manyMasks[129] = static_cast<char>(0xFF);
  std::vector<bool> lastPoll(1024, false);
  lastPoll[1023] = true;
  std::string manyCounters(1 + 4 * 1030, '\x01');
  manyCounters[0] = static_cast<char>(0xB2);
  const std::vector<std::uint32_t> ones(1024, 0x01010101);
  const Case cases[] = {
      {"status 0x05", arPollStatus, Bytes({0xB0, 0x05}), TDeviceReply::PollStatus,
       {true, false, true, false, false, false, false, false}, {}, false},
      {"status with no mask", arPollStatus, Bytes({0xB0}), TDeviceReply::PollStatus, {}, {}, false},
      {"status past 128 mask bytes", arPollStatus, manyMasks, TDeviceReply::PollStatus, lastPoll, {}, false},
      {"status after Read Errors", arErrorCounters, Bytes({0xB0, 0x05}), TDeviceReply::Ignored, {}, {}, false},
      {"counters with 2 surplus bytes", arErrorCounters, Bytes({0xB2, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 9}),
       TDeviceReply::ErrorCounters, {}, {1, 4294967295u}, false},
      {"counters past 1024", arErrorCounters, manyCounters, TDeviceReply::ErrorCounters, {}, ones, false},
      {"transparent mode on", arTransparentMode, Bytes({0xB4, 1}), TDeviceReply::TransparentMode, {}, {}, true},
      {"transparent mode 2 is off", arTransparentMode, Bytes({0xB4, 2}), TDeviceReply::TransparentMode, {}, {}, false},
      {"transparent mode without its byte", arTransparentMode, Bytes({0xB4}), TDeviceReply::Ignored, {}, {}, false},
      {"nothing awaited", arNone, Bytes({0xB0, 0xFF}), TDeviceReply::Ignored, {}, {}, false},
      {"reply to a write", arSlavePolls, Bytes({0xB5}), TDeviceReply::Ignored, {}, {}, false},
      {"empty datagram", arPollStatus, "", TDeviceReply::Ignored, {}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TDeviceReply reply = Decode_Reply(c.lastCmd, c.reply);
    EXPECT_EQ(reply.Kind, c.kind);
    EXPECT_EQ(reply.Disabled, c.disabled);
    EXPECT_EQ(reply.Counters, c.counters);
    EXPECT_EQ(reply.Transparent, c.transparent);
  }
}

}  // namespace
}  // namespace hd
