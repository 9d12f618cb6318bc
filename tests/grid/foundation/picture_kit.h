// Small pictures written by the tests themselves: an animated GIF of frames at offsets, and a
// one-colour BMP.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace hd {

struct TGifFrameSpec {
  int left, top, width, height;
  int colorIndex;  // 0 black, 1 red, 2 green, 3 blue
  int delay;       // hundredths of a second
  int flags = 0;   // graphic control flags: bit 0 transparent, bits 2-4 disposal
};

// Pixels coded with a clear code before every pair, so no code needs more than 3 bits.
inline std::string GifPixels(int count, int index) {
  std::string out;
  std::uint32_t acc = 0;
  int bits = 0;
  auto put = [&](int code) {
    acc |= static_cast<std::uint32_t>(code) << bits;
    bits += 3;
    while (bits >= 8) {
      out += static_cast<char>(acc & 0xFF);
      acc >>= 8;
      bits -= 8;
    }
  };
  for (int i = 0; i < count; ++i) {
    if (i % 2 == 0) put(4);
    put(index);
  }
  put(5);
  if (bits > 0) out += static_cast<char>(acc & 0xFF);
  return out;
}

inline std::string AnimatedGif(int width, int height, const std::vector<TGifFrameSpec>& frames) {
  auto le16 = [](int v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; };
  std::string gif = "GIF89a" + le16(width) + le16(height);
  gif += {static_cast<char>(0xF1), 0, 0};
  gif += std::string("\x00\x00\x00\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 12);
  for (const TGifFrameSpec& f : frames) {
    gif += {0x21, static_cast<char>(0xF9), 0x04, static_cast<char>(f.flags)};
    gif += le16(f.delay);
    gif += {0, 0};
    gif += std::string(1, 0x2C) + le16(f.left) + le16(f.top) + le16(f.width) + le16(f.height);
    gif += '\0';
    gif += '\2';
    std::string data = GifPixels(f.width * f.height, f.colorIndex);
    for (size_t at = 0; at < data.size(); at += 255) {
      std::string block = data.substr(at, 255);
      gif += static_cast<char>(block.size());
      gif += block;
    }
    gif += '\0';
  }
  gif += ';';
  return gif;
}

inline std::string SolidBmp(int width, int height, TColor color) {
  TBitmap bmp(width, height);
  bmp.Canvas().Brush().Color = color;
  bmp.Canvas().FillRect({0, 0, width, height});
  return bmp.SaveToMemory("bmp");
}

}  // namespace hd
