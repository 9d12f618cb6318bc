#include "grid/foundation/alpha_mask.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/exceptions.h"

namespace hd {
namespace {

constexpr int kMaxTaps = 10;
// Rows and columns further than this from both edges repeat row or column 15.
constexpr int kBand = 20;
constexpr int kCopiedLine = 15;

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// One line of pixels (a row, or a column gathered into a row) convolved with the kernel, the
// neighbours beyond either end taking the end pixel.
void BlurLine(std::vector<std::uint32_t>& line, const TBlurKernel& k) {
  const int n = static_cast<int>(line.size());
  std::vector<std::uint32_t> out(line.size());
  for (int j = 0; j < n; ++j) {
    float sums[3] = {0.0f, 0.0f, 0.0f};
    for (int t = -k.Size; t <= k.Size; ++t) {
      const float w = k.Weights[kMaxTaps + t];
      const std::uint32_t p = line[static_cast<size_t>(std::clamp(j - t, 0, n - 1))];
      for (int c = 0; c < 3; ++c) sums[c] += w * static_cast<float>(Channel(p, 8 * c));
    }
    std::uint32_t pixel = line[static_cast<size_t>(j)] & 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
      // Clamped, then the fraction dropped.
      const float v = std::clamp(sums[c], 0.0f, 255.0f);
      pixel |= static_cast<std::uint32_t>(v) << (8 * c);
    }
    out[static_cast<size_t>(j)] = pixel;
  }
  line.swap(out);
}

bool Interior(int index, int extent) { return index > kBand && index < extent - kBand; }

}  // namespace

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TGridAlphaMask& Source) {
  if (&Source == this) return;
  FOpacity = Source.FOpacity;
  SetPixelFormat(pf32bit);
  const int rows = std::min(Height(), Source.Height());
  const int cols = std::min(Width(), Source.Width());
  for (int y = 0; y < rows; ++y) std::copy_n(Source.ScanLine(y), cols, ScanLine(y));
}

void TGridAlphaMask::Assign(const TBitmap& Source) {
  if (&Source == this) return;
  TBitmap::operator=(Source);
  SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor /*Color*/) {
  if (Bitmap.PixelFormat() != pf24bit) return;
  SetPixelFormat(pf32bit);
  SetSize(Bitmap.Width(), Bitmap.Height());
  for (int y = 0; y < Bitmap.Height(); ++y) {
    const std::uint32_t* src = Bitmap.ScanLine(y);
    const std::uint32_t* mask = y < Mask.Height() ? Mask.ScanLine(y) : nullptr;
    std::uint32_t* dst = ScanLine(y);
    for (int x = 0; x < Bitmap.Width(); ++x) {
      const std::uint32_t a = mask && x < Mask.Width() ? Channel(mask[x], 0) : 0;
      std::uint32_t pixel = a << 24;
      // c * a / 255 never ends in a half, so rounding to nearest needs no tie rule.
      for (int c = 0; c < 3; ++c) pixel |= ((Channel(src[x], 8 * c) * a + 127) / 255) << (8 * c);
      dst[x] = pixel;
    }
  }
}

TBlurKernel MakeBlurKernel(int Radius) {
  TBlurKernel k;
  float sum = 0.0f;
  for (int t = -kMaxTaps; t <= kMaxTaps; ++t) {
    const float x = static_cast<float>(t) / static_cast<float>(Radius);
    k.Weights[kMaxTaps + t] = std::exp(-x * x / 2.0f);
    sum += k.Weights[kMaxTaps + t];
  }
  for (float& w : k.Weights) w /= sum;
  // Outer taps too light to change a byte go; the one whose weight reaches the limit too.
  const float limit = 1.0f / 510.0f;
  float dropped = 0.0f;
  k.Size = kMaxTaps;
  while (dropped < limit && k.Size > 1) {
    dropped += 2.0f * k.Weights[kMaxTaps + k.Size];
    --k.Size;
  }
  sum = 0.0f;
  for (int t = -k.Size; t <= k.Size; ++t) sum += k.Weights[kMaxTaps + t];
  for (int t = -kMaxTaps; t <= kMaxTaps; ++t)
    k.Weights[kMaxTaps + t] = std::abs(t) <= k.Size ? k.Weights[kMaxTaps + t] / sum : 0.0f;
  return k;
}

void BlurBitmap(TBitmap& Bitmap, int Radius) {
  if (Bitmap.PixelFormat() != pf24bit) throw Exception("Blur only works for 24-bit bitmaps");
  if (Radius < 1) return;
  const TBlurKernel k = MakeBlurKernel(Radius);
  const int w = Bitmap.Width(), h = Bitmap.Height();
  std::vector<std::uint32_t> line;
  // Index order matters: row 15 and column 15 are blurred before they are copied.
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = Bitmap.ScanLine(y);
    if (Interior(y, h)) {
      std::copy_n(Bitmap.ScanLine(kCopiedLine), w, row);
      continue;
    }
    line.assign(row, row + w);
    BlurLine(line, k);
    std::copy(line.begin(), line.end(), row);
  }
  for (int x = 0; x < w; ++x) {
    if (Interior(x, w)) {
      for (int y = 0; y < h; ++y) Bitmap.ScanLine(y)[x] = Bitmap.ScanLine(y)[kCopiedLine];
      continue;
    }
    line.resize(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) line[static_cast<size_t>(y)] = Bitmap.ScanLine(y)[x];
    BlurLine(line, k);
    for (int y = 0; y < h; ++y) Bitmap.ScanLine(y)[x] = line[static_cast<size_t>(y)];
  }
}

void MakeRoundRectMask(TBitmap& Bitmap, int W, int H, int PenWidth, int CornerSize, int Blur) {
  Bitmap.SetPixelFormat(pf24bit);
  Bitmap.SetSize(W, H);
  TCanvas& c = Bitmap.Canvas();
  c.Brush().Color = clBlack;
  c.Brush().Style = bsSolid;
  c.FillRect(Rect(0, 0, W, H));
  const int p = PenWidth / 2;
  c.Pen().Color = clWhite;
  c.Pen().Style = psSolid;
  if (PenWidth < 1) {
    c.Pen().Width = 1;
    c.Brush().Color = clWhite;
  } else {
    c.Pen().Width = PenWidth;
    c.Brush().Color = clBlack;
  }
  c.RoundRect(Rect(p + 2, p + 2, W - p - 2, H - p - 2), CornerSize, CornerSize);
  if (Blur > 0) BlurBitmap(Bitmap, Blur);
}

}  // namespace hd
