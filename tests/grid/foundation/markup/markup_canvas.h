// A recording canvas with the fixed-metrics test font (every character 6 pixels wide, 11
// high at size 8) that also keeps the font of every text it draws.
#pragma once

#include <string>
#include <vector>

#include "grid/foundation/markup/markup_renderer.h"
#include "platform/recording_canvas.h"

namespace hd {

struct TDrawnText {
  std::string Text;
  TFont Font;
  TRect Rect;
  TColor Brush;
};

class TMarkupCanvas : public TRecordingCanvas {
 public:
  TMarkupCanvas() : TRecordingCanvas(400, 300) {
    Font().Name = kTestFontName;
    Font().Size = 8;
    Font().Color = clBlack;
    Brush() = TBrush{clWhite, bsSolid};
  }
  int DrawText(const std::string& text, TRect& r, unsigned flags) override {
    if (!(flags & DT_CALCRECT)) drawn.push_back({text, Font(), r, Brush().Style == bsClear ? clNone : Brush().Color});
    return TRecordingCanvas::DrawText(text, r, flags);
  }
  const TDrawnText* Find(const std::string& text) const {
    for (const TDrawnText& d : drawn)
      if (d.Text == text) return &d;
    return nullptr;
  }
  std::vector<TDrawnText> drawn;
};

inline constexpr int kCharWidth = 6;
inline constexpr int kLineHeight = 11;

// Lays the text out in a rectangle of that width.
inline TMarkupResult MeasureMarkup(const std::string& text, int width, bool wrap, TMarkupCall call = {}) {
  TMarkupCanvas canvas;
  call.Rect = TRect{0, 0, width, 1000};
  call.MeasureOnly = true;
  call.WordWrap = wrap;
  TMarkupResult result;
  DrawMarkup(canvas, text, call, result);
  return result;
}

}  // namespace hd
