// Number edit: digits and Backspace only, a floating-point value shown as a whole number,
// right-aligned; entering it selects its last two characters, leaving it empty makes it "0".
#pragma once

#include <string>

#include "ui/edit.h"

namespace ui {

class NumberEdit : public Edit {
 public:
  NumberEdit(Form& owner, std::string name, GroupBox* parent = nullptr);

  double Value() const { return value_; }
  // Shows the value rounded to a whole number.
  void SetValue(double value);

  // A typed character other than a digit or Backspace is refused with a beep.
  void TypeChar(char c) override;
  void NotifyTextChanged(std::string text) override;
  // Whether the window should let a typed character through.
  static bool Accepts(char c) { return (c >= '0' && c <= '9') || c == '\b'; }

  void FocusGained() override;
  void FocusLost() override;

 private:
  double value_ = 0;
};

}  // namespace ui
