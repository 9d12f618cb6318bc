// Window timers on a replaceable clock (the timer component is in ext_ctrls.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/messages.h"

namespace hd {

// Milliseconds since an arbitrary start. The program runs on the real clock; tests install a
// virtual clock and move it themselves.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual std::uint64_t NowMs() const = 0;
  // Waits (or, for a virtual clock, moves the time) for the given milliseconds.
  virtual void Sleep(std::uint32_t ms) = 0;
  virtual bool IsVirtual() const { return false; }
};

class TVirtualClock : public TClock {
 public:
  explicit TVirtualClock(std::uint64_t start = 1000) : now_(start) {}
  std::uint64_t NowMs() const override { return now_; }
  void Sleep(std::uint32_t ms) override { now_ += ms; }
  bool IsVirtual() const override { return true; }
  void Set(std::uint64_t ms) { now_ = ms; }

 private:
  std::uint64_t now_;
};

TClock& Clock();
// Installs a clock (not owned); nullptr goes back to the real clock.
void SetClock(TClock* clock);
std::uint32_t GetTickCount();

// The platform's shortest timer interval; shorter ones run at this rate.
constexpr unsigned USER_TIMER_MINIMUM = 10;

// Starts or restarts timer `id` of the window: WM_TIMER (WParam id) is posted every `ms`
// milliseconds. A due timer posts once, however late; its next one falls an interval after
// the time it was due, or an interval from now when that has passed as well. A timer killed
// or set again before its WM_TIMER was delivered takes that message back. Returns id, or 0
// for an unknown window.
std::uintptr_t SetTimer(HWND h, std::uintptr_t id, unsigned ms);
bool KillTimer(HWND h, std::uintptr_t id);
void KillTimersOf(HWND h);
bool TimerActive(HWND h, std::uintptr_t id);
// When the next timer falls due, or none.
std::optional<std::uint64_t> NextTimerDue();
// Posts WM_TIMER for each timer that is due now, once each; returns how many.
int PostDueTimers();
// Told whenever the set of timers changes (the native loop re-arms its wake-up).
void SetTimerChangeListener(std::function<void()> listener);


}  // namespace hd
