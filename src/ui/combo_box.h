// Drop-down list without free text: a fixed list of items, one or none selected.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ComboBox : public Control {
 public:
  ComboBox(Form& owner, std::string name, GroupBox* parent = nullptr);
  ~ComboBox() override;

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);

  // -1 when no item is selected; other values outside the list select nothing.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  // The selected item, or the empty text.
  std::string Text() const;

  // For the peer, or a test: the user chose an item.
  void NotifySelected(int index) { item_index_ = Valid(index) ? index : -1; }

 private:
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }

  std::unique_ptr<ComboBoxPeer> peer_;
  std::vector<std::string> items_;
  int item_index_ = -1;
};

}  // namespace ui
