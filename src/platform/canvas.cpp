#include "platform/canvas.h"

#include <cstdlib>

#include "platform/themes.h"

namespace hd {

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(number) * numerator;
  long long half = std::llabs(static_cast<long long>(denominator)) / 2;
  // Rounds halves away from zero, as the platform does.
  bool negative = (product < 0) != (denominator < 0);
  long long q = (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
  return static_cast<int>(negative ? -q : q);
}

int TFont::Height() const {
  if (exact_height_ != 0 && exact_height_size_ == Size) return exact_height_;
  return -MulDiv(Size, PixelsPerInch, 72);
}

void TFont::SetHeight(int h) {
  Size = -MulDiv(h, 72, PixelsPerInch);
  exact_height_ = h;
  exact_height_size_ = Size;
}

TRegion TCanvas::Drawable() const { return clip_ ? *clip_ : TRegion(Bounds()); }

TColor TCanvas::BackgroundColor() const {
  if (bk_mode_ != bkOpaque || brush_.Style != bsSolid) return clNone;
  return bk_color_ == clDefault ? brush_.Color : bk_color_;
}

void TCanvas::FillSolid(const TRect& r, TColor color) {
  if (color == clNone) return;
  TBrush saved = brush_;
  brush_ = {color, bsSolid};
  FillRect(r);
  brush_ = saved;
}

void TCanvas::SetClipRect(const TRect& r) { clip_ = TRegion(r); }

void TCanvas::IntersectClipRect(const TRect& r) { clip_ = Drawable() & TRegion(r); }

void TCanvas::SetClipRegion(const TRegion& region) { clip_ = region; }

void TCanvas::ExcludeClipRect(const TRect& r) { clip_ = Drawable() - TRegion(r); }

void TCanvas::ClearClip() { clip_.reset(); }

TRect TCanvas::ClipBox() const { return clip_ ? clip_->Bounds() : Bounds(); }

void TCanvas::SaveState() {
  saved_.push_back({pen_, brush_, font_, pen_pos_, bk_mode_, bk_color_, clip_});
}

void TCanvas::RestoreState() {
  if (saved_.empty()) return;
  State& s = saved_.back();
  pen_ = s.pen;
  brush_ = s.brush;
  font_ = s.font;
  pen_pos_ = s.pen_pos;
  bk_mode_ = s.bk_mode;
  bk_color_ = s.bk_color;
  clip_ = std::move(s.clip);
  saved_.pop_back();
}

void TCanvas::MoveTo(int x, int y) { pen_pos_ = {x, y}; }

void TCanvas::TextOut(int x, int y, const std::string& text) {
  ExtTextOut(x, y, 0, nullptr, text);
  pen_pos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  unsigned options = ETO_CLIPPED;
  if (brush_.Style != bsClear) options |= ETO_OPAQUE;
  ExtTextOut(x, y, options, &r, text);
}

void TCanvas::DrawThemedPart(TThemedElement element, int state, const TRect& r) {
  PaintThemedPart(*this, element, state, r);
}

}  // namespace hd
