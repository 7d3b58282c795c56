// The reversible scrambling of stored values, so that they do not stand readable in the file.
#pragma once

#include <string>
#include <string_view>

namespace settings {

// First byte of a scrambled value ("¶" in Windows-1252).
inline constexpr char kScrambleMarker = '\xB6';

// Values of 0 or 1 bytes come back unchanged; longer ones as the marker followed by every byte
// XORed with the key. The result is then one byte longer than the value.
std::string ScrambleValue(std::string_view value);

// A stored value of at least 3 bytes that begins with the marker loses the marker and has every
// other byte XORed with the key; every other stored value comes back unchanged.
std::string UnscrambleValue(std::string_view stored);

// True when a value written plain would be taken for a scrambled one on reading.
bool LooksScrambled(std::string_view stored);

}  // namespace settings
