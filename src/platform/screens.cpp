// The monitors of the desktop as the screen reports them, and the cursors it registers.
#include <algorithm>
#include <climits>
#include <utility>

#include "platform/forms.h"
#include "platform/native_bridge_p.h"
#include "platform/top_level_p.h"

namespace hd {
namespace {

TSize g_screen_size_override{0, 0};
std::vector<TMonitorLayout> g_monitor_override;

std::vector<TMonitorLayout> Layout() {
  if (!g_monitor_override.empty()) return g_monitor_override;
  if (g_screen_size_override.cx > 0 && g_screen_size_override.cy > 0) {
    TRect r = Rect(0, 0, g_screen_size_override.cx, g_screen_size_override.cy);
    return {{r, r}};
  }
  std::vector<TMonitorLayout> native = NativeMonitors();
  if (native.empty()) native.push_back({Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 768)});
  return native;
}

// Monitors are numbered from 1 in the order of the layout; the primary one is the first.
HMONITOR HandleOf(size_t index) { return static_cast<HMONITOR>(index + 1); }

long long DistanceSquared(const TRect& r, TPoint p) {
  // Right and bottom edges are outside the monitor: its last pixel is one before them.
  long long dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - (r.Right - 1) : 0;
  long long dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - (r.Bottom - 1) : 0;
  return dx * dx + dy * dy;
}

long long RectDistanceSquared(const TRect& a, const TRect& b) {
  long long dx = std::max({0, a.Left - (b.Right - 1), b.Left - (a.Right - 1)});
  long long dy = std::max({0, a.Top - (b.Bottom - 1), b.Top - (a.Bottom - 1)});
  return dx * dx + dy * dy;
}

HMONITOR Fallback(const std::vector<TMonitorLayout>& monitors, unsigned flags, auto distance) {
  if (flags == MONITOR_DEFAULTTOPRIMARY) return HandleOf(0);
  if (flags != MONITOR_DEFAULTTONEAREST) return 0;
  size_t best = 0;
  long long bestDistance = LLONG_MAX;
  for (size_t i = 0; i < monitors.size(); ++i) {
    long long d = distance(monitors[i].Bounds);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return HandleOf(best);
}

}  // namespace

TSize SetScreenSizeOverride(TSize size) { return std::exchange(g_screen_size_override, size); }

std::vector<TMonitorLayout> SetMonitorLayoutOverride(std::vector<TMonitorLayout> monitors) {
  return std::exchange(g_monitor_override, std::move(monitors));
}

HMONITOR MonitorFromPoint(TPoint pt, unsigned flags) {
  std::vector<TMonitorLayout> monitors = Layout();
  for (size_t i = 0; i < monitors.size(); ++i)
    if (monitors[i].Bounds.Contains(pt)) return HandleOf(i);
  return Fallback(monitors, flags, [pt](const TRect& r) { return DistanceSquared(r, pt); });
}

HMONITOR MonitorFromRect(const TRect& r, unsigned flags) {
  std::vector<TMonitorLayout> monitors = Layout();
  long long bestArea = 0;
  HMONITOR best = 0;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const TRect& b = monitors[i].Bounds;
    long long w = std::min(r.Right, b.Right) - std::max(r.Left, b.Left);
    long long h = std::min(r.Bottom, b.Bottom) - std::max(r.Top, b.Top);
    if (w > 0 && h > 0 && w * h > bestArea) {
      bestArea = w * h;
      best = HandleOf(i);
    }
  }
  if (best) return best;
  return Fallback(monitors, flags, [&r](const TRect& b) { return RectDistanceSquared(b, r); });
}

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info) {
  std::vector<TMonitorLayout> monitors = Layout();
  if (monitor == 0 || monitor > monitors.size()) return false;
  const TMonitorLayout& m = monitors[monitor - 1];
  info.rcMonitor = m.Bounds;
  info.rcWork = m.WorkArea;
  info.dwFlags = monitor == 1 ? MONITORINFOF_PRIMARY : 0;
  return true;
}

int TScreen::Width() const { return Layout().front().Bounds.Width(); }
int TScreen::Height() const { return Layout().front().Bounds.Height(); }
int TScreen::MonitorCount() const { return static_cast<int>(Layout().size()); }

TMonitor TScreen::Monitors(int i) const {
  std::vector<TMonitorLayout> monitors = Layout();
  const TMonitorLayout& m = monitors.at(static_cast<size_t>(i));
  return {HandleOf(static_cast<size_t>(i)), i, m.Bounds, m.WorkArea, i == 0};
}

TRect TScreen::WorkAreaRect() const { return Layout().front().WorkArea; }

void TScreen::SetCursor(TCursor c) {
  cursor_ = c;
  NativeSetScreenCursor(c);
}

HCURSOR TScreen::Cursors(TCursor n) const {
  auto it = cursors_.find(n);
  return it == cursors_.end() ? 0 : it->second;
}

void TScreen::SetCursors(TCursor n, HCURSOR cursor) {
  if (n <= 0) return;
  if (cursor == 0)
    cursors_.erase(n);
  else
    cursors_[n] = cursor;
  // The screen's own cursor shows the new picture at once.
  if (cursor_ == n) NativeSetScreenCursor(n);
}

}  // namespace hd
