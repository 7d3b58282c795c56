// Desktop peers that keep everything in memory, so tests can watch the tray icon, the title-bar
// buttons, the info boxes and the message windows, and act as the user and the shell would.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/desktop_platform.h"

namespace ui::headless {

// What a tray icon peer was last told; kept after the peer is gone.
struct TrayState {
  bool peer_alive = false;
  bool shown = false;
  std::string tip;
  int adds = 0;  // successful adds
  int removes = 0;
  int foreground_requests = 0;  // ForegroundForMenu calls
  bool shell_refuses = false;   // a test sets it: AddIcon fails while there is no taskbar
  TrayIconListener* listener = nullptr;
};

struct CaptionButtonState {
  CaptionButtonLook look;
  CaptionButtonListener* listener = nullptr;  // null once the peer is gone
};

struct MessageWindowState {
  std::string window_class;
  MessageWindowListener* listener = nullptr;  // null once the peer is gone
};

class HeadlessDesktop : public DesktopPlatform {
 public:
  std::unique_ptr<TrayIconPeer> CreateTrayIconPeer(Form& owner, const std::string& name,
                                                   TrayIconListener& listener) override;
  std::unique_ptr<CaptionButtonPeer> CreateCaptionButtonPeer(
      Form& owner, const std::string& name, CaptionButtonListener& listener) override;
  std::unique_ptr<MessageWindowPeer> CreateMessageWindowPeer(
      const std::string& window_class, MessageWindowListener& listener) override;
  int ShowInfoBox(Form* owner, const InfoBoxContent& content) override;
  void ActivateFormWindow(Form& form) override;

  // The user and the shell.
  void ClickTrayIcon(const std::string& name, TrayMouse event, int x = 0, int y = 0);
  void RecreateTaskbar();
  void ClickCaptionButton(const std::string& name);
  // Another process sends a message to the window with this handle; false when no live window
  // of that class has it.
  bool DeliverMessage(std::uint32_t handle, const std::string& window_class, std::uint32_t message);

  // Settings a test may change.
  std::uint32_t next_window_handle = 0x10040;  // differs between "processes" of one test
  // Stands in for the user while an info box is open; returns the chosen button. Without it the
  // default button is chosen.
  std::function<int(const InfoBoxContent&)> info_box_answer;

  // What happened.
  std::map<std::string, TrayState> trays;                       // by component name
  std::map<std::string, CaptionButtonState> caption_buttons;    // by component name
  std::map<std::uint32_t, MessageWindowState> message_windows;  // by handle
  std::vector<InfoBoxContent> info_boxes;                       // every box shown, in order
  std::vector<std::string> activated_forms;                     // ActivateFormWindow, by form name
};

}  // namespace ui::headless
