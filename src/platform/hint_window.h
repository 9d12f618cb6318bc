// A small top-most window with a short text near the pointer: the application's hint, and a
// control's own (the line a dragged scroll thumb would reach, say). It paints itself on a
// canvas, so a class of its own can measure and paint a hint its way.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/bitmap.h"
#include "platform/controls.h"
#include "platform/types.h"

namespace hd {

class TNativeHintWindow;

class THintWindow {
 public:
  THintWindow();
  virtual ~THintWindow();
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  TColor Color() const { return color_; }
  void SetColor(TColor Value) { color_ = Value; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& Value) { font_ = Value; }

  // The rectangle (0, 0, width, height) the hint needs, at most MaxWidth wide. AData is what
  // the control put into the hint information for its own hint class.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint, void* AData);
  TRect CalcHintRect(int MaxWidth, const std::string& Hint) { return CalcHintRect(MaxWidth, Hint, nullptr); }
  // Shows Hint over the screen rectangle Rect, without taking the activation: the caption and
  // bounds are set, the window paints itself and shows.
  virtual void ActivateHint(const TRect& Rect, const std::string& Hint);
  // As ActivateHint, for a class that takes the control's data first.
  virtual void ActivateHintData(const TRect& Rect, const std::string& Hint, void* AData);
  // The constant alpha the window shows with from now on (255 opaque, the start).
  std::uint8_t Alpha() const { return alpha_; }
  void SetAlpha(std::uint8_t Value);
  // Hides the window; the next ActivateHint shows it again.
  void ReleaseHandle();
  // Paints again and shows the new picture.
  void Repaint();

  bool Showing() const { return showing_; }
  // Where the window stands on the screen while it shows.
  const TRect& BoundsRect() const { return bounds_; }
  TRect ClientRect() const { return Rect(0, 0, bounds_.Width(), bounds_.Height()); }
  // The canvas of the window's picture, the window's size; Paint draws on it.
  TCanvas& Canvas();
  // The picture the window shows, null before it was first shown.
  const TBitmap* PaintedImage() const { return image_ ? image_.get() : nullptr; }

 protected:
  // Fills the window in Color, frames it and draws the caption.
  virtual void Paint();
  // Cuts the window to a shape (window coordinates) from the next showing on; none keeps
  // the rectangle.
  void SetShape(std::optional<TRegion> shape) { shape_ = std::move(shape); }

 private:
  std::unique_ptr<TNativeHintWindow> native_;
  std::unique_ptr<TBitmap> image_;
  TColor color_ = clInfoBk;
  TFont font_;
  std::string caption_;
  std::optional<TRegion> shape_;
  TRect bounds_;
  bool showing_ = false;
  std::uint8_t alpha_ = 255;
};

// Makes a hint window of a class: HintClassOf<TMyHint>() is the class TMyHint.
template <class T>
THintWindowClass HintClassOf() {
  return []() -> std::unique_ptr<THintWindow> { return std::make_unique<T>(); };
}

// The class of the application's hint window, unless a control's CM_HINTSHOW names another.
THintWindowClass HintWindowClass();
// A null class restores THintWindow.
void SetHintWindowClass(THintWindowClass Value);

}  // namespace hd
