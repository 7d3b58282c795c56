// Value scrambling: a marker byte, then every byte XORed with one fixed key.
#include "settings/value_scrambling.h"

namespace settings {
namespace {

// Below 32, so no byte from 32 to 255 scrambles to NUL, LF, CR or 0x1A (and tab, CR and LF
// scramble to harmless bytes): a scrambled value can never break a line or end the file early.
constexpr char kScrambleKey = '\x1F';

std::string XorWithKey(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(c ^ kScrambleKey);
  return result;
}

}  // namespace

std::string ScrambleValue(std::string_view value) {
  if (value.size() < 2) return std::string(value);
  return kScrambleMarker + XorWithKey(value);
}

bool LooksScrambled(std::string_view stored) {
  return stored.size() >= 3 && stored.front() == kScrambleMarker;
}

std::string UnscrambleValue(std::string_view stored) {
  if (!LooksScrambled(stored)) return std::string(stored);
  return XorWithKey(stored.substr(1));
}

}  // namespace settings
