// Version comparison by number, with the whole-text fallback for parts that are not numbers.
#include "upgrade/version_compare.h"

#include <algorithm>
#include <array>

namespace upgrade {
namespace {

constexpr int kParts = 4;

std::array<std::string_view, kParts> SplitVersion(std::string_view text) {
  std::array<std::string_view, kParts> parts{"0", "0", "0", "0"};
  for (int i = 0; i < kParts; ++i) {
    const std::size_t dot = i + 1 < kParts ? text.find('.') : std::string_view::npos;
    parts[i] = text.substr(0, dot);
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  return parts;
}

bool IsNumber(std::string_view part) {
  return !part.empty() &&
         std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// Both are digit strings: the longer one without leading zeros is the greater, equal lengths
// compare digit by digit.
int CompareNumbers(std::string_view a, std::string_view b) {
  a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
  b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return Sign(a.compare(b));
}

int CompareBytes(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int CompareByNumber(std::string_view a, std::string_view b) {
  const auto left = SplitVersion(a);
  const auto right = SplitVersion(b);
  for (int i = 0; i < kParts; ++i) {
    if (!IsNumber(left[i]) || !IsNumber(right[i])) return CompareBytes(a, b);
    if (const int order = CompareNumbers(left[i], right[i]); order != 0) return order;
  }
  return 0;
}

}  // namespace upgrade
