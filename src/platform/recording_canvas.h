// A canvas that logs every drawing call with its resolved arguments, for tests of order and
// geometry. It draws too (into a bitmap of its own), so measuring and reading pixels work.
#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/raster_canvas.h"

namespace hd {

// One logged call. Colours are resolved RGB values, clNone where the call does not use
// them or where that line or fill is skipped.
struct TCanvasCall {
  std::string Op;
  TRect Rect;                  // the rectangle argument; a point is (x, y, x, y)
  std::vector<TPoint> Points;  // polygon and polyline points, the line's end for LineTo
  std::string Text;
  unsigned Flags = 0;          // DrawText flags, ExtTextOut options, edge, frame-control state
  TColor Pen = clNone;
  TColor Brush = clNone;
  TColor FontColor = clNone;
  std::string ToString() const;
};

namespace detail {
struct RecordingSurface {
  explicit RecordingSurface(int w, int h) : surface(w, h) {}
  TBitmap surface;
};
}  // namespace detail

class TRecordingCanvas : private detail::RecordingSurface, public TRasterCanvas {
 public:
  TRecordingCanvas(int width, int height);

  const std::vector<TCanvasCall>& Calls() const { return calls_; }
  // The calls' Op names in order, or those of one kind.
  std::vector<std::string> Ops() const;
  std::vector<TCanvasCall> CallsOf(const std::string& op) const;
  std::string Dump() const;
  void ClearCalls() { calls_.clear(); }
  const TBitmap& Surface() const { return surface; }

  void SetClipRect(const TRect& r) override;
  void IntersectClipRect(const TRect& r) override;
  void SetClipRegion(const TRegion& region) override;
  void ExcludeClipRect(const TRect& r) override;
  void ClearClip() override;
  void SaveState() override;
  void RestoreState() override;

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
  void SetPixel(int x, int y, TColor c) override;
  void FloodFill(int x, int y, TColor color, TFillStyle style) override;
  void TextOut(int x, int y, const std::string& text) override;
  void TextRect(const TRect& r, int x, int y, const std::string& text) override;
  void ExtTextOut(int x, int y, unsigned options, const TRect* r, const std::string& text) override;
  int DrawText(const std::string& text, TRect& r, unsigned flags) override;
  void Draw(int x, int y, const TBitmap& bmp) override;
  void StretchDraw(const TRect& r, const TBitmap& bmp) override;
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) override;
  void BrushCopy(const TRect& dest, const TBitmap& bmp, const TRect& src, TColor color) override;
  void DrawIcon(int x, int y, const TIcon& icon) override;
  void DrawFocusRect(const TRect& r) override;
  void DrawInvertedDottedLine(int x1, int y1, int x2, int y2) override;
  void InvertRect(const TRect& r) override;
  bool DrawEdge(TRect& r, unsigned edge, unsigned flags) override;
  bool DrawFrameControl(TRect& r, unsigned kind, unsigned state) override;
  void DrawThemedPart(TThemedElement element, int state, const TRect& r) override;

 private:
  class Scope;
  TColor PenColor() const;
  TColor BrushColor() const;
  TColor FontInk() const;
  // Logs the call unless it is made by another logged call.
  void Log(Scope& scope, TCanvasCall call);

  std::vector<TCanvasCall> calls_;
  int depth_ = 0;
};

}  // namespace hd
