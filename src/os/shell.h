// What the program needs from the desktop shell: opening a web address in the user's browser.
#pragma once

#include <string>

namespace os {

class Shell {
 public:
  virtual ~Shell() = default;

  // Opens the address with the program registered for HTML files; when none is registered, the
  // shell opens it by its own rules. Returns at once, true when a program was started.
  // The shell starts whatever the address names, so callers pass only addresses they have
  // checked: an absolute http or https address without spaces, quotes or control characters.
  virtual bool OpenAddress(const std::string& address) = 0;
};

}  // namespace os
