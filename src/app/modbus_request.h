// One reading of a Modbus TCP request row, shared by the request window's check and the
// compile: the same trimming, the same number rule and the same bounds, so every row the check
// passes compiles into exactly the numbers the check read.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace hd {

// The tests of a request row in their order; the window's texts for them are consecutive.
enum TRequestStep {
  stIP_Address, stPort, stSlave_ID, stType, stAddress, stNPoint, stPollTime, stMaxError, stPosition, stBit,
  stLastByte
};
constexpr int Request_Field_Count = stLastByte;  // the fields tested, IP address to start bit

enum class TRequestTable { rtRead, rtWrite };

// The numbers of one request as the device's record holds them.
struct TModbusRequest {
  std::uint32_t IP_Address = 0;
  std::uint16_t Port = 0;
  std::uint8_t Slave_ID = 0;
  std::uint8_t Function = 0;  // by the type alone: 1 to 4 for reads, 5, 6, 15 or 16 for writes
  bool Bits = false;          // coil or input status: the data are bits
  std::uint16_t Address = 0;
  std::uint16_t NPoint = 0;
  std::uint32_t PollTime = 0;
  std::uint32_t MaxError = 0;
  std::uint16_t Position = 0;
  std::uint16_t Bit = 0;
};

// The first failed test; Bound is the open bound a message ends in, where the test has one.
struct TRequestFailure {
  TRequestStep Step;
  std::optional<std::int64_t> Bound;
};

// A field's number: leading blanks, a sign, decimal digits or hexadecimal ones after "$", "x",
// "X", "0x" or "0X"; -1 for any other text.
int RequestNumber(const std::string& text);

// Four numbers 0 to 255 joined by three "."; none for any other text.
std::optional<std::uint32_t> RequestIPAddress(const std::string& text);

// Reads a row whose field texts stand in step order (IP address to start bit). With an image
// size the request must fit in the image; without one (the compile, which knows no image) only
// what the record can hold is required.
std::optional<TRequestFailure> ReadModbusRequest(TRequestTable table,
                                                 const std::array<std::string, Request_Field_Count>& fields,
                                                 std::optional<std::int64_t> imageSize, TModbusRequest& request);

}  // namespace hd
