// Child window creation and the link from a window back to its peer.
#include "win32/control_peer.h"

#include "ui/control.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "win32/platform.h"

namespace win32 {

ChildWindow::~ChildWindow() {
  if (window_) RemovePropA(window_.get(), "VardekoPeer");
}

ChildWindow* ChildWindow::FromWindow(HWND window) {
  return reinterpret_cast<ChildWindow*>(GetPropA(window, "VardekoPeer"));
}

bool ChildWindow::RouteToChild(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_COMMAND && lparam != 0) {
    ChildWindow* child = FromWindow(reinterpret_cast<HWND>(lparam));
    if (child == nullptr) return false;
    child->HandleCommand(HIWORD(wparam));
    result = 0;
    return true;
  }
  if (message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
    ChildWindow* child = FromWindow(header.hwndFrom);
    return child != nullptr && child->HandleNotify(header, result);
  }
  return false;
}

void ChildWindow::ReportFocus(ui::Control& control, bool gained) {
  ui::Form& form = control.Owner();
  if (gained) {
    form.NotifyFocusChanged(&control);
  } else if (form.ActiveControl() == &control) {
    form.NotifyFocusChanged(nullptr);
  }
}

HWND ChildWindow::CreateChild(Win32Platform& platform, const ui::Control& control,
                              const char* window_class, DWORD style, DWORD ex_style) {
  const ui::Rect& b = control.Bounds();
  HWND parent = control.Parent() != nullptr ? platform.ContainerWindow(*control.Parent())
                                             : platform.WindowOf(control.Owner());
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
