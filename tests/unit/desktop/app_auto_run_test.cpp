// Run at start-up: reading is presence only, writes happen only on change and fail silently, and
// the title-bar button toggles the entry and shows what the registry holds.
#include "app/desktop/app_auto_run.h"

#include <optional>
#include <string>
#include <vector>

#include "desktop_fixture.h"

namespace desktop_test {
namespace {

using desktop::TRunFor;
using Value = fakes::FakeRegistry::Value;

constexpr char kCommand[] = "\"C:\\Program Files\\Vardeko\\Vardeko.exe\" /autorun";

struct AppAutoRunTest : DesktopFixture {
  OwnerForm form{application};
  std::optional<desktop::TacAppAutoRun> acAppAutoRun1;

  void Create() {
    acAppAutoRun1.emplace(form, "acAppAutoRun1", desktop, registry, files);
    acAppAutoRun1->SetRunFor(TRunFor::rlLocalMachine);
  }
  std::optional<Value> RunValue(const std::string& name = "Vardeko") const {
    return registry.Get(RegistryRoot::kLocalMachine, kRunKey, name);
  }
  ui::CaptionGlyph Glyph() const {
    return desktop.caption_buttons.at("acAppAutoRun1.CaptionButton").look.glyph;
  }
};

TEST_F(AppAutoRunTest, ReadingAsksOnlyWhetherTheValueExists) {
  struct Case {
    const char* what;
    std::optional<Value> stored;  // under HKLM ...\Run, "Vardeko"
    bool in_current_user_instead;
    bool expected;
  };
  const std::vector<Case> cases{
      {"no value", std::nullopt, false, false},
      {"this program's command", Value{kCommand}, false, true},
      {"a moved program's command", Value{"\"D:\\Old\\Vardeko.exe\" /autorun"}, false, true},
      {"a value of another type", Value{std::uint32_t{0}}, false, true},
      {"an entry for the current user only", Value{kCommand}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    registry = {};
    if (c.stored) {
      registry.Set(
          c.in_current_user_instead ? RegistryRoot::kCurrentUser : RegistryRoot::kLocalMachine,
          kRunKey, "vardeko", *c.stored);
    }
    Create();
    EXPECT_EQ(acAppAutoRun1->AutoRun(), c.expected);
    EXPECT_EQ(Glyph(), c.expected ? ui::CaptionGlyph::kAutoRunOn : ui::CaptionGlyph::kAutoRunOff);
    EXPECT_EQ(registry.writes + registry.deletes, 0);
  }
}

TEST_F(AppAutoRunTest, WritesOnlyWhenTheRegistryDiffersAndNeverCorrectsAnEntry) {
  struct Case {
    const char* what;
    std::optional<Value> stored;
    bool set_to;
    std::optional<Value> expected;
    int writes;
    int deletes;
  };
  const Value moved{"\"D:\\Old\\Vardeko.exe\" /autorun"};
  const std::vector<Case> cases{
      {"switch on: created", std::nullopt, true, Value{kCommand}, 1, 0},
      {"switch on when on: untouched", moved, true, moved, 0, 0},
      {"switch off: deleted", moved, false, std::nullopt, 0, 1},
      {"switch off when off: nothing", std::nullopt, false, std::nullopt, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    registry = {};
    if (c.stored) registry.Set(RegistryRoot::kLocalMachine, kRunKey, "Vardeko", *c.stored);
    Create();
    acAppAutoRun1->SetAutoRun(c.set_to);
    EXPECT_EQ(RunValue(), c.expected);
    EXPECT_EQ(registry.writes, c.writes);
    EXPECT_EQ(registry.deletes, c.deletes);
    EXPECT_EQ(acAppAutoRun1->AutoRun(), c.expected.has_value());
  }
}

TEST_F(AppAutoRunTest, WithoutWriteAccessItStaysOffSilentlyAndTriesAgainEachTime) {
  registry.read_only_roots = {RegistryRoot::kLocalMachine};
  Create();
  for (int start = 0; start < 2; ++start) {
    EXPECT_NO_THROW(acAppAutoRun1->SetAutoRun(true));
    EXPECT_FALSE(acAppAutoRun1->AutoRun());
    EXPECT_EQ(Glyph(), ui::CaptionGlyph::kAutoRunOff);
  }
  // An entry that cannot be deleted stays on, and so does the button.
  registry.read_only_roots.clear();
  registry.Set(RegistryRoot::kLocalMachine, kRunKey, "Vardeko", Value{kCommand});
  registry.read_only_roots = {RegistryRoot::kLocalMachine};
  acAppAutoRun1->SetAutoRun(false);
  EXPECT_TRUE(acAppAutoRun1->AutoRun());
  EXPECT_EQ(Glyph(), ui::CaptionGlyph::kAutoRunOn);
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(AppAutoRunTest, EntryIsNamedAfterTheTitleOrTheExecutableAndKeyFollowsTheSettings) {
  application.SetTitle("");
  Create();
  acAppAutoRun1->SetAutoRun(true);
  EXPECT_EQ(RunValue(files.executable_path), Value{kCommand});

  application.SetTitle("Vardeko");
  acAppAutoRun1->SetRunFor(TRunFor::rlCurrentUser);
  acAppAutoRun1->SetRunOnce(true);
  acAppAutoRun1->SetAutoRun(true);
  EXPECT_EQ(registry.Get(RegistryRoot::kCurrentUser, std::string(kRunKey) + "Once", "Vardeko"),
            Value{kCommand});
}

TEST_F(AppAutoRunTest, TitleBarButtonTogglesTheEntryWhileTheFormIsShown) {
  Create();
  acAppAutoRun1->CaptionButton.SetBtnOrder(1);
  acAppAutoRun1->CaptionButton.SetHint("Auto-run at StartUp");
  const auto click = [&] { desktop.ClickCaptionButton("acAppAutoRun1.CaptionButton"); };

  click();  // the form is hidden: the button cannot be reached
  EXPECT_FALSE(RunValue().has_value());

  form.Show();
  click();
  EXPECT_EQ(RunValue(), Value{kCommand});
  EXPECT_EQ(Glyph(), ui::CaptionGlyph::kAutoRunOn);
  click();
  EXPECT_FALSE(RunValue().has_value());
  EXPECT_EQ(Glyph(), ui::CaptionGlyph::kAutoRunOff);

  // Someone else switched it on meanwhile: the click reads the registry, so it switches off.
  registry.Set(RegistryRoot::kLocalMachine, kRunKey, "Vardeko", Value{kCommand});
  click();
  EXPECT_FALSE(RunValue().has_value());

  const ui::CaptionButtonLook& look =
      desktop.caption_buttons.at("acAppAutoRun1.CaptionButton").look;
  EXPECT_EQ(look.order, 1);
  EXPECT_EQ(look.hint, "Auto-run at StartUp");
}

}  // namespace
}  // namespace desktop_test
