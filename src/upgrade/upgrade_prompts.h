// The boxes the upgrade check shows, drawn by the user interface.
#pragma once

#include <string>

namespace upgrade {

class UpgradePrompts {
 public:
  virtual ~UpgradePrompts() = default;

  // The upgrade question, modal: an info box centred on the screen with the upgrade icon, the
  // text drawn from its markup (see ParseMarkup), and the buttons "&Ya" and "&Nanti".
  // True when the user chose "&Ya".
  virtual bool AskUpgrade(const std::string& caption, const std::string& markup_text) = 0;

  // The connection-lost box, modal: plain text, an error icon and one OK button.
  virtual void ShowConnectionLost(const std::string& caption, const std::string& text) = 0;
};

}  // namespace upgrade
