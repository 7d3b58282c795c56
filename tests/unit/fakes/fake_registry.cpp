// In-memory registry.
#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>

namespace fakes {

FakeRegistry::Address FakeRegistry::At(os::RegistryRoot root, const std::string& key,
                                       const std::string& name) {
  auto lower = [](std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  };
  return {root, lower(key), lower(name)};
}

void FakeRegistry::Set(os::RegistryRoot root, const std::string& key, const std::string& name,
                       Value value) {
  values_[At(root, key, name)] = std::move(value);
}

std::optional<FakeRegistry::Value> FakeRegistry::Get(os::RegistryRoot root, const std::string& key,
                                                     const std::string& name) const {
  const auto it = values_.find(At(root, key, name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool FakeRegistry::ValueExists(os::RegistryRoot root, const std::string& key,
                               const std::string& name) const {
  return Get(root, key, name).has_value();
}

std::optional<std::string> FakeRegistry::ReadString(os::RegistryRoot root, const std::string& key,
                                                    const std::string& name) const {
  const auto value = Get(root, key, name);
  if (!value || !std::holds_alternative<std::string>(*value)) return std::nullopt;
  return std::get<std::string>(*value);
}

std::optional<std::uint32_t> FakeRegistry::ReadDword(os::RegistryRoot root, const std::string& key,
                                                     const std::string& name) const {
  const auto value = Get(root, key, name);
  if (!value || !std::holds_alternative<std::uint32_t>(*value)) return std::nullopt;
  return std::get<std::uint32_t>(*value);
}

bool FakeRegistry::Write(os::RegistryRoot root, const std::string& key, const std::string& name,
                         Value value) {
  if (read_only_roots.contains(root)) return false;
  Set(root, key, name, std::move(value));
  ++writes;
  return true;
}

bool FakeRegistry::WriteString(os::RegistryRoot root, const std::string& key,
                               const std::string& name, const std::string& value) {
  return Write(root, key, name, value);
}

bool FakeRegistry::WriteDword(os::RegistryRoot root, const std::string& key,
                              const std::string& name, std::uint32_t value) {
  return Write(root, key, name, value);
}

bool FakeRegistry::DeleteValue(os::RegistryRoot root, const std::string& key,
                               const std::string& name) {
  if (read_only_roots.contains(root)) return false;
  if (values_.erase(At(root, key, name)) == 0) return false;
  ++deletes;
  return true;
}

}  // namespace fakes
