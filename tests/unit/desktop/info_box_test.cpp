// The info box: what the about box shows, the suppression value, no second box while one is
// open, the choice it reports, and the upgrade check's boxes built on it.
#include "app/desktop/info_box.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/desktop/info_box_prompts.h"
#include "desktop_fixture.h"

namespace desktop_test {
namespace {

using desktop::TacInfoBox;
using Lines = std::vector<ui::MarkupLine>;
using Value = fakes::FakeRegistry::Value;

ui::StyledRun Plain(const char* text) {
  return {text, false};
}
ui::StyledRun Bold(const char* text) {
  return {text, true};
}

struct InfoBoxTest : DesktopFixture {
  OwnerForm form{application};
  TacInfoBox acInfoBox1{form, "acInfoBox1", desktop, registry, sound};

  InfoBoxTest() {
    // As the main form sets it up.
    acInfoBox1.SetTitle("About");
    acInfoBox1.SetSound("Open");
    acInfoBox1.SetText("Vardeko\r\nVersion 2.0.6\r\nKeeps your network drives connected.");
  }
};

TEST_F(InfoBoxTest, AboutBoxShowsCaptionIconThreeLinesAndOneButtonThatEnterAndEscChoose) {
  EXPECT_EQ(acInfoBox1.Execute(true), 0);
  ASSERT_EQ(desktop.info_boxes.size(), 1u);
  const ui::InfoBoxContent& box = desktop.info_boxes[0];
  EXPECT_EQ(box.title, "About");
  EXPECT_EQ(box.icon, ui::InfoBoxIcon::kApplication);
  EXPECT_EQ(box.lines, (Lines{{Plain("Vardeko")},
                              {Plain("Version 2.0.6")},
                              {Plain("Keeps your network drives connected.")}}));
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(box.default_button, 0);
  EXPECT_EQ(box.cancel_button, 0);
  EXPECT_EQ(sound.played, std::vector<std::string>{"Open"});
  EXPECT_FALSE(desktop.InfoBoxOpen());
}

TEST_F(InfoBoxTest, ANonZeroSuppressionValueKeepsTheBoxAwayWhenHonoured) {
  struct Case {
    const char* what;
    std::optional<Value> dlg1;  // under HKCU ...\InfoBox
    bool honour;
    bool shown;
  };
  const std::vector<Case> cases{
      {"no value", std::nullopt, true, true},
      {"zero", Value{std::uint32_t{0}}, true, true},
      {"one", Value{std::uint32_t{1}}, true, false},
      {"all bits", Value{std::uint32_t{0xFFFFFFFF}}, true, false},
      {"a string is no 32-bit value", Value{"1"}, true, true},
      {"not honoured", Value{std::uint32_t{1}}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    registry = {};
    desktop.info_boxes.clear();
    sound.played.clear();
    if (c.dlg1) registry.Set(RegistryRoot::kCurrentUser, kInfoBoxKey, "Dlg1", *c.dlg1);
    // A value elsewhere changes nothing.
    registry.Set(RegistryRoot::kLocalMachine, kInfoBoxKey, "Dlg1", Value{std::uint32_t{1}});
    EXPECT_EQ(acInfoBox1.Execute(c.honour), c.shown ? 0 : TacInfoBox::kNotShown);
    EXPECT_EQ(desktop.info_boxes.size(), c.shown ? 1u : 0u);
    EXPECT_EQ(sound.played.size(), c.shown ? 1u : 0u) << "no sound for a box not shown";
  }
  EXPECT_EQ(registry.writes, 0) << "the value is only ever read";
}

TEST_F(InfoBoxTest, WhileABoxIsOpenAnotherHonouringOneShowsNothing) {
  TacInfoBox other{form, "other", desktop, registry, sound};
  std::vector<int> inner_results;
  desktop.info_box_answer = [&](const ui::InfoBoxContent& content) {
    if (content.title == "About") {
      // "About" chosen again from the tray menu while the box is open, and another box.
      inner_results.push_back(acInfoBox1.Execute(true));
      inner_results.push_back(other.Execute(true));
      // A box that does not honour the rules still comes (the upgrade question).
      inner_results.push_back(other.Execute(false));
    }
    return 0;
  };
  EXPECT_EQ(acInfoBox1.Execute(true), 0);
  EXPECT_EQ(inner_results, (std::vector<int>{TacInfoBox::kNotShown, TacInfoBox::kNotShown, 0}));
  EXPECT_EQ(desktop.info_boxes.size(), 2u);

  // Once closed, it opens again; also after a box that ended in an error.
  desktop.info_box_answer = [](const ui::InfoBoxContent&) -> int {
    throw std::runtime_error("out of resources");
  };
  EXPECT_THROW(acInfoBox1.Execute(true), std::runtime_error);
  EXPECT_FALSE(desktop.InfoBoxOpen());
  desktop.info_box_answer = nullptr;
  EXPECT_EQ(acInfoBox1.Execute(true), 0);
}

TEST_F(InfoBoxTest, ReportsTheChosenButtonAndEscChoosesTheLastOne) {
  acInfoBox1.SetTitle("Question");
  acInfoBox1.SetText("Versi terbaru dari [b]Vardeko[] telah beredar.\r\n\r\n[b]Ada[DEF] perbaikan");
  acInfoBox1.SetButtons({"&Ya", "&Nanti"});
  for (const int answer : {0, 1, -1, 2}) {
    desktop.info_box_answer = [answer](const ui::InfoBoxContent&) { return answer; };
    EXPECT_EQ(acInfoBox1.Execute(false), answer == 0 || answer == 1 ? answer : -1);
  }
  const ui::InfoBoxContent& box = desktop.info_boxes.back();
  EXPECT_EQ(box.lines,
            (Lines{{Plain("Versi terbaru dari "), Bold("Vardeko"), Plain(" telah beredar.")},
                   {},
                   {Bold("Ada"), Plain(" perbaikan")}}));
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Ya", "&Nanti"}));
  EXPECT_EQ(box.cancel_button, 1);

  acInfoBox1.SetEscCancel(false);
  acInfoBox1.Execute(false);
  EXPECT_EQ(desktop.info_boxes.back().cancel_button, -1);
  acInfoBox1.SetButtons({});
  acInfoBox1.Execute(false);
  EXPECT_EQ(desktop.info_boxes.back().buttons, std::vector<std::string>{"OK"});
}

TEST_F(InfoBoxTest, UpgradeQuestionIsAnInfoBoxAnsweredYesOnlyByTheFirstButton) {
  desktop::InfoBoxPrompts prompts(form, desktop, registry, sound);
  registry.Set(RegistryRoot::kCurrentUser, kInfoBoxKey, "Dlg1", Value{std::uint32_t{1}});
  for (const int answer : {0, 1, -1}) {
    desktop.info_box_answer = [answer](const ui::InfoBoxContent&) { return answer; };
    EXPECT_EQ(prompts.AskUpgrade("Wizard Pembaruan Aplikasition", "[b]Vardeko[]"), answer == 0);
  }
  ASSERT_EQ(desktop.info_boxes.size(), 3u) << "the about box's suppression does not apply";
  const ui::InfoBoxContent& question = desktop.info_boxes.back();
  EXPECT_EQ(question.title, "Wizard Pembaruan Aplikasition");
  EXPECT_EQ(question.buttons, (std::vector<std::string>{"&Ya", "&Nanti"}));
  EXPECT_EQ(question.lines, (Lines{{Bold("Vardeko")}}));

  prompts.ShowConnectionLost("Wizard Pembaruan Aplikasition", "Koneksi dengan server putus.");
  EXPECT_EQ(desktop.info_boxes.back().icon, ui::InfoBoxIcon::kError);
  EXPECT_EQ(desktop.info_boxes.back().buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(sound.played.empty());
}

}  // namespace
}  // namespace desktop_test
