#include "app/modbus_request.h"

#include <algorithm>

#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr std::int64_t kMaxRecordField = 65535;  // Position and Bit are 16 bits in the record

// The function code of a type, 0 when the table has no such type. Writes of one point use the
// single codes.
std::uint8_t FunctionOf(TRequestTable table, const std::string& type, std::int64_t points) {
  const std::string t = UpperCase(Trim(type));
  if (table == TRequestTable::rtRead) {
    if (t == "COIL STATUS") return 1;
    if (t == "INPUT STATUS") return 2;
    if (t == "HOLDING REGISTER") return 3;
    if (t == "INPUT REGISTER") return 4;
    return 0;
  }
  if (t == "COIL STATUS") return points == 1 ? 5 : 15;
  if (t == "HOLDING REGISTER") return points == 1 ? 6 : 16;
  return 0;
}

}  // namespace

int RequestNumber(const std::string& text) { return StrToIntDef(text, -1); }

std::optional<std::uint32_t> RequestIPAddress(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::uint32_t ip = 0;
  std::string rest = text;
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = rest.find('.');
    // A part without its dot is empty, which is no number.
    const std::string part = i == 3 ? rest : dot == std::string::npos ? std::string() : rest.substr(0, dot);
    const int v = RequestNumber(part);
    if (v < 0 || v > 255) return std::nullopt;
    ip = (ip << 8) | static_cast<std::uint32_t>(v);
    if (dot != std::string::npos) rest.erase(0, dot + 1);
  }
  return ip;
}

std::optional<TRequestFailure> ReadModbusRequest(TRequestTable table,
                                                 const std::array<std::string, Request_Field_Count>& fields,
                                                 std::optional<std::int64_t> imageSize, TModbusRequest& request) {
  const bool read = table == TRequestTable::rtRead;
  auto fail = [](TRequestStep step, std::optional<std::int64_t> bound = std::nullopt) {
    return std::optional<TRequestFailure>(TRequestFailure{step, bound});
  };
  auto number = [&](TRequestStep step) { return static_cast<std::int64_t>(RequestNumber(fields[step])); };
  auto outside = [&](TRequestStep step, std::int64_t lo, std::int64_t hi) {
    const std::int64_t v = number(step);
    return v < lo || v > hi;
  };

  const std::optional<std::uint32_t> ip = RequestIPAddress(fields[stIP_Address]);
  if (!ip) return fail(stIP_Address);
  if (outside(stPort, 0, 65535)) return fail(stPort);
  if (outside(stSlave_ID, 0, 255)) return fail(stSlave_ID);
  // A type the device has no function for could not be written, blanks included.
  if (FunctionOf(table, fields[stType], 1) == 0) return fail(stType);
  if (outside(stAddress, 0, 65535)) return fail(stAddress);
  const std::uint8_t anyFunction = FunctionOf(table, fields[stType], 1);
  const bool bits = anyFunction == 1 || anyFunction == 2 || anyFunction == 5;
  const std::int64_t maxPoints = bits ? (read ? 2000 : 1968) : (read ? 125 : 123);
  if (outside(stNPoint, 1, maxPoints)) return fail(stNPoint, maxPoints);
  if (outside(stPollTime, read ? 1 : 0, 100000000)) return fail(stPollTime);
  if (outside(stMaxError, 0, 100000000)) return fail(stMaxError);
  const std::int64_t lastPosition = std::min(imageSize.value_or(kMaxRecordField + 1) - 1, kMaxRecordField);
  if (outside(stPosition, 0, lastPosition)) return fail(stPosition, lastPosition);
  // A bit request needs its start bit; a register request may leave it empty, which is 0.
  const bool emptyBit = Trim(fields[stBit]).empty();
  if (bits ? outside(stBit, 0, 7) : !emptyBit && outside(stBit, 0, kMaxRecordField)) return fail(stBit);
  const std::int64_t bit = emptyBit ? 0 : number(stBit);
  const std::int64_t position = number(stPosition);
  const std::int64_t points = number(stNPoint);
  if (imageSize) {
    const std::int64_t last = bits ? position + (points + bit - 1) / 8 : position + 2 * points - 1;
    if (last >= *imageSize) return fail(stLastByte);
  }

  request.IP_Address = *ip;
  request.Port = static_cast<std::uint16_t>(number(stPort));
  request.Slave_ID = static_cast<std::uint8_t>(number(stSlave_ID));
  request.Function = FunctionOf(table, fields[stType], points);
  request.Bits = bits;
  request.Address = static_cast<std::uint16_t>(number(stAddress));
  request.NPoint = static_cast<std::uint16_t>(points);
  request.PollTime = static_cast<std::uint32_t>(number(stPollTime));
  request.MaxError = static_cast<std::uint32_t>(number(stMaxError));
  request.Position = static_cast<std::uint16_t>(position);
  request.Bit = static_cast<std::uint16_t>(bit);
  return std::nullopt;
}

}  // namespace hd
