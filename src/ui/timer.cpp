// Timer component.
#include "ui/timer.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::string name)
    : Component(std::move(name)),
      owner_(owner),
      peer_(owner.App().GetPlatform().CreateTimerPeer(*this)) {
  Restart();
}

Timer::~Timer() { peer_->Stop(); }

void Timer::SetInterval(unsigned interval_ms) {
  interval_ms_ = interval_ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  peer_->Stop();
  if (enabled_ && interval_ms_ > 0) peer_->Start(interval_ms_);
}

void Timer::Tick() {
  // A modal box inside the handler runs the message loop; a tick arriving there is dropped.
  if (ticking_ || !enabled_) return;
  ticking_ = true;
  owner_.App().Dispatch(*this, OnTimer);
  ticking_ = false;
}

}  // namespace ui
