// Tray icon peer: a hidden window receives the icon's notifications and the shell's
// "TaskbarCreated"; the icon is known to the shell by that window and an id.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "ui/form.h"
#include "win32/desktop_peers.h"
#include "win32/handles.h"
#include "win32/platform.h"
#include "win32/window_class.h"

namespace win32 {
namespace {

constexpr char kWindowClass[] = "VardekoTrayIcon";
constexpr UINT kCallbackMessage = WM_APP + 1;
constexpr UINT kIconId = 1;

class TrayIconPeer final : public ui::TrayIconPeer {
 public:
  TrayIconPeer(Win32Platform& platform, ui::Form& owner, ui::TrayIconListener& listener)
      : platform_(platform),
        owner_(owner),
        listener_(listener),
        taskbar_created_(RegisterWindowMessageA("TaskbarCreated")) {
    RegisterWindowClass(platform.Instance(), kWindowClass, &TrayIconPeer::WindowProc);
    // A hidden top-level window, not a message-only one: only top-level windows hear broadcasts.
    window_.reset(CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  platform.Instance(), nullptr));
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // An elevated instance would otherwise never hear the shell, which runs unelevated.
    ChangeWindowMessageFilterEx(window_.get(), taskbar_created_, MSGFLT_ALLOW, nullptr);
    icon_.reset(static_cast<HICON>(LoadImageA(platform.Instance(), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0)));
  }

  ~TrayIconPeer() override {
    RemoveIcon();
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
  }

  bool AddIcon(const std::string& tip) override {
    NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP, tip);
    // After a shell restart the icon may be known still; then only its data changes.
    added_ = Shell_NotifyIconA(NIM_ADD, &data) || Shell_NotifyIconA(NIM_MODIFY, &data);
    return added_;
  }

  void SetTip(const std::string& tip) override {
    NOTIFYICONDATAA data = Data(NIF_TIP, tip);
    if (added_) Shell_NotifyIconA(NIM_MODIFY, &data);
  }

  void RemoveIcon() override {
    if (!added_) return;
    NOTIFYICONDATAA data = Data(0, {});
    Shell_NotifyIconA(NIM_DELETE, &data);
    added_ = false;
  }

  void ForegroundForMenu() override {
    if (HWND form_window = platform_.WindowOf(owner_)) SetForegroundWindow(form_window);
  }

 private:
  // The first layout of the structure has all this needs (callback, icon, a tooltip of up to 63
  // characters), and every shell accepts it. The icon is identified by window and id.
  NOTIFYICONDATAA Data(UINT flags, const std::string& tip) const {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_.get();
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.get();
    const std::size_t length = std::min(tip.size(), std::size_t{63});
    std::copy_n(tip.begin(), length, data.szTip);
    data.szTip[length] = '\0';
    return data;
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* peer = reinterpret_cast<TrayIconPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (peer != nullptr && peer->Handle(message, lparam)) return 0;
    return DefWindowProcA(window, message, wparam, lparam);
  }

  // The listeners are the component's dispatch boundary: nothing is thrown back to here.
  bool Handle(UINT message, LPARAM lparam) {
    if (message == taskbar_created_) {
      added_ = false;  // the new taskbar starts without icons
      listener_.TaskbarRecreated();
      return true;
    }
    if (message != kCallbackMessage) return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    switch (LOWORD(lparam)) {
      case WM_RBUTTONUP:
        listener_.TrayIconMouse(ui::TrayMouse::kRightClick, cursor.x, cursor.y);
        break;
      case WM_LBUTTONDBLCLK:
        listener_.TrayIconMouse(ui::TrayMouse::kLeftDoubleClick, cursor.x, cursor.y);
        break;
      case WM_LBUTTONUP:
        listener_.TrayIconMouse(ui::TrayMouse::kLeftClick, cursor.x, cursor.y);
        break;
      default:
        break;
    }
    return true;
  }

  Win32Platform& platform_;
  ui::Form& owner_;
  ui::TrayIconListener& listener_;
  const UINT taskbar_created_;
  UniqueWindow window_;
  UniqueIcon icon_;
  bool added_ = false;
};

}  // namespace

std::unique_ptr<ui::TrayIconPeer> MakeTrayIconPeer(Win32Platform& platform, ui::Form& owner,
                                                   ui::TrayIconListener& listener) {
  return std::make_unique<TrayIconPeer>(platform, owner, listener);
}

}  // namespace win32
