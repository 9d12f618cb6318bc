// Scrolling the client pixels of a control that paints itself: its back buffer and the image
// its window shows move, and so do the parts of both that still wait to be painted or shown.
#include "platform/scroll_window.h"

#include <algorithm>
#include <cstring>

#include "platform/bitmap.h"
#include "platform/native_bridge_p.h"

namespace hd {

namespace {

TRect Intersection(const TRect& a, const TRect& b) {
  TRect r;
  if (!IntersectRect(r, a, b)) return TRect{};
  return r;
}

// The part of `region` inside `area`, moved by dx, dy and cut to `clip`.
TRegion Moved(const TRegion& region, const TRect& area, int dx, int dy, const TRect& clip) {
  TRegion moved = region & TRegion(area);
  if (moved.IsEmpty()) return moved;
  moved.Offset(dx, dy);
  return moved & TRegion(clip);
}

void MovePixels(TBitmap& image, const TRect& dest, int dx, int dy) {
  if (dest.IsEmpty()) return;
  size_t bytes = static_cast<size_t>(dest.Width()) * sizeof(std::uint32_t);
  // Rows are copied away from the direction of the move, so that none is read after it was written.
  auto copyRow = [&](int y) { std::memmove(image.ScanLine(y) + dest.Left, image.ScanLine(y - dy) + dest.Left - dx, bytes); };
  if (dy > 0)
    for (int y = dest.Bottom - 1; y >= dest.Top; --y) copyRow(y);
  else
    for (int y = dest.Top; y < dest.Bottom; ++y) copyRow(y);
}

int RegionKind(const TRegion& r) {
  if (r.IsEmpty()) return NULLREGION;
  return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

TRegion TOwnDrawing::ScrollPixels(int dx, int dy, const TRect& area, const TRect& clip) {
  TRect dest = Intersection(area, clip);
  if (dest.IsEmpty()) return TRegion();
  bool painted = image_ && image_->Width() == control_->ClientWidth() && image_->Height() == control_->ClientHeight();
  TRect kept = painted ? Intersection(dest, Rect(area.Left + dx, area.Top + dy, area.Right + dx, area.Bottom + dy)) : TRect{};
  TRegion uncovered = TRegion(dest) - TRegion(kept);
  if (kept.IsEmpty()) return uncovered;
  MovePixels(*image_, kept, dx, dy);
  // What waited to be painted at the source still waits, now where its pixels went.
  TRegion waiting = Moved(update_, area, dx, dy, kept);
  update_ = (update_ - TRegion(dest)) | waiting;
  if (!redraw_) return uncovered;
  TRegion unshown = Moved(unshown_, area, dx, dy, kept);
  NativeScrollRect(control_, dx, dy, dest);
  // The window moved what it showed; pixels it had not shown yet are shown where they went.
  unshown_ = (unshown_ - TRegion(dest)) | unshown | uncovered;
  TRegion again = unshown | waiting;
  for (const TRect& r : again.Rects()) NativeUpdateRect(control_, &r);
  return uncovered;
}

int ScrollWindowEx(HWND h, int dx, int dy, const TRect* scrollRect, const TRect* clipRect, TRegion* updateRegion,
                   TRect* updateRect, unsigned flags) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!control) return 0;
  TRect client = control->ClientRect();
  TRect area = Intersection(scrollRect ? *scrollRect : client, client);
  TRect clip = Intersection(clipRect ? *clipRect : area, client);
  TRegion uncovered;
  if (dx != 0 || dy != 0) {
    if (auto* drawing = dynamic_cast<TOwnDrawing*>(control))
      uncovered = drawing->ScrollPixels(dx, dy, area, clip);
    else
      uncovered = TRegion(Intersection(area, clip));
  }
  if (flags & SW_SCROLLCHILDREN)
    if (auto* parent = dynamic_cast<TWinControl*>(control))
      for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        TRect b = child->BoundsRect();
        if (Intersection(b, area).IsEmpty()) continue;
        child->SetBounds(b.Left + dx, b.Top + dy, b.Width(), b.Height());
      }
  if ((flags & SW_INVALIDATE) && !uncovered.IsEmpty()) control->InvalidateRegion(&uncovered, (flags & SW_ERASE) != 0);
  if (updateRegion) *updateRegion = uncovered;
  if (updateRect) *updateRect = uncovered.IsEmpty() ? TRect{} : uncovered.Bounds();
  return RegionKind(uncovered);
}

}  // namespace hd
