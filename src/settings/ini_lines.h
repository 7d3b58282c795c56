// The lines of a settings file: splitting its bytes, joining lines back, matching names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "os/locale.h"

namespace settings {

// Lines as a batch loads them: CR LF, LF and a lone CR each end a line, and a NUL byte ends the
// text. A last line without an ending counts; an ending at the very end adds no empty line.
std::vector<std::string> SplitLinesForEdit(std::string_view text);

// Every line followed by CR LF, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);

// Lines as a read sees them: LF or CR LF ends a line, a lone CR is dropped, and a byte 0x1A ends
// the text. Reads scan from the top and stop at the first match, so lines come one at a time.
class ReadLines {
 public:
  explicit ReadLines(std::string_view text);
  // Puts the next line into `line`; false once the text is used up.
  bool Next(std::string& line);

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// True when the line has an "=" and the text before the first one has the name's length and equals
// it by the locale's case rules.
bool LineHasName(std::string_view line, std::string_view name, const os::Locale& locale);

// The text after the line's first "="; the line must have one.
std::string_view ValueOfLine(std::string_view line);

// The text up to and including the line's first "=", spelled as the line spells it.
std::string_view NameAndEqualsOfLine(std::string_view line);

}  // namespace settings
