// Wine test driver commands for the program's desktop integration: the notification area, the
// tray menu, the title-bar buttons, the shell's broadcast, and a round trip to a window.
//
//   vdriver tray-count                          print "icons=N": icons in Wine's tray
//   vdriver tray-wait N TIMEOUT_MS              wait until there are N icons
//   vdriver tray-tip INDEX                      print "tip=TEXT": the icon's tooltip
//   vdriver tray-click INDEX right|left|double  click the icon as the user would
//   vdriver tray-delete CLASS ID                make the shell forget the icon of the first
//                                               window of CLASS with that id, as a restarted
//                                               shell would
//   vdriver taskbar-created                     broadcast "TaskbarCreated" and wait until every
//                                               top-level window has handled it
//   vdriver menu-keys KEYS TIMEOUT_MS           wait for the open popup menu, then press KEYS:
//                                               comma-separated, "down", "return", "escape" or
//                                               one character (an item's accelerator)
//   vdriver menu-gone TIMEOUT_MS                wait until no popup menu is open
//   vdriver sync CLASS                          send WM_NULL to the first window of CLASS and wait
//                                               until its thread has handled it
//   vdriver caption-buttons CLASS TITLE         print the extra title-bar buttons, rightmost first
//   vdriver caption-click CLASS TITLE INDEX     click the INDEX-th of them (0: rightmost)
#pragma once

#include <optional>

namespace driver {

// The exit code of a desktop command, or nothing when argv names no desktop command.
std::optional<int> DesktopCommand(int argc, char** argv);

}  // namespace driver
