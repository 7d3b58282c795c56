// Parser of the upgrade information file: strict about structure, silent about every fault.
#include "upgrade/upgrade_info.h"

#include <algorithm>
#include <array>
#include <utility>

namespace upgrade {
namespace {

constexpr std::string_view kHeaderLine = "[Vardeko Upgrade]";
constexpr std::string_view kEndLine = "[End]";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::array<std::pair<std::string_view, TUpgradeMethod>, 3> kMethods{{
    {"umSelfUpgrade", TUpgradeMethod::umSelfUpgrade},
    {"umUseExternalSetup", TUpgradeMethod::umUseExternalSetup},
    {"umRedirectToURL", TUpgradeMethod::umRedirectToURL},
}};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameAsciiIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Control bytes other than tab and line ends mean the answer is not a text file of ours. A CR is
// allowed only before LF or as the last byte: a lone one would split a message line on screen.
bool IsCleanText(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] != '\n') return false;
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) return false;
  }
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsBlankOrComment(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || trimmed.front() == ';';
}

bool IsValidVersion(std::string_view version) {
  return !version.empty() && version.size() <= kMaxVersionBytes &&
         std::all_of(version.begin(), version.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

std::optional<TUpgradeMethod> MethodNamed(std::string_view name) {
  for (const auto& [method_name, method] : kMethods) {
    if (SameAsciiIgnoringCase(name, method_name)) return method;
  }
  return std::nullopt;
}

// Collects the keys of the body; each Take... answers false on a fault that voids the file.
class InfoBuilder {
 public:
  bool TakeLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view name = TrimBlanks(line.substr(0, equals));
    const std::string_view value = line.substr(equals + 1);
    if (name.empty()) return false;
    if (SameAsciiIgnoringCase(name, "Version")) return TakeVersion(TrimBlanks(value));
    if (SameAsciiIgnoringCase(name, "Method")) return TakeMethod(TrimBlanks(value));
    if (SameAsciiIgnoringCase(name, "URL")) return TakeAddress(TrimBlanks(value));
    if (SameAsciiIgnoringCase(name, "Message")) return TakeMessageLine(value);
    return true;  // keys of later formats are skipped, so old programs still read new files
  }

  std::optional<UpgradeInfo> Finish() {
    if (!has_version_ || !has_method_) return std::nullopt;
    return std::move(info_);
  }

 private:
  bool TakeVersion(std::string_view value) {
    if (has_version_ || !IsValidVersion(value)) return false;
    info_.version = value;
    has_version_ = true;
    return true;
  }
  bool TakeMethod(std::string_view value) {
    const auto method = MethodNamed(value);
    if (has_method_ || !method) return false;
    info_.method = *method;
    has_method_ = true;
    return true;
  }
  bool TakeAddress(std::string_view value) {
    if (value.empty()) return false;
    info_.addresses.emplace_back(value);
    return true;
  }
  bool TakeMessageLine(std::string_view value) {
    if (has_message_) info_.message += "\r\n";
    info_.message += value;
    has_message_ = true;
    return true;
  }

  UpgradeInfo info_;
  bool has_version_ = false;
  bool has_method_ = false;
  bool has_message_ = false;
};

}  // namespace

std::optional<UpgradeInfo> ParseUpgradeInfo(std::string_view bytes) {
  if (bytes.size() > kMaxInfoFileBytes) return std::nullopt;
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (!IsCleanText(bytes)) return std::nullopt;

  enum class Stage { BeforeHeader, Body, AfterEnd } stage = Stage::BeforeHeader;
  InfoBuilder builder;
  for (const std::string_view line : SplitLines(bytes)) {
    if (IsBlankOrComment(line)) continue;
    const std::string_view trimmed = TrimBlanks(line);
    if (stage == Stage::BeforeHeader) {
      if (!SameAsciiIgnoringCase(trimmed, kHeaderLine)) return std::nullopt;
      stage = Stage::Body;
    } else if (stage == Stage::AfterEnd) {
      return std::nullopt;  // only blank lines and comments may follow the end line
    } else if (trimmed.front() == '[') {
      if (!SameAsciiIgnoringCase(trimmed, kEndLine)) return std::nullopt;
      stage = Stage::AfterEnd;
    } else if (!builder.TakeLine(line)) {
      return std::nullopt;
    }
  }
  if (stage != Stage::AfterEnd) return std::nullopt;  // cut short before its end line
  return builder.Finish();
}

}  // namespace upgrade
