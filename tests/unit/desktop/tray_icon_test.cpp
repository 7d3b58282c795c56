// The tray icon: hidden start, the icon shown exactly while the form is hidden, the sounds, the
// mouse on the icon, the tooltip, a restarted shell and the title-bar button.
#include "app/desktop/tray_icon.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop_fixture.h"
#include "ui/popup_menu.h"

namespace desktop_test {
namespace {

using ui::TrayMouse;
using Sounds = std::vector<std::string>;

struct TrayIconTest : DesktopFixture {
  OwnerForm form{application};
  ui::PopupMenu PopupMenu1{form, "PopupMenu1"};
  std::optional<desktop::TacTrayIcon> acTrayIcon1;

  TrayIconTest() {
    application.SetMainForm(form);
    acTrayIcon1.emplace(form, "acTrayIcon1", desktop, sound);
    // As the main form sets it up.
    acTrayIcon1->SetStartMinimized(true);
    acTrayIcon1->SetPopupMenu(&PopupMenu1);
    acTrayIcon1->CaptionButton.SetBtnOrder(0);
    acTrayIcon1->CaptionButton.SetHint("Minimize to System Tray");
    acTrayIcon1->CaptionButton.SetXPStyleColor(ui::CaptionColor::kRed);
  }

  const ui::headless::TrayState& Tray() const { return desktop.trays.at("acTrayIcon1"); }
  void Click(TrayMouse event, int x = 0, int y = 0) {
    desktop.ClickTrayIcon("acTrayIcon1", event, x, y);
  }
  // Loading, then the start-up sequence's own MinimizeToTray.
  void StartInTray() {
    acTrayIcon1->Loaded();
    acTrayIcon1->MinimizeToTray();
  }
};

TEST_F(TrayIconTest, StartsHiddenAndTheFirstMinimizeAfterLoadingShowsTheIconOnce) {
  form.Show();  // whatever happened before, loading hides it
  acTrayIcon1->Loaded();
  EXPECT_FALSE(application.ShowMainForm());
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(Tray().shown) << "no icon while the form is loading";
  EXPECT_TRUE(sound.played.empty());
  EXPECT_FALSE(acTrayIcon1->InTray());

  acTrayIcon1->MinimizeToTray();
  acTrayIcon1->MinimizeToTray();  // already in the tray: nothing more
  EXPECT_TRUE(Tray().shown);
  EXPECT_EQ(Tray().adds, 1);
  EXPECT_EQ(Tray().tip, "Vardeko") << "no Hint: the application's title";
  EXPECT_EQ(sound.played, Sounds{"Minimize"});

  // The loop does not show the form.
  application.Run();
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(platform.form_visible.at("Form1"));
}

TEST_F(TrayIconTest, WithoutStartMinimizedLoadingChangesNothing) {
  acTrayIcon1->SetStartMinimized(false);
  acTrayIcon1->Loaded();
  EXPECT_TRUE(application.ShowMainForm());
  EXPECT_FALSE(Tray().shown);
  EXPECT_TRUE(sound.played.empty());
}

TEST_F(TrayIconTest, TheIconIsShownExactlyWhileTheFormIsHidden) {
  struct Step {
    const char* what;
    std::function<void()> act;
    bool visible_after;
    Sounds sounds;  // played by this step
  };
  const std::vector<Step> steps{
      {"double-click restores", [&] { Click(TrayMouse::kLeftDoubleClick); }, true, {"RestoreUp"}},
      {"a double-click from a removed icon", [&] { Click(TrayMouse::kLeftDoubleClick); }, true, {}},
      {"MinimizeToTray (Ok)", [&] { acTrayIcon1->MinimizeToTray(); }, false, {"Minimize"}},
      {"single left click", [&] { Click(TrayMouse::kLeftClick); }, false, {}},
      {"right click", [&] { Click(TrayMouse::kRightClick, 40, 50); }, false, {}},
      {"RestoreFromTray (&Setting)", [&] { acTrayIcon1->RestoreFromTray(); }, true, {"RestoreUp"}},
      {"title-bar button",
       [&] { desktop.ClickCaptionButton("acTrayIcon1.CaptionButton"); },
       false,
       {"Minimize"}},
      {"title-bar button on the hidden form",
       [&] { desktop.ClickCaptionButton("acTrayIcon1.CaptionButton"); },
       false,
       {}},
      {"MinimizeToTray while in the tray", [&] { acTrayIcon1->MinimizeToTray(); }, false, {}},
  };
  StartInTray();
  int adds = 1;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const bool was_visible = form.Visible();
    sound.played.clear();
    step.act();
    EXPECT_EQ(form.Visible(), step.visible_after);
    EXPECT_EQ(Tray().shown, !form.Visible());
    EXPECT_EQ(acTrayIcon1->InTray(), !form.Visible());
    EXPECT_EQ(sound.played, step.sounds);
    if (was_visible && !step.visible_after) ++adds;
    EXPECT_EQ(Tray().adds, adds) << "one add per hiding, never two";
  }
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(TrayIconTest, RightClickBringsTheFormForwardAndOpensTheMenuLeftClickDoesNothing) {
  StartInTray();
  Click(TrayMouse::kLeftClick, 10, 20);
  EXPECT_TRUE(platform.popups.empty());
  EXPECT_EQ(Tray().foreground_requests, 0);

  Click(TrayMouse::kRightClick, 10, 20);
  EXPECT_EQ(platform.popups, std::vector<std::string>{"PopupMenu1"});
  EXPECT_EQ(Tray().foreground_requests, 1);
  EXPECT_FALSE(form.Visible());

  acTrayIcon1->SetPopupMenu(nullptr);
  Click(TrayMouse::kRightClick, 10, 20);
  EXPECT_EQ(platform.popups.size(), 1u);
}

TEST_F(TrayIconTest, TooltipIsTheHintOrTheTitleAndFollowsChanges) {
  acTrayIcon1->SetHint("Vardeko Version 2.0.6");
  StartInTray();
  EXPECT_EQ(Tray().tip, "Vardeko Version 2.0.6");

  acTrayIcon1->SetHint("");
  EXPECT_EQ(Tray().tip, "Vardeko");
  acTrayIcon1->SetShowHint(false);
  EXPECT_EQ(Tray().tip, "");
  acTrayIcon1->SetShowHint(true);
  acTrayIcon1->SetHint("Vardeko Version 2.0.7");
  EXPECT_EQ(Tray().tip, "Vardeko Version 2.0.7");
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheIconBackOnlyWhileTheFormIsInTheTray) {
  StartInTray();
  desktop.RecreateTaskbar();
  EXPECT_TRUE(Tray().shown);
  EXPECT_EQ(Tray().adds, 2);

  acTrayIcon1->RestoreFromTray();
  desktop.RecreateTaskbar();
  EXPECT_FALSE(Tray().shown);
  EXPECT_EQ(Tray().adds, 2);
}

TEST_F(TrayIconTest, AnIconTheShellRefusedComesWithTheTaskbar) {
  desktop.trays["acTrayIcon1"].shell_refuses = true;  // started before the shell
  StartInTray();
  EXPECT_FALSE(Tray().shown);
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(acTrayIcon1->InTray());

  desktop.trays["acTrayIcon1"].shell_refuses = false;
  desktop.RecreateTaskbar();
  EXPECT_TRUE(Tray().shown);
  EXPECT_EQ(Tray().tip, "Vardeko");

  // Removing an icon that never made it is not asked of the shell.
  desktop.trays["acTrayIcon1"].shell_refuses = true;
  acTrayIcon1->RestoreFromTray();
  acTrayIcon1->MinimizeToTray();
  acTrayIcon1->RestoreFromTray();
  EXPECT_EQ(Tray().removes, 1);
}

TEST_F(TrayIconTest, TheIconGoesWithTheComponent) {
  StartInTray();
  acTrayIcon1.reset();
  EXPECT_FALSE(Tray().shown);
  EXPECT_EQ(Tray().removes, 1);
  EXPECT_FALSE(Tray().peer_alive);
}

TEST_F(TrayIconTest, TitleBarButtonLooksAsDesigned) {
  const ui::CaptionButtonLook& look = desktop.caption_buttons.at("acTrayIcon1.CaptionButton").look;
  EXPECT_EQ(look, (ui::CaptionButtonLook{.visible = true,
                                         .order = 0,
                                         .hint = "Minimize to System Tray",
                                         .glyph = ui::CaptionGlyph::kMinimizeToTray,
                                         .color = ui::CaptionColor::kRed}));
}

}  // namespace
}  // namespace desktop_test
