// What the program needs from the user's locale: comparing names and reading numbers.
#pragma once

#include <string>
#include <string_view>

namespace os {

// The user's current locale settings. Text is single-byte ANSI in the user's code page.
class Locale {
 public:
  virtual ~Locale() = default;

  // True when the two texts are equal once letter case is ignored, by the case rules of the
  // user's locale. Texts of different lengths may still be equal under some locales; callers that
  // need equal lengths check that themselves. Embedded NUL bytes take part in the comparison.
  virtual bool SameTextIgnoringCase(std::string_view a, std::string_view b) const = 0;

  // The separator between groups of thousands ("," in English); may be empty when the locale
  // uses none.
  virtual std::string ThousandSeparator() const = 0;

  // The separator before the fraction of a number ("." in English); never empty.
  virtual std::string DecimalSeparator() const = 0;
};

}  // namespace os
