// The Win32 realisation of the desktop peers: notification area, title bar, info boxes and
// message windows, on the windows of the Win32 platform.
#pragma once

#include "ui/desktop_platform.h"

namespace win32 {

class Win32Platform;

class Win32DesktopPlatform final : public ui::DesktopPlatform {
 public:
  explicit Win32DesktopPlatform(Win32Platform& platform) : platform_(platform) {}

  std::unique_ptr<ui::TrayIconPeer> CreateTrayIconPeer(ui::Form& owner, const std::string& name,
                                                       ui::TrayIconListener& listener) override;
  std::unique_ptr<ui::CaptionButtonPeer> CreateCaptionButtonPeer(
      ui::Form& owner, const std::string& name, ui::CaptionButtonListener& listener) override;
  std::unique_ptr<ui::MessageWindowPeer> CreateMessageWindowPeer(
      const std::string& window_class, ui::MessageWindowListener& listener) override;
  int ShowInfoBox(ui::Form* owner, const ui::InfoBoxContent& content) override;
  void ActivateFormWindow(ui::Form& form) override;

 private:
  Win32Platform& platform_;
};

}  // namespace win32
