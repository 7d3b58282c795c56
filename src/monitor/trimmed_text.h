// Trimmed text: a text without the blanks and control characters (codes 0 to 32) at its ends.
#pragma once

#include <string>
#include <string_view>

namespace monitor {

// Bytes from 128 up are letters of the ANSI code page, not blanks, and are kept.
std::string TrimmedText(std::string_view text);

}  // namespace monitor
