// A locale for tests: Windows-1252 letter case and separators that a test may change.
#pragma once

#include <string>
#include <string_view>

#include "os/locale.h"

namespace fakes {

class FakeLocale : public os::Locale {
 public:
  // Folds ASCII letters and the Windows-1252 accented letters (including Š, Œ, Ž and Ÿ).
  bool SameTextIgnoringCase(std::string_view a, std::string_view b) const override;
  std::string ThousandSeparator() const override { return thousand_separator; }
  std::string DecimalSeparator() const override { return decimal_separator; }

  std::string thousand_separator = ",";
  std::string decimal_separator = ".";
};

}  // namespace fakes
