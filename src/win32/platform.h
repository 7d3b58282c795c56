// The Win32 realisation of the component layer: window classes, peers, loop and error box.
#pragma once

#include <windows.h>

#include <map>

#include "ui/platform.h"
#include "win32/handles.h"

namespace ui {
class Application;
class Control;
}

namespace win32 {

class Win32Platform : public ui::Platform {
 public:
  explicit Win32Platform(HINSTANCE instance);
  ~Win32Platform() override;

  std::unique_ptr<ui::FormPeer> CreateFormPeer(ui::Form& form) override;
  std::unique_ptr<ui::ButtonPeer> CreateButtonPeer(ui::Button& button) override;
  std::unique_ptr<ui::GridPeer> CreateGridPeer(ui::Grid& grid) override;
  std::unique_ptr<ui::EditPeer> CreateEditPeer(ui::Edit& edit) override;
  std::unique_ptr<ui::ComboBoxPeer> CreateComboBoxPeer(ui::ComboBox& combo) override;
  std::unique_ptr<ui::ControlPeer> CreateLabelPeer(ui::Label& label) override;
  std::unique_ptr<ui::ControlPeer> CreateGroupBoxPeer(ui::GroupBox& group) override;
  std::unique_ptr<ui::PopupMenuPeer> CreatePopupMenuPeer(ui::PopupMenu& menu) override;
  std::unique_ptr<ui::TimerPeer> CreateTimerPeer(ui::Timer& timer) override;

  ui::Size ScreenSize() const override;
  ui::FrameExtent DialogFrame() const override;
  void Beep() override { MessageBeep(MB_OK); }
  void ShowErrorBox(const std::string& text, const std::string& caption) override;
  void RunMessageLoop() override;
  void PostQuit() override;

  HINSTANCE Instance() const { return instance_; }
  HFONT DefaultFont() const { return static_cast<HFONT>(font_.get()); }
  // The window of a form that has a Win32 peer; null otherwise.
  HWND WindowOf(const ui::Form& form) const;
  // The window of a group box, which holds its controls.
  HWND ContainerWindow(const ui::Control& container) const;
  void RegisterContainer(const ui::Control& container, HWND window) {
    container_windows_[&container] = window;
  }
  void UnregisterContainer(const ui::Control& container) { container_windows_.erase(&container); }
  // A hidden window for timers and messages that belong to no form.
  HWND UtilityWindow() const { return utility_window_.get(); }
  // A new identifier for a child control.
  UINT_PTR NextId() { return next_id_++; }
  // A new timer identifier: 1 for the first timer made, 2 for the next...
  UINT_PTR NextTimerId() { return next_timer_id_++; }

  // Bookkeeping for the form peers.
  void RegisterFormWindow(ui::Form& form, HWND window);
  void UnregisterFormWindow(const ui::Form& form);
  void RegisterTimer(UINT_PTR id, ui::Timer& timer) { timers_[id] = &timer; }
  void UnregisterTimer(UINT_PTR id) { timers_.erase(id); }

  // Window styles of a fixed dialog frame without system menu.
  static constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  static constexpr DWORD kFormExStyle =
      WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

 private:
  static LRESULT CALLBACK UtilityProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HINSTANCE instance_;
  UniqueGdiObject font_;
  UniqueWindow utility_window_;
  std::map<const ui::Form*, HWND> form_windows_;
  std::map<HWND, ui::Form*> forms_by_window_;
  std::map<const ui::Control*, HWND> container_windows_;
  std::map<UINT_PTR, ui::Timer*> timers_;
  UINT_PTR next_id_ = 100;  // clear of IDOK, IDCANCEL and the other dialog ids
  UINT_PTR next_timer_id_ = 1;
};

}  // namespace win32
