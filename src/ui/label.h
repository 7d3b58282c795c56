// Label: a control that shows a fixed text.
#pragma once

#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

class Label : public Control {
 public:
  Label(Form& owner, std::string name, GroupBox* parent = nullptr);
  ~Label() override;

  bool TakesFocus() const override { return false; }

 private:
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
