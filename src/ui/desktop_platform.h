// What the desktop components ask of the window system besides forms and controls: a tray icon,
// title-bar buttons, modal info boxes and hidden message windows. Headless and Win32 realise it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/markup.h"

namespace ui {

class Form;

// Listeners are the components. The peer calls them from the window system's notifications; they
// run their work through the application's dispatch boundary, so nothing escapes into the peer.

enum class TrayMouse { kLeftClick, kLeftDoubleClick, kRightClick };

class TrayIconListener {
 public:
  // The user clicked the icon; x and y give the mouse position on the screen.
  virtual void TrayIconMouse(TrayMouse event, int x, int y) noexcept = 0;
  // The shell's taskbar was made anew (the shell restarted) and knows no icons any more.
  virtual void TaskbarRecreated() noexcept = 0;

 protected:
  ~TrayIconListener() = default;
};

// One icon in the notification area, on behalf of a form.
class TrayIconPeer {
 public:
  virtual ~TrayIconPeer() = default;
  // Puts the icon into the notification area, or updates it when the shell has it already.
  // False when the shell refused (no taskbar yet, for instance).
  virtual bool AddIcon(const std::string& tip) = 0;
  virtual void SetTip(const std::string& tip) = 0;  // only while the icon is there
  virtual void RemoveIcon() = 0;
  // Makes the owner form's window the foreground window, hidden or not, so that a menu opened
  // next closes again when the user clicks elsewhere.
  virtual void ForegroundForMenu() = 0;
};

enum class CaptionGlyph { kNone, kMinimizeToTray, kAutoRunOn, kAutoRunOff, kUpgrade };
enum class CaptionColor { kNormal, kRed };

// Everything a title-bar button shows. Buttons of one form are laid out from the right end of
// the title bar inwards, by ascending order; invisible ones take no room.
struct CaptionButtonLook {
  bool visible = true;
  int order = 0;
  std::string hint;  // tooltip; empty for none
  CaptionGlyph glyph = CaptionGlyph::kNone;
  CaptionColor color = CaptionColor::kNormal;
  friend bool operator==(const CaptionButtonLook&, const CaptionButtonLook&) = default;
};

class CaptionButtonListener {
 public:
  virtual void CaptionButtonClicked() noexcept = 0;

 protected:
  ~CaptionButtonListener() = default;
};

class CaptionButtonPeer {
 public:
  virtual ~CaptionButtonPeer() = default;
  virtual void SetLook(const CaptionButtonLook& look) = 0;
};

enum class InfoBoxIcon { kApplication, kInformation, kWarning, kError };

// A modal box: the icon at the left, the lines of styled text beside it, a row of buttons below.
struct InfoBoxContent {
  std::string title;
  InfoBoxIcon icon = InfoBoxIcon::kApplication;
  std::vector<MarkupLine> lines;
  std::vector<std::string> buttons;  // captions, "&" marking the accelerator
  int default_button = 0;            // Enter chooses it
  int cancel_button = -1;            // Esc and the close box choose it; -1: they do nothing
};

class MessageWindowListener {
 public:
  // A message of the private range (WM_USER and above) arrived; true when it was handled.
  virtual bool WindowMessage(std::uint32_t message) noexcept = 0;

 protected:
  ~MessageWindowListener() = default;
};

// A hidden window that other processes can find by its handle and send messages to.
class MessageWindowPeer {
 public:
  virtual ~MessageWindowPeer() = default;
  // The window's handle as other processes see it; 0 when the window could not be made.
  virtual std::uint32_t Handle() const = 0;
};

class DesktopPlatform {
 public:
  virtual ~DesktopPlatform() = default;

  // `name` is the component's, for the peers' bookkeeping and for tests.
  virtual std::unique_ptr<TrayIconPeer> CreateTrayIconPeer(Form& owner, const std::string& name,
                                                           TrayIconListener& listener) = 0;
  virtual std::unique_ptr<CaptionButtonPeer> CreateCaptionButtonPeer(
      Form& owner, const std::string& name, CaptionButtonListener& listener) = 0;
  virtual std::unique_ptr<MessageWindowPeer> CreateMessageWindowPeer(
      const std::string& window_class, MessageWindowListener& listener) = 0;

  // Shows the box modally, centred on the screen, in the foreground, and keeps the message loop
  // running until the user chooses a button. Returns the chosen button's index, or -1 when the
  // box could not be shown or closed without a choice (the program is ending).
  virtual int ShowInfoBox(Form* owner, const InfoBoxContent& content) = 0;

  // Restores the form's window if it is minimised, else brings it to the top; then makes it the
  // foreground window.
  virtual void ActivateFormWindow(Form& form) = 0;

  // True while an info box of this program is open; the info boxes keep the count.
  bool InfoBoxOpen() const { return open_info_boxes_ > 0; }

  // Counts an info box as open for its lifetime.
  class OpenInfoBox {
   public:
    explicit OpenInfoBox(DesktopPlatform& platform) : platform_(platform) {
      ++platform_.open_info_boxes_;
    }
    ~OpenInfoBox() { --platform_.open_info_boxes_; }
    OpenInfoBox(const OpenInfoBox&) = delete;
    OpenInfoBox& operator=(const OpenInfoBox&) = delete;

   private:
    DesktopPlatform& platform_;
  };

 private:
  int open_info_boxes_ = 0;
};

}  // namespace ui
