// Comparing version texts the way the upgrade check does (byNumber).
#pragma once

#include <string_view>

namespace upgrade {

// How two versions are told apart. Only comparison by number is used by the program.
enum class TVersionControl { byNumber };

// Compares two version texts; negative, zero or positive as `a` is older than, the same as, or
// newer than `b`.
//
// Each text is split at "." into four parts: the first three dots end a part, so anything after
// the third dot, dots included, is the fourth part; a missing part counts as "0". The parts are
// compared in order as whole numbers, and the first pair that differs decides. A number is one or
// more ASCII digits of any length, compared by value (leading zeros do not count), so a long digit
// string never overflows. If, before a difference is found, a part on either side is not a number
// (empty, signed, spaced, lettered), the two whole texts decide instead, byte by byte as unsigned
// values, a text that is a prefix of the other being the older.
int CompareByNumber(std::string_view a, std::string_view b);

}  // namespace upgrade
