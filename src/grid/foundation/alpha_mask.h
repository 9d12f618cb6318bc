// Soft-edged translucent pictures for the grid's own top-level windows: a premultiplied 32-bit
// bitmap with an opacity, the rounded-rectangle mask it is cut from and the blur that softens
// that mask's edge.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"

namespace hd {

class TGridAlphaMask : public TBitmap {
 public:
  TGridAlphaMask();

  // The constant alpha the picture is shown with, on top of its per-pixel alpha.
  std::uint8_t Opacity() const { return FOpacity; }
  void SetOpacity(std::uint8_t Value) { FOpacity = Value; }

  // From another mask: its opacity, then each of this mask's rows from the same row of the
  // source, as wide as this mask; this mask keeps its size, so both are given the same size
  // first (rows or pixels the source lacks stay as they were). From another bitmap: a copy.
  // The result is 32-bit in both cases.
  void Assign(const TGridAlphaMask& Source);
  void Assign(const TBitmap& Source);

  // Takes Bitmap's size and pixels, each premultiplied by the alpha read from the red byte of
  // the Mask pixel at the same place (a pixel outside Mask is clear). Only a 24-bit Bitmap is
  // taken; any other leaves the mask as it was. Color takes no part.
  void MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor Color);

 private:
  std::uint8_t FOpacity = 255;
};

// A black W x H 24-bit bitmap with a white rounded rectangle inset by PenWidth div 2 + 2:
// filled when PenWidth < 1, else outlined with a pen of PenWidth; blurred when Blur > 0.
void MakeRoundRectMask(TBitmap& Bitmap, int W, int H, int PenWidth, int CornerSize, int Blur);

// A Gaussian blur of a 24-bit bitmap; only a band of 20 pixels along each edge is worked out,
// the interior rows and columns repeating row and column 15. Any other bitmap raises
// Exception "Blur only works for 24-bit bitmaps". A radius below 1 leaves the pixels as
// they are (the kernel would divide by zero).
void BlurBitmap(TBitmap& Bitmap, int Radius);

// The kernel BlurBitmap uses: Size taps on each side of the centre (1..10), their weights at
// Weights[10 + k] for k = -Size..Size, summing to 1.
struct TBlurKernel {
  int Size = 10;
  float Weights[21] = {};
};
TBlurKernel MakeBlurKernel(int Radius);

}  // namespace hd
