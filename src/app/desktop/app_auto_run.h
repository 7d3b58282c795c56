// TacAppAutoRun: the registry entry that starts the program when Windows starts, and the
// title-bar button that switches it.
#pragma once

#include <optional>
#include <string>

#include "app/desktop/caption_button.h"
#include "os/file_system.h"
#include "os/registry.h"
#include "ui/component.h"
#include "ui/desktop_platform.h"
#include "ui/form.h"

namespace desktop {

enum class TRunFor { rlCurrentUser, rlLocalMachine };

// The entry is a string value under ...\CurrentVersion\Run (RunOnce with RunOnce set), named
// after the application's title, or after the executable's path when the title is empty; it holds
// the quoted path of the executable, a space and "/autorun". Reading AutoRun asks only whether
// the value exists: an entry naming another path counts as on and is never corrected. Writing
// touches the registry only when the value differs from what reading gives, and every failure
// passes silently. The button shows the "on" or "off" image as the registry last answered.
class TacAppAutoRun : public ui::Component {
 public:
  TacAppAutoRun(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
                os::Registry& registry, const os::FileSystem& files);

  TRunFor RunFor() const { return run_for_; }
  void SetRunFor(TRunFor run_for);
  bool RunOnce() const { return run_once_; }
  void SetRunOnce(bool run_once);

  bool AutoRun();
  void SetAutoRun(bool auto_run);

  // Its click toggles AutoRun.
  TacCaptionButton CaptionButton;

 private:
  os::RegistryRoot Root() const;
  std::string Key() const;
  std::optional<std::string> ValueName() const;
  std::optional<std::string> ExecutablePath() const;
  void ShowState(bool auto_run);

  ui::Form& owner_;
  os::Registry& registry_;
  const os::FileSystem& files_;
  TRunFor run_for_ = TRunFor::rlCurrentUser;
  bool run_once_ = false;
};

}  // namespace desktop
