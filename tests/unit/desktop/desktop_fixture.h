// What every desktop component test starts from: a headless application with its main form, the
// headless desktop, and the fakes of the registry, sound, mutexes and file system.
#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_single_instance.h"
#include "fakes/fake_sound.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_desktop.h"
#include "ui/headless/headless_platform.h"

namespace desktop_test {

class OwnerForm : public ui::Form {
 public:
  explicit OwnerForm(ui::Application& application) : ui::Form(application, "Form1", "TForm1") {}
  ~OwnerForm() override { DestroyWindowHandle(); }
};

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kInfoBoxKey[] = "Software\\CompanyName\\ProgramName\\InfoBox";

using os::RegistryRoot;

struct DesktopFixture : ::testing::Test {
  ui::headless::HeadlessPlatform platform;
  ui::headless::HeadlessDesktop desktop;
  ui::Application application{platform};
  fakes::FakeRegistry registry;
  fakes::FakeSound sound;
  fakes::FakeFileSystem files;

  DesktopFixture() { application.SetTitle("Vardeko"); }
};

}  // namespace desktop_test
