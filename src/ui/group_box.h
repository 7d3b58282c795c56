// Group box: a framed container; its controls lie in its coordinates and show only with it.
#pragma once

#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

class GroupBox : public Control {
 public:
  GroupBox(Form& owner, std::string name);
  ~GroupBox() override;

  bool TakesFocus() const override { return false; }

 private:
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
