// Single-line edit: text the user types, optionally masked or read-only.
#pragma once

#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

class Edit : public Control {
 public:
  Edit(Form& owner, std::string name, GroupBox* parent = nullptr);
  ~Edit() override;

  const std::string& Text() const { return Caption(); }
  void SetText(std::string text);

  char PasswordChar() const { return password_char_; }
  void SetPasswordChar(char password_char);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);

  // The user typed one character (Backspace is '\b'): what the window system's edit does.
  virtual void TypeChar(char c);
  // For the peer: the text in the window changed by the user's hand.
  virtual void NotifyTextChanged(std::string text);

 protected:
  EditPeer& Peer() { return *peer_; }

 private:
  std::unique_ptr<EditPeer> peer_;
  char password_char_ = 0;
  bool read_only_ = false;
};

}  // namespace ui
