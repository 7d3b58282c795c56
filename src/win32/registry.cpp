// Registry values: each call opens the key with the least access it needs and closes it again.
#include "win32/registry.h"

#include <windows.h>

#include <cstring>

#include "win32/handles.h"

namespace win32 {
namespace {

HKEY RootKey(os::RegistryRoot root) {
  switch (root) {
    case os::RegistryRoot::kClassesRoot:
      return HKEY_CLASSES_ROOT;
    case os::RegistryRoot::kCurrentUser:
      return HKEY_CURRENT_USER;
    case os::RegistryRoot::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

UniqueKey OpenKey(os::RegistryRoot root, const std::string& key, REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, access, &opened) != ERROR_SUCCESS) return {};
  return UniqueKey(opened);
}

// Setting a value needs only the right to set values; asking for full access would fail for
// users who may write the key but not change its security.
UniqueKey CreateKey(os::RegistryRoot root, const std::string& key) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return UniqueKey(created);
}

struct RawValue {
  DWORD type = REG_NONE;
  std::string bytes;
};

std::optional<RawValue> QueryValue(os::RegistryRoot root, const std::string& key,
                                   const std::string& name) {
  const UniqueKey opened = OpenKey(root, key, KEY_QUERY_VALUE);
  if (!opened) return std::nullopt;
  RawValue value;
  // The value may grow between asking for its size and reading it: ask again then.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExA(opened.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    value.bytes.assign(size, '\0');
    const LONG status = RegQueryValueExA(opened.get(), name.c_str(), nullptr, &value.type,
                                         reinterpret_cast<BYTE*>(value.bytes.data()), &size);
    if (status == ERROR_SUCCESS) {
      value.bytes.resize(size);
      return value;
    }
    if (status != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

bool SetValue(os::RegistryRoot root, const std::string& key, const std::string& name, DWORD type,
              const void* data, DWORD size) {
  const UniqueKey created = CreateKey(root, key);
  return created && RegSetValueExA(created.get(), name.c_str(), 0, type,
                                   static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

bool Registry::ValueExists(os::RegistryRoot root, const std::string& key,
                           const std::string& name) const {
  const UniqueKey opened = OpenKey(root, key, KEY_QUERY_VALUE);
  return opened && RegQueryValueExA(opened.get(), name.c_str(), nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
}

std::optional<std::string> Registry::ReadString(os::RegistryRoot root, const std::string& key,
                                                const std::string& name) const {
  auto value = QueryValue(root, key, name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  // Stored strings need not end in a NUL, and may carry more than one.
  const std::size_t end = value->bytes.find('\0');
  if (end != std::string::npos) value->bytes.resize(end);
  return std::move(value->bytes);
}

std::optional<std::uint32_t> Registry::ReadDword(os::RegistryRoot root, const std::string& key,
                                                 const std::string& name) const {
  const auto value = QueryValue(root, key, name);
  if (!value || value->type != REG_DWORD || value->bytes.size() != sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD number = 0;
  std::memcpy(&number, value->bytes.data(), sizeof number);
  return number;
}

bool Registry::WriteString(os::RegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& value) {
  return SetValue(root, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool Registry::WriteDword(os::RegistryRoot root, const std::string& key, const std::string& name,
                          std::uint32_t value) {
  const DWORD number = value;
  return SetValue(root, key, name, REG_DWORD, &number, sizeof number);
}

bool Registry::DeleteValue(os::RegistryRoot root, const std::string& key, const std::string& name) {
  const UniqueKey opened = OpenKey(root, key, KEY_SET_VALUE);
  return opened && RegDeleteValueA(opened.get(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace win32
