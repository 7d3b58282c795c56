// Win32 platform: shared font, utility window, message loop and the standard error box.
#include "win32/platform.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/form.h"
#include "ui/timer.h"
#include "win32/peers.h"
#include "win32/window_class.h"

namespace win32 {
namespace {

constexpr char kUtilityClass[] = "VardekoUtilityWindow";

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The form's design font: "MS Sans Serif", 11 pixels high.
  font_.reset(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
  RegisterWindowClass(instance_, kUtilityClass, &Win32Platform::UtilityProc);
  utility_window_.reset(CreateWindowExA(0, kUtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                        nullptr, instance_, nullptr));
  SetWindowLongPtrA(utility_window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Platform::~Win32Platform() {
  SetWindowLongPtrA(utility_window_.get(), GWLP_USERDATA, 0);
}

std::unique_ptr<ui::FormPeer> Win32Platform::CreateFormPeer(ui::Form& form) {
  return MakeFormPeer(*this, form);
}
std::unique_ptr<ui::ButtonPeer> Win32Platform::CreateButtonPeer(ui::Button& button) {
  return MakeButtonPeer(*this, button);
}
std::unique_ptr<ui::GridPeer> Win32Platform::CreateGridPeer(ui::Grid& grid) {
  return MakeGridPeer(*this, grid);
}
std::unique_ptr<ui::EditPeer> Win32Platform::CreateEditPeer(ui::Edit& edit) {
  return MakeEditPeer(*this, edit);
}
std::unique_ptr<ui::ComboBoxPeer> Win32Platform::CreateComboBoxPeer(ui::ComboBox& combo) {
  return MakeComboBoxPeer(*this, combo);
}
std::unique_ptr<ui::ControlPeer> Win32Platform::CreateLabelPeer(ui::Label& label) {
  return MakeLabelPeer(*this, label);
}
std::unique_ptr<ui::ControlPeer> Win32Platform::CreateGroupBoxPeer(ui::GroupBox& group) {
  return MakeGroupBoxPeer(*this, group);
}
std::unique_ptr<ui::PopupMenuPeer> Win32Platform::CreatePopupMenuPeer(ui::PopupMenu& menu) {
  return MakePopupMenuPeer(*this, menu);
}
std::unique_ptr<ui::TimerPeer> Win32Platform::CreateTimerPeer(ui::Timer& timer) {
  return MakeTimerPeer(*this, timer);
}

ui::Size Win32Platform::ScreenSize() const {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ui::FrameExtent Win32Platform::DialogFrame() const {
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, kFormStyle, FALSE, kFormExStyle);
  return {-r.left, -r.top, r.right, r.bottom};
}

void Win32Platform::ShowErrorBox(const std::string& text, const std::string& caption) {
  // Task-modal: the program's windows take no input until the box is closed.
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Win32Platform::RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Forms get dialog keyboard handling: Tab, Enter for the default button, Alt+letter.
    HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    const auto form = forms_by_window_.find(root);
    if (form != forms_by_window_.end()) {
      // Alt+letter follows the form's own rule (usable buttons only), the same on every system.
      if (msg.message == WM_SYSCHAR) {
        if (!form->second->PressAccelerator(static_cast<char>(msg.wParam))) MessageBeep(MB_OK);
        continue;
      }
      if (IsDialogMessageA(root, &msg)) continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void Win32Platform::PostQuit() { PostQuitMessage(0); }

HWND Win32Platform::WindowOf(const ui::Form& form) const {
  const auto it = form_windows_.find(&form);
  return it == form_windows_.end() ? nullptr : it->second;
}

void Win32Platform::RegisterFormWindow(ui::Form& form, HWND window) {
  form_windows_[&form] = window;
  forms_by_window_[window] = &form;
}

HWND Win32Platform::ContainerWindow(const ui::Control& container) const {
  const auto it = container_windows_.find(&container);
  return it == container_windows_.end() ? nullptr : it->second;
}

void Win32Platform::UnregisterFormWindow(const ui::Form& form) {
  const auto it = form_windows_.find(&form);
  if (it == form_windows_.end()) return;
  forms_by_window_.erase(it->second);
  form_windows_.erase(it);
}

LRESULT CALLBACK Win32Platform::UtilityProc(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  auto* platform = reinterpret_cast<Win32Platform*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (platform != nullptr && message == WM_TIMER) {
    const auto it = platform->timers_.find(wparam);
    if (it != platform->timers_.end()) it->second->Tick();  // Tick is the dispatch boundary
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace win32
