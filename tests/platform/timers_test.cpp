// Window timers and the timer component on the virtual clock.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// A window that notes when each of its timers fires, on the virtual clock.
class TTickWindow : public TWindowTarget {
 public:
  explicit TTickWindow(TVirtualClock& clock) : clock_(clock) {}
  void MainWndProc(TMessage& m) override {
    if (m.Msg == WM_TIMER) ticks.emplace_back(m.WParam, clock_.NowMs());
    if (m.Msg == WM_USER) ticks.emplace_back(0, clock_.NowMs());
  }
  std::vector<std::pair<std::uintptr_t, std::uint64_t>> ticks;

 private:
  TVirtualClock& clock_;
};

class TimersTest : public ::testing::Test {
 protected:
  TGuiKit kit;
  std::uint64_t T0() const { return start_; }
  std::uint64_t start_ = kit.Clock().NowMs();
};

TEST_F(TimersTest, WindowTimerFiresEveryIntervalAndStopsWhenKilled) {
  TTickWindow w(kit.Clock());
  SetTimer(w.Handle(), 7, 100);
  kit.Advance(250);
  ASSERT_EQ(w.ticks.size(), 2u);
  EXPECT_EQ(w.ticks[0], (std::pair<std::uintptr_t, std::uint64_t>{7, T0() + 100}));
  EXPECT_EQ(w.ticks[1].second, T0() + 200);
  KillTimer(w.Handle(), 7);
  kit.Advance(500);
  EXPECT_EQ(w.ticks.size(), 2u);
}

// The platform runs no timer faster than every 10 ms; a balloon's or a repeat's short delay
// must not flood the queue.
TEST_F(TimersTest, OneMillisecondTimerFiresEveryTenMilliseconds) {
  TTickWindow w(kit.Clock());
  SetTimer(w.Handle(), 1, 1);
  kit.Advance(35);
  ASSERT_EQ(w.ticks.size(), 3u);
  EXPECT_EQ(w.ticks[0].second, T0() + 10);
  EXPECT_EQ(w.ticks[1].second, T0() + 20);
  EXPECT_EQ(w.ticks[2].second, T0() + 30);
}

TEST_F(TimersTest, LateTimerFiresOnceAndCountsOnFromThen) {
  TTickWindow w(kit.Clock());
  SetTimer(w.Handle(), 1, 100);
  // The loop was busy for a second: one WM_TIMER, not ten.
  kit.Clock().Set(T0() + 1000);
  kit.Process();
  ASSERT_EQ(w.ticks.size(), 1u);
  kit.Advance(99);
  EXPECT_EQ(w.ticks.size(), 1u);
  kit.Advance(1);
  EXPECT_EQ(w.ticks.size(), 2u);
}

// The program's loop wakes a little after a timer is due. Counting the next interval from
// that moment added each delay to the timer's period: a 100 ms timer served 30 ms late every
// time ticked every 130 ms.
TEST_F(TimersTest, TimerServedLateKeepsItsBeat) {
  TTickWindow w(kit.Clock());
  SetTimer(w.Handle(), 1, 100);
  for (std::uint64_t late : {30, 20, 45}) {
    std::uint64_t due = T0() + 100 * (w.ticks.size() + 1);
    kit.Clock().Set(due + late);
    kit.Process();
  }
  std::vector<std::uint64_t> at;
  for (const auto& tick : w.ticks) at.push_back(tick.second - T0());
  EXPECT_EQ(at, (std::vector<std::uint64_t>{130, 220, 345}));
  kit.Advance(55);
  ASSERT_EQ(w.ticks.size(), 4u);
  EXPECT_EQ(w.ticks.back().second, T0() + 400);
}

TEST_F(TimersTest, TimerMessagesComeAfterPostedMessages) {
  TTickWindow w(kit.Clock());
  SetTimer(w.Handle(), 3, 10);
  kit.Clock().Set(T0() + 10);
  PostMessage(w.Handle(), WM_USER);
  kit.Process();
  ASSERT_EQ(w.ticks.size(), 2u);
  EXPECT_EQ(w.ticks[0].first, 0u) << "the posted message first";
  EXPECT_EQ(w.ticks[1].first, 3u);
}

