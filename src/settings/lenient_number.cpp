// Lenient number reading: cleaning, then a strict decimal parse that gives 0 instead of failing.
#include "settings/lenient_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace settings {
namespace {

void EraseAll(std::string& text, std::string_view part) {
  if (part.empty()) return;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Copies the run of digits at `at` to `out` and moves past it; returns how many there were.
std::size_t TakeDigits(std::string_view text, std::size_t& at, std::string& out) {
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) out += text[at++];
  return at - start;
}

// Rewrites "[sign]digits[<decimal>digits][(E|e)[sign]digits]" in the fixed form that
// std::from_chars reads, which knows neither the locale's separator nor a leading "+".
std::optional<std::string> ToPortableForm(std::string_view text, std::string_view decimal) {
  std::string out;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') out += '-';
    ++at;
  }
  out += '0';  // so that ".5" reads as well
  std::size_t digits = TakeDigits(text, at, out);
  if (!decimal.empty() && text.substr(at).starts_with(decimal)) {
    at += decimal.size();
    out += '.';
    digits += TakeDigits(text, at, out);
  }
  if (digits == 0) return std::nullopt;
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
    out += 'e';
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) out += text[at++];
    if (TakeDigits(text, at, out) == 0) return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;
  return out;
}

}  // namespace

std::string CleanNumber(std::string_view text, const os::Locale& locale) {
  std::string result(text);
  EraseAll(result, "%");
  EraseAll(result, locale.ThousandSeparator());
  EraseAll(result, " ");
  EraseAll(result, "\n");
  EraseAll(result, "\r");
  if (result.empty() || result == "-") return {};
  if (result.front() != '(') return result;
  result.front() = '-';
  if (result.back() != ')') return {};
  std::erase(result, ')');
  return result;
}

double ValueToFloat(std::string_view text, const os::Locale& locale) {
  if (text.empty() || text == "-") return 0;
  const std::string cleaned = CleanNumber(text, locale);
  if (cleaned.empty() || cleaned == "-") return 0;
  const std::optional<std::string> portable = ToPortableForm(cleaned, locale.DecimalSeparator());
  if (!portable) return 0;
  double value = 0;
  const char* end = portable->data() + portable->size();
  const auto [stop, error] = std::from_chars(portable->data(), end, value);
  if (error != std::errc() || stop != end) return 0;
  return value;
}

std::int32_t ValueToInt(std::string_view text, const os::Locale& locale) {
  using Limits = std::numeric_limits<std::int32_t>;
  const double value = std::trunc(ValueToFloat(text, locale));
  if (value >= Limits::max()) return Limits::max();
  if (value <= Limits::min()) return Limits::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace settings
