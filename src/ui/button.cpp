// Push button.
#include "ui/button.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Button::Button(Form& owner, std::string name, GroupBox* parent)
    : Control(owner, std::move(name), parent),
      peer_(owner.App().GetPlatform().CreateButtonPeer(*this)) {
  AttachPeer(*peer_);
}

void Button::SetDefault(bool is_default) {
  default_ = is_default;
  peer_->SetDefault(is_default);
}

void Button::Click() {
  if (!Usable()) return;
  Owner().App().Dispatch(*this, OnClick);
}

}  // namespace ui
