// A headless main window with every system service faked: what the main-form tests start from.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_http_client.h"
#include "fakes/fake_icmp.h"
#include "fakes/fake_locale.h"
#include "fakes/fake_network_drives.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_single_instance.h"
#include "fakes/fake_sound.h"
#include "ui/headless/headless_desktop.h"
#include "ui/headless/headless_platform.h"

namespace app_test {

inline constexpr char kIniPath[] = "C:\\Program Files\\Vardeko\\Vardeko.ini";

struct AppFixture : ::testing::Test {
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  fakes::FakeNetworkDrives drives;
  fakes::FakeIcmp icmp;
  ui::headless::HeadlessDesktop desktop;
  fakes::FakeRegistry registry;
  fakes::FakeSound sound;
  fakes::FakeSingleInstance instances;
  fakes::FakeShell shell;
  std::shared_ptr<fakes::FakeHttpLog> http = std::make_shared<fakes::FakeHttpLog>();
  app::Services services{files,    locale,    drives, icmp,  desktop, registry,
                         sound,    instances, shell,
                         [this] { return std::make_unique<fakes::FakeHttpClient>(http); }};
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};
  std::unique_ptr<app::TForm1> form;

  AppFixture() { application.SetTitle("Vardeko"); }

  // Creates the main form as the program entry does: it starts hidden in the tray.
  app::TForm1& Create() {
    form = std::make_unique<app::TForm1>(application, services);
    application.SetMainForm(*form);
    return *form;
  }
  // Creates it and shows it, as "&Setting" in the tray menu does.
  app::TForm1& CreateShown() {
    Create().Setting1.Click();
    return *form;
  }
};

}  // namespace app_test
