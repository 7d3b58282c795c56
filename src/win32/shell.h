// Opening web addresses through the desktop shell.
#pragma once

#include <string>

#include "os/shell.h"

namespace win32 {

class Shell final : public os::Shell {
 public:
  bool OpenAddress(const std::string& address) override;
};

}  // namespace win32
