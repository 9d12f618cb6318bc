#include "platform/timers.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace hd {
namespace {

class TRealClock : public TClock {
 public:
  std::uint64_t NowMs() const override {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
  void Sleep(std::uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

struct TimerEntry {
  HWND window;
  std::uintptr_t id;
  unsigned interval;
  std::uint64_t due;
};

struct TimerState {
  TRealClock real;
  TClock* clock = &real;
  std::vector<TimerEntry> timers;
  std::function<void()> listener;
};

TimerState& State() {
  static TimerState state;
  return state;
}

void Changed() {
  if (State().listener) State().listener();
}

auto FindTimer(HWND h, std::uintptr_t id) {
  auto& t = State().timers;
  return std::find_if(t.begin(), t.end(), [&](const TimerEntry& e) { return e.window == h && e.id == id; });
}

}  // namespace

TClock& Clock() { return *State().clock; }

void SetClock(TClock* clock) {
  State().clock = clock ? clock : &State().real;
  Changed();
}

std::uint32_t GetTickCount() { return static_cast<std::uint32_t>(Clock().NowMs()); }

std::uintptr_t SetTimer(HWND h, std::uintptr_t id, unsigned ms) {
  if (!IsWindow(h)) return 0;
  unsigned interval = std::max(ms, USER_TIMER_MINIMUM);
  std::uint64_t due = Clock().NowMs() + interval;
  auto it = FindTimer(h, id);
  if (it != State().timers.end()) {
    it->interval = interval;
    it->due = due;
    RemoveTimerMessage(h, id);
  } else {
    State().timers.push_back({h, id, interval, due});
  }
  Changed();
  return id;
}

bool KillTimer(HWND h, std::uintptr_t id) {
  auto it = FindTimer(h, id);
  if (it == State().timers.end()) return false;
  State().timers.erase(it);
  RemoveTimerMessage(h, id);
  Changed();
  return true;
}

void KillTimersOf(HWND h) {
  auto& t = State().timers;
  auto before = t.size();
  t.erase(std::remove_if(t.begin(), t.end(), [&](const TimerEntry& e) { return e.window == h; }), t.end());
  if (t.size() != before) Changed();
}

bool TimerActive(HWND h, std::uintptr_t id) { return FindTimer(h, id) != State().timers.end(); }

std::optional<std::uint64_t> NextTimerDue() {
  std::optional<std::uint64_t> next;
  for (const auto& e : State().timers)
    if (!next || e.due < *next) next = e.due;
  return next;
}

int PostDueTimers() {
  std::uint64_t now = Clock().NowMs();
  // Collect first: posting may not change the list, but the handlers that run later may.
  std::vector<std::pair<HWND, std::uintptr_t>> due;
  for (auto& e : State().timers) {
    if (e.due <= now) {
      due.emplace_back(e.window, e.id);
      // The next one keeps the timer's beat, so that a late loop does not make it drift; a
      // timer late by a whole interval or more starts its count again from now.
      e.due += e.interval;
      if (e.due <= now) e.due = now + e.interval;
    }
  }
  for (auto& [h, id] : due) PostTimerMessage(h, id);
  if (!due.empty()) Changed();
  return static_cast<int>(due.size());
}

void SetTimerChangeListener(std::function<void()> listener) { State().listener = std::move(listener); }

}  // namespace hd
