// Push button peer: a BUTTON window whose clicks reach the component.
#include "ui/button.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

class ButtonPeer : public ControlPeerBase<ui::ButtonPeer> {
 public:
  ButtonPeer(Win32Platform& platform, ui::Button& button) : button_(button) {
    CreateChild(platform, button, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY);
  }

  void SetDefault(bool is_default) override {
    SendMessageA(window_.get(), BM_SETSTYLE, is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  void HandleCommand(WORD code) override {
    if (code == BN_CLICKED) button_.Click();
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) ReportFocus(button_, code == BN_SETFOCUS);
  }

 private:
  ui::Button& button_;
};

}  // namespace

std::unique_ptr<ui::ButtonPeer> MakeButtonPeer(Win32Platform& platform, ui::Button& button) {
  return std::make_unique<ButtonPeer>(platform, button);
}

}  // namespace win32
