// Child window creation and the link from a window back to its peer.
#include "win32/control_peer.h"

#include "ui/control.h"
#include "ui/form.h"
#include "win32/platform.h"

namespace win32 {

ChildWindow::~ChildWindow() {
  if (window_) RemovePropA(window_.get(), "VardekoPeer");
}

ChildWindow* ChildWindow::FromWindow(HWND window) {
  return reinterpret_cast<ChildWindow*>(GetPropA(window, "VardekoPeer"));
}

HWND ChildWindow::CreateChild(Win32Platform& platform, const ui::Control& control,
                              const char* window_class, DWORD style, DWORD ex_style) {
  const ui::Rect& b = control.Bounds();
  HWND parent = platform.WindowOf(control.Owner());
  window_.reset(CreateWindowExA(ex_style, window_class, control.Caption().c_str(),
                                WS_CHILD | WS_CLIPSIBLINGS | style, b.left, b.top, b.width,
                                b.height, parent,
                                reinterpret_cast<HMENU>(platform.NextId()), platform.Instance(),
                                nullptr));
  if (!window_) return nullptr;
  SetPropA(window_.get(), "VardekoPeer", static_cast<ChildWindow*>(this));
  SendMessageA(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(platform.DefaultFont()), FALSE);
  return window_.get();
}

}  // namespace win32
