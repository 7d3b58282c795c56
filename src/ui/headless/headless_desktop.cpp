// In-memory desktop peers.
#include "ui/headless/headless_desktop.h"

#include "ui/form.h"

namespace ui::headless {
namespace {

class TrayIcon : public TrayIconPeer {
 public:
  TrayIcon(TrayState& state, TrayIconListener& listener) : s_(state) {
    const bool shell_refuses = s_.shell_refuses;  // set up by the test before the peer came
    s_ = TrayState{};
    s_.peer_alive = true;
    s_.shell_refuses = shell_refuses;
    s_.listener = &listener;
  }
  ~TrayIcon() override {
    s_.peer_alive = false;
    s_.listener = nullptr;
  }
  bool AddIcon(const std::string& tip) override {
    if (s_.shell_refuses) return false;
    // Like the shell: adding an icon it has already only updates it.
    if (!s_.shown) ++s_.adds;
    s_.shown = true;
    s_.tip = tip;
    return true;
  }
  void SetTip(const std::string& tip) override {
    if (s_.shown) s_.tip = tip;
  }
  void RemoveIcon() override {
    if (s_.shown) ++s_.removes;
    s_.shown = false;
  }
  void ForegroundForMenu() override { ++s_.foreground_requests; }

 private:
  TrayState& s_;
};

class CaptionButton : public CaptionButtonPeer {
 public:
  CaptionButton(CaptionButtonState& state, CaptionButtonListener& listener) : s_(state) {
    s_.listener = &listener;
  }
  ~CaptionButton() override { s_.listener = nullptr; }
  void SetLook(const CaptionButtonLook& look) override { s_.look = look; }

 private:
  CaptionButtonState& s_;
};

class MessageWindow : public MessageWindowPeer {
 public:
  MessageWindow(MessageWindowState& state, std::uint32_t handle) : s_(state), handle_(handle) {}
  ~MessageWindow() override { s_.listener = nullptr; }
  std::uint32_t Handle() const override { return handle_; }

 private:
  MessageWindowState& s_;
  std::uint32_t handle_;
};

}  // namespace

std::unique_ptr<TrayIconPeer> HeadlessDesktop::CreateTrayIconPeer(Form&, const std::string& name,
                                                                  TrayIconListener& listener) {
  return std::make_unique<TrayIcon>(trays[name], listener);
}

std::unique_ptr<CaptionButtonPeer> HeadlessDesktop::CreateCaptionButtonPeer(
    Form&, const std::string& name, CaptionButtonListener& listener) {
  return std::make_unique<CaptionButton>(caption_buttons[name], listener);
}

std::unique_ptr<MessageWindowPeer> HeadlessDesktop::CreateMessageWindowPeer(
    const std::string& window_class, MessageWindowListener& listener) {
  const std::uint32_t handle = next_window_handle;
  next_window_handle += 4;
  MessageWindowState& state = message_windows[handle];
  state = {window_class, &listener};
  return std::make_unique<MessageWindow>(state, handle);
}

int HeadlessDesktop::ShowInfoBox(Form*, const InfoBoxContent& content) {
  info_boxes.push_back(content);
  return info_box_answer ? info_box_answer(content) : content.default_button;
}

void HeadlessDesktop::ActivateFormWindow(Form& form) {
  activated_forms.push_back(form.Name());
}

void HeadlessDesktop::ClickTrayIcon(const std::string& name, TrayMouse event, int x, int y) {
  // Delivered even when the icon is gone: a notification may still be queued from before.
  const TrayState& tray = trays.at(name);
  if (tray.listener != nullptr) tray.listener->TrayIconMouse(event, x, y);
}

void HeadlessDesktop::RecreateTaskbar() {
  for (auto& [name, tray] : trays) {
    tray.shown = false;  // the new taskbar starts empty
    if (tray.listener != nullptr) tray.listener->TaskbarRecreated();
  }
}

void HeadlessDesktop::ClickCaptionButton(const std::string& name) {
  const CaptionButtonState& button = caption_buttons.at(name);
  if (button.listener != nullptr && button.look.visible) button.listener->CaptionButtonClicked();
}

bool HeadlessDesktop::DeliverMessage(std::uint32_t handle, const std::string& window_class,
                                     std::uint32_t message) {
  const auto it = message_windows.find(handle);
  if (it == message_windows.end() || it->second.listener == nullptr ||
      it->second.window_class != window_class) {
    return false;
  }
  it->second.listener->WindowMessage(message);
  return true;
}

}  // namespace ui::headless
