// Control base: keeps the properties and mirrors them to the peer.
#include "ui/control.h"

#include <cctype>

#include "ui/form.h"
#include "ui/group_box.h"

namespace ui {

Control::Control(Form& owner, std::string name, GroupBox* parent)
    : Component(std::move(name)), owner_(owner), parent_(parent) {
  owner_.AddControl(*this);
}

Control::~Control() { owner_.RemoveControl(*this); }

void Control::AttachPeer(ControlPeer& peer) {
  peer_ = &peer;
  peer_->SetBounds(bounds_);
  peer_->SetText(caption_);
  peer_->SetEnabled(enabled_);
  peer_->SetVisible(visible_);
}

void Control::SetBounds(int left, int top, int width, int height) {
  bounds_ = {left, top, width, height};
  if (peer_ != nullptr) peer_->SetBounds(bounds_);
}

void Control::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (peer_ != nullptr) peer_->SetText(caption_);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  if (peer_ != nullptr) peer_->SetVisible(visible_);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (peer_ != nullptr) peer_->SetEnabled(enabled_);
}

bool Control::Showing() const { return visible_ && (parent_ == nullptr || parent_->Showing()); }

void Control::SetFocus() {
  if (peer_ != nullptr && TakesFocus() && Usable()) peer_->SetFocus();
}

bool Control::Focused() const { return owner_.ActiveControl() == this; }

char Control::AcceleratorKey() const {
  for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
    if (caption_[i] != '&') continue;
    if (caption_[i + 1] != '&') {
      return static_cast<char>(std::tolower(static_cast<unsigned char>(caption_[i + 1])));
    }
    ++i;  // "&&" is a literal ampersand
  }
  return 0;
}

}  // namespace ui
