#include "platform/qt/qt_bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/bitmap_resources.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/jpeg_codec.h"

namespace hd {
namespace {

QImage::Format QtFormat(TPixelFormat f) {
  return f == pf32bit ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBX8888;
}

// Same memory layout, other format tag; the top byte is forced opaque unless pf32bit.
QImage Retag(const QImage& src, TPixelFormat f) {
  QImage out(src.width(), src.height(), QtFormat(f));
  for (int y = 0; y < src.height(); ++y) {
    std::memcpy(out.scanLine(y), src.constScanLine(y), static_cast<size_t>(src.width()) * 4);
    if (f != pf32bit) {
      auto* line = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
      for (int x = 0; x < src.width(); ++x) line[x] |= 0xFF000000u;
    }
  }
  return out;
}

std::uint32_t Reduce(std::uint32_t p, TPixelFormat f) {
  int r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
  if (f == pf1bit) {
    int v = (r * 299 + g * 587 + b * 114) / 1000 >= 128 ? 255 : 0;
    r = g = b = v;
  } else if (f == pf8bit) {
    r = (r >> 5) * 255 / 7;
    g = (g >> 5) * 255 / 7;
    b = (b >> 6) * 255 / 3;
  }
  return 0xFF000000u | static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
         (static_cast<std::uint32_t>(b) << 16);
}

std::string LowerExtension(const std::string& path) {
  size_t dot = path.find_last_of('.');
  size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

}  // namespace

const QImage& BitmapImage(const TBitmap& bmp) { return bmp.impl().image; }
QImage& BitmapImage(TBitmap& bmp) { return bmp.impl().image; }

// The allocation limit stops formats whose header names no size.
QImage ReadPictureWithQt(const std::string& bytes, std::int64_t maxPixels) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (size.isValid() && static_cast<std::int64_t>(size.width()) * size.height() > maxPixels)
    throw EInvalidGraphic("Picture of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                          " pixels is too large");
  constexpr std::int64_t kMegabyte = 1024 * 1024;
  reader.setAllocationLimit(static_cast<int>(std::min<std::int64_t>((maxPixels * 4 + kMegabyte - 1) / kMegabyte, 1 << 20)));
  QImage img = reader.read();
  if (img.isNull()) throw EInvalidGraphic("Unknown picture format or damaged picture data");
  return img;
}

TBitmap BitmapFromImage(const QImage& image) {
  TBitmap bmp;
  if (image.isNull()) return bmp;
  bool alpha = image.hasAlphaChannel();
  bmp.impl().format = alpha ? pf32bit : pf24bit;
  bmp.impl().image = image.convertToFormat(QtFormat(bmp.impl().format));
  return bmp;
}

TBitmap::TBitmap() : impl_(std::make_unique<Impl>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() = default;

TBitmap::TBitmap(const TBitmap& other)
    : impl_(std::make_unique<Impl>()), transparent_(other.transparent_), transparent_color_(other.transparent_color_) {
  impl_->image = other.impl_->image;
  impl_->format = other.impl_->format;
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) return *this;
  impl_->image = other.impl_->image;
  impl_->format = other.impl_->format;
  transparent_ = other.transparent_;
  transparent_color_ = other.transparent_color_;
  return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept : TBitmap() { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this == &other) return *this;
  // The canvas stays with this object: it draws into whoever owns it.
  impl_->image = std::move(other.impl_->image);
  impl_->format = other.impl_->format;
  other.impl_->image = QImage();
  transparent_ = other.transparent_;
  transparent_color_ = other.transparent_color_;
  return *this;
}

int TBitmap::Width() const { return impl_->image.width(); }
int TBitmap::Height() const { return impl_->image.height(); }
bool TBitmap::Empty() const { return Width() <= 0 || Height() <= 0; }
TPixelFormat TBitmap::PixelFormat() const { return impl_->format; }

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  if (width <= 0 || height <= 0) {
    impl_->image = QImage();
    return;
  }
  QImage fresh(width, height, QtFormat(impl_->format));
  fresh.fill(0xFFFFFFFFu);
  const QImage& old = impl_->image;
  int w = std::min(width, old.width()), h = std::min(height, old.height());
  for (int y = 0; y < h; ++y) std::memcpy(fresh.scanLine(y), old.constScanLine(y), static_cast<size_t>(w) * 4);
  impl_->image = fresh;
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
  if (f == impl_->format) return;
  if (!impl_->image.isNull()) {
    QImage out = Retag(impl_->image, f);
    if (f == pf1bit || f == pf8bit) {
      for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) line[x] = Reduce(line[x], f);
      }
    }
    impl_->image = out;
  }
  impl_->format = f;
}

