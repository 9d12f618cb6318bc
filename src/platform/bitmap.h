// Off-screen bitmaps with a canvas of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "platform/types.h"

namespace hd {

enum TPixelFormat { pf1bit, pf8bit, pf24bit, pf32bit };

class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap();
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);

  int Width() const;
  int Height() const;
  void SetSize(int width, int height);
  bool Empty() const;
  TPixelFormat PixelFormat() const;
  void SetPixelFormat(TPixelFormat f);
  // The canvas drawing into this bitmap (a raster canvas with the platform's pixel rules).
  TCanvas& Canvas();

  // Transparent drawing keys on TransparentColor, by default the bottom-left pixel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c) { transparent_color_ = c; }

  // Rows of 32-bit pixels 0x00BBGGRR.
  std::uint32_t* ScanLine(int row);
  const std::uint32_t* ScanLine(int row) const;

  // BMP and PNG, and JPEG through libjpeg; EInOutError / EInvalidGraphic on failure.
  void LoadFromFile(const std::string& path);
  void LoadFromMemory(const std::string& bytes);
  void SaveToFile(const std::string& path) const;

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
  bool transparent_ = false;
  TColor transparent_color_ = clDefault;
};

}  // namespace hd
