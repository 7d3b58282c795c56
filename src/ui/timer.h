// Periodic timer. A tick that falls due while the previous one still runs is dropped, not queued.
#pragma once

#include <memory>
#include <string>

#include "ui/component.h"
#include "ui/platform.h"

namespace ui {

class Form;

class Timer : public Component {
 public:
  // Like the framework's timer: enabled, with a one-second interval, until told otherwise.
  Timer(Form& owner, std::string name);
  ~Timer() override;

  unsigned Interval() const { return interval_ms_; }
  void SetInterval(unsigned interval_ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // One tick: runs OnTimer through the dispatch boundary. Called by the peer.
  void Tick();

  NotifyEvent OnTimer;

 private:
  void Restart();

  Form& owner_;
  std::unique_ptr<TimerPeer> peer_;
  unsigned interval_ms_ = 1000;
  bool enabled_ = true;
  bool ticking_ = false;
};

}  // namespace ui
