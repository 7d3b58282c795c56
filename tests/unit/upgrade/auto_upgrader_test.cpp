// The upgrade component on a headless form: what each outcome of the transfer leads to.
#include "upgrade/auto_upgrader.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_http_client.h"
#include "fakes/fake_shell.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"

namespace {

using fakes::Answer;
using fakes::CompleteTransfer;
using fakes::Failure;
using os::HttpFailure;

class OwnerForm : public ui::Form {
 public:
  explicit OwnerForm(ui::Application& application) : ui::Form(application, "Form1", "TForm1") {}
  ~OwnerForm() override { DestroyWindowHandle(); }
};

struct Box {
  std::string kind;  // "ask" or "connection lost"
  std::string caption;
  std::string text;
};

class RecordingPrompts : public upgrade::UpgradePrompts {
 public:
  bool AskUpgrade(const std::string& caption, const std::string& markup_text) override {
    boxes.push_back({"ask", caption, markup_text});
    if (on_ask) on_ask();
    return answer_ya;
  }
  void ShowConnectionLost(const std::string& caption, const std::string& text) override {
    boxes.push_back({"connection lost", caption, text});
  }

  bool answer_ya = false;
  std::function<void()> on_ask;
  std::vector<Box> boxes;
};

std::string InfoFile(const std::string& version, const std::string& first_url,
                     const std::string& method = "umRedirectToURL") {
  return "[Vardeko Upgrade]\r\nVersion=" + version + "\r\nMethod=" + method +
         "\r\nURL=" + first_url +
         "\r\nURL=http://mirror.vardeko.com/v.zip\r\nMessage=Perbaikan %s penting.\r\n" +
         "[End]\r\n";
}

// The connection broke off after the head of an answer with this status had arrived.
os::HttpResult BrokenAfterHead(int status) {
  os::HttpResult result = Failure(HttpFailure::ConnectionBroken);
  result.status = status;
  return result;
}

const std::string kNewer = InfoFile("2.0.7", "http://www.vardeko.com/download/Vardeko-2.0.7.zip");

struct AutoUpgraderTest : ::testing::Test {
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};
  OwnerForm form{application};
  std::shared_ptr<fakes::FakeHttpLog> http = std::make_shared<fakes::FakeHttpLog>();
  fakes::FakeShell shell;
  RecordingPrompts prompts;
  std::optional<upgrade::TacAutoUpgrader> acAutoUpgrader1;

  AutoUpgraderTest() {
    application.SetTitle("Vardeko");
    acAutoUpgrader1.emplace(form, "acAutoUpgrader1", std::make_unique<fakes::FakeHttpClient>(http),
                            shell, prompts);
  }

  // One whole check that ends with this result.
  void CheckAndEndWith(const os::HttpResult& result) {
    ASSERT_TRUE(acAutoUpgrader1->CheckForUpgrade());
    CompleteTransfer(*http, result);
  }
};

TEST_F(AutoUpgraderTest, RequestsTheInformationFileOnceAtATime) {
  EXPECT_EQ(acAutoUpgrader1->InfoFileURL(), "http://www.vardeko.com/download/Vardeko/Vardeko.inf");
  acAutoUpgrader1->SetInfoFileURL("http://updates.example.net/Vardeko.inf");

  EXPECT_TRUE(acAutoUpgrader1->CheckForUpgrade());
  EXPECT_TRUE(acAutoUpgrader1->Transferring());
  EXPECT_FALSE(acAutoUpgrader1->CheckForUpgrade());  // a second click while it runs
  ASSERT_EQ(http->requests.size(), 1u);
  EXPECT_EQ(http->requests[0].url, "http://updates.example.net/Vardeko.inf");
  EXPECT_EQ(http->requests[0].user_agent, "Vardeko/2.0.6");
  EXPECT_EQ(http->requests[0].max_body_bytes, upgrade::kMaxInfoFileBytes);

  CompleteTransfer(*http, Answer(404, ""));
  EXPECT_FALSE(acAutoUpgrader1->Transferring());
  EXPECT_TRUE(acAutoUpgrader1->CheckForUpgrade());  // the next check runs again
  EXPECT_EQ(http->requests.size(), 2u);
}

