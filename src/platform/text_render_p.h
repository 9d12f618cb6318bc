// The text engine behind the canvases: metrics and one-bit glyph masks of a run of text,
// from the shipped font family through Qt or from the built-in test font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hd::text_render {

// Pixels of an unrotated run: Height = ascent + descent, 1 where ink is.
struct Mask {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Bits;
  bool At(int x, int y) const { return Bits[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)] != 0; }
};

// pixelHeight follows the platform: negative for the character height, positive for the cell.
TTextMetric Metrics(const TFont& font, int pixelHeight);
int Advance(const TFont& font, int pixelHeight, const std::string& text);
Mask Render(const TFont& font, int pixelHeight, const std::string& text, bool rtl);

// The built-in font with fixed glyph boxes.
namespace test_font {
TTextMetric Metrics(int pixelHeight);
int Advance(int pixelHeight, const std::string& text);
Mask Render(const TFont& font, int pixelHeight, const std::string& text);
}  // namespace test_font

// Number of UTF-8 code points.
int CodePointCount(const std::string& text);

}  // namespace hd::text_render
