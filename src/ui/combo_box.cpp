// Drop-down list.
#include "ui/combo_box.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

ComboBox::ComboBox(Form& owner, std::string name, GroupBox* parent)
    : Control(owner, std::move(name), parent),
      peer_(owner.App().GetPlatform().CreateComboBoxPeer(*this)) {
  AttachPeer(*peer_);
}

ComboBox::~ComboBox() = default;

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  item_index_ = -1;
  peer_->SetItems(items_);
}

void ComboBox::SetItemIndex(int index) {
  item_index_ = Valid(index) ? index : -1;
  peer_->SetItemIndex(item_index_);
}

std::string ComboBox::Text() const {
  return item_index_ < 0 ? std::string() : items_[static_cast<std::size_t>(item_index_)];
}

}  // namespace ui
