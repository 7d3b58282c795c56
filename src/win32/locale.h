// The user's locale through the Win32 ANSI calls.
#pragma once

#include <string>
#include <string_view>

#include "os/locale.h"

namespace win32 {

// Asks the system on every call, so a change of the user's settings applies at once.
class Locale final : public os::Locale {
 public:
  bool SameTextIgnoringCase(std::string_view a, std::string_view b) const override;
  std::string ThousandSeparator() const override;
  std::string DecimalSeparator() const override;
};

}  // namespace win32
