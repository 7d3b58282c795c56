// Wine test driver: one command per run, results printed as lines, exit code 0 on success.
//
//   vdriver find CLASS TITLE TIMEOUT_MS      describe the window and its controls
//   vdriver wait-hidden CLASS TITLE TIMEOUT_MS
//   vdriver wait-gone CLASS TITLE TIMEOUT_MS
//   vdriver click CLASS TITLE TEXT           click the child control captioned TEXT
//   vdriver key CLASS TITLE KEY              post a key to the window: return, escape, alt+C
//   vdriver close CLASS TITLE                post WM_CLOSE
//   vdriver type CLASS TITLE N TEXT          type TEXT into the N-th edit (0-based, creation order)
//   vdriver select-item CLASS TITLE N ITEM   choose item ITEM in the N-th drop-down list
//   vdriver grid CLASS TITLE                 print the list view's titles, cells and focused row
//   vdriver click-cell CLASS TITLE ROW COL   click a cell of the list view
//   vdriver screen                           print the screen size
//   vdriver list                             describe every top-level window
//   tray, tray menu, title-bar buttons and more: see driver_desktop.h
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver_desktop.h"
#include "driver_listview.h"
#include "driver_windows.h"

namespace {

int Fail(const std::string& why) {
  std::printf("error: %s\n", why.c_str());
  return 1;
}

HWND Window(char** argv) { return driver::FindTopLevel(argv[2], argv[3]); }

int Find(char** argv) {
  HWND window = driver::WaitTopLevel(argv[2], argv[3], std::strtoul(argv[4], nullptr, 10));
  if (window == nullptr) return Fail("no window");
  std::printf("%s\n", driver::Describe(window).c_str());
  for (HWND child : driver::Children(window)) {
    std::printf("  %s\n", driver::Describe(child).c_str());
  }
  return 0;
}

template <typename Done>
int WaitFor(char** argv, Done done) {
  const DWORD timeout = std::strtoul(argv[4], nullptr, 10);
  const DWORD start = GetTickCount();
  while (!done(Window(argv))) {
    if (GetTickCount() - start >= timeout) return Fail("timeout");
    Sleep(50);
  }
  std::printf("ok\n");
  return 0;
}

int Click(char** argv) {
  HWND window = Window(argv);
  if (window == nullptr) return Fail("no window");
  HWND control = driver::FindChildByText(window, argv[4]);
  if (control == nullptr) return Fail("no control");
  PostMessageA(control, BM_CLICK, 0, 0);
  std::printf("clicked\n");
  return 0;
}

int Key(char** argv) {
  HWND window = Window(argv);
  if (window == nullptr) return Fail("no window");
  const std::string key = argv[4];
  HWND target = window;
  if (key == "return" || key == "escape") {
    const WPARAM vk = key == "return" ? VK_RETURN : VK_ESCAPE;
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
  } else if (key.size() == 5 && key.starts_with("alt+")) {
    // Alt held: the context bit (29) of a system character.
    PostMessageA(target, WM_SYSCHAR, static_cast<unsigned char>(key[4]), 0x20000001);
  } else {
    return Fail("unknown key");
  }
  std::printf("sent\n");
  return 0;
}

HWND ListView(char** argv) {
  HWND window = Window(argv);
  if (window == nullptr) return nullptr;
  for (HWND child : driver::Children(window)) {
    if (driver::ClassOf(child) == "SysListView32") return child;
  }
  return nullptr;
}

// The N-th child of a window class, in creation order.
HWND NthChild(char** argv, const char* window_class) {
  HWND window = Window(argv);
  if (window == nullptr) return nullptr;
  int wanted = std::atoi(argv[4]);
  for (HWND child : driver::Children(window)) {
    if (_stricmp(driver::ClassOf(child).c_str(), window_class) == 0 && wanted-- == 0) return child;
  }
  return nullptr;
}

int Type(char** argv) {
  HWND edit = NthChild(argv, "Edit");
  if (edit == nullptr) return Fail("no such edit");
  for (const char* c = argv[5]; *c != '\0'; ++c) {
    PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
  }
  std::printf("typed\n");
  return 0;
}

int SelectItem(char** argv) {
  HWND combo = NthChild(argv, "ComboBox");
  if (combo == nullptr) return Fail("no such drop-down list");
  const int item = std::atoi(argv[5]);
  SendMessageA(combo, CB_SETCURSEL, item, 0);
  // What the list itself sends when the user picks an item.
  SendMessageA(GetParent(combo), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  std::printf("selected\n");
  return 0;
}

int Grid(char** argv) {
  HWND list = ListView(argv);
  if (list == nullptr) return Fail("no list view");
  const driver::ListViewContents contents = driver::ReadListView(list);
  std::string line = "titles";
  for (const std::string& title : contents.titles) line += "|" + title;
  std::printf("%s\n", line.c_str());
  for (const auto& row : contents.cells) {
    line = "row";
    for (const std::string& cell : row) line += "|" + cell;
    std::printf("%s\n", line.c_str());
  }
  std::printf("focused=%d\n", contents.focused_row);
  return 0;
}

int ClickCell(char** argv) {
  HWND list = ListView(argv);
  if (list == nullptr) return Fail("no list view");
  if (!driver::ClickListViewCell(list, std::atoi(argv[4]), std::atoi(argv[5]))) {
    return Fail("no such cell");
  }
  std::printf("clicked\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (const auto code = driver::DesktopCommand(argc, argv)) return *code;
  if (command == "screen") {
    std::printf("screen=%dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
  }
  if (command == "list") {
    for (HWND window : driver::TopLevelWindows()) {
      std::printf("%s\n", driver::Describe(window).c_str());
    }
    return 0;
  }
  if (argc < 4) return Fail("usage: see the comment at the top of driver.cpp");
  if (command == "find" && argc == 5) return Find(argv);
  if (command == "wait-hidden" && argc == 5) {
    return WaitFor(argv, [](HWND w) { return w != nullptr && !IsWindowVisible(w); });
  }
  if (command == "wait-gone" && argc == 5) {
    return WaitFor(argv, [](HWND w) { return w == nullptr; });
  }
  if (command == "click" && argc == 5) return Click(argv);
  if (command == "key" && argc == 5) return Key(argv);
  if (command == "grid") return Grid(argv);
  if (command == "type" && argc == 6) return Type(argv);
  if (command == "select-item" && argc == 6) return SelectItem(argv);
  if (command == "click-cell" && argc == 6) return ClickCell(argv);
  if (command == "close") {
    HWND window = Window(argv);
    if (window == nullptr) return Fail("no window");
    PostMessageA(window, WM_CLOSE, 0, 0);
    std::printf("closed\n");
    return 0;
  }
  return Fail("unknown command " + command);
}
