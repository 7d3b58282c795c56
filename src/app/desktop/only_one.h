// TacOnlyOne: lets one instance of the program run; a second one hands over to the first and
// ends itself without showing its window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "os/registry.h"
#include "os/single_instance.h"
#include "ui/component.h"
#include "ui/desktop_platform.h"
#include "ui/form.h"

namespace desktop {

// Traces, named after the application's title T:
//   mutex "TacOnlyOne" + T                       held by the first instance while it lives
//   HKEY_CLASSES_ROOT\TacOnlyOne, DWORD value T  the handle of the first instance's message window
//   window class "TacSimpleMessageHook"          every instance's hidden message window
// The check runs in Loaded. A mutex that already exists, or cannot be made, means another
// instance runs: this one sends it kSwitchToFirst (SwitchToFirst), kCloseFirst (CloseFirst), and
// asks its own application to terminate (CloseSecond), which only posts the quit, so the form's
// start-up still runs to its end. Registry failures pass silently.
class TacOnlyOne : public ui::Component, private ui::MessageWindowListener {
 public:
  static constexpr std::uint32_t kSwitchToFirst = 14951;  // 0x3A67
  static constexpr std::uint32_t kCloseFirst = 14952;     // 0x3A68
  static constexpr char kMutexPrefix[] = "TacOnlyOne";
  static constexpr char kWindowClass[] = "TacSimpleMessageHook";
  static constexpr char kRegistryKey[] = "TacOnlyOne";

  TacOnlyOne(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
             os::Registry& registry, os::SingleInstance& instances);
  // Releases what the first instance holds; the registry value only if it still names this
  // instance's window.
  ~TacOnlyOne() override;

  bool SwitchToFirst() const { return switch_to_first_; }
  void SetSwitchToFirst(bool on) { switch_to_first_ = on; }
  bool CloseSecond() const { return close_second_; }
  void SetCloseSecond(bool on) { close_second_ = on; }
  bool CloseFirst() const { return close_first_; }
  void SetCloseFirst(bool on) { close_first_ = on; }

  // The owner form has finished loading its components: the check runs now.
  void Loaded();
  bool FirstInstance() const { return mutex_ != nullptr; }

 private:
  bool WindowMessage(std::uint32_t message) noexcept override;
  void HandOverToFirst();
  const std::string& Title() const;

  ui::Form& owner_;
  ui::DesktopPlatform& platform_;
  os::Registry& registry_;
  os::SingleInstance& instances_;
  std::unique_ptr<ui::MessageWindowPeer> window_;
  std::unique_ptr<os::NamedMutex> mutex_;  // only while this is the first instance
  bool switch_to_first_ = true;
  bool close_second_ = true;
  bool close_first_ = false;
};

}  // namespace desktop
