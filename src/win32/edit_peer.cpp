// Edit peer: an EDIT window; typing reaches the component, which decides what number edits take.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/number_edit.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

class EditPeer : public ControlPeerBase<ui::EditPeer> {
 public:
  EditPeer(Win32Platform& platform, ui::Edit& edit)
      : edit_(edit), number_(dynamic_cast<ui::NumberEdit*>(&edit)) {
    HWND window = CreateChild(platform, edit, "EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
    if (number_ != nullptr) SetWindowSubclass(window, &EditPeer::NumberProc, 0, 0);
  }
  ~EditPeer() override {
    if (number_ != nullptr) RemoveWindowSubclass(window_.get(), &EditPeer::NumberProc, 0);
  }

  void SetPasswordChar(char password_char) override {
    SendMessageA(window_.get(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(password_char), 0);
    InvalidateRect(window_.get(), nullptr, TRUE);
  }
  void SetReadOnly(bool read_only) override {
    SendMessageA(window_.get(), EM_SETREADONLY, read_only, 0);
  }
  void SetRightAligned(bool right) override {
    // The alignment style only takes effect when set on an edit that exists, on current systems.
    LONG style = GetWindowLongA(window_.get(), GWL_STYLE);
    style = right ? (style | ES_RIGHT) : (style & ~ES_RIGHT);
    SetWindowLongA(window_.get(), GWL_STYLE, style);
  }
  void Select(int start, int length) override {
    SendMessageA(window_.get(), EM_SETSEL, start, start + length);
  }

  void HandleCommand(WORD code) override {
    switch (code) {
      case EN_CHANGE: {
        const int length = GetWindowTextLengthA(window_.get());
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        GetWindowTextA(window_.get(), text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        if (text != edit_.Text()) edit_.NotifyTextChanged(std::move(text));
        break;
      }
      case EN_SETFOCUS:
      case EN_KILLFOCUS:
        ReportFocus(edit_, code == EN_SETFOCUS);
        break;
      default:
        break;
    }
  }

 private:
  // A number edit lets through digits, Backspace and the editing shortcuts; anything else typed
  // is refused with a beep, and pasted text only when it is all digits.
  static LRESULT CALLBACK NumberProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR) {
      const char c = static_cast<char>(wparam);
      const bool control_key = c < ' ' && c != '\b';  // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z...
      if (!control_key && !ui::NumberEdit::Accepts(c)) {
        MessageBeep(MB_OK);
        return 0;
      }
    }
    if (message == WM_PASTE && !ClipboardHoldsDigitsOnly(window)) {
      MessageBeep(MB_OK);
      return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
  }

  static bool ClipboardHoldsDigitsOnly(HWND window) {
    if (!OpenClipboard(window)) return false;
    bool digits = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* text = static_cast<const char*>(GlobalLock(data))) {
        digits = *text != '\0';
        for (const char* p = text; *p != '\0'; ++p) digits = digits && *p >= '0' && *p <= '9';
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
    return digits;
  }

  ui::Edit& edit_;
  ui::NumberEdit* number_;
};

}  // namespace

std::unique_ptr<ui::EditPeer> MakeEditPeer(Win32Platform& platform, ui::Edit& edit) {
  return std::make_unique<EditPeer>(platform, edit);
}

}  // namespace win32
