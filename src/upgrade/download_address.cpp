// The download address check: http and https only, and nothing a command line could split.
#include "upgrade/download_address.h"

#include <algorithm>

namespace upgrade {
namespace {

constexpr std::string_view kSchemeMark = "://";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsWebScheme(std::string_view scheme) {
  std::string lower(scheme);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  return lower == "http" || lower == "https";
}

// Unreserved, reserved and "%" of RFC 3986.
bool IsUriCharacter(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("-._~:/?#[]@!$&'()*+,;=%").find(c) != std::string_view::npos;
}

}  // namespace

std::optional<std::string> BrowserAddress(std::string_view address) {
  std::string full(address);
  if (full.find(kSchemeMark) == std::string::npos) full.insert(0, "http://");
  if (full.size() > kMaxAddressBytes) return std::nullopt;
  if (!std::all_of(full.begin(), full.end(), IsUriCharacter)) return std::nullopt;
  const std::size_t mark = full.find(kSchemeMark);
  if (!IsWebScheme(std::string_view(full).substr(0, mark))) return std::nullopt;
  const std::size_t host = mark + kSchemeMark.size();
  if (host == full.size() || std::string_view("/?#").find(full[host]) != std::string_view::npos) {
    return std::nullopt;
  }
  return full;
}

}  // namespace upgrade
