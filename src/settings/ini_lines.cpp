// Line splitting by the two sets of rules a settings file is read with, and name matching.
#include "settings/ini_lines.h"

namespace settings {

std::vector<std::string> SplitLinesForEdit(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    const bool cr_lf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (cr_lf ? 2 : 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

ReadLines::ReadLines(std::string_view text) : text_(text.substr(0, text.find('\x1A'))) {}

bool ReadLines::Next(std::string& line) {
  if (position_ >= text_.size()) return false;
  line.clear();
  while (position_ < text_.size()) {
    const char c = text_[position_++];
    if (c == '\n') break;
    if (c != '\r') line += c;
  }
  return true;
}

bool LineHasName(std::string_view line, std::string_view name, const os::Locale& locale) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || equals != name.size()) return false;
  return locale.SameTextIgnoringCase(line.substr(0, equals), name);
}

std::string_view ValueOfLine(std::string_view line) {
  return line.substr(line.find('=') + 1);
}

std::string_view NameAndEqualsOfLine(std::string_view line) {
  return line.substr(0, line.find('=') + 1);
}

}  // namespace settings
