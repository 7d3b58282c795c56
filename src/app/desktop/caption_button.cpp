// Title-bar button: keeps its look and hands it to the peer on every change.
#include "app/desktop/caption_button.h"

#include "ui/application.h"

namespace desktop {

TacCaptionButton::TacCaptionButton(ui::Form& owner, std::string name, ui::DesktopPlatform& platform)
    : Component(std::move(name)),
      owner_(owner),
      peer_(platform.CreateCaptionButtonPeer(owner, Name(), *this)) {
  Update();
}

void TacCaptionButton::SetVisible(bool visible) {
  look_.visible = visible;
  Update();
}

void TacCaptionButton::SetBtnOrder(int order) {
  look_.order = order;
  Update();
}

void TacCaptionButton::SetHint(std::string hint) {
  look_.hint = std::move(hint);
  Update();
}

void TacCaptionButton::SetGlyph(ui::CaptionGlyph glyph) {
  if (look_.glyph == glyph) return;
  look_.glyph = glyph;
  Update();
}

void TacCaptionButton::SetXPStyleColor(ui::CaptionColor color) {
  look_.color = color;
  Update();
}

void TacCaptionButton::Click() {
  if (!look_.visible || !owner_.Visible()) return;
  owner_.App().Dispatch(*this, OnClick);
}

void TacCaptionButton::Update() {
  peer_->SetLook(look_);
}

}  // namespace desktop
