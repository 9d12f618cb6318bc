#include "platform/recording_canvas.h"

#include <cstdio>

#include "platform/themes.h"

// Calls are logged with designated initializers; GCC 12 warns for every member left to its
// default initializer, which is the point of them here.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace hd {

class TRecordingCanvas::Scope {
 public:
  explicit Scope(TRecordingCanvas& c) : canvas_(c), outer_(c.depth_++ == 0) {}
  ~Scope() { --canvas_.depth_; }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
  bool Outer() const { return outer_; }

 private:
  TRecordingCanvas& canvas_;
  bool outer_;
};

namespace {

std::string Hex(TColor c) {
  if (c == clNone) return "none";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c) & 0xFFFFFFu);
  return buf;
}

}  // namespace

std::string TCanvasCall::ToString() const {
  // Appended piece by piece: GCC 12 warns falsely on literal + string temporaries.
  std::string s = Op;
  s += '(';
  for (int v : {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom}) {
    if (s.back() != '(') s += ',';
    s += std::to_string(v);
  }
  s += ')';
  for (TPoint p : Points) {
    s += ' ';
    s += std::to_string(p.X);
    s += ':';
    s += std::to_string(p.Y);
  }
  if (!Text.empty()) {
    s += " \"";
    s += Text;
    s += '"';
  }
  if (Flags) {
    s += " flags=";
    s += std::to_string(Flags);
  }
  const std::pair<const char*, TColor> colors[] = {{" pen=", Pen}, {" brush=", Brush}, {" font=", FontColor}};
  for (const auto& [label, color] : colors) {
    if (color == clNone) continue;
    s += label;
    s += Hex(color);
  }
  return s;
}

TRecordingCanvas::TRecordingCanvas(int width, int height)
    : detail::RecordingSurface(width, height), TRasterCanvas(surface) {}

std::vector<std::string> TRecordingCanvas::Ops() const {
  std::vector<std::string> ops;
  for (const TCanvasCall& c : calls_) ops.push_back(c.Op);
  return ops;
}

std::vector<TCanvasCall> TRecordingCanvas::CallsOf(const std::string& op) const {
  std::vector<TCanvasCall> out;
  for (const TCanvasCall& c : calls_)
    if (c.Op == op) out.push_back(c);
  return out;
}

std::string TRecordingCanvas::Dump() const {
  std::string s;
  for (const TCanvasCall& c : calls_) s += c.ToString() + "\n";
  return s;
}

TColor TRecordingCanvas::PenColor() const {
  return pen_.Style == psClear || pen_.Color == clNone ? clNone : ColorToRGB(pen_.Color);
}
TColor TRecordingCanvas::BrushColor() const {
  return brush_.Style == bsClear || brush_.Color == clNone ? clNone : ColorToRGB(brush_.Color);
}
TColor TRecordingCanvas::FontInk() const { return font_.Color == clNone ? clNone : ColorToRGB(font_.Color); }

void TRecordingCanvas::Log(Scope& scope, TCanvasCall call) {
  if (scope.Outer()) calls_.push_back(std::move(call));
}

void TRecordingCanvas::SetClipRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "SetClipRect", .Rect = r});
  TRasterCanvas::SetClipRect(r);
}

void TRecordingCanvas::IntersectClipRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "IntersectClipRect", .Rect = r});
  TRasterCanvas::IntersectClipRect(r);
}

void TRecordingCanvas::SetClipRegion(const TRegion& region) {
  Scope s(*this);
  Log(s, {.Op = "SetClipRegion", .Rect = region.Bounds()});
  TRasterCanvas::SetClipRegion(region);
}

void TRecordingCanvas::ExcludeClipRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "ExcludeClipRect", .Rect = r});
  TRasterCanvas::ExcludeClipRect(r);
}

void TRecordingCanvas::ClearClip() {
  Scope s(*this);
  Log(s, {.Op = "ClearClip"});
  TRasterCanvas::ClearClip();
}

