// The upgrade information file: what the maker's web server says about the newest version.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace upgrade {

// What the program does when the user agrees to upgrade. The program acts only on
// umRedirectToURL; the other two are understood so that such a file still parses.
enum class TUpgradeMethod { umSelfUpgrade, umUseExternalSetup, umRedirectToURL };

struct UpgradeInfo {
  std::string version;                 // printable ASCII, 1 to kMaxVersionBytes bytes
  std::vector<std::string> addresses;  // download addresses in file order; may be empty
  std::string message;                 // Message lines joined with CR LF; may be empty
  TUpgradeMethod method = TUpgradeMethod::umRedirectToURL;
};

inline constexpr std::size_t kMaxInfoFileBytes = 64 * 1024;
inline constexpr std::size_t kMaxVersionBytes = 64;

// Reads an information file as fetched. Anything that is not a complete, well-formed file
// (oversized, binary, truncated before its end line, a missing or repeated key, an unknown
// method) gives nothing. The format is described in README.md, "Upgrade information file".
std::optional<UpgradeInfo> ParseUpgradeInfo(std::string_view bytes);

}  // namespace upgrade