TCanvas& TBitmap::Canvas() {
  if (!impl_->canvas) impl_->canvas = std::make_unique<TRasterCanvas>(*this);
  return *impl_->canvas;
}

TColor TBitmap::TransparentColor() const {
  if (transparent_color_ != clDefault) return transparent_color_;
  if (Empty()) return clNone;
  return static_cast<TColor>(ScanLine(Height() - 1)[0] & 0xFFFFFFu);
}

std::uint32_t* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= Height()) throw EInvalidGraphic("Scan line index out of range");
  return reinterpret_cast<std::uint32_t*>(impl_->image.scanLine(row));
}

const std::uint32_t* TBitmap::ScanLine(int row) const {
  if (row < 0 || row >= Height()) throw EInvalidGraphic("Scan line index out of range");
  return reinterpret_cast<const std::uint32_t*>(impl_->image.constScanLine(row));
}

void TBitmap::LoadFromMemory(const std::string& bytes, std::int64_t maxPixels) {
  TBitmap loaded = jpeg::IsJpeg(bytes) ? jpeg::Decode(bytes, maxPixels) : BitmapFromImage(ReadPictureWithQt(bytes, maxPixels));
  impl_->image = loaded.impl_->image;
  impl_->format = loaded.impl_->format;
}

void TBitmap::LoadFromFile(const std::string& path, std::int64_t maxPixels) {
  std::string bytes = ReadFileBytes(path, kMaxPictureFileSize);
  try {
    LoadFromMemory(bytes, maxPixels);
  } catch (const EInvalidGraphic& e) {
    throw EInvalidGraphic(e.Message() + ": " + path);
  }
}

std::string TBitmap::SaveToMemory(const std::string& format) const {
  std::string f = LowerExtension("x." + format);
  if (f == "jpg" || f == "jpeg") return jpeg::Encode(*this);
  if (Empty()) throw EInvalidGraphic("Cannot write an empty picture");
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  const char* qtFormat = f == "png" ? "PNG" : "BMP";
  QImage out = impl_->format == pf32bit && f == "png" ? impl_->image.convertToFormat(QImage::Format_ARGB32)
                                                      : impl_->image.convertToFormat(QImage::Format_RGB32);
  if (!out.save(&buffer, qtFormat)) throw EInvalidGraphic("Cannot write the picture as " + f);
  return std::string(data.constData(), static_cast<size_t>(data.size()));
}

void TBitmap::SaveToFile(const std::string& path) const {
  std::string ext = LowerExtension(path);
  WriteFileAtomic(path, SaveToMemory(ext.empty() ? "bmp" : ext));
}

void TBitmap::LoadFromResourceName(const std::string& name) {
  TBitmap res = BitmapResource(name);
  impl_->image = res.impl_->image;
  impl_->format = res.impl_->format;
}

TBitmap TBitmap::CreateMask(TColor transparent) const {
  TBitmap mask(Width(), Height());
  mask.SetPixelFormat(pf1bit);
  std::uint32_t key = static_cast<std::uint32_t>(ColorToRGB(transparent));
  for (int y = 0; y < Height(); ++y) {
    const std::uint32_t* src = ScanLine(y);
    std::uint32_t* dst = mask.ScanLine(y);
    for (int x = 0; x < Width(); ++x) dst[x] = (src[x] & 0xFFFFFFu) == key ? 0xFFFFFFFFu : 0xFF000000u;
  }
  return mask;
}

}  // namespace hd
