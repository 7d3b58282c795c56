// Label peer: a STATIC text window.
#include "ui/label.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

class LabelPeer : public ControlPeerBase<ui::ControlPeer> {
 public:
  LabelPeer(Win32Platform& platform, ui::Label& label) {
    CreateChild(platform, label, "STATIC", SS_LEFT | SS_NOPREFIX);
  }
  void SetFocus() override {}  // a label takes no focus
};

}  // namespace

std::unique_ptr<ui::ControlPeer> MakeLabelPeer(Win32Platform& platform, ui::Label& label) {
  return std::make_unique<LabelPeer>(platform, label);
}

}  // namespace win32
