// A form that owns settings stores, and a store on it over in-memory files, for the store's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fakes/fake_file_system.h"
#include "fakes/fake_locale.h"
#include "settings/ini_store_registry.h"
#include "settings/zini.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"

namespace settings_test {

class OwnerForm : public ui::Form, public settings::IniStoreRegistry {
 public:
  OwnerForm(ui::Application& application, std::string name, std::string class_name)
      : ui::Form(application, std::move(name), std::move(class_name)) {}
  ~OwnerForm() override { DestroyWindowHandle(); }
};

inline const std::string kIniPath = "C:\\Program Files\\Vardeko\\Vardeko.ini";

struct ZIniFixture : ::testing::Test {
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};
  OwnerForm form{application, "Form1", "TForm1"};
  settings::TzIni store{form, "zIni1", files, locale};

  ZIniFixture() {
    application.SetTitle("Vardeko");
    store.SetFormSave(settings::TFormSaveFormat::fsfNone);
    store.SetFileName(kIniPath);
  }

  std::string FileBytes() const { return files.files.at(kIniPath); }
};

// Runs the action and expects it to throw Error with exactly this message.
template <typename Error, typename Action>
void ExpectError(Action action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no error; expected: " << message;
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), message);
  }
}

}  // namespace settings_test
