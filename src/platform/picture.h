// Pictures loaded from files and memory: BMP, PNG, GIF and ICO through Qt, JPEG through
// libjpeg. The encoded bytes are kept, so saving writes back what was loaded.
#pragma once

#include <string>

#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace hd {

class TPicture {
 public:
  bool Empty() const { return bitmap_.Empty(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // "bmp", "png", "jpeg", "gif", "ico", or "" for an assigned bitmap.
  const std::string& Format() const { return format_; }
  // EInvalidGraphic for data that is no picture or has more than maxPixels pixels (the
  // picture is then empty), EFOpenError for a file that cannot be read.
  void LoadFromFile(const std::string& path, std::int64_t maxPixels = kMaxPicturePixels);
  void LoadFromMemory(const std::string& bytes, std::int64_t maxPixels = kMaxPicturePixels);
  // The loaded bytes unchanged, or the pixels in the format of the file's extension;
  // written through the atomic replace.
  void SaveToFile(const std::string& path) const;
  void Assign(const TBitmap& bmp);
  void Clear();
  // Decoded pixels; pf32bit when the picture has an alpha channel.
  const TBitmap& Bitmap() const { return bitmap_; }

  // At its own size at r's top-left, or stretched into r (nearest neighbour); pictures
  // with alpha are blended.
  void Draw(TCanvas& canvas, const TRect& r, bool stretch) const;

 private:
  TBitmap bitmap_;
  std::string bytes_;
  std::string format_;
};

}  // namespace hd
