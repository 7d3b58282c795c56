// The application object: title, main form, message loop, and the one boundary through which
// every event handler runs, so that an escaping error ends that handler and shows the error box.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/component.h"
#include "ui/platform.h"

namespace ui {

class Form;

// Text of the standard error box: the message, with a full stop appended when its last
// character sorts after ".".
std::string ErrorBoxText(std::string_view message);

class Application {
 public:
  explicit Application(Platform& platform) : platform_(platform) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Platform& GetPlatform() { return platform_; }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  Form* MainForm() const { return main_form_; }
  void SetMainForm(Form& form) { main_form_ = &form; }

  // While off, Run does not show the main form.
  bool ShowMainForm() const { return show_main_form_; }
  void SetShowMainForm(bool show) { show_main_form_ = show; }

  // Shows the main form (unless switched off) and runs the message loop until Terminate.
  void Run();
  // Asks the loop to end; the current handler runs on to its end.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Runs an event handler. An error escaping it ends it there and is shown in the error box.
  void Dispatch(Component& sender, const NotifyEvent& handler) noexcept;
  void Dispatch(const std::function<void()>& action) noexcept;

  // The standard error box: ErrorBoxText of the message, the title as caption.
  void ShowException(std::string_view message) noexcept;

 private:
  Platform& platform_;
  std::string title_;
  Form* main_form_ = nullptr;
  bool show_main_form_ = true;
  bool terminated_ = false;
};

}  // namespace ui
