// Tray icons of Wine's stand-alone tray window: found by class, read through the shell process.
#include "driver_tray.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "driver_remote.h"
#include "driver_windows.h"

namespace driver {
namespace {

constexpr char kTrayClass[] = "__winex11_standalone_tray";
constexpr char kIconClass[] = "__winex11_tray_icon";

// TTTOOLINFOA up to lParam, as a 64-bit process has it.
struct ToolInfo64 {
  UINT cbSize;
  UINT uFlags;
  std::uint64_t hwnd;
  std::uint64_t uId;
  RECT rect;
  std::uint64_t hinst;
  std::uint64_t lpszText;
  std::uint64_t lParam;
};

// Tooltips of the shell's process; a tooltip made for a child window is owned by the child's
// top-level window, so all icons' tooltips share an owner and are told apart by their tool.
std::vector<HWND> ShellTooltips(HWND icon) {
  DWORD shell = 0;
  GetWindowThreadProcessId(icon, &shell);
  std::vector<HWND> tooltips;
  for (HWND window : TopLevelWindows()) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == shell && ClassOf(window) == TOOLTIPS_CLASSA) tooltips.push_back(window);
  }
  return tooltips;
}

// The text of the icon's tool in one tooltip; empty when that tooltip has no such tool. The
// shell registers the icon window itself as the tool.
std::string ToolText(HWND tooltip, HWND icon) {
  constexpr SIZE_T kTextOffset = 256;
  constexpr SIZE_T kTextSize = 1024;  // a tooltip copies up to 1024 characters
  const RemoteMemory memory(tooltip, kTextOffset + kTextSize);
  if (!memory.ok()) return {};
  if (memory.Wide()) {
    ToolInfo64 tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = reinterpret_cast<UINT_PTR>(icon);
    tool.uId = reinterpret_cast<UINT_PTR>(icon);
    tool.lpszText = reinterpret_cast<UINT_PTR>(memory.at(kTextOffset));
    memory.Write(0, &tool, sizeof tool);
  } else {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = icon;
    tool.uId = reinterpret_cast<UINT_PTR>(icon);
    tool.lpszText = memory.at(kTextOffset);
    memory.Write(0, &tool, sizeof tool);
  }
  const char empty = 0;
  memory.Write(kTextOffset, &empty, 1);
  SendMessageA(tooltip, TTM_GETTEXTA, kTextSize, reinterpret_cast<LPARAM>(memory.at(0)));
  char text[kTextSize] = "";
  memory.Read(kTextOffset, text, kTextSize - 1);
  return text;
}

}  // namespace

std::vector<HWND> TrayIcons() {
  std::vector<HWND> icons;
  for (HWND tray : TopLevelWindows()) {
    if (ClassOf(tray) != kTrayClass) continue;
    for (HWND child : Children(tray)) {
      if (ClassOf(child) == kIconClass) icons.push_back(child);
    }
  }
  std::sort(icons.begin(), icons.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return icons;
}

std::string TrayTip(HWND icon) {
  for (HWND tooltip : ShellTooltips(icon)) {
    if (std::string text = ToolText(tooltip, icon); !text.empty()) return text;
  }
  return {};
}

bool ClickTrayIcon(HWND icon, const std::string& how) {
  const LPARAM centre = MAKELPARAM(8, 8);
  if (how == "right") {
    PostMessageA(icon, WM_RBUTTONDOWN, MK_RBUTTON, centre);
    PostMessageA(icon, WM_RBUTTONUP, 0, centre);
  } else if (how == "left") {
    PostMessageA(icon, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(icon, WM_LBUTTONUP, 0, centre);
  } else if (how == "double") {
    PostMessageA(icon, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(icon, WM_LBUTTONUP, 0, centre);
    PostMessageA(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, centre);
    PostMessageA(icon, WM_LBUTTONUP, 0, centre);
  } else {
    return false;
  }
  return true;
}

}  // namespace driver
