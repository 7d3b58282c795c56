// The main window: design-time properties, start-up sequence, Ok and Exit, the tray menu, Timer1.
#include "app/form1.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "app_fixture.h"

namespace {

using app_test::kIniPath;
using Form1Test = app_test::AppFixture;
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST_F(Form1Test, DesignPropertiesAndCollapsedHeightAfterCreation) {
  auto& form = Create();
  EXPECT_EQ(form.Caption(), "Vardeko");
  EXPECT_EQ(form.ClientSize().width, 457);
  EXPECT_EQ(form.Height(), 265);
  EXPECT_EQ(form.BOk1.Caption(), "&Ok");
  EXPECT_EQ(form.BOk1.Bounds(), (ui::Rect{280, 200, 80, 27}));
  EXPECT_TRUE(form.BOk1.IsDefault());
  EXPECT_EQ(form.BExit1.Caption(), "E&xit");
  EXPECT_EQ(form.BExit1.Bounds(), (ui::Rect{368, 200, 80, 27}));
  EXPECT_FALSE(form.BExit1.IsDefault());
  EXPECT_EQ(form.suiDBGrid1.Bounds(), (ui::Rect{4, 4, 445, 189}));
  EXPECT_EQ(form.suiDBGrid1.Colors().title_background, (ui::Color{68, 74, 160}));
  EXPECT_EQ(form.suiDBGrid1.Colors().cell_background, (ui::Color{232, 232, 232}));
  EXPECT_EQ(platform.grids["suiDBGrid1"].titles,
            (std::vector<std::string>{"Host Name", "On", ".", "Drive", "Universal Name Connection",
                                      "Maped"}));

  std::vector<std::string> menu;
  for (const ui::MenuItem* item : form.PopupMenu1.Items()) menu.push_back(item->Caption());
  EXPECT_EQ(menu, (std::vector<std::string>{"About", "&Setting", "-", "E&xit"}));
  EXPECT_TRUE(form.Exit1.IsSeparator());
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(Form1Test, StartUpRunsEveryStepInOrderAndLeavesTheWindowInTheTray) {
  files.files[kIniPath] = "UpGradeURL=http://updates.test/v.inf\r\n";
  registry.read_only_roots.clear();
  auto& form = Create();
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(application.ShowMainForm()) << "the loop must not show the window";
  EXPECT_TRUE(desktop.trays["acTrayIcon1"].shown);
  EXPECT_EQ(desktop.trays["acTrayIcon1"].tip, "Vardeko Version 2.0.6");
  EXPECT_EQ(form.acInfoBox1.Text(),
            "Vardeko\r\nVersion 2.0.6\r\nKeeps your network drives connected.");
  ASSERT_EQ(http->requests.size(), 1u) << "an upgrade check at the loaded address";
  EXPECT_EQ(http->requests[0].url, "http://updates.test/v.inf");
  EXPECT_TRUE(registry.Get(os::RegistryRoot::kLocalMachine, kRunKey, "Vardeko").has_value());
  EXPECT_EQ(platform.running_timers.at("Timer1"), 10000u);
}

TEST_F(Form1Test, AFailingLoadSkipsTheRestOfTheStartUpButTheProgramRuns) {
  files.files[kIniPath] = "DriveCount=1\r\n";
  files.unreadable.insert(kIniPath);
  auto& form = Create();
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_FALSE(desktop.trays["acTrayIcon1"].shown);
  EXPECT_TRUE(http->requests.empty());
  EXPECT_FALSE(registry.Get(os::RegistryRoot::kLocalMachine, kRunKey, "Vardeko").has_value());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(platform.running_timers.at("Timer1"), 10000u) << "the monitor still runs";
}

TEST_F(Form1Test, EnterActsAsOkSavesAndHidesTheWindowToTheTray) {
  auto& form = CreateShown();
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(desktop.trays["acTrayIcon1"].shown);
  form.PressEnter();
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(desktop.trays["acTrayIcon1"].shown);
  EXPECT_NE(files.files.at(kIniPath).find("DriveCount=0\r\n"), std::string::npos);
  EXPECT_FALSE(application.Terminated());
}

TEST_F(Form1Test, ExitFromTheTrayMenuSavesAndEndsTheProgramWithCodeZero) {
  platform.loop_script = [&] {
    auto& form = dynamic_cast<app::TForm1&>(*platform.forms.at("Form1"));
    EXPECT_FALSE(form.Visible());
    form.Exit2.Click();
  };
  EXPECT_EQ(app::RunProgram(platform, services), 0);
  EXPECT_TRUE(platform.quit_posted);
  EXPECT_EQ(platform.loops_run, 1);
  EXPECT_FALSE(platform.form_visible["Form1"]) << "Exit never shows the window";
  EXPECT_NE(files.files.at(kIniPath).find("DriveCount=0\r\n"), std::string::npos);
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(Form1Test, AFailedSaveOnExitKeepsTheProgramRunningWithItsWindow) {
  auto& form = CreateShown();
  files.unwritable.insert(kIniPath);
  form.PressAccelerator('x');
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(application.Terminated());
}

TEST_F(Form1Test, SettingShowsTheHiddenWindowWhereItWas) {
  auto& form = CreateShown();
  form.NotifyMoved(5, 6);
  form.BOk1.Click();
  EXPECT_FALSE(form.Visible());
  form.Setting1.Click();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Bounds().left, 5);
  EXPECT_EQ(form.Height(), 265);
}

TEST_F(Form1Test, Timer1RunsTheMonitorCycleAndAnErrorEndsOnlyThatCycle) {
  auto& form = Create();
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
