// A borderless top-most form that never takes the activation (the grid shows a picture of
// its selection in one while it is dragged), and the routine that makes a window a
// translucent layer showing a picture.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/forms.h"

namespace hd {

class TNoActiveForm : public TForm {
 public:
  explicit TNoActiveForm(TComponent* AOwner);
  const char* ClassName() const override { return "TNoActiveForm"; }
  void Dispatch(TMessage& Message) override;
};

// Makes Window layered with the constant Alpha and gives it Bitmap (its top-left part of
// Rect's size) at Rect's position. False when the window does not take it.
bool ApplyLayeredImage(HWND Window, const TBitmap& Bitmap, std::uint8_t Alpha, const TRect& Rect);

}  // namespace hd
