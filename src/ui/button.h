// Push button with an optional accelerator and the form's default-button role.
#pragma once

#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

class Button : public Control {
 public:
  Button(Form& owner, std::string name, GroupBox* parent = nullptr);

  bool IsDefault() const { return default_; }
  void SetDefault(bool is_default);

  // A user's click: runs OnClick through the dispatch boundary if the button is usable.
  void Click();

  NotifyEvent OnClick;

 private:
  std::unique_ptr<ButtonPeer> peer_;
  bool default_ = false;
};

}  // namespace ui
