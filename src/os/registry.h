// What the desktop components need from the system registry: typed values under three roots.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

enum class RegistryRoot { kClassesRoot, kCurrentUser, kLocalMachine };

// Keys are paths below the root with "\" between the names ("Software\Microsoft\Windows");
// key and value names compare without regard to letter case; an empty value name is the key's
// default value. Nothing here throws: a missing key or value, a refused access and a value of
// another type all come back as results, so callers that must fail silently simply ignore them.
class Registry {
 public:
  virtual ~Registry() = default;

  // True when the key opens for reading and holds a value of that name, whatever its type.
  virtual bool ValueExists(RegistryRoot root, const std::string& key,
                           const std::string& name) const = 0;

  // The value when it exists and is a string (REG_SZ, or REG_EXPAND_SZ left unexpanded).
  virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                const std::string& name) const = 0;

  // The value when it exists and is a 32-bit number (REG_DWORD).
  virtual std::optional<std::uint32_t> ReadDword(RegistryRoot root, const std::string& key,
                                                 const std::string& name) const = 0;

  // Creates the key (and its missing parents) when needed and writes the value, replacing one of
  // any type. True when the value was written.
  virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& value) = 0;
  virtual bool WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                          std::uint32_t value) = 0;

  // Deletes the value and leaves the key. True when a value was deleted; false when there was
  // none or it could not be deleted.
  virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
};

}  // namespace os
