// The upgrade check's boxes shown as info boxes: the question with "&Ya" and "&Nanti", and the
// connection-lost box.
#pragma once

#include <string>

#include "os/registry.h"
#include "os/sound.h"
#include "ui/desktop_platform.h"
#include "ui/form.h"
#include "upgrade/upgrade_prompts.h"

namespace desktop {

// Each box is built for its question and shown whether or not another info box is open: an
// answer the user was never asked must not count as "&Nanti".
class InfoBoxPrompts : public upgrade::UpgradePrompts {
 public:
  InfoBoxPrompts(ui::Form& owner, ui::DesktopPlatform& platform, os::Registry& registry,
                 os::Sound& sound);

  bool AskUpgrade(const std::string& caption, const std::string& markup_text) override;
  void ShowConnectionLost(const std::string& caption, const std::string& text) override;

 private:
  ui::Form& owner_;
  ui::DesktopPlatform& platform_;
  os::Registry& registry_;
  os::Sound& sound_;
};

}  // namespace desktop
