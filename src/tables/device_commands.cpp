#include "tables/device_commands.h"

#include <algorithm>

#include "platform/sysutils.h"

namespace hd {

namespace {

enum : unsigned char {
  cmdReadStatus = 0xB0, cmdWriteStatus = 0xB1, cmdReadErrors = 0xB2, cmdWriteTransparent = 0xB3,
  cmdReadTransparent = 0xB4, cmdSlavePolls = 0xB5, cmdSinglePoll = 0xB6
};

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

unsigned char Byte(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

std::optional<TDeviceCommand> Numbered_Command(unsigned char code, const std::string& text, int lo, int hi,
                                               int choice, int awaited) {
  const int number = StrToIntDef(text, -1);
  if (number < lo || number > hi) return std::nullopt;
  return TDeviceCommand{Bytes({code, static_cast<unsigned char>(number), static_cast<unsigned char>(choice)}),
                        awaited};
}

}  // namespace

TDeviceCommand Read_Status_Command() { return {Bytes({cmdReadStatus}), arPollStatus}; }

TDeviceCommand Write_Status_Command(const std::vector<bool>& disabled) {
  std::string bytes(1 + Device_Mask_Bytes, '\0');
  bytes[0] = static_cast<char>(cmdWriteStatus);
  const std::size_t polls = std::min<std::size_t>(disabled.size(), Device_Poll_Count);
  for (std::size_t i = 0; i < polls; ++i)
    if (disabled[i]) bytes[1 + i / 8] = static_cast<char>(Byte(bytes, 1 + i / 8) | (1u << (i % 8)));
  return {bytes, std::nullopt};
}

TDeviceCommand Read_Errors_Command() { return {Bytes({cmdReadErrors}), arErrorCounters}; }

TDeviceCommand Write_Transparent_Command(bool enable) {
  return {Bytes({cmdWriteTransparent, static_cast<unsigned char>(enable ? 1 : 0)}), std::nullopt};
}

TDeviceCommand Read_Transparent_Command() { return {Bytes({cmdReadTransparent}), arTransparentMode}; }

std::optional<TDeviceCommand> Slave_Polls_Command(const std::string& slave, int choice) {
  return Numbered_Command(cmdSlavePolls, slave, 1, 247, choice, arSlavePolls);
}

std::optional<TDeviceCommand> Single_Poll_Command(const std::string& poll, int choice) {
  return Numbered_Command(cmdSinglePoll, poll, 0, 255, choice, arSinglePoll);
}

TDeviceReply Decode_Reply(int lastCmd, const std::string& bytes) {
  TDeviceReply reply;
  if (bytes.empty()) return reply;
  const unsigned char code = Byte(bytes, 0);
  if (lastCmd == arPollStatus && code == cmdReadStatus) {
    reply.Kind = TDeviceReply::PollStatus;
    const std::size_t masks = std::min<std::size_t>(bytes.size() - 1, Device_Poll_Count / 8);
    for (std::size_t k = 0; k < masks; ++k)
      for (int j = 0; j < 8; ++j) reply.Disabled.push_back((Byte(bytes, 1 + k) >> j) & 1u);
  } else if (lastCmd == arErrorCounters && code == cmdReadErrors) {
    reply.Kind = TDeviceReply::ErrorCounters;
    const std::size_t counters = std::min<std::size_t>((bytes.size() - 1) / 4, Device_Poll_Count);
    for (std::size_t i = 0; i < counters; ++i) {
      const std::size_t at = 1 + 4 * i;
      reply.Counters.push_back(std::uint32_t{Byte(bytes, at)} | std::uint32_t{Byte(bytes, at + 1)} << 8 |
                               std::uint32_t{Byte(bytes, at + 2)} << 16 | std::uint32_t{Byte(bytes, at + 3)} << 24);
    }
  } else if (lastCmd == arTransparentMode && code == cmdReadTransparent && bytes.size() >= 2) {
    reply.Kind = TDeviceReply::TransparentMode;
    reply.Transparent = Byte(bytes, 1) == 1;
  }
  return reply;
}

}  // namespace hd
