// Factories of the Win32 desktop peers, one file each; the desktop platform hands them out.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/desktop_platform.h"

namespace win32 {

class Win32Platform;

std::unique_ptr<ui::TrayIconPeer> MakeTrayIconPeer(Win32Platform& platform, ui::Form& owner,
                                                   ui::TrayIconListener& listener);
// `window` is the owner form's window; the form's buttons share its title bar.
std::unique_ptr<ui::CaptionButtonPeer> MakeCaptionButtonPeer(HWND window,
                                                             ui::CaptionButtonListener& listener);
std::unique_ptr<ui::MessageWindowPeer> MakeMessageWindowPeer(Win32Platform& platform,
                                                             const std::string& window_class,
                                                             ui::MessageWindowListener& listener);
// The box is owned by `owner` when given (it is then disabled while the box is open).
int RunInfoBox(Win32Platform& platform, HWND owner, const ui::InfoBoxContent& content);

}  // namespace win32
