#include "platform/layered.h"

#include <memory>

#include "platform/top_level_p.h"

namespace hd {
namespace {

TControl* ControlOf(HWND h) { return dynamic_cast<TControl*>(FindWindowTarget(h)); }

// Premultiplied pixels never have a colour channel above their alpha.
bool IsPremultiplied(const TBitmap& image) {
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint32_t* row = image.ScanLine(y);
    for (int x = 0; x < image.Width(); ++x) {
      std::uint32_t p = row[x], a = p >> 24;
      if ((p & 0xFF) > a || ((p >> 8) & 0xFF) > a || ((p >> 16) & 0xFF) > a) return false;
    }
  }
  return true;
}

}  // namespace

bool SetWindowRgn(HWND h, std::optional<TRegion> region, bool) {
  TControl* control = ControlOf(h);
  if (!control) return false;
  WindowAttributes(h).region = std::move(region);
  NativeApplyWindowAttributes(control);
  return true;
}

std::optional<TRegion> GetWindowRgn(HWND h) {
  const TWindowAttributes* a = FindWindowAttributes(h);
  return a && IsWindow(h) ? a->region : std::nullopt;
}

bool SetLayeredWindowAttributes(HWND h, TColor, std::uint8_t alpha, unsigned flags) {
  // Only top-level windows are made translucent here; a child asking is refused.
  auto* control = dynamic_cast<TCustomForm*>(ControlOf(h));
  if (!control || !(ExStyleOf(h) & WS_EX_LAYERED) || (flags & LWA_COLORKEY) || !(flags & LWA_ALPHA)) return false;
  TWindowAttributes& a = WindowAttributes(h);
  a.alpha = alpha;
  // The constant alpha and a per-pixel picture exclude each other, as on the platform.
  a.image.reset();
  NativeApplyWindowAttributes(control);
  return true;
}

std::uint8_t LayeredWindowAlpha(HWND h) {
  const TWindowAttributes* a = FindWindowAttributes(h);
  return a && IsWindow(h) ? a->alpha : 255;
}

bool UpdateLayeredWindow(HWND h, const TPoint* pos, const TBitmap& image, const BLENDFUNCTION& blend,
                         unsigned flags) {
  auto* form = dynamic_cast<TCustomForm*>(ControlOf(h));
  if (!form || !(ExStyleOf(h) & WS_EX_LAYERED) || flags != ULW_ALPHA) return false;
  if (image.Empty() || image.PixelFormat() != pf32bit || blend.AlphaFormat != AC_SRC_ALPHA ||
      !IsPremultiplied(image))
    return false;
  TWindowAttributes& a = WindowAttributes(h);
  a.image = std::make_shared<const TBitmap>(image);
  a.image_alpha = blend.SourceConstantAlpha;
  a.alpha = 255;
  TPoint at = pos ? *pos : TPoint{form->Left(), form->Top()};
  form->SetBounds(at.X, at.Y, image.Width(), image.Height());
  if (IsWindow(h)) NativeApplyWindowAttributes(form);
  return true;
}

const TBitmap* LayeredWindowImage(HWND h) {
  const TWindowAttributes* a = FindWindowAttributes(h);
  return a && IsWindow(h) ? a->image.get() : nullptr;
}

}  // namespace hd
