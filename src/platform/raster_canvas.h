// The canvas that draws into a bitmap's pixels with the platform's rules and no
// antialiasing; own-drawn controls paint into it and then show the bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace hd {

class TRasterCanvas : public TCanvas {
 public:
  explicit TRasterCanvas(TBitmap& target);
  TRasterCanvas(const TRasterCanvas&) = delete;
  TRasterCanvas& operator=(const TRasterCanvas&) = delete;

  TBitmap& Target() const { return *target_; }
  int PixelsPerInch() const override { return ppi_; }
  // Another resolution (a printer's) scales font heights given in points.
  void SetPixelsPerInch(int ppi) { ppi_ = ppi; }
  TRect Bounds() const override;

  using TCanvas::Rectangle;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(const TRect& r) override;
  void FillRect(const TRect& r) override;
  void FrameRect(const TRect& r) override;
  void Polygon(const std::vector<TPoint>& pts) override;
  void Polyline(const std::vector<TPoint>& pts) override;
  void Ellipse(const TRect& r) override;
  void RoundRect(const TRect& r, int cornerW, int cornerH) override;
  TColor Pixel(int x, int y) const override;
  void SetPixel(int x, int y, TColor c) override;
  void FloodFill(int x, int y, TColor color, TFillStyle style) override;

  void ExtTextOut(int x, int y, unsigned options, const TRect* r, const std::string& text) override;
  TSize TextExtent(const std::string& text) override;
  TTextMetric TextMetrics() override;

  void Draw(int x, int y, const TBitmap& bmp) override;
  void StretchDraw(const TRect& r, const TBitmap& bmp) override;
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) override;
  void BrushCopy(const TRect& dest, const TBitmap& bmp, const TRect& src, TColor color) override;
  void DrawIcon(int x, int y, const TIcon& icon) override;

 private:
  // Of a run longer than kLongRun bytes, the part that can show in the drawable area; x moves
  // to where that part starts. A megabyte of text then costs what a screenful does.
  static constexpr size_t kLongRun = 1024;
  std::string VisiblePart(const std::string& text, int& x);
  // Calls fn(y, x0, x1) for the drawable runs of row y within [x0, x1).
  void ForEachDrawable(int y, int x0, int x1, const std::function<void(int, int, int)>& fn) const;
  bool IsDrawable(int x, int y) const;
  std::uint32_t* Row(int y) const;
  void PutSpan(int y, int x0, int x1, TColor rgb, TPenMode mode);
  void PutPixel(int x, int y, TColor rgb, TPenMode mode);
  void BrushSpan(int y, int x0, int x1);
  void FillRegionWithBrush(const TRegion& rgn);
  void PutRegion(const TRegion& rgn, TColor rgb, TPenMode mode);
  void StyledLine(TPoint a, TPoint b, TColor rgb);
  void WideLine(TPoint a, TPoint b);
  void DrawShape(const TRect& box, const std::function<TRegion(const TRect&)>& shape);
  void OutlinePath(const std::vector<TPoint>& closed);
  void BlitRows(int dx, int dy, int w, int h, const std::function<void(int sx, int sy, std::uint32_t& dst)>& put);
  int FontPixelHeight() const;

  TBitmap* target_;
  int ppi_ = 96;
  int pattern_pos_ = 0;  // a styled pen's pattern runs on across joined lines
};

}  // namespace hd
