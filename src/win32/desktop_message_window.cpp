// Message window peer: a hidden top-level window of a given class whose private messages reach
// the component; other processes find it by the handle the component publishes.
#include <windows.h>

#include "win32/desktop_peers.h"
#include "win32/handles.h"
#include "win32/platform.h"
#include "win32/window_class.h"

namespace win32 {
namespace {

class MessageWindowPeer final : public ui::MessageWindowPeer {
 public:
  MessageWindowPeer(Win32Platform& platform, const std::string& window_class,
                    ui::MessageWindowListener& listener)
      : listener_(listener) {
    RegisterWindowClass(platform.Instance(), window_class.c_str(), &MessageWindowPeer::WindowProc);
    window_.reset(CreateWindowExA(0, window_class.c_str(), "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, platform.Instance(), nullptr));
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  ~MessageWindowPeer() override { SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0); }

  // Window handles have 32 significant bits in every process, 64-bit ones included.
  std::uint32_t Handle() const override {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window_.get()));
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* peer = reinterpret_cast<MessageWindowPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Private messages only: WM_USER up to the end of the WM_APP range.
    if (peer != nullptr && message >= WM_USER && message < 0xC000 &&
        peer->listener_.WindowMessage(message)) {
      return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }

  ui::MessageWindowListener& listener_;
  UniqueWindow window_;
};

}  // namespace

std::unique_ptr<ui::MessageWindowPeer> MakeMessageWindowPeer(Win32Platform& platform,
                                                             const std::string& window_class,
                                                             ui::MessageWindowListener& listener) {
  return std::make_unique<MessageWindowPeer>(platform, window_class, listener);
}

}  // namespace win32
