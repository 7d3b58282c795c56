// Upgrade boxes on the info box.
#include "app/desktop/info_box_prompts.h"

#include "app/desktop/info_box.h"

namespace desktop {

InfoBoxPrompts::InfoBoxPrompts(ui::Form& owner, ui::DesktopPlatform& platform,
                               os::Registry& registry, os::Sound& sound)
    : owner_(owner), platform_(platform), registry_(registry), sound_(sound) {}

bool InfoBoxPrompts::AskUpgrade(const std::string& caption, const std::string& markup_text) {
  TacInfoBox box(owner_, "UpgradeQuestion", platform_, registry_, sound_);
  box.SetTitle(caption);
  box.SetText(markup_text);
  box.SetIcon(ui::InfoBoxIcon::kInformation);
  box.SetButtons({"&Ya", "&Nanti"});
  return box.Execute(false) == 0;
}

void InfoBoxPrompts::ShowConnectionLost(const std::string& caption, const std::string& text) {
  TacInfoBox box(owner_, "ConnectionLost", platform_, registry_, sound_);
  box.SetTitle(caption);
  box.SetText(text);
  box.SetIcon(ui::InfoBoxIcon::kError);
  box.Execute(false);
}

}  // namespace desktop
