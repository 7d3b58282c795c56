// Single instance: two "processes" share the registry and the mutexes; the first publishes its
// message window, the second hands over and ends, and the first releases only what is its own.
#include "app/desktop/only_one.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "desktop_fixture.h"

namespace desktop_test {
namespace {

using desktop::TacOnlyOne;
using Sent = fakes::FakeSingleInstance::Sent;
using Value = fakes::FakeRegistry::Value;

// One running copy of the program: its own loop, desktop and main form.
struct Process {
  ui::headless::HeadlessPlatform platform;
  ui::headless::HeadlessDesktop desktop;
  ui::Application application{platform};
  OwnerForm form{application};
  std::optional<TacOnlyOne> acOnlyOne1;

  Process(fakes::FakeRegistry& registry, fakes::FakeSingleInstance& instances,
          std::uint32_t first_handle) {
    desktop.next_window_handle = first_handle;
    application.SetTitle("Vardeko");
    application.SetMainForm(form);
    acOnlyOne1.emplace(form, "acOnlyOne1", desktop, registry, instances);
  }
  std::uint32_t Window() const { return desktop.message_windows.begin()->first; }
};

struct OnlyOneTest : ::testing::Test {
  fakes::FakeRegistry registry;
  fakes::FakeSingleInstance instances;
  std::unique_ptr<Process> first = std::make_unique<Process>(registry, instances, 0x10040);
  std::unique_ptr<Process> second = std::make_unique<Process>(registry, instances, 0x20080);

