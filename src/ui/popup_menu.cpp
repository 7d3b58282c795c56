// Popup menu and menu items.
#include "ui/popup_menu.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

MenuItem::MenuItem(PopupMenu& menu, std::string name, std::string caption)
    : Component(std::move(name)), menu_(menu), caption_(std::move(caption)) {
  menu_.items_.push_back(this);
}

void MenuItem::Click() {
  if (IsSeparator()) return;
  menu_.Owner().App().Dispatch(*this, OnClick);
}

PopupMenu::PopupMenu(Form& owner, std::string name)
    : Component(std::move(name)),
      owner_(owner),
      peer_(owner.App().GetPlatform().CreatePopupMenuPeer(*this)) {}

PopupMenu::~PopupMenu() = default;

void PopupMenu::Popup(int x, int y) { peer_->Popup(x, y); }

}  // namespace ui
