// Run at start-up: presence of the Run value, writes only on change, silent failures.
#include "app/desktop/app_auto_run.h"

#include "ui/application.h"

namespace desktop {

TacAppAutoRun::TacAppAutoRun(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
                             os::Registry& registry, const os::FileSystem& files)
    : Component(std::move(name)),
      CaptionButton(owner, Name() + ".CaptionButton", platform),
      owner_(owner),
      registry_(registry),
      files_(files) {
  CaptionButton.OnClick = [this](ui::Component&) { SetAutoRun(!AutoRun()); };
  AutoRun();  // the button starts with the registry's state
}

void TacAppAutoRun::SetRunFor(TRunFor run_for) {
  run_for_ = run_for;
  AutoRun();
}

void TacAppAutoRun::SetRunOnce(bool run_once) {
  run_once_ = run_once;
  AutoRun();
}

bool TacAppAutoRun::AutoRun() {
  const auto name = ValueName();
  const bool exists = name && registry_.ValueExists(Root(), Key(), *name);
  ShowState(exists);
  return exists;
}

void TacAppAutoRun::SetAutoRun(bool auto_run) {
  if (AutoRun() == auto_run) return;
  const auto name = ValueName();
  const auto path = ExecutablePath();
  if (!name || !path) return;
  if (auto_run) {
    registry_.WriteString(Root(), Key(), *name, "\"" + *path + "\" /autorun");
  } else {
    registry_.DeleteValue(Root(), Key(), *name);
  }
  AutoRun();  // the button shows what the registry holds now, whether the write worked or not
}

os::RegistryRoot TacAppAutoRun::Root() const {
  return run_for_ == TRunFor::rlLocalMachine ? os::RegistryRoot::kLocalMachine
                                             : os::RegistryRoot::kCurrentUser;
}

std::string TacAppAutoRun::Key() const {
  std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  if (run_once_) key += "Once";
  return key;
}

std::optional<std::string> TacAppAutoRun::ValueName() const {
  const std::string& title = owner_.App().Title();
  if (!title.empty()) return title;
  return ExecutablePath();
}

std::optional<std::string> TacAppAutoRun::ExecutablePath() const {
  try {
    return files_.ExecutablePath();
  } catch (const os::FileError&) {
    return std::nullopt;  // without a path there is nothing to register
  }
}

void TacAppAutoRun::ShowState(bool auto_run) {
  CaptionButton.SetGlyph(auto_run ? ui::CaptionGlyph::kAutoRunOn : ui::CaptionGlyph::kAutoRunOff);
}

}  // namespace desktop
