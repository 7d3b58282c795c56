// Application object: loop, termination and the event dispatch boundary.
#include "ui/application.h"

#include <exception>

#include "ui/form.h"

namespace ui {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

void Application::Run() {
  if (show_main_form_ && main_form_ != nullptr && !terminated_) main_form_->Show();
  platform_.RunMessageLoop();
  terminated_ = true;
}

void Application::Terminate() {
  terminated_ = true;
  platform_.PostQuit();
}

void Application::Dispatch(Component& sender, const NotifyEvent& handler) noexcept {
  if (!handler) return;
  Dispatch([&] { handler(sender); });
}

void Application::Dispatch(const std::function<void()>& action) noexcept {
  try {
    action();
  } catch (const std::exception& error) {
    ShowException(error.what());
  } catch (...) {
    ShowException("Unknown error");
  }
}

void Application::ShowException(std::string_view message) noexcept {
  try {
    platform_.ShowErrorBox(ErrorBoxText(message), title_);
  } catch (...) {
    // Nothing sensible is left to report an error about the error box with.
  }
}

}  // namespace ui
