// Window lookup and description for the Wine test driver.
#include "driver_windows.h"

#include <cstdio>

namespace driver {
namespace {

struct Search {
  std::string window_class;
  std::string title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (ClassOf(window) != search->window_class) return TRUE;
  if (!search->title.empty() && WindowText(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

HWND FindTopLevel(const std::string& window_class, const std::string& title) {
  Search search{window_class, title};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitTopLevel(const std::string& window_class, const std::string& title, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindTopLevel(window_class, title)) return window;
    if (GetTickCount() - start >= timeout_ms) return nullptr;
    Sleep(50);
  }
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(&CollectChild, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindChildByText(HWND parent, const std::string& text) {
  for (HWND child : Children(parent)) {
    if (WindowText(child) == text) return child;
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  // WM_GETTEXT reads across processes; GetWindowText would not for other processes' controls.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string Describe(HWND window) {
  RECT r{}, c{};
  GetWindowRect(window, &r);
  GetClientRect(window, &c);
  char line[1600];
  std::snprintf(line, sizeof line,
                "window=%p class=%s text=\"%s\" visible=%d enabled=%d style=0x%08lx "
                "exstyle=0x%08lx rect=%ld,%ld,%ld,%ld client=%ldx%ld",
                static_cast<void*>(window), ClassOf(window).c_str(), WindowText(window).c_str(),
                IsWindowVisible(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)), r.left, r.top,
                r.right - r.left, r.bottom - r.top, c.right, c.bottom);
  return line;
}

}  // namespace driver
