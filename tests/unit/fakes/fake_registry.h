// A registry for tests: string and DWORD values by root, key and name, refusals on demand.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <variant>

#include "os/registry.h"

namespace fakes {

// Key and value names compare without regard to ASCII letter case, as the system's do.
class FakeRegistry : public os::Registry {
 public:
  using Value = std::variant<std::string, std::uint32_t>;

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

  // What a test sets up and inspects.
  void Set(os::RegistryRoot root, const std::string& key, const std::string& name, Value value);
  std::optional<Value> Get(os::RegistryRoot root, const std::string& key,
                           const std::string& name) const;
  std::set<os::RegistryRoot> read_only_roots;  // writes and deletes there fail
  int writes = 0;                              // successful writes
  int deletes = 0;                             // successful deletes

 private:
  using Address = std::tuple<os::RegistryRoot, std::string, std::string>;
  static Address At(os::RegistryRoot root, const std::string& key, const std::string& name);
  bool Write(os::RegistryRoot root, const std::string& key, const std::string& name, Value value);

  std::map<Address, Value> values_;
};

}  // namespace fakes
