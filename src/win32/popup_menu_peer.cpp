// Popup menu peer: builds the menu when it opens and clicks the chosen item.
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "win32/handles.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

class PopupMenuPeer : public ui::PopupMenuPeer {
 public:
  PopupMenuPeer(Win32Platform& platform, ui::PopupMenu& menu) : platform_(platform), menu_(menu) {}

  void Popup(int x, int y) override {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    const auto& items = menu_.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i]->IsSeparator()) {
        AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
      } else {
        AppendMenuA(menu.get(), MF_STRING, i + 1, items[i]->Caption().c_str());
      }
    }
    HWND owner = platform_.WindowOf(menu_.Owner());
    const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       x, y, 0, owner, nullptr);
    // Lets the menu close properly when the user clicks elsewhere (tray menus need this).
    PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen >= 1 && chosen <= items.size()) items[chosen - 1]->Click();
  }

 private:
  Win32Platform& platform_;
  ui::PopupMenu& menu_;
};

}  // namespace

std::unique_ptr<ui::PopupMenuPeer> MakePopupMenuPeer(Win32Platform& platform,
                                                     ui::PopupMenu& menu) {
  return std::make_unique<PopupMenuPeer>(platform, menu);
}

}  // namespace win32
