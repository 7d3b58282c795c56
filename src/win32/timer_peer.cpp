// Timer peer: SetTimer on the platform's utility window; WM_TIMER never queues a second tick.
#include "ui/timer.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

class TimerPeer : public ui::TimerPeer {
 public:
  TimerPeer(Win32Platform& platform, ui::Timer& timer)
      : platform_(platform), id_(platform.NextTimerId()) {
    platform_.RegisterTimer(id_, timer);
  }
  ~TimerPeer() override {
    Stop();
    platform_.UnregisterTimer(id_);
  }

  void Start(unsigned interval_ms) override {
    SetTimer(platform_.UtilityWindow(), id_, interval_ms, nullptr);
  }
  void Stop() override { KillTimer(platform_.UtilityWindow(), id_); }

 private:
  Win32Platform& platform_;
  UINT_PTR id_;
};

}  // namespace

std::unique_ptr<ui::TimerPeer> MakeTimerPeer(Win32Platform& platform, ui::Timer& timer) {
  return std::make_unique<TimerPeer>(platform, timer);
}

}  // namespace win32
