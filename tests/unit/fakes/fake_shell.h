// A shell for tests: remembers every address it was asked to open.
#pragma once

#include <string>
#include <vector>

#include "os/shell.h"

namespace fakes {

class FakeShell : public os::Shell {
 public:
  bool OpenAddress(const std::string& address) override {
    opened.push_back(address);
    return true;
  }

  std::vector<std::string> opened;
};

}  // namespace fakes
