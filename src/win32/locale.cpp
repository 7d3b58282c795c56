// Win32 locale: CompareStringA and GetLocaleInfoA on the user's default locale.
#include "win32/locale.h"

#include <windows.h>

namespace win32 {
namespace {

// The locale text, or the fallback when the system cannot give one.
std::string LocaleText(LCTYPE type, const char* fallback) {
  char buffer[16];
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, length - 1) : std::string(fallback);
}

}  // namespace

bool Locale::SameTextIgnoringCase(std::string_view a, std::string_view b) const {
  if (a.empty() || b.empty()) return a.empty() && b.empty();
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string Locale::ThousandSeparator() const {
  return LocaleText(LOCALE_STHOUSAND, ",");
}

std::string Locale::DecimalSeparator() const {
  const std::string separator = LocaleText(LOCALE_SDECIMAL, ".");
  return separator.empty() ? "." : separator;
}

}  // namespace win32
