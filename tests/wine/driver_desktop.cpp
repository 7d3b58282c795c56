// The desktop commands of the Wine test driver (see driver_desktop.h).
#include "driver_desktop.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver_tray.h"
#include "driver_windows.h"

namespace driver {
namespace {

int Fail(const std::string& why) {
  std::printf("error: %s\n", why.c_str());
  return 1;
}

template <typename Done>
bool Poll(DWORD timeout_ms, Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeout_ms) return false;
    Sleep(50);
  }
  return true;
}

HWND OpenMenu() {
  for (HWND window : TopLevelWindows()) {
    if (ClassOf(window) == "#32768" && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

int TrayCount() {
  std::printf("icons=%u\n", static_cast<unsigned>(TrayIcons().size()));
  return 0;
}

int TrayWait(unsigned count, DWORD timeout_ms) {
  if (!Poll(timeout_ms, [&] { return TrayIcons().size() == count; })) {
    return Fail("timeout with " + std::to_string(TrayIcons().size()) + " icons");
  }
  return TrayCount();
}

HWND TrayIcon(const char* index) {
  const std::vector<HWND> icons = TrayIcons();
  const std::size_t i = std::strtoul(index, nullptr, 10);
  return i < icons.size() ? icons[i] : nullptr;
}

int TrayTipCommand(const char* index) {
  HWND icon = TrayIcon(index);
  if (icon == nullptr) return Fail("no such icon");
  std::printf("tip=%s\n", TrayTip(icon).c_str());
  return 0;
}

int TrayClick(const char* index, const std::string& how) {
  HWND icon = TrayIcon(index);
  if (icon == nullptr) return Fail("no such icon");
  if (!ClickTrayIcon(icon, how)) return Fail("unknown click " + how);
  std::printf("clicked\n");
  return 0;
}

int TrayDelete(const char* window_class, const char* id) {
  HWND owner = FindWindowA(window_class, nullptr);
  if (owner == nullptr) return Fail("no window");
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = static_cast<UINT>(std::strtoul(id, nullptr, 10));
  if (!Shell_NotifyIconA(NIM_DELETE, &data)) return Fail("the shell has no such icon");
  std::printf("deleted\n");
  return 0;
}

int TaskbarCreated() {
  const UINT message = RegisterWindowMessageA("TaskbarCreated");
  DWORD_PTR result = 0;
  SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
  std::printf("broadcast\n");
  return 0;
}

// Keys as a user would press them in the open menu: "down" and "return" by name, anything else
// as a character (an item's accelerator). Another process cannot read the menu's items.
int MenuKeys(const std::string& keys, DWORD timeout_ms) {
  HWND menu = nullptr;
  if (!Poll(timeout_ms, [&] { return (menu = OpenMenu()) != nullptr; })) return Fail("no menu");
  std::size_t start = 0;
  while (start <= keys.size()) {
    const std::size_t end = std::min(keys.find(',', start), keys.size());
    const std::string key = keys.substr(start, end - start);
    start = end + 1;
    if (key == "down" || key == "return" || key == "escape") {
      const WPARAM vk = key == "down" ? VK_DOWN : key == "return" ? VK_RETURN : VK_ESCAPE;
      PostMessageA(menu, WM_KEYDOWN, vk, 1);
      PostMessageA(menu, WM_KEYUP, vk, 0xC0000001);
    } else if (key.size() == 1) {
      PostMessageA(menu, WM_CHAR, static_cast<unsigned char>(key[0]), 1);
    } else {
      return Fail("unknown key " + key);
    }
  }
  std::printf("sent\n");
  return 0;
}

int MenuGone(DWORD timeout_ms) {
  if (!Poll(timeout_ms, [] { return OpenMenu() == nullptr; })) return Fail("menu still open");
  std::printf("ok\n");
  return 0;
}

int Sync(const char* window_class) {
  HWND window = FindWindowA(window_class, nullptr);
  if (window == nullptr) return Fail("no window");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 30000, &result)) {
    return Fail("no answer");
  }
  std::printf("synced\n");
  return 0;
}

// The extra buttons are the stretches of the title bar that do not answer "caption": scanned
// along the middle of the title bar from the right, between the frame's edges.
struct CaptionButton {
  int left;
  int right;
  int y;
};

std::vector<CaptionButton> CaptionButtons(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int frame = client.x - outer.left;
  const int y = (outer.top + frame + client.y) / 2;
  std::vector<CaptionButton> buttons;
  bool inside = false;
  for (int x = outer.right - frame - 1; x >= outer.left + frame; --x) {
    const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    const bool button = hit != HTCAPTION && hit != HTNOWHERE;
    if (button && !inside) buttons.push_back({x, x, y});
    if (button) buttons.back().left = x;
    inside = button;
  }
  return buttons;
}

int CaptionButtonsCommand(const char* window_class, const char* title) {
  HWND window = FindTopLevel(window_class, title);
  if (window == nullptr) return Fail("no window");
  const std::vector<CaptionButton> buttons = CaptionButtons(window);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    std::printf("button=%u left=%d right=%d y=%d\n", static_cast<unsigned>(i), buttons[i].left,
                buttons[i].right, buttons[i].y);
  }
  std::printf("buttons=%u\n", static_cast<unsigned>(buttons.size()));
  return 0;
}

// A press on the button's centre and a release on the same spot; while the press lasts, the
// window has the mouse captured, so the release comes as a client-area message.
int CaptionClick(const char* window_class, const char* title, const char* index) {
  HWND window = FindTopLevel(window_class, title);
  if (window == nullptr) return Fail("no window");
  const std::vector<CaptionButton> buttons = CaptionButtons(window);
  const std::size_t i = std::strtoul(index, nullptr, 10);
  if (i >= buttons.size()) return Fail("no such button");
  POINT point{(buttons[i].left + buttons[i].right) / 2, buttons[i].y};
  const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  PostMessageA(window, WM_NCLBUTTONDOWN, hit, MAKELPARAM(point.x, point.y));
  ScreenToClient(window, &point);
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  std::printf("clicked\n");
  return 0;
}

}  // namespace

std::optional<int> DesktopCommand(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "tray-count" && argc == 2) return TrayCount();
  if (command == "tray-wait" && argc == 4) {
    return TrayWait(std::strtoul(argv[2], nullptr, 10), std::strtoul(argv[3], nullptr, 10));
  }
  if (command == "tray-tip" && argc == 3) return TrayTipCommand(argv[2]);
  if (command == "tray-click" && argc == 4) return TrayClick(argv[2], argv[3]);
  if (command == "tray-delete" && argc == 4) return TrayDelete(argv[2], argv[3]);
  if (command == "taskbar-created" && argc == 2) return TaskbarCreated();
  if (command == "menu-keys" && argc == 4) {
    return MenuKeys(argv[2], std::strtoul(argv[3], nullptr, 10));
  }
  if (command == "menu-gone" && argc == 3) return MenuGone(std::strtoul(argv[2], nullptr, 10));
  if (command == "sync" && argc == 3) return Sync(argv[2]);
  if (command == "caption-buttons" && argc == 4) return CaptionButtonsCommand(argv[2], argv[3]);
  if (command == "caption-click" && argc == 5) return CaptionClick(argv[2], argv[3], argv[4]);
  return std::nullopt;
}

}  // namespace driver
