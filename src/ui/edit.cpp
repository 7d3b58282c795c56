// Single-line edit.
#include "ui/edit.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Edit::Edit(Form& owner, std::string name, GroupBox* parent)
    : Control(owner, std::move(name), parent),
      peer_(owner.App().GetPlatform().CreateEditPeer(*this)) {
  AttachPeer(*peer_);
}

Edit::~Edit() = default;

void Edit::SetText(std::string text) { SetCaption(std::move(text)); }

void Edit::SetPasswordChar(char password_char) {
  password_char_ = password_char;
  peer_->SetPasswordChar(password_char);
}

void Edit::SetReadOnly(bool read_only) {
  read_only_ = read_only;
  peer_->SetReadOnly(read_only);
}

void Edit::TypeChar(char c) {
  if (read_only_ || !Usable()) return;
  std::string text = Text();
  if (c == '\b') {
    if (!text.empty()) text.pop_back();
  } else {
    text += c;
  }
  SetText(std::move(text));
}

void Edit::NotifyTextChanged(std::string text) {
  // Only the stored text: pushing it back to the window would move the caret.
  SetCaptionQuietly(std::move(text));
}

}  // namespace ui
