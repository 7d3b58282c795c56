// TacInfoBox: a modal box with a caption, an icon, a text with simple markup and a row of buttons;
// the about box, and any question that needs the user's choice.
#pragma once

#include <string>
#include <vector>

#include "os/registry.h"
#include "os/sound.h"
#include "ui/component.h"
#include "ui/desktop_platform.h"
#include "ui/form.h"

namespace desktop {

// Text: lines end at CR LF; "[b]" turns bold on, "[]" and "[DEF]" turn it off (ui::ParseMarkup).
// Buttons are captions with "&" accelerators; Enter chooses the first, Esc the last when EscCancel
// is on. The box plays Sound (an event name; empty for none) as it opens and is centred on the
// screen. Execute(true) shows nothing while any info box of the program is open, or while the
// suppression value (a DWORD named RegValue under RegKey of RegLocation) is non-zero; the program
// never writes that value.
class TacInfoBox : public ui::Component {
 public:
  static constexpr int kNotShown = -1;

  TacInfoBox(ui::Form& owner, std::string name, ui::DesktopPlatform& platform,
             os::Registry& registry, os::Sound& sound);

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  ui::InfoBoxIcon Icon() const { return icon_; }
  void SetIcon(ui::InfoBoxIcon icon) { icon_ = icon; }
  const std::vector<std::string>& Buttons() const { return buttons_; }
  void SetButtons(std::vector<std::string> buttons);
  bool EscCancel() const { return esc_cancel_; }
  void SetEscCancel(bool esc_cancel) { esc_cancel_ = esc_cancel; }
  const std::string& Sound() const { return sound_event_; }
  void SetSound(std::string event_name) { sound_event_ = std::move(event_name); }
  const std::string& RegKey() const { return reg_key_; }
  void SetRegKey(std::string key) { reg_key_ = std::move(key); }
  const std::string& RegValue() const { return reg_value_; }
  void SetRegValue(std::string name) { reg_value_ = std::move(name); }
  os::RegistryRoot RegLocation() const { return reg_location_; }
  void SetRegLocation(os::RegistryRoot root) { reg_location_ = root; }

  // Shows the box modally and returns the index of the chosen button; kNotShown when nothing
  // was shown, or when the box closed without a choice.
  int Execute(bool honour_suppression);

 private:
  bool Suppressed() const;

  ui::Form& owner_;
  ui::DesktopPlatform& platform_;
  os::Registry& registry_;
  os::Sound& sound_;
  std::string title_;
  std::string text_;
  ui::InfoBoxIcon icon_ = ui::InfoBoxIcon::kApplication;
  std::vector<std::string> buttons_{"OK"};
  bool esc_cancel_ = true;
  std::string sound_event_;
  std::string reg_key_ = "Software\\CompanyName\\ProgramName\\InfoBox";
  std::string reg_value_ = "Dlg1";
  os::RegistryRoot reg_location_ = os::RegistryRoot::kCurrentUser;
};

}  // namespace desktop
