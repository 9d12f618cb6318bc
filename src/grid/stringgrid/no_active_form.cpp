#include "grid/stringgrid/no_active_form.h"

#include <algorithm>

#include "grid/foundation/draw_utils.h"
#include "platform/layered.h"

namespace hd {

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsSingle);
  SetEnabled(false);
  SetWindowLongPtr(Handle(), GWL_EXSTYLE, GetWindowLongPtr(Handle(), GWL_EXSTYLE) | WS_EX_NOACTIVATE);
}

void TNoActiveForm::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TForm::Dispatch(Message);
  if (Message.Msg == WM_ACTIVATE) Message.Result = 1;
}

bool ApplyLayeredImage(HWND Window, const TBitmap& Bitmap, std::uint8_t Alpha, const TRect& Rect) {
  SetWindowLongPtr(Window, GWL_EXSTYLE, GetWindowLongPtr(Window, GWL_EXSTYLE) | WS_EX_LAYERED);
  CallSetLayeredWindowAttributes(Window, 0, Alpha, LWA_ALPHA);
  // The layer takes an opaque picture of the rectangle's size; the constant alpha does the rest.
  const int w = std::max(Rect.Width(), 0), h = std::max(Rect.Height(), 0);
  TBitmap image(w, h);
  image.SetPixelFormat(pf32bit);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* dst = image.ScanLine(y);
    const std::uint32_t* src = y < Bitmap.Height() ? Bitmap.ScanLine(y) : nullptr;
    for (int x = 0; x < w; ++x) dst[x] = 0xFF000000u | (src && x < Bitmap.Width() ? src[x] & 0xFFFFFFu : 0u);
  }
  BLENDFUNCTION blend;
  blend.SourceConstantAlpha = Alpha;
  blend.AlphaFormat = AC_SRC_ALPHA;
  TPoint at{Rect.Left, Rect.Top};
  return CallUpdateLayeredWindow(Window, &at, image, blend, ULW_ALPHA);
}

}  // namespace hd
