// Info box: the suppression rules, then the content handed to the platform's modal box.
#include "app/desktop/info_box.h"

namespace desktop {

TacInfoBox::TacInfoBox(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
                       os::Registry& registry, os::Sound& sound)
    : Component(std::move(name)),
      owner_(owner),
      platform_(platform),
      registry_(registry),
      sound_(sound) {}

void TacInfoBox::SetButtons(std::vector<std::string> buttons) {
  // A box needs a way out.
  buttons_ = buttons.empty() ? std::vector<std::string>{"OK"} : std::move(buttons);
}

int TacInfoBox::Execute(bool honour_suppression) {
  if (honour_suppression && (platform_.InfoBoxOpen() || Suppressed())) return kNotShown;
  ui::InfoBoxContent content{
      .title = title_,
      .icon = icon_,
      .lines = ui::ParseMarkup(text_),
      .buttons = buttons_,
      .default_button = 0,
      .cancel_button = esc_cancel_ ? static_cast<int>(buttons_.size()) - 1 : -1,
  };
  const ui::DesktopPlatform::OpenInfoBox open(platform_);
  if (!sound_event_.empty()) sound_.PlayEvent(sound_event_);
  const int chosen = platform_.ShowInfoBox(&owner_, content);
  return chosen >= 0 && chosen < static_cast<int>(buttons_.size()) ? chosen : kNotShown;
}

bool TacInfoBox::Suppressed() const {
  if (reg_key_.empty()) return false;
  return registry_.ReadDword(reg_location_, reg_key_, reg_value_).value_or(0) != 0;
}

}  // namespace desktop