void TRecordingCanvas::SaveState() {
  Scope s(*this);
  Log(s, {.Op = "SaveState"});
  TRasterCanvas::SaveState();
}

void TRecordingCanvas::RestoreState() {
  Scope s(*this);
  Log(s, {.Op = "RestoreState"});
  TRasterCanvas::RestoreState();
}

void TRecordingCanvas::MoveTo(int x, int y) {
  Scope s(*this);
  Log(s, {.Op = "MoveTo", .Rect = {x, y, x, y}});
  TRasterCanvas::MoveTo(x, y);
}

void TRecordingCanvas::LineTo(int x, int y) {
  Scope s(*this);
  TPoint from = PenPos();
  Log(s, {.Op = "LineTo", .Rect = {from.X, from.Y, x, y}, .Points = {{x, y}}, .Pen = PenColor()});
  TRasterCanvas::LineTo(x, y);
}

void TRecordingCanvas::Rectangle(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "Rectangle", .Rect = r, .Pen = PenColor(), .Brush = BrushColor()});
  TRasterCanvas::Rectangle(r);
}

void TRecordingCanvas::FillRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "FillRect", .Rect = r, .Brush = BrushColor()});
  TRasterCanvas::FillRect(r);
}

void TRecordingCanvas::FrameRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "FrameRect", .Rect = r, .Brush = BrushColor()});
  TRasterCanvas::FrameRect(r);
}

void TRecordingCanvas::Polygon(const std::vector<TPoint>& pts) {
  Scope s(*this);
  Log(s, {.Op = "Polygon", .Rect = TRegion::Polygon(pts).Bounds(), .Points = pts, .Pen = PenColor(), .Brush = BrushColor()});
  TRasterCanvas::Polygon(pts);
}

void TRecordingCanvas::Polyline(const std::vector<TPoint>& pts) {
  Scope s(*this);
  Log(s, {.Op = "Polyline", .Points = pts, .Pen = PenColor()});
  TRasterCanvas::Polyline(pts);
}

void TRecordingCanvas::Ellipse(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "Ellipse", .Rect = r, .Pen = PenColor(), .Brush = BrushColor()});
  TRasterCanvas::Ellipse(r);
}

void TRecordingCanvas::RoundRect(const TRect& r, int cornerW, int cornerH) {
  Scope s(*this);
  Log(s, {.Op = "RoundRect", .Rect = r, .Points = {{cornerW, cornerH}}, .Pen = PenColor(), .Brush = BrushColor()});
  TRasterCanvas::RoundRect(r, cornerW, cornerH);
}

void TRecordingCanvas::SetPixel(int x, int y, TColor c) {
  Scope s(*this);
  Log(s, {.Op = "SetPixel", .Rect = {x, y, x, y}, .Pen = c == clNone ? clNone : ColorToRGB(c)});
  TRasterCanvas::SetPixel(x, y, c);
}

void TRecordingCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  Scope s(*this);
  Log(s, {.Op = "FloodFill", .Rect = {x, y, x, y}, .Flags = static_cast<unsigned>(style),
          .Pen = ColorToRGB(color), .Brush = BrushColor()});
  TRasterCanvas::FloodFill(x, y, color, style);
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text) {
  Scope s(*this);
  Log(s, {.Op = "TextOut", .Rect = {x, y, x, y}, .Text = text, .Brush = BackgroundColor() == clNone ? clNone : ColorToRGB(BackgroundColor()), .FontColor = FontInk()});
  TRasterCanvas::TextOut(x, y, text);
}

void TRecordingCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  Scope s(*this);
  Log(s, {.Op = "TextRect", .Rect = r, .Points = {{x, y}}, .Text = text, .Brush = BrushColor(), .FontColor = FontInk()});
  TRasterCanvas::TextRect(r, x, y, text);
}

void TRecordingCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* r, const std::string& text) {
  Scope s(*this);
  Log(s, {.Op = "ExtTextOut", .Rect = r ? *r : TRect{x, y, x, y}, .Points = {{x, y}}, .Text = text, .Flags = options,
          .FontColor = FontInk()});
  TRasterCanvas::ExtTextOut(x, y, options, r, text);
}

int TRecordingCanvas::DrawText(const std::string& text, TRect& r, unsigned flags) {
  Scope s(*this);
  Log(s, {.Op = "DrawText", .Rect = r, .Text = text, .Flags = flags, .FontColor = FontInk()});
  return TRasterCanvas::DrawText(text, r, flags);
}

void TRecordingCanvas::Draw(int x, int y, const TBitmap& bmp) {
  Scope s(*this);
  Log(s, {.Op = "Draw", .Rect = {x, y, x + bmp.Width(), y + bmp.Height()}, .Flags = bmp.Transparent() ? 1u : 0u});
  TRasterCanvas::Draw(x, y, bmp);
}

void TRecordingCanvas::StretchDraw(const TRect& r, const TBitmap& bmp) {
  Scope s(*this);
  Log(s, {.Op = "StretchDraw", .Rect = r, .Flags = bmp.Transparent() ? 1u : 0u});
  TRasterCanvas::StretchDraw(r, bmp);
}

void TRecordingCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) {
  Scope s(*this);
  Log(s, {.Op = "CopyRect", .Rect = dest, .Points = {src.TopLeft(), src.BottomRight()}});
  TRasterCanvas::CopyRect(dest, source, src);
}

void TRecordingCanvas::BrushCopy(const TRect& dest, const TBitmap& bmp, const TRect& src, TColor color) {
  Scope s(*this);
  Log(s, {.Op = "BrushCopy", .Rect = dest, .Points = {src.TopLeft(), src.BottomRight()}, .Pen = ColorToRGB(color),
          .Brush = BrushColor()});
  TRasterCanvas::BrushCopy(dest, bmp, src, color);
}

void TRecordingCanvas::DrawIcon(int x, int y, const TIcon& icon) {
  Scope s(*this);
  Log(s, {.Op = "DrawIcon", .Rect = {x, y, x, y}});
  TRasterCanvas::DrawIcon(x, y, icon);
}

void TRecordingCanvas::DrawFocusRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "DrawFocusRect", .Rect = r});
  TRasterCanvas::DrawFocusRect(r);
}

void TRecordingCanvas::DrawInvertedDottedLine(int x1, int y1, int x2, int y2) {
  Scope s(*this);
  Log(s, {.Op = "DrawInvertedDottedLine", .Rect = {x1, y1, x2, y2}});
  TRasterCanvas::DrawInvertedDottedLine(x1, y1, x2, y2);
}

void TRecordingCanvas::InvertRect(const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "InvertRect", .Rect = r});
  TRasterCanvas::InvertRect(r);
}

bool TRecordingCanvas::DrawEdge(TRect& r, unsigned edge, unsigned flags) {
  Scope s(*this);
  Log(s, {.Op = "DrawEdge", .Rect = r, .Points = {{static_cast<int>(edge), static_cast<int>(flags)}}, .Flags = flags});
  return TRasterCanvas::DrawEdge(r, edge, flags);
}

bool TRecordingCanvas::DrawFrameControl(TRect& r, unsigned kind, unsigned state) {
  Scope s(*this);
  Log(s, {.Op = "DrawFrameControl", .Rect = r, .Points = {{static_cast<int>(kind), static_cast<int>(state)}}, .Flags = state});
  return TRasterCanvas::DrawFrameControl(r, kind, state);
}

void TRecordingCanvas::DrawThemedPart(TThemedElement element, int state, const TRect& r) {
  Scope s(*this);
  Log(s, {.Op = "DrawThemedPart", .Rect = r, .Points = {{static_cast<int>(element), state}}});
  TRasterCanvas::DrawThemedPart(element, state, r);
}

}  // namespace hd
