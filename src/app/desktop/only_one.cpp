// Single instance: the mutex decides, the registry tells a second instance where the first is.
#include "app/desktop/only_one.h"

#include "ui/application.h"

namespace desktop {

TacOnlyOne::TacOnlyOne(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
                       os::Registry& registry, os::SingleInstance& instances)
    : Component(std::move(name)),
      owner_(owner),
      platform_(platform),
      registry_(registry),
      instances_(instances),
      window_(platform.CreateMessageWindowPeer(kWindowClass, *this)) {}

// The value is checked and deleted while the mutex is still held: no new first instance can have
// written its own handle in between.
TacOnlyOne::~TacOnlyOne() {
  if (mutex_ == nullptr) return;
  const auto published = registry_.ReadDword(os::RegistryRoot::kClassesRoot, kRegistryKey, Title());
  if (published && *published == window_->Handle()) {
    registry_.DeleteValue(os::RegistryRoot::kClassesRoot, kRegistryKey, Title());
  }
  mutex_.reset();
}

void TacOnlyOne::Loaded() {
  if (mutex_ != nullptr) return;
  os::NamedMutexResult result = instances_.ClaimNamedMutex(kMutexPrefix + Title());
  if (result.claim == os::MutexClaim::kCreated) {
    mutex_ = std::move(result.mutex);
    if (window_->Handle() != 0) {
      registry_.WriteDword(os::RegistryRoot::kClassesRoot, kRegistryKey, Title(),
                           window_->Handle());
    }
    return;
  }
  HandOverToFirst();
}

void TacOnlyOne::HandOverToFirst() {
  const std::uint32_t first =
      registry_.ReadDword(os::RegistryRoot::kClassesRoot, kRegistryKey, Title()).value_or(0);
  if (first != 0) {
    if (switch_to_first_) instances_.SendToInstanceWindow(first, kWindowClass, kSwitchToFirst);
    if (close_first_) instances_.SendToInstanceWindow(first, kWindowClass, kCloseFirst);
  }
  if (close_second_) owner_.App().Terminate();
}

bool TacOnlyOne::WindowMessage(std::uint32_t message) noexcept {
  ui::Application& application = owner_.App();
  switch (message) {
    case kSwitchToFirst:
      // The form hidden in the tray stays there; only a shown one comes to the front.
      application.Dispatch([&] {
        ui::Form* main = application.MainForm();
        if (main != nullptr && main->Visible()) platform_.ActivateFormWindow(*main);
      });
      return true;
    case kCloseFirst:
      application.Dispatch([&] {
        if (ui::Form* main = application.MainForm()) main->Close();
        application.Terminate();
      });
      return true;
    default:
      return false;
  }
}

const std::string& TacOnlyOne::Title() const {
  return owner_.App().Title();
}

}  // namespace desktop
