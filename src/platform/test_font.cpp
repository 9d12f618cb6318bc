#include <algorithm>
#include <cstdlib>

#include "platform/text_render_p.h"

namespace hd::text_render {

int CodePointCount(const std::string& text) {
  int n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

namespace test_font {
namespace {

int CellHeight(int pixelHeight) { return std::max(2, std::abs(pixelHeight == 0 ? 11 : pixelHeight)); }

}  // namespace

// Fixed boxes: ascent four fifths of the cell, every character as wide as half the cell.
TTextMetric Metrics(int pixelHeight) {
  int h = CellHeight(pixelHeight);
  TTextMetric m;
  m.Height = h;
  m.Ascent = h - h / 5;
  m.Descent = h - m.Ascent;
  m.InternalLeading = 0;
  m.ExternalLeading = std::max(1, h / 10);
  m.AveCharWidth = std::max(1, (h + 1) / 2);
  m.MaxCharWidth = m.AveCharWidth;
  return m;
}

int Advance(int pixelHeight, const std::string& text) {
  return CodePointCount(text) * Metrics(pixelHeight).AveCharWidth;
}

Mask Render(const TFont& font, int pixelHeight, const std::string& text) {
  TTextMetric m = Metrics(pixelHeight);
  Mask mask;
  mask.Width = Advance(pixelHeight, text);
  mask.Height = m.Height;
  mask.Bits.assign(static_cast<size_t>(mask.Width) * static_cast<size_t>(mask.Height), 0);
  auto set = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < mask.Width && y < mask.Height)
      mask.Bits[static_cast<size_t>(y) * mask.Width + x] = 1;
  };
  int w = m.AveCharWidth;
  int cap = m.Ascent - m.Ascent / 4;
  int inset = w > 2 ? 1 : 0;
  bool bold = font.Style.Contains(fsBold);
  int index = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;
    bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (!blank) {
      int x0 = index * w + inset, x1 = index * w + w - inset + (bold ? 1 : 0);
      for (int y = m.Ascent - cap; y < m.Ascent; ++y)
        for (int x = x0; x < std::min(x1, index * w + w); ++x) set(x, y);
    }
    ++index;
  }
  if (font.Style.Contains(fsUnderline)) {
    int y = m.Ascent + 1 < m.Height ? m.Ascent + 1 : m.Height - 1;
    for (int x = 0; x < mask.Width; ++x) set(x, y);
  }
  if (font.Style.Contains(fsStrikeOut)) {
    int y = m.Ascent - cap / 2;
    for (int x = 0; x < mask.Width; ++x) set(x, y);
  }
  return mask;
}

}  // namespace test_font
}  // namespace hd::text_render
