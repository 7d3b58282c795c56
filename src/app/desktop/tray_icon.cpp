// Tray icon: the in-tray state, the icon that follows it, and the user's clicks on the icon.
#include "app/desktop/tray_icon.h"

#include "ui/application.h"

namespace desktop {

TacTrayIcon::TacTrayIcon(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
                         os::Sound& sound)
    : Component(std::move(name)),
      CaptionButton(owner, Name() + ".CaptionButton", platform),
      owner_(owner),
      sound_(sound),
      peer_(platform.CreateTrayIconPeer(owner, Name(), *this)) {
  CaptionButton.SetGlyph(ui::CaptionGlyph::kMinimizeToTray);
  CaptionButton.OnClick = [this](ui::Component&) { MinimizeToTray(); };
}

TacTrayIcon::~TacTrayIcon() {
  RemoveIcon();
}

void TacTrayIcon::SetHint(std::string hint) {
  hint_ = std::move(hint);
  if (icon_added_) peer_->SetTip(Tip());
}

void TacTrayIcon::SetShowHint(bool show_hint) {
  show_hint_ = show_hint;
  if (icon_added_) peer_->SetTip(Tip());
}

void TacTrayIcon::Loaded() {
  if (!start_minimized_) return;
  owner_.App().SetShowMainForm(false);
  loading_ = true;
  MinimizeToTray();
  loading_ = false;
}

// While loading, the form only hides: it never showed, so there is no icon to add yet and no
// minimising to make a sound about.
void TacTrayIcon::MinimizeToTray() {
  if (in_tray_) return;
  if (!loading_) {
    in_tray_ = true;
    AddIcon();
  }
  owner_.Hide();
  if (!loading_) sound_.PlayEvent("Minimize");
}

void TacTrayIcon::RestoreFromTray() {
  owner_.Show();
  owner_.BringToFront();
  in_tray_ = false;
  RemoveIcon();
  sound_.PlayEvent("RestoreUp");
}

void TacTrayIcon::TrayIconMouse(ui::TrayMouse event, int x, int y) noexcept {
  // A notification can still be queued from an icon that has just been removed.
  if (!in_tray_) return;
  owner_.App().Dispatch([&] {
    switch (event) {
      case ui::TrayMouse::kRightClick:
        if (popup_menu_ == nullptr) return;
        peer_->ForegroundForMenu();
        popup_menu_->Popup(x, y);
        return;
      case ui::TrayMouse::kLeftDoubleClick:
        RestoreFromTray();
        return;
      case ui::TrayMouse::kLeftClick:
        return;
    }
  });
}

void TacTrayIcon::TaskbarRecreated() noexcept {
  owner_.App().Dispatch([&] {
    icon_added_ = false;  // the new taskbar has forgotten it
    if (in_tray_) AddIcon();
  });
}

std::string TacTrayIcon::Tip() const {
  if (!show_hint_) return {};
  return hint_.empty() ? owner_.App().Title() : hint_;
}

void TacTrayIcon::AddIcon() {
  if (!icon_added_) icon_added_ = peer_->AddIcon(Tip());
}

void TacTrayIcon::RemoveIcon() {
  if (icon_added_) peer_->RemoveIcon();
  icon_added_ = false;
}

}  // namespace desktop
