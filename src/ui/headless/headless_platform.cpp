// In-memory peers.
#include "ui/headless/headless_platform.h"

#include "ui/button.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"

namespace ui::headless {
namespace {

class FormState : public FormPeer {
 public:
  FormState(HeadlessPlatform& platform, const std::string& name) : p_(platform), name_(name) {}
  void SetCaption(const std::string& caption) override { p_.form_caption[name_] = caption; }
  void SetBounds(const Rect& outer) override { p_.form_bounds[name_] = outer; }
  void SetVisible(bool visible) override { p_.form_visible[name_] = visible; }
  void BringToFront() override {}

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

class ButtonState : public ButtonPeer {
 public:
  explicit ButtonState(ControlState& state) : s_(state) {}
  void SetBounds(const Rect& bounds) override { s_.bounds = bounds; }
  void SetText(const std::string& text) override { s_.text = text; }
  void SetVisible(bool visible) override { s_.visible = visible; }
  void SetEnabled(bool enabled) override { s_.enabled = enabled; }
  void SetFocus() override { ++s_.focus_requests; }
  void SetDefault(bool is_default) override { s_.is_default = is_default; }

 private:
  ControlState& s_;
};

class MenuState : public PopupMenuPeer {
 public:
  MenuState(HeadlessPlatform& platform, const std::string& name) : p_(platform), name_(name) {}
  void Popup(int, int) override { p_.popups.push_back(name_); }

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

class TimerState : public TimerPeer {
 public:
  TimerState(HeadlessPlatform& platform, const std::string& name) : p_(platform), name_(name) {}
  void Start(unsigned interval_ms) override { p_.running_timers[name_] = interval_ms; }
  void Stop() override { p_.running_timers.erase(name_); }

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

}  // namespace

std::unique_ptr<FormPeer> HeadlessPlatform::CreateFormPeer(Form& form) {
  forms[form.Name()] = &form;
  return std::make_unique<FormState>(*this, form.Name());
}

std::unique_ptr<ButtonPeer> HeadlessPlatform::CreateButtonPeer(Button& button) {
  return std::make_unique<ButtonState>(controls[button.Name()]);
}

std::unique_ptr<PopupMenuPeer> HeadlessPlatform::CreatePopupMenuPeer(PopupMenu& menu) {
  return std::make_unique<MenuState>(*this, menu.Name());
}

std::unique_ptr<TimerPeer> HeadlessPlatform::CreateTimerPeer(Timer& timer) {
  return std::make_unique<TimerState>(*this, timer.Name());
}

void HeadlessPlatform::ShowErrorBox(const std::string& text, const std::string& caption) {
  error_boxes.push_back({text, caption});
}

void HeadlessPlatform::RunMessageLoop() {
  ++loops_run;
  if (!quit_posted && loop_script) loop_script();
}

}  // namespace ui::headless
