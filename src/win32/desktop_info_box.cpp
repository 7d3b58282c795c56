// Info box: a modal dialog built in memory, its text laid out as one static control per styled
// run, sized to the text and centred on the screen. The dialog manager runs the modal loop, so
// timers and tray notifications go on, and handles Enter, Esc, Tab and the accelerators.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "win32/desktop_peers.h"
#include "win32/handles.h"
#include "win32/platform.h"

namespace win32 {
namespace {

constexpr int kFirstButtonId = 1000;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonGap = 6;
constexpr int kButtonHeight = 23;
constexpr int kMinButtonWidth = 75;
constexpr int kButtonPadding = 12;

// An empty dialog (its controls are made once the font is known) with the box's font:
// "MS Sans Serif", 8 points. Template strings are UTF-16 even for the ANSI functions.
std::vector<DWORD> DialogTemplate(bool has_close_box) {
  std::vector<WORD> words;
  const auto push_dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  push_dword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | (has_close_box ? WS_SYSMENU : 0));
  push_dword(0);                               // extended style
  words.insert(words.end(), {0, 0, 0, 0, 0});  // no controls; x, y, cx, cy set later
  words.insert(words.end(), {0, 0, 0});        // no menu, the dialog class, no title yet
  words.push_back(8);
  for (const wchar_t c : std::wstring_view(L"MS Sans Serif")) words.push_back(c);
  words.push_back(0);
  std::vector<DWORD> aligned((words.size() + 1) / 2);  // templates start on a DWORD boundary
  std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
  return aligned;
}

// The caption as drawn: "&" marks the accelerator, "&&" is one ampersand.
std::string WithoutAccelerator(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

class ScreenDc {
 public:
  explicit ScreenDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScreenDc() { ReleaseDC(window_, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  int TextWidth(HFONT font, const std::string& text) const {
    const HGDIOBJ old = SelectObject(dc_, font);
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, old);
    return size.cx;
  }
  int LineHeight(HFONT font) const {
    const HGDIOBJ old = SelectObject(dc_, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    SelectObject(dc_, old);
    return metrics.tmHeight + metrics.tmExternalLeading;
  }

 private:
  HWND window_;
  HDC dc_;
};

class InfoBox {
 public:
  InfoBox(Win32Platform& platform, const ui::InfoBoxContent& content)
      : platform_(platform), content_(content) {}

  int Run(HWND owner) {
    const std::vector<DWORD> dialog = DialogTemplate(content_.cancel_button >= 0);
    const INT_PTR result = DialogBoxIndirectParamA(
        platform_.Instance(), reinterpret_cast<LPCDLGTEMPLATEA>(dialog.data()), owner,
        &InfoBox::DialogProc, reinterpret_cast<LPARAM>(this));
    const INT_PTR chosen = result - kFirstButtonId;
    const auto count = static_cast<INT_PTR>(content_.buttons.size());
    return chosen >= 0 && chosen < count ? static_cast<int>(chosen) : -1;
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    auto* box = reinterpret_cast<InfoBox*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (box == nullptr) return FALSE;
    try {
      switch (message) {
        case WM_INITDIALOG:
          box->Build(dialog);
          return FALSE;  // the focus is set
        case WM_COMMAND:
          box->Command(dialog, LOWORD(wparam));
          return TRUE;
        default:
          return FALSE;
      }
    } catch (...) {
      // Out of memory while building: end without a choice rather than let it into the system.
      EndDialog(dialog, -1);
      return TRUE;
    }
  }

  void Command(HWND dialog, int id) {
    const int count = static_cast<int>(content_.buttons.size());
    if (id >= kFirstButtonId && id < kFirstButtonId + count) {
      EndDialog(dialog, id);
    } else if (id == IDOK) {
      EndDialog(dialog, kFirstButtonId + content_.default_button);
    } else if (id == IDCANCEL && content_.cancel_button >= 0) {
      EndDialog(dialog, kFirstButtonId + content_.cancel_button);
    }
  }

  void Build(HWND dialog) {
    SetWindowTextA(dialog, content_.title.c_str());
    font_ = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA bold{};
    GetObjectA(font_, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    bold_font_.reset(CreateFontIndirectA(&bold));

    const ScreenDc dc(dialog);
    AddIcon(dialog);
    const SIZE text = AddText(dialog, dc);
    const int content_height = std::max<int>(kIconSize, text.cy);
    const int buttons_top = kMargin + content_height + kMargin;
    const int buttons_width = ButtonsWidth(dc);
    const int client_width = std::max<int>(kMargin + kIconSize + kIconGap + text.cx + kMargin,
                                           kMargin + buttons_width + kMargin);
    AddButtons(dialog, dc, (client_width - buttons_width) / 2, buttons_top);
    PlaceOnScreen(dialog, client_width, buttons_top + kButtonHeight + kMargin);
    SetForegroundWindow(dialog);
  }

  HWND AddChild(HWND dialog, const char* window_class, const std::string& text, DWORD style, RECT r,
                int id = -1) {
    HWND child = CreateWindowExA(0, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 platform_.Instance(), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
  }

  void AddIcon(HWND dialog) {
    HICON icon = nullptr;
    switch (content_.icon) {
      case ui::InfoBoxIcon::kApplication:
        own_icon_.reset(static_cast<HICON>(LoadImageA(platform_.Instance(), MAKEINTRESOURCEA(1),
                                                      IMAGE_ICON, kIconSize, kIconSize, 0)));
        icon = own_icon_.get();
        break;
      case ui::InfoBoxIcon::kInformation:
        icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
        break;
      case ui::InfoBoxIcon::kWarning:
        icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32515));  // IDI_WARNING
        break;
      case ui::InfoBoxIcon::kError:
        icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32513));  // IDI_ERROR
        break;
    }
    HWND frame = AddChild(dialog, "STATIC", "", SS_ICON,
                          {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize});
    SendMessageA(frame, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }

  // One static control per run keeps the text readable by screen readers and test drivers.
  SIZE AddText(HWND dialog, const ScreenDc& dc) {
    const int left = kMargin + kIconSize + kIconGap;
    const int line_height = std::max(dc.LineHeight(font_), dc.LineHeight(BoldFont()));
    SIZE extent{0, 0};
    for (const ui::MarkupLine& line : content_.lines) {
      int x = left;
      for (const ui::StyledRun& run : line) {
        HFONT font = run.bold ? BoldFont() : font_;
        const int width = dc.TextWidth(font, run.text);
        HWND label =
            AddChild(dialog, "STATIC", run.text, SS_LEFT | SS_NOPREFIX,
                     {x, kMargin + extent.cy, x + width, kMargin + extent.cy + line_height});
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += width;
      }
      extent.cx = std::max<LONG>(extent.cx, x - left);
      extent.cy += line_height;
    }
    return extent;
  }

  int ButtonWidth(const ScreenDc& dc, const std::string& caption) const {
    return std::max(kMinButtonWidth,
                    dc.TextWidth(font_, WithoutAccelerator(caption)) + 2 * kButtonPadding);
  }

  int ButtonsWidth(const ScreenDc& dc) const {
    int width = 0;
    for (const std::string& caption : content_.buttons) width += ButtonWidth(dc, caption);
    return width + kButtonGap * static_cast<int>(content_.buttons.size() - 1);
  }

  void AddButtons(HWND dialog, const ScreenDc& dc, int left, int top) {
    HWND default_button = nullptr;
    for (std::size_t i = 0; i < content_.buttons.size(); ++i) {
      const std::string& caption = content_.buttons[i];
      const int width = ButtonWidth(dc, caption);
      const bool is_default = static_cast<int>(i) == content_.default_button;
      HWND button = AddChild(
          dialog, "BUTTON", caption,
          WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
          {left, top, left + width, top + kButtonHeight}, kFirstButtonId + static_cast<int>(i));
      if (is_default) default_button = button;
      left += width + kButtonGap;
    }
    SendMessageA(dialog, DM_SETDEFID, kFirstButtonId + content_.default_button, 0);
    if (default_button != nullptr) SetFocus(default_button);
  }

  void PlaceOnScreen(HWND dialog, int client_width, int client_height) const {
    RECT outer{0, 0, client_width, client_height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  HFONT BoldFont() const { return bold_font_ ? static_cast<HFONT>(bold_font_.get()) : font_; }

  Win32Platform& platform_;
  const ui::InfoBoxContent& content_;
  HFONT font_ = nullptr;  // the dialog's own; it goes with the dialog
  UniqueGdiObject bold_font_;
  UniqueIcon own_icon_;
};

}  // namespace

int RunInfoBox(Win32Platform& platform, HWND owner, const ui::InfoBoxContent& content) {
  if (content.buttons.empty()) return -1;
  InfoBox box(platform, content);
  return box.Run(owner);
}

}  // namespace win32
