// Wine's notification area seen from another process: its icon windows, their tooltips, clicks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Icon windows of Wine's stand-alone tray, left to right.
std::vector<HWND> TrayIcons();
// The tooltip text of an icon window; the tooltip lives in the shell's process.
std::string TrayTip(HWND icon);
// Posts the mouse messages of a right click, a left click or a left double-click to the icon
// window, which passes them on to the icon's owner as its callback message.
bool ClickTrayIcon(HWND icon, const std::string& how);

}  // namespace driver
