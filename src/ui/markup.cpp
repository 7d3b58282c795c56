// Markup parser of the info box texts.
#include "ui/markup.h"

#include <algorithm>
#include <array>
#include <optional>

namespace ui {
namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct Tag {
  std::string_view name;  // in lower case
  bool bold;
};
constexpr std::array<Tag, 3> kTags{{{"[b]", true}, {"[]", false}, {"[def]", false}}};

// The tag at the start of the text, if one is there.
std::optional<Tag> TagAt(std::string_view text) {
  for (const Tag& tag : kTags) {
    if (text.size() >= tag.name.size() &&
        std::equal(tag.name.begin(), tag.name.end(), text.begin(),
                   [](char t, char c) { return t == LowerAscii(c); })) {
      return tag;
    }
  }
  return std::nullopt;
}

void Append(MarkupLine& line, char c, bool bold) {
  if (line.empty() || line.back().bold != bold) line.push_back({{}, bold});
  line.back().text += c;
}

}  // namespace

std::vector<MarkupLine> ParseMarkup(std::string_view markup) {
  std::vector<MarkupLine> lines(1);
  bool bold = false;
  std::size_t i = 0;
  while (i < markup.size()) {
    const char c = markup[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back();
      i += (c == '\r' && i + 1 < markup.size() && markup[i + 1] == '\n') ? 2 : 1;
    } else if (const auto tag = c == '[' ? TagAt(markup.substr(i)) : std::nullopt) {
      bold = tag->bold;
      i += tag->name.size();
    } else {
      Append(lines.back(), c, bold);
      ++i;
    }
  }
  return lines;
}

}  // namespace ui
