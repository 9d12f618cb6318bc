#include "platform/hint_window.h"

#include "platform/native_bridge_p.h"

namespace hd {

THintWindow::THintWindow() = default;

THintWindow::~THintWindow() = default;

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint) const {
  TSize size = NativeHintSize(Hint, TFont{}, MaxWidth);
  return Rect(0, 0, size.cx, size.cy);
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& Hint) {
  caption_ = Hint;
  bounds_ = Rect;
  if (!native_) native_ = NativeCreateHintWindow();
  native_->Show(Hint, Rect, color_);
  showing_ = true;
}

void THintWindow::ReleaseHandle() {
  if (native_) native_->Hide();
  showing_ = false;
}

}  // namespace hd
