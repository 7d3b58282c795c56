// Group box peer: a plain container window with a one-pixel black frame. Its controls are its
// children, so hiding it hides them and takes them out of the Tab order; their notifications
// are handed to their peers as the form does.
#include "ui/group_box.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"
#include "win32/window_class.h"

namespace win32 {
namespace {

constexpr char kPanelClass[] = "VardekoPanel";

class GroupBoxPeer : public ControlPeerBase<ui::ControlPeer> {
 public:
  GroupBoxPeer(Win32Platform& platform, ui::GroupBox& group) : platform_(platform), group_(group) {
    RegisterWindowClass(platform.Instance(), kPanelClass, &GroupBoxPeer::PanelProc,
                        WindowLook::Visible);
    HWND window = CreateChild(platform, group, kPanelClass, 0, WS_EX_CONTROLPARENT);
    platform.RegisterContainer(group, window);
  }
  ~GroupBoxPeer() override { platform_.UnregisterContainer(group_); }

  void SetText(const std::string&) override {}  // no caption
  void SetFocus() override {}                   // the focus goes to its controls

 private:
  static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (message == WM_COMMAND || message == WM_NOTIFY) {
      // Enter and Escape reach the form, which owns the default button.
      if (message == WM_COMMAND && lparam == 0) {
        return SendMessageA(GetAncestor(window, GA_ROOT), message, wparam, lparam);
      }
      if (RouteToChild(message, wparam, lparam, result)) return result;
    }
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT frame;
      GetClientRect(window, &frame);
      FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      EndPaint(window, &paint);
      return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }

  Win32Platform& platform_;
  ui::GroupBox& group_;
};

}  // namespace

std::unique_ptr<ui::ControlPeer> MakeGroupBoxPeer(Win32Platform& platform, ui::GroupBox& group) {
  return std::make_unique<GroupBoxPeer>(platform, group);
}

}  // namespace win32
