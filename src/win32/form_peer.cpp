// Form peer: a top-level window with a fixed dialog frame whose messages reach the form.
#include <exception>
#include <string>

#include "ui/application.h"
#include "ui/form.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"
#include "win32/window_class.h"

namespace win32 {
namespace {

class FormPeer : public ui::FormPeer {
 public:
  FormPeer(Win32Platform& platform, ui::Form& form) : platform_(platform), form_(form) {
    const std::string class_name = form.ClassName();
    RegisterWindowClass(platform.Instance(), class_name.c_str(), &FormPeer::WindowProc,
                        WindowLook::Visible, LoadIconA(platform.Instance(), MAKEINTRESOURCEA(1)));
    const ui::Rect& b = form.Bounds();
    window_.reset(CreateWindowExA(Win32Platform::kFormExStyle, class_name.c_str(),
                                  form.Caption().c_str(), Win32Platform::kFormStyle, b.left,
                                  b.top, b.width, b.height, nullptr, nullptr,
                                  platform.Instance(), this));
    platform_.RegisterFormWindow(form_, window_.get());
  }

  ~FormPeer() override {
    platform_.UnregisterFormWindow(form_);
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
  }

  void SetCaption(const std::string& caption) override {
    SetWindowTextA(window_.get(), caption.c_str());
  }
  void SetBounds(const ui::Rect& b) override {
    SetWindowPos(window_.get(), nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetVisible(bool visible) override {
    ShowWindow(window_.get(), visible ? SW_SHOW : SW_HIDE);
  }
  void BringToFront() override {
    BringWindowToTop(window_.get());
    SetForegroundWindow(window_.get());
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* peer = reinterpret_cast<FormPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (peer == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    // No exception may cross into the system's code.
    try {
      LRESULT result = 0;
      if (peer->Handle(window, message, wparam, lparam, result)) return result;
    } catch (const std::exception& error) {
      peer->form_.App().ShowException(error.what());
      return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }

  bool Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (message) {
      case WM_COMMAND:
        // Enter, routed by the dialog manager; no control uses the IDOK or IDCANCEL ids.
        if (LOWORD(wparam) == IDOK) {
          form_.PressEnter();
          return true;
        }
        if (LOWORD(wparam) == IDCANCEL) return true;  // the window has no cancel button
        return ChildWindow::RouteToChild(message, wparam, lparam, result);
      case WM_NOTIFY:
        return ChildWindow::RouteToChild(message, wparam, lparam, result);
      case WM_ACTIVATE:
        if (LOWORD(wparam) != WA_INACTIVE && !IsIconic(window)) {
          form_.RestoreFocus();
          return true;
        }
        return false;
      case WM_CLOSE:
        form_.Close();
        return true;
      case WM_MOVE: {
        RECT r;
        GetWindowRect(window, &r);
        form_.NotifyMoved(r.left, r.top);
        return false;
      }
      case WM_SIZE:
        form_.NotifyWindowState(wparam == SIZE_MINIMIZED   ? ui::WindowState::Minimized
                                : wparam == SIZE_MAXIMIZED ? ui::WindowState::Maximized
                                                           : ui::WindowState::Normal);
        return false;
      case WM_ENDSESSION:
        // The user's log-on is ending: leave the loop, save nothing.
        if (wparam) form_.App().Terminate();
        return true;
      default:
        result = 0;
        return false;
    }
  }

  Win32Platform& platform_;
  ui::Form& form_;
  UniqueWindow window_;
};

}  // namespace

std::unique_ptr<ui::FormPeer> MakeFormPeer(Win32Platform& platform, ui::Form& form) {
  return std::make_unique<FormPeer>(platform, form);
}

}  // namespace win32
