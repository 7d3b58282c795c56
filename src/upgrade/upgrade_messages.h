// The texts of the upgrade check's two boxes, in Indonesian, with the info box's style tags.
#pragma once

#include <string>
#include <string_view>

namespace upgrade {

inline constexpr std::string_view kLineBreak = "\r\n";

// Caption of both boxes.
inline constexpr std::string_view kUpgradeCaption = "Wizard Pembaruan Aplikasition";

// The upgrade question: the application title in bold, then the information file's message
// between two empty lines, then the question itself. "[DEF]" after the message resets whatever
// style the message left on.
std::string UpgradeQuestionText(std::string_view application_title, std::string_view message);

// The connection-lost error box.
std::string ConnectionLostText();

}  // namespace upgrade
