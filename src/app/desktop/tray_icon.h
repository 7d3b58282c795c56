// TacTrayIcon: the program's icon in the notification area, with its menu, and the hiding of
// the owner form behind it.
#pragma once

#include <memory>
#include <string>

#include "app/desktop/caption_button.h"
#include "os/sound.h"
#include "ui/component.h"
#include "ui/desktop_platform.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

namespace desktop {

// The icon is in the notification area exactly while the form is hidden in the tray:
//   MinimizeToTray   adds the icon, hides the form, plays "Minimize"
//   RestoreFromTray  shows the form in the foreground, removes the icon, plays "RestoreUp"
// While the form loads (Loaded), StartMinimized hides the form and keeps the loop from showing
// it, but adds no icon: the first MinimizeToTray after loading does. A double-click on the icon
// restores, a right click opens PopupMenu at the mouse, a single left click does nothing. When the
// shell's taskbar is made anew, the icon is added again if it is wanted.
class TacTrayIcon : public ui::Component, private ui::TrayIconListener {
 public:
  TacTrayIcon(ui::Form& owner, std::string name, ui::DesktopPlatform& platform, os::Sound& sound);
  ~TacTrayIcon() override;

  bool StartMinimized() const { return start_minimized_; }
  void SetStartMinimized(bool start_minimized) { start_minimized_ = start_minimized; }
  ui::PopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(ui::PopupMenu* menu) { popup_menu_ = menu; }
  // The tooltip; when empty, the application's title is shown instead.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show_hint);

  // The owner form has finished loading its components.
  void Loaded();

  void MinimizeToTray();
  void RestoreFromTray();
  bool InTray() const { return in_tray_; }

  // Its click runs MinimizeToTray; nothing is saved on the way.
  TacCaptionButton CaptionButton;

 private:
  void TrayIconMouse(ui::TrayMouse event, int x, int y) noexcept override;
  void TaskbarRecreated() noexcept override;
  std::string Tip() const;
  void AddIcon();
  void RemoveIcon();

  ui::Form& owner_;
  os::Sound& sound_;
  std::unique_ptr<ui::TrayIconPeer> peer_;
  ui::PopupMenu* popup_menu_ = nullptr;
  std::string hint_;
  bool show_hint_ = true;
  bool start_minimized_ = false;
  bool loading_ = false;
  bool in_tray_ = false;     // the form is hidden behind the icon
  bool icon_added_ = false;  // the shell has the icon
};

}  // namespace desktop
