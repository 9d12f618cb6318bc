// The compile of a configuration into the three bank files the device loads: bin/bank1.bin
// (main parameter block), bin/bank2.bin (the Modbus TCP request table) and bin/bank_K64_1.bin
// (the second processor's parameter block).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/param_blocks.h"
#include "platform/exceptions.h"

namespace hd {

// One Modbus TCP request as the device runs it; 32 bytes in bank2.bin.
struct Modbus_Rule {
  std::uint16_t Position = 0;  // first byte of the request's data in the EtherNet/IP image
  std::uint16_t Bit = 0;
  std::uint32_t PollTime = 0;
  std::uint8_t Slave_ID = 0;
  std::uint8_t Function = 0;  // Modbus function code; 0 for an unknown type
  std::uint16_t Address = 0;
  std::uint16_t NPoint = 0;
  std::uint16_t Port = 0;
  std::uint32_t IP_Address = 0;  // a.b.c.d as a·2^24 + b·2^16 + c·2^8 + d
  std::uint32_t MaxError = 0;
  std::uint8_t NByte = 0;  // data bytes the request moves
  std::uint8_t Flags = 0;

  friend bool operator==(const Modbus_Rule&, const Modbus_Rule&) = default;
};

constexpr std::uint8_t mrOnChange = 1;
constexpr std::uint8_t mrSwap = 4;
constexpr std::uint8_t mrSwapWord = 8;

constexpr int Modbus_Rule_Size = 32;
constexpr int Modbus_Rules_Count = 1024;
constexpr int Bank2_Size = Modbus_Rule_Size * Modbus_Rules_Count;
constexpr std::uint16_t Modbus_Default_Port = 502;

// Writes the record's 32 bytes, little-endian, at dest.
void Put_Modbus_Rule(const Modbus_Rule& rule, std::uint8_t* dest);

// The request file holds more rows than the device's table.
class ETooManyRequests : public Exception {
 public:
  explicit ETooManyRequests(int count);
  int Count() const { return count_; }

 private:
  int count_;
};

// The compile unit: its request table, the two parameter blocks and the three bank images.
// Every compile rebuilds all of them.
class TBankCompile {
 public:
  TBankCompile();

  // Builds the three images from the two files of a configuration; a missing file gives the
  // defaults. A value that is not a number raises EConvertError and a request file of more
  // than 1024 rows ETooManyRequests; the images are then left unbuilt, so nothing can be saved.
  void Build_Bin_Banks(const std::string& pathParGen, const std::string& pathModbusTCPM_SetAccess);
  // Writes bin/bank1.bin, bin/bank2.bin and bin/bank_K64_1.bin into the configuration folder,
  // creating bin when missing. The bin folder is replaced as one unit, so even a crash leaves
  // the three files of one compile; on failure EFCreateError names the file and the reason.
  void Save_Bin_Banks(const std::string& projectFolder) const;

  void Clear_Modbus_Rules();
  // Fills the request table from the file, read rows first, and stores the request count into
  // both parameter blocks.
  void Read_Modbus_Rules_File(const std::string& path);
  // Writes the 1024 records at the position; returns the position after them.
  int Put_Modbus_Rules(int position, std::span<std::uint8_t> destination) const;

  const std::array<Modbus_Rule, Modbus_Rules_Count>& Modbus_Rules() const { return modbusRules_; }
  int Request_Count() const { return requestCount_; }
  const TMain_Params& Main_Params() const { return mainParams_; }
  const TK64_Block& K64_Block() const { return k64Block_; }
  // The used bytes of each image.
  std::span<const std::uint8_t> Bank1() const { return std::span(bank1Buffer_).first(bank1Len_); }
  std::span<const std::uint8_t> Bank2() const { return std::span(bank2Buffer_).first(bank2Len_); }
  std::span<const std::uint8_t> Bank_K64() const { return std::span(bankK64Buffer_).first(bankK64Len_); }

 private:
  std::array<Modbus_Rule, Modbus_Rules_Count> modbusRules_{};
  int requestCount_ = 0;
  TMain_Params mainParams_;
  TK64_Block k64Block_;
  std::vector<std::uint8_t> bank1Buffer_;
  std::vector<std::uint8_t> bank2Buffer_;
  std::vector<std::uint8_t> bankK64Buffer_;
  int bank1Len_ = 0;
  int bank2Len_ = 0;
  int bankK64Len_ = 0;
};

}  // namespace hd
