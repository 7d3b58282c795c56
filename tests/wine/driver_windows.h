// Finding and describing windows of another process, for the Wine test driver.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// The first top-level window of the class whose caption is `title` ("" matches any caption).
HWND FindTopLevel(const std::string& window_class, const std::string& title);
// Polls FindTopLevel until found or `timeout_ms` passed.
HWND WaitTopLevel(const std::string& window_class, const std::string& title, DWORD timeout_ms);
// Direct and indirect children whose text is `text`.
HWND FindChildByText(HWND parent, const std::string& text);
std::vector<HWND> Children(HWND parent);
std::vector<HWND> TopLevelWindows();

std::string WindowText(HWND window);
std::string ClassOf(HWND window);
// One line: handle, class, text, visibility, styles, screen rectangle, client size.
std::string Describe(HWND window);

}  // namespace driver
