// Popup menu with its items; an item captioned "-" is a separator.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/platform.h"

namespace ui {

class Form;
class PopupMenu;

class MenuItem : public Component {
 public:
  MenuItem(PopupMenu& menu, std::string name, std::string caption);

  const std::string& Caption() const { return caption_; }
  bool IsSeparator() const { return caption_ == "-"; }

  // The user chose the item: runs OnClick through the dispatch boundary.
  void Click();

  NotifyEvent OnClick;

 private:
  PopupMenu& menu_;
  std::string caption_;
};

class PopupMenu : public Component {
 public:
  PopupMenu(Form& owner, std::string name);
  ~PopupMenu() override;

  Form& Owner() const { return owner_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  void Popup(int x, int y);

 private:
  friend class MenuItem;

  Form& owner_;
  std::unique_ptr<PopupMenuPeer> peer_;
  std::vector<MenuItem*> items_;
};

}  // namespace ui
