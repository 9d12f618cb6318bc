// Mouse cursors made in code from a colour bitmap, a mask and a hot spot; the screen registers
// them by number (Screen().SetCursors) so that controls name them as they name the stock ones.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/bitmap.h"
#include "platform/types.h"

namespace hd {

using HCURSOR = std::uintptr_t;  // 0 is no cursor

// The mask is white where the screen shows through and black where the colour bitmap shows;
// without a colour bitmap the mask alone gives a black cursor.
struct TIconInfo {
  bool fIcon = false;
  int xHotspot = 0;
  int yHotspot = 0;
  const TBitmap* hbmMask = nullptr;
  const TBitmap* hbmColor = nullptr;
};

// 0 when the mask is missing or empty, or the colour bitmap's size differs from it, or the hot
// spot lies outside.
HCURSOR CreateIconIndirect(const TIconInfo& info);
bool DestroyCursor(HCURSOR cursor);

// What a cursor shows: premultiplied 32-bit pixels, transparent where the mask lets the screen
// through.
struct TCursorImage {
  TBitmap Image;
  TPoint HotSpot;
};
std::optional<TCursorImage> CursorImage(HCURSOR cursor);

}  // namespace hd
