// Window shapes and translucency: a window's region, constant alpha and per-pixel alpha
// (translucency needs the extended style WS_EX_LAYERED, from forms.h).
#pragma once

#include <cstdint>
#include <optional>

#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/region.h"

namespace hd {

// Shapes the window to the region, in window coordinates (a form's include its frame); the
// window shows and takes the mouse only inside it. No region gives the whole window back.
// False for an unknown window.
bool SetWindowRgn(HWND h, std::optional<TRegion> region, bool redraw = true);
std::optional<TRegion> GetWindowRgn(HWND h);

constexpr unsigned LWA_COLORKEY = 0x1, LWA_ALPHA = 0x2;
// A layered form's constant alpha (0 invisible .. 255 opaque). Needs WS_EX_LAYERED and
// LWA_ALPHA; a colour key is not offered and is refused, as is a window that is not a form.
bool SetLayeredWindowAttributes(HWND h, TColor key, std::uint8_t alpha, unsigned flags);
// The window's constant alpha (255 when none is set).
std::uint8_t LayeredWindowAlpha(HWND h);

constexpr unsigned ULW_ALPHA = 0x2;
constexpr std::uint8_t AC_SRC_OVER = 0, AC_SRC_ALPHA = 1;
struct BLENDFUNCTION {
  std::uint8_t BlendOp = AC_SRC_OVER;
  std::uint8_t BlendFlags = 0;
  std::uint8_t SourceConstantAlpha = 255;
  std::uint8_t AlphaFormat = AC_SRC_ALPHA;
};
// Gives a layered form the picture it shows: a premultiplied 32-bit bitmap, whose alpha mixes
// it with what lies below, times the blend's constant alpha; the form moves to `pos` and takes
// the bitmap's size. False (and nothing changed) for a window that is not a layered form, a
// bitmap that is not 32-bit or a pixel whose colour exceeds its alpha.
bool UpdateLayeredWindow(HWND h, const TPoint* pos, const TBitmap& image, const BLENDFUNCTION& blend,
                         unsigned flags = ULW_ALPHA);
// The picture the window was given last, or none.
const TBitmap* LayeredWindowImage(HWND h);

}  // namespace hd