  OnlyOneTest() {
    instances.deliver = [this](std::uint32_t window, const std::string& window_class,
                               std::uint32_t message) {
      for (Process* process : {first.get(), second.get()}) {
        if (process != nullptr && process->desktop.DeliverMessage(window, window_class, message)) {
          return true;
        }
      }
      return false;
    };
  }
  std::optional<Value> Published() const {
    return registry.Get(RegistryRoot::kClassesRoot, "TacOnlyOne", "Vardeko");
  }
};

TEST_F(OnlyOneTest, EveryInstanceHasAHiddenMessageWindowOfTheHookClass) {
  for (const Process* process : {first.get(), second.get()}) {
    ASSERT_EQ(process->desktop.message_windows.size(), 1u);
    EXPECT_EQ(process->desktop.message_windows.begin()->second.window_class,
              "TacSimpleMessageHook");
  }
}

TEST_F(OnlyOneTest, FirstInstanceHoldsTheMutexPublishesItsWindowAndReleasesBothAtTheEnd) {
  first->acOnlyOne1->Loaded();
  EXPECT_TRUE(first->acOnlyOne1->FirstInstance());
  EXPECT_EQ(instances.open_handles, (std::map<std::string, int>{{"TacOnlyOneVardeko", 1}}));
  EXPECT_EQ(Published(), Value{first->Window()});
  EXPECT_FALSE(first->platform.quit_posted);
  EXPECT_TRUE(instances.sent.empty());

  first.reset();
  EXPECT_FALSE(Published().has_value());
  EXPECT_TRUE(instances.open_handles.empty());
}

TEST_F(OnlyOneTest, SecondInstanceSwitchesToTheFirstAndEndsWithoutShowingItsWindow) {
  first->acOnlyOne1->Loaded();
  second->acOnlyOne1->Loaded();

  EXPECT_FALSE(second->acOnlyOne1->FirstInstance());
  EXPECT_EQ(instances.sent, (std::vector<Sent>{{first->Window(), "TacSimpleMessageHook", 14951}}));
  EXPECT_TRUE(second->platform.quit_posted);
  EXPECT_TRUE(second->application.Terminated());
  EXPECT_FALSE(first->platform.quit_posted);
  EXPECT_TRUE(first->desktop.activated_forms.empty()) << "the first stays hidden in the tray";

  second->application.Run();
  EXPECT_FALSE(second->form.Visible());

  second.reset();
  EXPECT_EQ(Published(), Value{first->Window()});
  EXPECT_EQ(instances.open_handles.at("TacOnlyOneVardeko"), 1);
}

TEST_F(OnlyOneTest, SwitchBringsOnlyAShownFirstWindowForward) {
  first->acOnlyOne1->Loaded();
  first->form.Show();
  second->acOnlyOne1->Loaded();
  EXPECT_EQ(first->desktop.activated_forms, std::vector<std::string>{"Form1"});
  EXPECT_TRUE(first->form.Visible());
}

TEST_F(OnlyOneTest, FirstReleasesTheValueOnlyWhileItStillNamesItsWindow) {
  struct Case {
    const char* what;
    std::optional<Value> meanwhile;  // what another program left in the value
    std::optional<Value> expected_after_end;
  };
  const std::vector<Case> cases{
      {"still its own: deleted", std::nullopt, std::nullopt},
      {"overwritten by another handle: kept", Value{std::uint32_t{0x999}},
       Value{std::uint32_t{0x999}}},
      {"replaced by a string: kept", Value{"0x10040"}, Value{"0x10040"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    registry = {};
    first = std::make_unique<Process>(registry, instances, 0x10040);
    first->acOnlyOne1->Loaded();
    if (c.meanwhile)
      registry.Set(RegistryRoot::kClassesRoot, "TacOnlyOne", "Vardeko", *c.meanwhile);
    first.reset();
    EXPECT_EQ(Published(), c.expected_after_end);
    EXPECT_TRUE(instances.open_handles.empty());
  }
}

TEST_F(OnlyOneTest, ValueLeftByAKilledInstanceIsReplaced) {
  // The killed instance's window is gone; its handle stays in the registry.
  registry.Set(RegistryRoot::kClassesRoot, "TacOnlyOne", "Vardeko", Value{std::uint32_t{0x777}});
  first->acOnlyOne1->Loaded();
  EXPECT_TRUE(first->acOnlyOne1->FirstInstance());
  EXPECT_EQ(Published(), Value{first->Window()});
}

TEST_F(OnlyOneTest, AMutexThatCannotBeMadeCountsAsAnotherInstance) {
  instances.refuse_mutexes = true;
  first->acOnlyOne1->Loaded();
  EXPECT_FALSE(first->acOnlyOne1->FirstInstance());
  EXPECT_TRUE(first->platform.quit_posted);
  EXPECT_FALSE(Published().has_value()) << "nothing published, so nothing to send to";
  EXPECT_TRUE(instances.sent.empty());
  first.reset();
  EXPECT_EQ(registry.writes + registry.deletes, 0);
}

TEST_F(OnlyOneTest, WithoutRegistryAccessTheSecondStillEnds) {
  // The first cannot replace what a killed instance left, so the second aims at a dead window.
  registry.Set(RegistryRoot::kClassesRoot, "TacOnlyOne", "Vardeko", Value{std::uint32_t{0x777}});
  registry.read_only_roots = {RegistryRoot::kClassesRoot};
  first->acOnlyOne1->Loaded();
  EXPECT_TRUE(first->acOnlyOne1->FirstInstance());
  second->acOnlyOne1->Loaded();
  EXPECT_EQ(instances.sent, (std::vector<Sent>{{0x777, "TacSimpleMessageHook", 14951}}));
  EXPECT_TRUE(second->platform.quit_posted);
  EXPECT_FALSE(first->platform.quit_posted);
}

TEST_F(OnlyOneTest, CloseFirstEndsTheFirstInstance) {
  first->acOnlyOne1->Loaded();
  first->form.Show();
  second->acOnlyOne1->SetCloseFirst(true);
  second->acOnlyOne1->Loaded();
  EXPECT_EQ(instances.sent, (std::vector<Sent>{{first->Window(), "TacSimpleMessageHook", 14951},
                                               {first->Window(), "TacSimpleMessageHook", 14952}}));
  EXPECT_FALSE(first->form.Visible());
  EXPECT_TRUE(first->platform.quit_posted);
  EXPECT_TRUE(second->platform.quit_posted);
}

}  // namespace
}  // namespace desktop_test
