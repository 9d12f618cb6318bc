// The Qt side of TBitmap: its pixels are a QImage, which the windows layer shows.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/raster_canvas.h"

namespace hd {

struct TBitmap::Impl {
  QImage image;  // Format_RGBX8888, or Format_RGBA8888_Premultiplied for pf32bit
  TPixelFormat format = pf24bit;
  std::unique_ptr<TRasterCanvas> canvas;
};

const QImage& BitmapImage(const TBitmap& bmp);
QImage& BitmapImage(TBitmap& bmp);
// A bitmap holding a copy of the image, converted to 32-bit pixels (pf32bit when the image
// has an alpha channel, else pf24bit).
TBitmap BitmapFromImage(const QImage& image);
// A picture decoded by Qt's readers, refused (EInvalidGraphic) over maxPixels before its
// pixels are decoded.
QImage ReadPictureWithQt(const std::string& bytes, std::int64_t maxPixels);

}  // namespace hd
