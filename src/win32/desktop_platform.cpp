// Win32 desktop platform: hands out the desktop peers and activates form windows.
#include "win32/desktop_platform.h"

#include <windows.h>

#include "ui/form.h"
#include "win32/desktop_peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

// A form without a window (its creation failed) gets buttons that are never seen.
class NoCaptionButton final : public ui::CaptionButtonPeer {
 public:
  void SetLook(const ui::CaptionButtonLook&) override {}
};

}  // namespace

std::unique_ptr<ui::TrayIconPeer> Win32DesktopPlatform::CreateTrayIconPeer(
    ui::Form& owner, const std::string&, ui::TrayIconListener& listener) {
  return MakeTrayIconPeer(platform_, owner, listener);
}

std::unique_ptr<ui::CaptionButtonPeer> Win32DesktopPlatform::CreateCaptionButtonPeer(
    ui::Form& owner, const std::string&, ui::CaptionButtonListener& listener) {
  HWND window = platform_.WindowOf(owner);
  if (window == nullptr) return std::make_unique<NoCaptionButton>();
  return MakeCaptionButtonPeer(window, listener);
}

std::unique_ptr<ui::MessageWindowPeer> Win32DesktopPlatform::CreateMessageWindowPeer(
    const std::string& window_class, ui::MessageWindowListener& listener) {
  return MakeMessageWindowPeer(platform_, window_class, listener);
}

// A hidden owner would hide the box from the taskbar, so the box then stands on its own.
int Win32DesktopPlatform::ShowInfoBox(ui::Form* owner, const ui::InfoBoxContent& content) {
  HWND owner_window = owner != nullptr ? platform_.WindowOf(*owner) : nullptr;
  if (owner_window != nullptr && !IsWindowVisible(owner_window)) owner_window = nullptr;
  return RunInfoBox(platform_, owner_window, content);
}

void Win32DesktopPlatform::ActivateFormWindow(ui::Form& form) {
  HWND window = platform_.WindowOf(form);
  if (window == nullptr) return;
  if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  } else {
    BringWindowToTop(window);
  }
  SetForegroundWindow(window);
}

}  // namespace win32
