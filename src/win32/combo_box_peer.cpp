// Drop-down list peer: a COMBOBOX without an edit field.
#include "ui/combo_box.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

class ComboBoxPeer : public ControlPeerBase<ui::ComboBoxPeer> {
 public:
  ComboBoxPeer(Win32Platform& platform, ui::ComboBox& combo) : combo_(combo) {
    CreateChild(platform, combo, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  }

  void SetBounds(const ui::Rect& b) override {
    // The height given is the closed box's; the window's height includes the drop-down list.
    SetWindowPos(window_.get(), nullptr, b.left, b.top, b.width, b.height + 14 * 13,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetText(const std::string&) override {}  // the text is the selected item

  void SetItems(const std::vector<std::string>& items) override {
    SendMessageA(window_.get(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
      SendMessageA(window_.get(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
  }
  void SetItemIndex(int index) override { SendMessageA(window_.get(), CB_SETCURSEL, index, 0); }

  void HandleCommand(WORD code) override {
    switch (code) {
      case CBN_SELCHANGE:
        combo_.NotifySelected(static_cast<int>(SendMessageA(window_.get(), CB_GETCURSEL, 0, 0)));
        break;
      case CBN_SETFOCUS:
      case CBN_KILLFOCUS:
        ReportFocus(combo_, code == CBN_SETFOCUS);
        break;
      default:
        break;
    }
  }

 private:
  ui::ComboBox& combo_;
};

}  // namespace

std::unique_ptr<ui::ComboBoxPeer> MakeComboBoxPeer(Win32Platform& platform,
                                                   ui::ComboBox& combo) {
  return std::make_unique<ComboBoxPeer>(platform, combo);
}

}  // namespace win32
