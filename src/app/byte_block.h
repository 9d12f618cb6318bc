// Little-endian fields in the byte images the device loads.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace hd {

inline void PutLE16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void PutLE32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::uint16_t GetLE16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t GetLE32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

// The device checks its parameter blocks with a plain 32-bit sum of unsigned bytes.
inline std::uint32_t ByteSum(std::span<const std::uint8_t> bytes) {
  std::uint32_t sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  return sum;
}

// A writer is handed its destination whole; an image never goes past its end.
inline void CheckImageFits(int position, int count, std::span<const std::uint8_t> destination) {
  if (position < 0 || static_cast<std::size_t>(position) + count > destination.size())
    throw std::out_of_range("bank image does not fit its buffer");
}

// A fixed-size block of bytes addressed by offset; words are little-endian.
template <std::size_t N>
class TByteBlock {
 public:
  static constexpr int Size = static_cast<int>(N);

  void Clear() { bytes_.fill(0); }
  std::uint8_t Byte(int offset) const { return bytes_.at(offset); }
  void SetByte(int offset, std::uint8_t v) { bytes_.at(offset) = v; }
  std::uint16_t Word(int offset) const { return GetLE16(At(offset, 2)); }
  void SetWord(int offset, std::uint16_t v) { PutLE16(At(offset, 2), v); }
  std::uint32_t DWord(int offset) const { return GetLE32(At(offset, 4)); }
  void SetDWord(int offset, std::uint32_t v) { PutLE32(At(offset, 4), v); }
  // Four address bytes, first number of the dotted form first.
  void SetAddress(int offset, std::array<std::uint8_t, 4> a) {
    for (int i = 0; i < 4; ++i) SetByte(offset + i, a[i]);
  }
  void CopyFrom(const std::uint8_t* src, int offset, int count) {
    for (int i = 0; i < count; ++i) SetByte(offset + i, src[i]);
  }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }
  std::span<std::uint8_t> Bytes() { return bytes_; }

 private:
  static void CheckRange(int offset, int width) {
    if (offset < 0 || offset + width > Size) throw std::out_of_range("byte block offset");
  }
  std::uint8_t* At(int offset, int width) { CheckRange(offset, width); return bytes_.data() + offset; }
  const std::uint8_t* At(int offset, int width) const { CheckRange(offset, width); return bytes_.data() + offset; }

  std::array<std::uint8_t, N> bytes_{};
};

}  // namespace hd
