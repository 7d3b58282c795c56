// Windows-1252 case folding.
#include "fakes/fake_locale.h"

#include <algorithm>

namespace fakes {
namespace {

unsigned char ToUpper1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x9A:
      return 0x8A;  // š
    case 0x9C:
      return 0x8C;  // œ
    case 0x9E:
      return 0x8E;  // ž
    case 0xFF:
      return 0x9F;  // ÿ
    default:
      return c;
  }
}

}  // namespace

bool FakeLocale::SameTextIgnoringCase(std::string_view a, std::string_view b) const {
  return std::ranges::equal(a, b, [](char x, char y) {
    return ToUpper1252(static_cast<unsigned char>(x)) == ToUpper1252(static_cast<unsigned char>(y));
  });
}

}  // namespace fakes
