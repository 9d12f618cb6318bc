// The bank images as the device expects them, built field by field from the published layouts
// and independent of the compile's own code, so the tests can compare whole files.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hd::testkit {

using Bytes = std::vector<std::uint8_t>;
using Address = std::array<std::uint8_t, 4>;

// The values ParGen.xml gives the blocks (gateways already 255.255.255.255 when unticked).
struct ParGenValues {
  Address IP{192, 168, 0, 5};
  Address SM{255, 255, 255, 0};
  Address GAT{255, 255, 255, 255};
  std::uint32_t NB_Input = 496;
  std::uint32_t NB_Output = 496;
  std::uint32_t Diagnostic = 0;
  std::uint32_t TimeOut = 1000;
  std::uint32_t Cyclic = 100;
  Address MasterIP{192, 168, 0, 10};
  Address MasterSM{255, 255, 255, 0};
  Address MasterGAT{255, 255, 255, 255};
};

struct ExpectedRule {
  std::uint16_t Position = 0;
  std::uint16_t Bit = 0;
  std::uint32_t PollTime = 0;
  std::uint8_t Slave_ID = 0;
  std::uint8_t Function = 0;
  std::uint16_t Address = 0;
  std::uint16_t NPoint = 0;
  std::uint16_t Port = 0;
  hd::testkit::Address IP{};
  std::uint32_t MaxError = 0;
  std::uint8_t NByte = 0;
  std::uint8_t Flags = 0;
};

// Without values: the image of a configuration that has no ParGen.xml.
Bytes ExpectedBank1(const std::optional<ParGenValues>& p, std::uint32_t requests);
Bytes ExpectedBankK64(const std::optional<ParGenValues>& p, std::uint32_t requests);
Bytes ExpectedBank2(const std::vector<ExpectedRule>& rules);

enum class TBankFile { Bank1, Bank2, BankK64 };

// The field a byte of the bank belongs to, for failure messages ("record 3, function code").
std::string BankFieldAt(TBankFile bank, int offset);
// Whole-image comparison that names, on a difference, the first differing offset, its field
// and both values.
::testing::AssertionResult SameBank(TBankFile bank, const Bytes& actual, const Bytes& expected);

std::uint32_t StoredSum(const Bytes& image);  // the 32-bit word at offset 2044
Bytes ReadFile(const std::string& path);

}  // namespace hd::testkit
