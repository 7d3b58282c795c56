// The standard error box text and the dispatch boundary.
#include "ui/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"

namespace {

TEST(ErrorBoxText, AppendsFullStopOnlyAfterCharactersSortingAfterDot) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Range check error", "Range check error."},
      {"Post: Not edit mode", "Post: Not edit mode."},
      {"Done.", "Done."},
      {"Really!", "Really!"},      // '!' sorts before '.'
      {"(x)", "(x)"},              // ')' too
      {"Count 5", "Count 5."},     // digits sort after '.'
      {"path/", "path/."},         // '/' is the next character after '.'
      {"dash-", "dash-"},          // '-' sorts just before '.'
      {"", ""},
      {"Caf\xE9", "Caf\xE9."},     // bytes above 127 compare unsigned
      {"Can't create file:\rC:\\x\\Vardeko.ini", "Can't create file:\rC:\\x\\Vardeko.ini."},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::ErrorBoxText(c.message), c.shown) << c.message;
}

struct Fixture : ::testing::Test {
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};
  ui::Form form{application, "Form"};
  ui::Button button{form, "Button"};

  Fixture() { application.SetTitle("Vardeko"); }
};

using DispatchBoundary = Fixture;

TEST_F(DispatchBoundary, ErrorEndsTheHandlerAndShowsTheBoxThenTheProgramGoesOn) {
  int steps = 0;
  button.OnClick = [&](ui::Component&) {
    ++steps;
    throw std::runtime_error("RxMemoryData1: Cannot perform this operation on an empty dataset");
    ++steps;  // never reached
  };
  button.Click();
  EXPECT_EQ(steps, 1);
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_EQ(platform.error_boxes[0].text,
            "RxMemoryData1: Cannot perform this operation on an empty dataset.");
  EXPECT_EQ(platform.error_boxes[0].caption, "Vardeko");

  button.Click();  // the next event is handled as usual
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(platform.error_boxes.size(), 2u);
  EXPECT_FALSE(application.Terminated());
}

TEST_F(DispatchBoundary, HandlerPassesTheSenderAndUnusableButtonsDoNothing) {
  ui::Component* sender = nullptr;
  button.OnClick = [&](ui::Component& s) { sender = &s; };
  button.Click();
  EXPECT_EQ(sender, &button);

  sender = nullptr;
  button.SetEnabled(false);
  button.Click();
  button.SetEnabled(true);
  button.SetVisible(false);
  button.Click();
  EXPECT_EQ(sender, nullptr);
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(DispatchBoundary, NonStandardExceptionsAreCaughtToo) {
  button.OnClick = [](ui::Component&) { throw 42; };
  button.Click();
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_EQ(platform.error_boxes[0].text, "Unknown error.");
}

}  // namespace
