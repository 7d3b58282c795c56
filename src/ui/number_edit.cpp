// Number edit.
#include "ui/number_edit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {
namespace {

// The value as the pattern "0" shows it: no decimals, halves rounded away from zero.
std::string WholeNumberText(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%.0f", std::round(value));
  return text;
}

// The typed text holds digits only; an empty text counts as 0.
double ParseDigits(const std::string& text) {
  return text.empty() ? 0 : std::strtod(text.c_str(), nullptr);
}

}  // namespace

NumberEdit::NumberEdit(Form& owner, std::string name, GroupBox* parent)
    : Edit(owner, std::move(name), parent) {
  Peer().SetRightAligned(true);
  SetValue(0);
}

void NumberEdit::SetValue(double value) {
  value_ = value;
  SetText(WholeNumberText(value));
}

void NumberEdit::TypeChar(char c) {
  if (!Accepts(c)) {
    Owner().App().GetPlatform().Beep();
    return;
  }
  Edit::TypeChar(c);
  value_ = ParseDigits(Text());
}

void NumberEdit::NotifyTextChanged(std::string text) {
  Edit::NotifyTextChanged(std::move(text));
  value_ = ParseDigits(Text());
}

void NumberEdit::FocusGained() {
  const int length = static_cast<int>(Text().size());
  const int start = length > 2 ? length - 2 : 0;
  Peer().Select(start, length - start);
}

void NumberEdit::FocusLost() {
  if (Text().empty()) SetValue(0);
}

}  // namespace ui
