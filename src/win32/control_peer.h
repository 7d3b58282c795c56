// Common part of the Win32 peers of child controls: the window, its properties, command routing.
#pragma once

#include <windows.h>

#include <string>

#include "ui/platform.h"
#include "win32/handles.h"

namespace ui {
class Control;
}

namespace win32 {

class Win32Platform;

class ChildWindow {
 public:
  virtual ~ChildWindow();
  // A WM_COMMAND notification the control sent to its parent.
  virtual void HandleCommand(WORD /*code*/) {}
  // A WM_NOTIFY the control sent to its parent; true when handled, with the message's result.
  virtual bool HandleNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

  // The peer behind a child window, or null for windows that are not ours.
  static ChildWindow* FromWindow(HWND window);
  // Hands WM_COMMAND and WM_NOTIFY of child controls to their peers; true when handled.
  static bool RouteToChild(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

 protected:
  // Tells the form that this control gained or lost the keyboard focus.
  static void ReportFocus(ui::Control& control, bool gained);
  // Creates the child window on its parent's window (the group box or the form) and links it to
  // this peer.
  HWND CreateChild(Win32Platform& platform, const ui::Control& control, const char* window_class,
                   DWORD style, DWORD ex_style = 0);

  UniqueWindow window_;
};

// Property plumbing shared by every control peer.
template <typename PeerInterface>
class ControlPeerBase : public PeerInterface, public ChildWindow {
 public:
  void SetBounds(const ui::Rect& b) override {
    SetWindowPos(window_.get(), nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetText(const std::string& text) override { SetWindowTextA(window_.get(), text.c_str()); }
  void SetVisible(bool visible) override {
    ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE);
  }
  void SetEnabled(bool enabled) override { EnableWindow(window_.get(), enabled); }
  void SetFocus() override { ::SetFocus(window_.get()); }
};

}  // namespace win32
