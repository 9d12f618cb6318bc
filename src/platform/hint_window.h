// A small top-most window with a short text that a control shows near the pointer on its own
// (the line a dragged scroll thumb would reach, say), apart from the application's hint.
#pragma once

#include <memory>
#include <string>

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

  // The rectangle (0, 0, width, height) the hint needs, at most MaxWidth wide.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint) const;
  // Shows Hint over the screen rectangle Rect, without taking the activation.
  virtual void ActivateHint(const TRect& Rect, const std::string& Hint);
  // Hides the window; the next ActivateHint shows it again.
  void ReleaseHandle();

  bool Showing() const { return showing_; }
  // Where the window stands on the screen while it shows.
  const TRect& BoundsRect() const { return bounds_; }

 private:
  std::unique_ptr<TNativeHintWindow> native_;
  TColor color_ = clInfoBk;
  std::string caption_;
  TRect bounds_;
  bool showing_ = false;
};

}  // namespace hd
