// The main window: design-time properties, start-up sequence, Ok and Exit, the tray menu.
#include "app/form1.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_icmp.h"
#include "fakes/fake_locale.h"
#include "fakes/fake_network_drives.h"
#include "ui/headless/headless_platform.h"

namespace {

struct Form1Test : ::testing::Test {
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  fakes::FakeNetworkDrives drives;
  fakes::FakeIcmp icmp;
  app::Services services{files, locale, drives, icmp};
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};

  Form1Test() { application.SetTitle("Vardeko"); }
};

TEST_F(Form1Test, DesignPropertiesAndCollapsedHeightAfterCreation) {
  app::TForm1 form(application, services);
  EXPECT_EQ(form.Caption(), "Vardeko");
  EXPECT_EQ(form.ClientSize().width, 457);
  EXPECT_EQ(form.Height(), 265);
  EXPECT_EQ(form.BOk1.Caption(), "&Ok");
  EXPECT_EQ(form.BOk1.Bounds(), (ui::Rect{280, 200, 80, 27}));
  EXPECT_TRUE(form.BOk1.IsDefault());
  EXPECT_EQ(form.BExit1.Caption(), "E&xit");
  EXPECT_EQ(form.BExit1.Bounds(), (ui::Rect{368, 200, 80, 27}));
  EXPECT_FALSE(form.BExit1.IsDefault());

  std::vector<std::string> menu;
  for (const ui::MenuItem* item : form.PopupMenu1.Items()) menu.push_back(item->Caption());
  EXPECT_EQ(menu, (std::vector<std::string>{"About", "&Setting", "-", "E&xit"}));
  EXPECT_TRUE(form.Exit1.IsSeparator());
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(Form1Test, EnterActsAsOkAndHidesTheWindow) {
  app::TForm1 form(application, services);
  application.SetMainForm(form);
  form.Show();
  form.PressEnter();
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(application.Terminated());
}

TEST_F(Form1Test, ExitSavesNothingYetHidesAndEndsTheProgramWithCodeZero) {
  // Alt+X on the shown window, or "E&xit" from the tray menu, while the loop runs.
  for (const bool from_menu : {false, true}) {
    ui::headless::HeadlessPlatform loop_platform;
    loop_platform.loop_script = [&] {
      auto& form = dynamic_cast<app::TForm1&>(*loop_platform.forms.at("Form1"));
      EXPECT_TRUE(form.Visible());
      if (from_menu) {
        form.Exit2.Click();
      } else {
        EXPECT_TRUE(form.PressAccelerator('x'));
      }
      EXPECT_FALSE(form.Visible());
    };
    EXPECT_EQ(app::RunProgram(loop_platform, services), 0);
    EXPECT_TRUE(loop_platform.quit_posted);
    EXPECT_EQ(loop_platform.loops_run, 1);
    EXPECT_EQ(loop_platform.form_caption["Form1"], "Vardeko");
    EXPECT_TRUE(loop_platform.error_boxes.empty());
  }
}

TEST_F(Form1Test, SettingShowsTheHiddenWindowWhereItWas) {
  app::TForm1 form(application, services);
  form.Show();
  form.NotifyMoved(5, 6);
  form.BOk1.Click();
  EXPECT_FALSE(form.Visible());
  form.Setting1.Click();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Bounds().left, 5);
  EXPECT_EQ(form.Height(), 265);
}

TEST_F(Form1Test, Timer1RunsTheMonitorCycleAndAnErrorEndsOnlyThatCycle) {
  app::TForm1 form(application, services);
  EXPECT_EQ(platform.running_timers.at("Timer1"), 10000u);
  drives.OfferShare("\\\\srv\\data", "u", "p");
  icmp.Standing("srv", fakes::EchoOutcome::Reply());
  for (const char* host : {"srv", "gone"}) {
    form.RxMemoryData1.Append();
    form.RxMemoryData1.Assign("HostName", host);
    form.RxMemoryData1.Assign("UserName", "u");
    form.RxMemoryData1.Assign("Password", "p");
    form.RxMemoryData1.Assign("UNC", "data");
    form.RxMemoryData1.Assign("Drive", "M:");
    form.RxMemoryData1.Assign("MaxPing", 5);
    form.RxMemoryData1.Post();
  }
  form.RxMemoryData1.First();

  icmp.fail_creation_from = 1;  // no ICMP client can be made: the cycle ends at record 1
  form.Timer1.Tick();
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_EQ(platform.grids["suiDBGrid1"].cells[0][1], "");

  icmp.fail_creation_from.reset();
  form.Timer1.Tick();
  const auto& cells = platform.grids["suiDBGrid1"].cells;
  EXPECT_EQ(cells[0], (std::vector<std::string>{"srv", "True", "0", "M:", "data", "True"}));
  EXPECT_EQ(cells[1], (std::vector<std::string>{"gone", "False", "1", "M:", "data", ""}));
  EXPECT_EQ(form.RxMemoryData1.RecNo(), 2) << "the last record is current after a cycle";
  EXPECT_EQ(drives.connections.at("M:"), "\\\\srv\\data");
  EXPECT_EQ(platform.error_boxes.size(), 1u);
}

}  // namespace
