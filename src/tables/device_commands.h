// The device command protocol: one UDP datagram per command, its first byte the command code
// 0xB0 to 0xB6, and the replies to the read commands, which start with the same code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hd {

// The converter's polls, one row each in the device command page's grids.
constexpr int Device_Poll_Count = 1024;
// Mask bytes after the command byte of a poll-status write (one more than the polls need).
constexpr int Device_Mask_Bytes = 129;
constexpr int Device_Command_Port = 10000;

// Which reply the page awaits (Last_CMD); the other values are set by commands that get none.
enum TAwaitedReply : int {
  arNone = -1, arPollStatus = 0, arErrorCounters = 2, arTransparentMode = 4, arSlavePolls = 5, arSinglePoll = 6
};

// One datagram and what the page then awaits; no Last_CMD leaves it as it was.
struct TDeviceCommand {
  std::string Bytes;
  std::optional<int> Last_CMD;
};

TDeviceCommand Read_Status_Command();
// disabled[r-1] is poll r's state: a set bit means disabled; polls past the mask are ignored.
TDeviceCommand Write_Status_Command(const std::vector<bool>& disabled);
TDeviceCommand Read_Errors_Command();
TDeviceCommand Write_Transparent_Command(bool enable);
TDeviceCommand Read_Transparent_Command();
// The polls of one slave, or one poll, enabled (choice 0) or disabled (1). Nothing when the
// number's text is not a number in range: slaves 1 to 247, polls 0 to 255.
std::optional<TDeviceCommand> Slave_Polls_Command(const std::string& slave, int choice);
std::optional<TDeviceCommand> Single_Poll_Command(const std::string& poll, int choice);

// What a datagram tells the page, given the reply it awaits.
struct TDeviceReply {
  enum TKind { Ignored, PollStatus, ErrorCounters, TransparentMode } Kind = Ignored;
  // PollStatus: the state of polls 1, 2, ... as far as the reply's mask bytes reach.
  std::vector<bool> Disabled;
  // ErrorCounters: the counters of polls 1, 2, ... (32 bits, least significant byte first).
  std::vector<std::uint32_t> Counters;
  // TransparentMode: on or off.
  bool Transparent = false;
};

// Data past the page's 1024 polls has no row and is left out.
TDeviceReply Decode_Reply(int lastCmd, const std::string& bytes);

}  // namespace hd
