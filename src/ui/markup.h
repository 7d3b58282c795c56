// The markup of info box texts, parsed into lines of styled runs for the peer that draws them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct StyledRun {
  std::string text;
  bool bold = false;

  bool operator==(const StyledRun&) const = default;
};

// The runs of one line; an empty line has none.
using MarkupLine = std::vector<StyledRun>;

// Splits the text into lines at CR LF (a lone CR or LF also ends a line) and each line into runs.
// "[b]" turns bold on; "[]" and "[DEF]" turn it off; tag names ignore letter case. A style lasts
// across line ends until a tag changes it. Any other bracketed text is plain text, brackets
// included. Neighbouring runs of one style are merged and empty runs are left out.
std::vector<MarkupLine> ParseMarkup(std::string_view markup);

}  // namespace ui
