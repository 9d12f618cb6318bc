#include "platform/cursors.h"

#include <map>

namespace hd {
namespace {

std::map<HCURSOR, TCursorImage>& CursorStore() {
  static auto* store = new std::map<HCURSOR, TCursorImage>;
  return *store;
}

HCURSOR g_next_cursor = 1;

bool IsWhite(std::uint32_t pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }

}  // namespace

HCURSOR CreateIconIndirect(const TIconInfo& info) {
  const TBitmap* mask = info.hbmMask;
  if (!mask || mask->Empty()) return 0;
  int w = mask->Width(), h = mask->Height();
  const TBitmap* color = info.hbmColor;
  if (color && (color->Width() != w || color->Height() != h)) return 0;
  if (info.xHotspot < 0 || info.yHotspot < 0 || info.xHotspot >= w || info.yHotspot >= h) return 0;
  TCursorImage made;
  made.Image.SetPixelFormat(pf32bit);
  made.Image.SetSize(w, h);
  made.HotSpot = {info.xHotspot, info.yHotspot};
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* m = mask->ScanLine(y);
    const std::uint32_t* c = color ? color->ScanLine(y) : nullptr;
    std::uint32_t* out = made.Image.ScanLine(y);
    // Where the mask lets the screen through the cursor is clear; elsewhere it is opaque.
    for (int x = 0; x < w; ++x) out[x] = IsWhite(m[x]) ? 0u : 0xFF000000u | (c ? c[x] & 0xFFFFFF : 0u);
  }
  HCURSOR handle = g_next_cursor++;
  CursorStore().emplace(handle, std::move(made));
  return handle;
}

bool DestroyCursor(HCURSOR cursor) { return CursorStore().erase(cursor) > 0; }

std::optional<TCursorImage> CursorImage(HCURSOR cursor) {
  auto& store = CursorStore();
  auto it = store.find(cursor);
  if (it == store.end()) return std::nullopt;
  return it->second;
}

}  // namespace hd
