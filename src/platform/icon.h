// Icons: pictures with an alpha channel, drawn blended over the canvas.
#pragma once

#include <string>

#include "platform/bitmap.h"

namespace hd {

class TIcon {
 public:
  TIcon();
  int Width() const { return image_.Width(); }
  int Height() const { return image_.Height(); }
  bool Empty() const { return image_.Empty(); }
  // ICO or PNG (any picture format serves); EInvalidGraphic / EFOpenError on failure.
  void LoadFromFile(const std::string& path);
  void LoadFromMemory(const std::string& bytes);
  // The bitmap's pixels, those of colour transparent (clDefault: its transparent colour)
  // left out.
  void AssignBitmap(const TBitmap& bmp, TColor transparent = clDefault);
  // A pf32bit image with premultiplied alpha, taken as it is.
  void AssignAlphaImage(const TBitmap& image);
  // pf32bit, premultiplied alpha in the top byte.
  const TBitmap& Image() const { return image_; }

 private:
  TBitmap image_;
};

}  // namespace hd
