// Form: geometry, visibility and keyboard routing to buttons.
#include "ui/form.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "ui/application.h"
#include "ui/button.h"

namespace ui {

Form::Form(Application& application, std::string name, std::string class_name)
    : Component(std::move(name)),
      application_(application),
      class_name_(std::move(class_name)) {
  // Made last: the peer reads the form's properties.
  peer_ = application.GetPlatform().CreateFormPeer(*this);
}

Form::~Form() { DestroyWindowHandle(); }

void Form::DestroyWindowHandle() {
  if (peer_ == nullptr) return;
  peer_.reset();
  const auto listeners = destroy_listeners_;  // a listener may remove itself
  for (const auto& [key, listener] : listeners) listener();
}

int Form::AddDestroyListener(DestroyListener listener) {
  destroy_listeners_.emplace_back(next_listener_key_, std::move(listener));
  return next_listener_key_++;
}

void Form::RemoveDestroyListener(int key) {
  std::erase_if(destroy_listeners_, [key](const auto& entry) { return entry.first == key; });
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (peer_) peer_->SetCaption(caption_);
}

void Form::ApplyBounds(const Rect& bounds) {
  bounds_ = bounds;
  bounds_.width = std::max(bounds_.width, minimum_.width);
  bounds_.height = std::max(bounds_.height, minimum_.height);
  if (peer_) peer_->SetBounds(bounds_);
}

void Form::SetBounds(const Rect& outer) { ApplyBounds(outer); }

void Form::SetHeight(int outer_height) {
  Rect bounds = bounds_;
  bounds.height = outer_height;
  ApplyBounds(bounds);
}

void Form::SetClientSize(int width, int height) {
  const FrameExtent frame = application_.GetPlatform().DialogFrame();
  Rect bounds = bounds_;
  bounds.width = width + frame.left + frame.right;
  bounds.height = height + frame.top + frame.bottom;
  ApplyBounds(bounds);
}

Size Form::ClientSize() const {
  const FrameExtent frame = application_.GetPlatform().DialogFrame();
  return {bounds_.width - frame.left - frame.right, bounds_.height - frame.top - frame.bottom};
}

void Form::SetMinimumSize(int width, int height) {
  minimum_ = {width, height};
  ApplyBounds(bounds_);
}

void Form::CenterOnScreen() {
  const Size screen = application_.GetPlatform().ScreenSize();
  Rect bounds = bounds_;
  bounds.left = (screen.width - bounds.width) / 2;
  bounds.top = (screen.height - bounds.height) / 2;
  ApplyBounds(bounds);
}

void Form::Show() {
  if (!shown_before_) {
    shown_before_ = true;
    if (position_ == FormPosition::ScreenCenter) CenterOnScreen();
  }
  visible_ = true;
  if (peer_) peer_->SetVisible(true);
}

void Form::Hide() {
  visible_ = false;
  if (peer_) peer_->SetVisible(false);
}

void Form::BringToFront() {
  if (peer_) peer_->BringToFront();
}

void Form::Close() {
  Hide();
  if (application_.MainForm() == this) application_.Terminate();
}

void Form::PressEnter() {
  for (Control* control : controls_) {
    auto* button = dynamic_cast<Button*>(control);
    if (button != nullptr && button->IsDefault()) {
      button->Click();
      return;
    }
  }
}

bool Form::PressAccelerator(char key) {
  const char wanted =
      static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
  // Later controls first: "C&lose" wins over a "De&lete" made before it.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    auto* button = dynamic_cast<Button*>(*it);
    if (button != nullptr && button->Usable() && button->AcceleratorKey() == wanted) {
      button->Click();
      return true;
    }
  }
  return false;
}

void Form::NotifyMoved(int left, int top) {
  bounds_.left = left;
  bounds_.top = top;
}

void Form::AddControl(Control& control) { controls_.push_back(&control); }

void Form::RemoveControl(Control& control) {
  std::erase(controls_, &control);
  if (active_control_ == &control) active_control_ = nullptr;
  if (last_focused_ == &control) last_focused_ = nullptr;
}

void Form::RestoreFocus() {
  if (last_focused_ != nullptr && last_focused_->Usable()) {
    last_focused_->SetFocus();
    return;
  }
  for (Control* control : controls_) {
    if (control->TakesFocus() && control->Usable()) {
      control->SetFocus();
      return;
    }
  }
}

void Form::NotifyFocusChanged(Control* now_focused) {
  if (now_focused == active_control_) return;
  if (now_focused != nullptr) last_focused_ = now_focused;
  Control* before = std::exchange(active_control_, now_focused);
  // Exit and enter behaviour of controls runs as the user's event.
  if (before != nullptr) application_.Dispatch([before] { before->FocusLost(); });
  if (now_focused != nullptr) application_.Dispatch([now_focused] { now_focused->FocusGained(); });
}

void Form::RunOnCreate() { application_.Dispatch(*this, OnCreate); }

}  // namespace ui
