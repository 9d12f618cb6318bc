// Monitors and work areas, with a layout of two monitors, one of them left of x = 0.
#include <gtest/gtest.h>

#include "platform/scroll_bars.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TMonitorLayoutScope;

const TMonitorLayout kPrimary{Bounds(0, 0, 1920, 1080), Bounds(0, 0, 1920, 1040)};
const TMonitorLayout kLeft{Bounds(-1280, 0, 1280, 1024), Bounds(-1280, 0, 1280, 984)};

TEST(ScreensTest, MonitorFromPointTakesTheOneHoldingItElseByTheFlags) {
  TMonitorLayoutScope layout({kPrimary, kLeft});
  struct Case {
    const char* name;
    TPoint pt;
    unsigned flags;
    HMONITOR expected;
  };
  const Case cases[] = {
      {"on the primary monitor", {100, 100}, MONITOR_DEFAULTTONULL, 1},
      {"on the monitor left of 0", {-10, 500}, MONITOR_DEFAULTTONULL, 2},
      {"first pixel left of 0", {-1, 0}, MONITOR_DEFAULTTONULL, 2},
      {"right edge is outside", {1920, 10}, MONITOR_DEFAULTTONULL, 0},
      {"far left, nearest", {-2000, 500}, MONITOR_DEFAULTTONEAREST, 2},
      {"far right, nearest", {2500, 300}, MONITOR_DEFAULTTONEAREST, 1},
      {"below the shorter left monitor, nearer to it", {-100, 1050}, MONITOR_DEFAULTTONEAREST, 2},
      {"below the shorter left monitor, nearer the primary", {-10, 1060}, MONITOR_DEFAULTTONEAREST, 1},
      {"far right, primary", {5000, 0}, MONITOR_DEFAULTTOPRIMARY, 1},
      {"far left, none", {-5000, 0}, MONITOR_DEFAULTTONULL, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MonitorFromPoint(c.pt, c.flags), c.expected);
  }
}

TEST(ScreensTest, MonitorFromRectTakesTheLargestOverlapElseTheNearest) {
  TMonitorLayoutScope layout({kPrimary, kLeft});
  EXPECT_EQ(MonitorFromRect(Rect(-100, 0, 300, 100), MONITOR_DEFAULTTONULL), 1u);
  EXPECT_EQ(MonitorFromRect(Rect(-300, 0, 100, 100), MONITOR_DEFAULTTONULL), 2u);
  EXPECT_EQ(MonitorFromRect(Rect(-1000, -500, -900, -400), MONITOR_DEFAULTTONEAREST), 2u);
  EXPECT_EQ(MonitorFromRect(Rect(-1000, -500, -900, -400), MONITOR_DEFAULTTONULL), 0u);
}

TEST(ScreensTest, MonitorInfoWorkAreaAndScreenSizeFollowTheLayout) {
  TMonitorLayoutScope layout({kPrimary, kLeft});
  MONITORINFO info;
  ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint({-640, 200}, MONITOR_DEFAULTTONULL), info));
  EXPECT_EQ(info.rcMonitor, kLeft.Bounds);
  EXPECT_EQ(info.rcWork, kLeft.WorkArea);
  EXPECT_EQ(info.dwFlags, 0u);
  ASSERT_TRUE(GetMonitorInfo(1, info));
  EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
  EXPECT_FALSE(GetMonitorInfo(0, info));
  EXPECT_FALSE(GetMonitorInfo(3, info));

  EXPECT_EQ(Screen().MonitorCount(), 2);
  EXPECT_EQ(Screen().Monitors(1).BoundsRect, kLeft.Bounds);
  EXPECT_FALSE(Screen().Monitors(1).Primary);
  EXPECT_EQ(Screen().WorkAreaRect(), kPrimary.WorkArea);
  EXPECT_EQ(Screen().Width(), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
}

TEST(ScreensTest, ScreenSizeOverrideStandsForOneMonitor) {
  test::TScreenSizeScope size(800, 600);
  EXPECT_EQ(Screen().MonitorCount(), 1);
  EXPECT_EQ(Screen().WorkAreaRect(), Rect(0, 0, 800, 600));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(MonitorFromPoint({900, 700}, MONITOR_DEFAULTTONEAREST), 1u);
}

}  // namespace
}  // namespace hd
