// The parameter blocks of the device's two processors, filled from ParGen.xml and written as
// bank1.bin and bank_K64_1.bin.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/byte_block.h"

namespace hd {

constexpr int Bank1_Size = 2048;
constexpr int K64_Block_Size = 2048;
// Both blocks end in the 32-bit byte sum of everything before it.
constexpr int Block_Sum_Offset = 2044;

// The main processor's block. Offsets below 588 are the offsets of bank1.bin; the last 132
// bytes go to bank1.bin offset 1912, after a stretch of zeros the block does not hold.
class TMain_Params : public TByteBlock<720> {
 public:
  static constexpr int Head_Size = 588;
  static constexpr int Tail_Bank1_Offset = 1912;
};
static_assert(TMain_Params::Tail_Bank1_Offset + TMain_Params::Size - TMain_Params::Head_Size == Block_Sum_Offset);

// The second processor's block, written byte for byte as bank_K64_1.bin.
class TK64_Block : public TByteBlock<K64_Block_Size> {};

void Reset_Main_Params(TMain_Params& m);
void Reset_K64_Block(TK64_Block& k);
// Fills both blocks from the file; a missing file leaves the reset values, a missing element
// or a text that is not a number gives that value's default. EXmlError when the file exists
// but cannot be parsed.
void Read_ParGen_File(const std::string& path, TMain_Params& m, TK64_Block& k);
// The number of Modbus requests in bank2.bin, at offset 72 of both blocks.
void Set_Request_Count(TMain_Params& m, TK64_Block& k, std::uint32_t count);

// Writes bank1.bin's 2048 bytes with their byte sum at the start of the buffer; returns 2048.
int Put_Main_Params(const TMain_Params& m, std::span<std::uint8_t> buffer);
// Stores the byte sum into the block's last four bytes and copies the block to the destination
// at the position; returns the position after it.
int Put_K64_Block(TK64_Block& k, int position, std::span<std::uint8_t> destination);

}  // namespace hd
