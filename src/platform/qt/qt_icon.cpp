#include <QImage>

#include "platform/exceptions.h"
#include "platform/icon.h"
#include "platform/qt/qt_bitmap.h"

namespace hd {

TIcon::TIcon() { image_.SetPixelFormat(pf32bit); }

void TIcon::LoadFromMemory(const std::string& bytes) {
  // Icons are small pictures: a header asking for more is refused before it is decoded.
  QImage img = ReadPictureWithQt(bytes, kSmallPicturePixels);
  TBitmap loaded = BitmapFromImage(img.convertToFormat(QImage::Format_RGBA8888_Premultiplied));
  loaded.SetPixelFormat(pf32bit);
  image_ = loaded;
}

void TIcon::LoadFromFile(const std::string& path) {
  TBitmap probe;
  probe.LoadFromFile(path, kSmallPicturePixels);  // reads the file and reports a missing one
  if (probe.PixelFormat() != pf32bit) {
    AssignBitmap(probe, clNone);
    return;
  }
  image_ = probe;
}

void TIcon::AssignAlphaImage(const TBitmap& image) {
  image_ = image;
  image_.SetPixelFormat(pf32bit);
}

void TIcon::AssignBitmap(const TBitmap& bmp, TColor transparent) {
  TColor key = transparent == clDefault ? bmp.TransparentColor() : transparent;
  std::uint32_t k = key == clNone ? 0xFFFFFFFFu : static_cast<std::uint32_t>(ColorToRGB(key));
  TBitmap out(bmp.Width(), bmp.Height());
  out.SetPixelFormat(pf32bit);
  for (int y = 0; y < bmp.Height(); ++y) {
    const std::uint32_t* src = bmp.ScanLine(y);
    std::uint32_t* dst = out.ScanLine(y);
    for (int x = 0; x < bmp.Width(); ++x) {
      std::uint32_t p = src[x] & 0xFFFFFFu;
      dst[x] = p == k ? 0u : (p | 0xFF000000u);
    }
  }
  image_ = out;
}

}  // namespace hd
