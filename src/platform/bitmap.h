// Off-screen bitmaps with a canvas of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "platform/region.h"
#include "platform/types.h"

namespace hd {

// Every format keeps 32-bit pixels; pf1bit holds only black and white, pf8bit the 256
// colours of 3-3-2 bits, and pf32bit keeps the top byte as alpha (premultiplied).
enum TPixelFormat { pf1bit, pf8bit, pf24bit, pf32bit };

// Pixels a picture from outside may have: the bound Qt's readers keep (128 MB of 32-bit pixels).
constexpr std::int64_t kMaxPicturePixels = 32 * 1024 * 1024;
// Small pictures (flags, glyphs) read from the program's folders: anything larger is refused
// on its header, before a few bytes can ask for hundreds of megabytes.
constexpr std::int64_t kSmallPicturePixels = 512 * 512;
// The largest picture file read.
constexpr std::uint64_t kMaxPictureFileSize = 64 * 1024 * 1024;

class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap();
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;

  int Width() const;
  int Height() const;
  // New pixels are white; the ones inside both sizes stay.
  void SetSize(int width, int height);
  void SetWidth(int w) { SetSize(w, Height()); }
  void SetHeight(int h) { SetSize(Width(), h); }
  bool Empty() const;
  TPixelFormat PixelFormat() const;
  // Converts the pixels to what the format can hold.
  void SetPixelFormat(TPixelFormat f);
  // The canvas drawing into this bitmap (a raster canvas with the platform's pixel rules).
  TCanvas& Canvas();

  // Transparent drawing keys on TransparentColor: clDefault picks the bottom-left pixel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c) { transparent_color_ = c; }

  // Rows of 32-bit pixels 0xAABBGGRR: the low three bytes are the TColor; the top byte is
  // the alpha of a pf32bit bitmap and 0xFF in the other formats.
  std::uint32_t* ScanLine(int row);
  const std::uint32_t* ScanLine(int row) const;

  // BMP, PNG, GIF and ICO through Qt, JPEG through libjpeg; EInvalidGraphic for data that is
  // no picture or has more than maxPixels pixels, EFOpenError / EFCreateError for files that
  // cannot be read (or are over kMaxPictureFileSize) or written.
  void LoadFromFile(const std::string& path, std::int64_t maxPixels = kMaxPicturePixels);
  void LoadFromMemory(const std::string& bytes, std::int64_t maxPixels = kMaxPicturePixels);
  // The format follows the file's extension: .bmp (also the default), .png, .jpg/.jpeg;
  // written through the atomic replace.
  void SaveToFile(const std::string& path) const;
  std::string SaveToMemory(const std::string& format = "bmp") const;
  // A named bitmap resource (see bitmap_resources.h); EResNotFound when there is none.
  void LoadFromResourceName(const std::string& name);

  // A pf1bit mask: white where the pixel has colour `transparent`, black elsewhere.
  TBitmap CreateMask(TColor transparent) const;
  // The pixels that differ from the transparent colour, as a window region.
  TRegion CreateRegion() const { return TRegion::FromBitmap(*this, TransparentColor()); }

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
  bool transparent_ = false;
  TColor transparent_color_ = clDefault;
};

}  // namespace hd
