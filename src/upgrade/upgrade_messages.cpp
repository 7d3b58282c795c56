// The upgrade messages, built by joining rather than formatting, so no part of the server's
// message is ever read as a format.
#include "upgrade/upgrade_messages.h"

namespace upgrade {

std::string UpgradeQuestionText(std::string_view application_title, std::string_view message) {
  std::string text = "Versi terbaru dari [b]";
  text += application_title;
  text += "[] telah beredar.";
  text += kLineBreak;
  // The second argument of the question: the message between two line breaks.
  text += kLineBreak;
  text += message;
  text += "[DEF]";
  text += kLineBreak;
  text += kLineBreak;
  text += "Apakah Anda ingin memperbarui dengan yang paling baru ?";
  return text;
}

std::string ConnectionLostText() {
  std::string text = "Koneksi dengan server putus.";
  text += kLineBreak;
  text += kLineBreak;
  text += "Mohon koneksi di perbaiki dan ";
  text += kLineBreak;
  text += "ulangi proses upgrade.";
  return text;
}

}  // namespace upgrade