TEST_F(TimersTest, TimersOfADestroyedWindowGo) {
  auto w = std::make_unique<TTickWindow>(kit.Clock());
  HWND h = w->Handle();
  SetTimer(h, 1, 50);
  EXPECT_TRUE(TimerActive(h, 1));
  w.reset();
  EXPECT_FALSE(TimerActive(h, 1));
  EXPECT_EQ(SetTimer(h, 1, 50), 0u) << "no timer for a window that is gone";
  EXPECT_FALSE(NextTimerDue().has_value()) << "nothing left to wake the loop for";
  kit.Clock().Set(T0() + 100);
  EXPECT_EQ(PostDueTimers(), 0);
}

struct TimerChange {
  const char* name;
  std::function<void(TTimer&)> change;  // at 60 ms into a 100 ms interval
  std::uint64_t next_tick;              // ms after the start
};

class TimerComponentTest : public TimersTest, public ::testing::WithParamInterface<TimerChange> {};

TEST_P(TimerComponentTest, NextTick) {
  TTimer timer(nullptr);
  timer.SetInterval(100);
  std::vector<std::uint64_t> ticks;
  timer.OnTimer = [&](TObject*) { ticks.push_back(kit.Clock().NowMs() - T0()); };
  kit.Advance(60);
  GetParam().change(timer);
  kit.Advance(240);
  ASSERT_FALSE(ticks.empty());
  EXPECT_EQ(ticks.front(), GetParam().next_tick);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TimerComponentTest,
    ::testing::Values(
        TimerChange{"EnabledAgainWhileRunningKeepsTheCount", [](TTimer& t) { t.SetEnabled(true); }, 100},
        TimerChange{"OffAndOnRestartsTheCount", [](TTimer& t) { t.SetEnabled(false); t.SetEnabled(true); }, 160},
        TimerChange{"SameIntervalKeepsTheCount", [](TTimer& t) { t.SetInterval(100); }, 100},
        TimerChange{"NewIntervalRestartsTheCount", [](TTimer& t) { t.SetInterval(150); }, 210}),
    [](const auto& info) { return std::string(info.param.name); });

// Both timers fall due together (a loop busy for a while makes that common). The first one's
// handler stops or restarts the second, whose WM_TIMER was already queued: it still fired.
TEST_F(TimersTest, TimerStoppedByAnotherTimersHandlerDoesNotFireAfterwards) {
  struct Case {
    const char* name;
    std::function<void(TTimer&)> change;
    std::vector<std::uint64_t> second_ticks;  // ms after the start, within 300 ms
  };
  const Case cases[] = {
      {"disabled", [](TTimer& t) { t.SetEnabled(false); }, {}},
      {"new interval", [](TTimer& t) { t.SetInterval(150); }, {250}},
      {"off and on", [](TTimer& t) { t.SetEnabled(false); t.SetEnabled(true); }, {200, 300}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::uint64_t start = kit.Clock().NowMs();
    TTimer first(nullptr), second(nullptr);
    first.SetInterval(100);
    second.SetInterval(100);
    std::vector<std::uint64_t> ticks;
    first.OnTimer = [&](TObject*) {
      if (kit.Clock().NowMs() == start + 100) c.change(second);
    };
    second.OnTimer = [&](TObject*) { ticks.push_back(kit.Clock().NowMs() - start); };
    kit.Advance(300);
    EXPECT_EQ(ticks, c.second_ticks);
  }
  // A window timer killed the same way.
  TTickWindow w(kit.Clock());
  TTimer killer(nullptr);
  killer.SetInterval(50);
  killer.OnTimer = [&](TObject*) { KillTimer(w.Handle(), 9); };
  SetTimer(w.Handle(), 9, 50);
  kit.Advance(50);
  EXPECT_TRUE(w.ticks.empty());
}

TEST_F(TimersTest, DisabledTimerAndZeroIntervalDoNotRun) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  timer.SetEnabled(false);
  kit.Advance(3000);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(timer.Running());
  timer.SetEnabled(true);
  timer.SetInterval(0);
  kit.Advance(3000);
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(1000);
  kit.Advance(3000);
  EXPECT_EQ(ticks, 3);
}

TEST_F(TimersTest, ExceptionInATimerHandlerIsShownAndTheTimerRunsOn) {
  TTimer timer(nullptr);
  timer.SetInterval(100);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 1) throw Exception("Timer failed.");
  };
  kit.Advance(200);
  EXPECT_EQ(ticks, 2);
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "Timer failed.") << "a message ending in a full stop gets none added";
}

}  // namespace
}  // namespace hd
