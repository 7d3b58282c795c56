// Form geometry, first-show centring, keyboard routing and closing.
#include "ui/form.h"

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/headless/headless_platform.h"
#include "ui/timer.h"

namespace {

struct FormTest : ::testing::Test {
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};
  ui::Form form{application, "Form"};
};

TEST_F(FormTest, ClientSizeAddsTheDialogFrameAndHeightIsOuter) {
  platform.frame = {3, 22, 3, 3};
  form.SetClientSize(457, 402);
  EXPECT_EQ(form.Bounds().width, 463);
  EXPECT_EQ(form.Bounds().height, 427);
  form.SetHeight(265);
  EXPECT_EQ(form.Height(), 265);
  EXPECT_EQ(form.ClientSize().height, 240);
  EXPECT_EQ(platform.form_bounds["Form"].height, 265);

  form.SetMinimumSize(130, 50);
  form.SetHeight(10);
  EXPECT_EQ(form.Height(), 50);
}

TEST_F(FormTest, ScreenCenterOnFirstShowOnlyThenKeepsItsPlace) {
  form.SetPosition(ui::FormPosition::ScreenCenter);
  form.SetClientSize(457, 402);
  form.SetHeight(265);
  form.Show();
  EXPECT_EQ(form.Bounds().left, (1024 - 463) / 2);
  EXPECT_EQ(form.Bounds().top, (768 - 265) / 2);
  EXPECT_TRUE(platform.form_visible["Form"]);

  form.Hide();
  form.NotifyMoved(10, 20);  // the user dragged it
  form.Show();
  EXPECT_EQ(form.Bounds().left, 10);
  EXPECT_EQ(form.Bounds().top, 20);
}

TEST_F(FormTest, EnterClicksTheDefaultButtonAndAltKeyClicksTheMarkedButton) {
  ui::Button ok(form, "Ok"), exit(form, "Exit");
  ok.SetCaption("&Ok");
  ok.SetDefault(true);
  exit.SetCaption("E&xit");
  std::string clicked;
  ok.OnClick = [&](ui::Component&) { clicked += "ok;"; };
  exit.OnClick = [&](ui::Component&) { clicked += "exit;"; };

  form.PressEnter();
  EXPECT_TRUE(form.PressAccelerator('X'));
  EXPECT_TRUE(form.PressAccelerator('o'));
  EXPECT_FALSE(form.PressAccelerator('k'));
  exit.SetEnabled(false);
  EXPECT_FALSE(form.PressAccelerator('x'));
  EXPECT_EQ(clicked, "ok;exit;ok;");
  EXPECT_TRUE(platform.controls["Ok"].is_default);
}

TEST_F(FormTest, ClosingTheMainFormTerminatesOtherFormsOnlyHide) {
  ui::Form other(application, "Other");
  other.Show();
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(application.Terminated());

  application.SetMainForm(form);
  form.Show();
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(application.Terminated());
  EXPECT_TRUE(platform.quit_posted);
}

TEST_F(FormTest, TimerRunsWhileEnabledAndDropsATickDuringATick) {
  ui::Timer timer(form, "Timer");
  EXPECT_EQ(platform.running_timers["Timer"], 1000u);
  timer.SetInterval(10000);
  EXPECT_EQ(platform.running_timers["Timer"], 10000u);

  int ticks = 0;
  timer.OnTimer = [&](ui::Component&) {
    ++ticks;
    timer.Tick();  // a modal box's loop delivering the next tick
  };
  timer.Tick();
  EXPECT_EQ(ticks, 1);

  timer.SetEnabled(false);
  EXPECT_EQ(platform.running_timers.count("Timer"), 0u);
  timer.Tick();
  EXPECT_EQ(ticks, 1);
}

}  // namespace
