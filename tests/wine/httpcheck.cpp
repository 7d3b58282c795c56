// Upgrade check tool for the Wine tests: runs acAutoUpgrader1 with the real WinINet client and
// prints what the user would see, one line per event.
//
//   httpcheck check URL ya|nanti [--real-shell] [--second-on-stdin] [--destroy-on-stdin]
//       one CheckForUpgrade of URL, answering the question as told; prints "started N",
//       "transfer ...", "ask ...", "connection-lost ...", "open ADDRESS", "finished"
//       --real-shell        open the address with the desktop shell instead of printing it
//       --second-on-stdin   after a line on stdin, check again while the first still runs
//       --destroy-on-stdin  after a line on stdin, destroy the component mid-transfer; after a
//                           second line, keep the message loop running for a second
//   httpcheck open ADDRESS  hand ADDRESS to the desktop shell; prints "opened N"
//   httpcheck record FILE ARG...
//       stands in for a web browser: appends its arguments to FILE, one per line
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"
#include "upgrade/auto_upgrader.h"
#include "win32/http_client.h"
#include "win32/shell.h"

namespace {

// One line per event; CR and LF are shown as \r and \n so a box's text stays on its line.
void PrintLine(const std::string& line) {
  std::string shown;
  for (const char c : line) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else {
      shown += c;
    }
  }
  std::printf("%s\n", shown.c_str());
  std::fflush(stdout);
}

const char* FailureName(os::HttpFailure failure) {
  switch (failure) {
    case os::HttpFailure::None:
      return "none";
    case os::HttpFailure::CannotResolve:
      return "cannot-resolve";
    case os::HttpFailure::CannotConnect:
      return "cannot-connect";
    case os::HttpFailure::ConnectionBroken:
      return "connection-broken";
    case os::HttpFailure::TooLarge:
      return "too-large";
    case os::HttpFailure::Other:
      return "other";
  }
  return "?";
}

// Passes everything to the real client and prints how each transfer ended.
class PrintingHttpClient : public os::HttpClient {
 public:
  bool StartGet(const os::HttpRequest& request, Completion completion) override {
    return inner_.StartGet(request, [completion](const os::HttpResult& result) {
      PrintLine(std::string("transfer failure=") + FailureName(result.failure) + " status=" +
                std::to_string(result.status) + " error=" + std::to_string(result.system_error) +
                " bytes=" + std::to_string(result.body.size()));
      completion(result);
    });
  }
  bool Transferring() const override { return inner_.Transferring(); }

 private:
  win32::HttpClient inner_;
};

class PrintingPrompts : public upgrade::UpgradePrompts {
 public:
  explicit PrintingPrompts(bool answer_ya) : answer_ya_(answer_ya) {}
  bool AskUpgrade(const std::string& caption, const std::string& markup_text) override {
    PrintLine("ask caption=" + caption + " text=" + markup_text);
    return answer_ya_;
  }
  void ShowConnectionLost(const std::string& caption, const std::string& text) override {
    PrintLine("connection-lost caption=" + caption + " text=" + text);
  }

 private:
  bool answer_ya_;
};

class PrintingShell : public os::Shell {
 public:
  bool OpenAddress(const std::string& address) override {
    PrintLine("open " + address);
    return true;
  }
};

class ToolForm : public ui::Form {
 public:
  explicit ToolForm(ui::Application& application) : ui::Form(application, "Form1", "TForm1") {}
  ~ToolForm() override { DestroyWindowHandle(); }
};

void ReadStdinLine() {
  char line[256];
  if (std::fgets(line, sizeof line, stdin) == nullptr) PrintLine("stdin closed");
}

void DispatchWaiting() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
    DispatchWaiting();
  }
}

bool HasFlag(int argc, char** argv, const char* flag) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], flag) == 0) return true;
  }
  return false;
}

int Check(int argc, char** argv) {
  ui::headless::HeadlessPlatform platform;
  ui::Application application(platform);
  application.SetTitle("Vardeko");
  ToolForm form(application);
  PrintingPrompts prompts(std::strcmp(argv[3], "ya") == 0);
  PrintingShell printing_shell;
  win32::Shell desktop_shell;
  os::Shell& shell =
      HasFlag(argc, argv, "--real-shell") ? static_cast<os::Shell&>(desktop_shell) : printing_shell;
  std::optional<upgrade::TacAutoUpgrader> upgrader;
  upgrader.emplace(form, "acAutoUpgrader1", std::make_unique<PrintingHttpClient>(), shell, prompts);
  upgrader->SetInfoFileURL(argv[2]);

  PrintLine("started " + std::to_string(upgrader->CheckForUpgrade()));
  if (HasFlag(argc, argv, "--second-on-stdin")) {
    ReadStdinLine();
    PrintLine("second " + std::to_string(upgrader->CheckForUpgrade()));
  }
  if (HasFlag(argc, argv, "--destroy-on-stdin")) {
    ReadStdinLine();
    upgrader.reset();
    PrintLine("destroyed");
    ReadStdinLine();
    PumpFor(1000);  // room for a stray completion to show itself, were there one
  } else {
    while (upgrader->Transferring()) {
      WaitMessage();
      DispatchWaiting();
    }
  }
  for (const auto& box : platform.error_boxes) PrintLine("error-box " + box.text);
  PrintLine("finished");
  return 0;
}

int Record(int argc, char** argv) {
  FILE* file = std::fopen(argv[2], "ab");
  if (file == nullptr) return 1;
  for (int i = 3; i < argc; ++i) std::fprintf(file, "%s\n", argv[i]);
  std::fclose(file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "check" && argc >= 4) return Check(argc, argv);
  if (command == "open" && argc == 3) {
    PrintLine("opened " + std::to_string(win32::Shell().OpenAddress(argv[2])));
    return 0;
  }
  if (command == "record" && argc >= 3) return Record(argc, argv);
  std::printf("usage: httpcheck check URL ya|nanti [flags] | open ADDRESS | record FILE ARG...\n");
  return 2;
}
