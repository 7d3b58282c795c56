// The registry through the Win32 ANSI calls, in the view of the program's own bitness.
#pragma once

#include "os/registry.h"

namespace win32 {

class Registry final : public os::Registry {
 public:
  bool ValueExists(os::RegistryRoot root, const std::string& key,
                   const std::string& name) const override;
  std::optional<std::string> ReadString(os::RegistryRoot root, const std::string& key,
                                        const std::string& name) const override;
  std::optional<std::uint32_t> ReadDword(os::RegistryRoot root, const std::string& key,
                                         const std::string& name) const override;
  bool WriteString(os::RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& value) override;
  bool WriteDword(os::RegistryRoot root, const std::string& key, const std::string& name,
                  std::uint32_t value) override;
  bool DeleteValue(os::RegistryRoot root, const std::string& key, const std::string& name) override;
};

}  // namespace win32