TEST_F(AutoUpgraderTest, OutcomesThatOfferNoUpgradePassSilently) {
  const struct {
    const char* what;
    os::HttpResult result;
  } cases[] = {
      {"the same version", Answer(200, InfoFile("2.0.6", "http://x/y"))},
      {"the same version, four parts", Answer(200, InfoFile("2.0.6.0", "http://x/y"))},
      {"an older version", Answer(200, InfoFile("2.0.5", "http://x/y"))},
      {"a newer version without an address",
       Answer(200, "[Vardeko Upgrade]\r\nVersion=9\r\nMethod=umRedirectToURL\r\n[End]\r\n")},
      {"a damaged file", Answer(200, kNewer.substr(0, kNewer.size() - 8))},
      {"a newer file under status 404", Answer(404, kNewer)},
      {"a newer file under status 203", Answer(203, kNewer)},
      {"server error", Answer(500, "")},
      {"name not resolved", Failure(HttpFailure::CannotResolve)},
      {"host unreachable", Failure(HttpFailure::CannotConnect)},
      {"oversized answer", Failure(HttpFailure::TooLarge)},
      {"any other failure", Failure(HttpFailure::Other)},
      {"a 404 page cut short", BrokenAfterHead(404)},
  };
  for (const auto& c : cases) {
    CheckAndEndWith(c.result);
    EXPECT_TRUE(prompts.boxes.empty()) << c.what;
    prompts.boxes.clear();
  }
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(AutoUpgraderTest, ANewerVersionAsksTheQuestionAndLaterDoesNothing) {
  CheckAndEndWith(Answer(200, kNewer));
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].kind, "ask");
  EXPECT_EQ(prompts.boxes[0].caption, "Wizard Pembaruan Aplikasition");
  // The message's "%s" is text, not a format.
  EXPECT_EQ(prompts.boxes[0].text,
            "Versi terbaru dari [b]Vardeko[] telah beredar.\r\n"
            "\r\n"
            "Perbaikan %s penting.[DEF]\r\n"
            "\r\n"
            "Apakah Anda ingin memperbarui dengan yang paling baru ?");
  EXPECT_TRUE(shell.opened.empty());  // "&Nanti"
}

TEST_F(AutoUpgraderTest, YaOpensOnlyTheFirstAddressAndOnlyAsAWebAddress) {
  prompts.answer_ya = true;
  const struct {
    std::string first_url;
    std::optional<std::string> opened;
  } cases[] = {
      {"http://www.vardeko.com/download/Vardeko-2.0.7.zip",
       "http://www.vardeko.com/download/Vardeko-2.0.7.zip"},
      {"www.vardeko.com/download/v.zip", "http://www.vardeko.com/download/v.zip"},
      {"HTTPS://www.vardeko.com/v.zip?a=1&b=%20#top",
       "HTTPS://www.vardeko.com/v.zip?a=1&b=%20#top"},
      {"http://[::1]:8080/v.zip", "http://[::1]:8080/v.zip"},
      // What a forged answer would use to start a program or open a file.
      {"file:///C:/Windows/System32/calc.exe", std::nullopt},
      {"ftp://www.vardeko.com/v.zip", std::nullopt},
      {"ms-settings://privacy", std::nullopt},
      {"C:\\Windows\\System32\\calc.exe", std::nullopt},
      {"\\\\evil\\share\\setup.exe", std::nullopt},
      {"http://www.vardeko.com/v.zip\" --renderer-cmd-prefix=calc", std::nullopt},
      {"http://www.vardeko.com/a b", std::nullopt},
      {"http://www.vardeko.com/\xE9t\xE9.zip", std::nullopt},
      {"http://", std::nullopt},
      {"http:///etc/passwd", std::nullopt},
      {"http://www.vardeko.com/" + std::string(2100, 'a'), std::nullopt},
  };
  for (const auto& c : cases) {
    shell.opened.clear();
    CheckAndEndWith(Answer(200, InfoFile("2.1", c.first_url)));
    ASSERT_EQ(prompts.boxes.size(), 1u) << c.first_url;
    prompts.boxes.clear();
    // A bad first address is ignored; the mirror after it is never tried in its place.
    EXPECT_EQ(shell.opened,
              c.opened ? std::vector<std::string>{*c.opened} : std::vector<std::string>{})
        << c.first_url;
  }
}

TEST_F(AutoUpgraderTest, YaDoesNothingForMethodsTheProgramIsNotSetUpFor) {
  prompts.answer_ya = true;
  for (const char* method : {"umSelfUpgrade", "umUseExternalSetup"}) {
    CheckAndEndWith(Answer(200, InfoFile("2.0.10", "http://www.vardeko.com/v.zip", method)));
  }
  EXPECT_EQ(prompts.boxes.size(), 2u);
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(AutoUpgraderTest, AConnectionBrokenMidTransferShowsTheConnectionLostBox) {
  CheckAndEndWith(Failure(HttpFailure::ConnectionBroken));  // before any answer
  CheckAndEndWith(BrokenAfterHead(200));                    // in the middle of the file
  ASSERT_EQ(prompts.boxes.size(), 2u);
  for (const Box& box : prompts.boxes) {
    EXPECT_EQ(box.kind, "connection lost");
    EXPECT_EQ(box.caption, "Wizard Pembaruan Aplikasition");
    EXPECT_EQ(box.text,
              "Koneksi dengan server putus.\r\n\r\nMohon koneksi di perbaiki dan \r\nulangi proses "
              "upgrade.");
  }
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(AutoUpgraderTest, AnErrorWhileHandlingTheOutcomeGoesToTheStandardErrorBox) {
  prompts.on_ask = [] { throw std::runtime_error("Out of resources"); };
  CheckAndEndWith(Answer(200, kNewer));
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_EQ(platform.error_boxes[0].text, "Out of resources.");
  EXPECT_EQ(platform.error_boxes[0].caption, "Vardeko");
  EXPECT_FALSE(acAutoUpgrader1->Transferring());
}

TEST_F(AutoUpgraderTest, DestroyedMidTransferItAbandonsTheTransfer) {
  ASSERT_TRUE(acAutoUpgrader1->CheckForUpgrade());
  acAutoUpgrader1.reset();
  EXPECT_TRUE(http->client_destroyed);
  EXPECT_FALSE(http->pending);
}

}  // namespace
