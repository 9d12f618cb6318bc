// The timer component: OnTimer at its interval through a hidden window's WM_TIMER.
#include "platform/ext_ctrls.h"
#include "platform/timers.h"

namespace hd {

// The hidden window that receives the timer component's WM_TIMER.
class TTimer::Window : public TWindowTarget {
 public:
  explicit Window(TTimer& owner) : owner_(owner) {}
  void MainWndProc(TMessage& m) override {
    if (m.Msg == WM_TIMER && m.WParam == 1) owner_.Timer();
  }
  std::string TraceName() const override { return "TTimer " + owner_.Name(); }

 private:
  TTimer& owner_;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), window_(std::make_unique<Window>(*this)) {
  UpdateTimer();
}

TTimer::~TTimer() { KillTimer(window_->Handle(), 1); }

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (value == interval_) return;
  interval_ = value;
  UpdateTimer();
}

bool TTimer::Running() const { return TimerActive(window_->Handle(), 1); }

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

void TTimer::UpdateTimer() {
  KillTimer(window_->Handle(), 1);
  if (interval_ != 0 && enabled_) SetTimer(window_->Handle(), 1, interval_);
}

}  // namespace hd
