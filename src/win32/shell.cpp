// Shell opener: the program registered for HTML files first, the shell's own choice otherwise.
#include "win32/shell.h"

#include <windows.h>

#include <shellapi.h>  // needs <windows.h> first

#include <optional>

namespace win32 {
namespace {

// The default value of a key under HKEY_CLASSES_ROOT; empty when there is none.
std::string ClassesDefaultValue(const std::string& key) {
  DWORD size = 0;
  constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kFlags, nullptr, nullptr, &size) !=
          ERROR_SUCCESS ||
      size == 0) {
    return {};
  }
  std::string value(size, '\0');
  if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kFlags, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  value.resize(value.find('\0'));
  return value;
}

// The file class of HTML documents, when it has a program to open them with.
std::optional<std::string> HtmlFileClass() {
  for (const char* extension : {".htm", ".html"}) {
    const std::string file_class = ClassesDefaultValue(extension);
    if (!file_class.empty() &&
        !ClassesDefaultValue(file_class + "\\shell\\open\\command").empty()) {
      return file_class;
    }
  }
  return std::nullopt;
}

bool OpenWithClass(const std::string& address, const std::string& file_class) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // The class names the program; the address is only its argument, never looked at by the shell.
  info.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = "open";
  info.lpFile = address.c_str();
  info.lpClass = file_class.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&info) != FALSE;
}

}  // namespace

bool Shell::OpenAddress(const std::string& address) {
  if (const auto file_class = HtmlFileClass(); file_class && OpenWithClass(address, *file_class)) {
    return true;
  }
  const auto code = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return code > 32;
}

}  // namespace win32
