// Lenient reading of numbers that people may have typed into a settings file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "os/locale.h"

namespace settings {

// Drops "%", the locale's thousands separator, blanks, LF and CR. A leading "(" stands for a minus
// sign and needs a closing ")" at the end, or the text holds no number. Empty when no number is
// left.
std::string CleanNumber(std::string_view text, const os::Locale& locale);

// The number in the text after CleanNumber, read with the locale's decimal separator and an
// optional exponent; 0 for anything that is not such a number, or too large for a double.
double ValueToFloat(std::string_view text, const os::Locale& locale);

// ValueToFloat truncated toward zero; beyond the 32-bit range, the nearest end of the range.
std::int32_t ValueToInt(std::string_view text, const os::Locale& locale);

}  // namespace settings
