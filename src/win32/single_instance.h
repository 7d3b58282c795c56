// The single-instance mutex and the message to another instance's window, on Win32.
#pragma once

#include "os/single_instance.h"

namespace win32 {

class SingleInstance final : public os::SingleInstance {
 public:
  os::NamedMutexResult ClaimNamedMutex(const std::string& name) override;
  bool SendToInstanceWindow(std::uint32_t window, const std::string& window_class,
                            std::uint32_t message) override;
};

}  // namespace win32
