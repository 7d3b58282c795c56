// Title-bar button peers. The buttons of one form share a TitleBar, which subclasses the form's
// window to draw them over the default frame, hit-test, press and click them, and show their
// tooltips (see desktop_caption_drawing.h for why the frame is kept out of composition).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "win32/desktop_caption_drawing.h"
#include "win32/desktop_peers.h"
#include "win32/handles.h"

namespace win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x5644;
// Sent by the visual styles engine when it redraws the caption or the frame on its own.
constexpr UINT kThemeDrawsCaption = 0x00AE;  // WM_NCUAHDRAWCAPTION
constexpr UINT kThemeDrawsFrame = 0x00AF;    // WM_NCUAHDRAWFRAME

class CaptionButton;

constexpr char kTitleBarProperty[] = "VardekoTitleBar";

class TitleBar : public std::enable_shared_from_this<TitleBar> {
 public:
  // The form's title bar, shared by its buttons; made with the first of them.
  static std::shared_ptr<TitleBar> Of(HWND window) {
    // A window property, not GetWindowSubclass: the x86_64 mingw import library lacks it.
    if (auto* existing = static_cast<TitleBar*>(GetPropA(window, kTitleBarProperty))) {
      return existing->shared_from_this();
    }
    return std::make_shared<TitleBar>(window);
  }

  explicit TitleBar(HWND window);
  ~TitleBar();
  TitleBar(const TitleBar&) = delete;
  TitleBar& operator=(const TitleBar&) = delete;

  void Add(CaptionButton& button);
  void Remove(CaptionButton& button);
  void Changed();

 private:
  struct Placed {
    CaptionButton* button;
    RECT rect;  // window coordinates
  };

  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  std::vector<Placed> Layout() const;
  CaptionButton* ButtonAt(POINT screen) const;
  POINT WindowOrigin() const;
  void Paint() const;
  void UpdateTooltips();
  void RelayToTooltip(UINT mouse_message, POINT screen) const;
  void Hover(CaptionButton* button);
  void Press(CaptionButton* button);
  void TrackPress(POINT screen);
  void EndPress(POINT screen);
  void Detach();

  HWND window_;
  std::vector<CaptionButton*> buttons_;  // in the order they were made
  UniqueWindow tooltip_;
  std::vector<CaptionButton*> tools_;  // buttons with a tooltip tool now
  CaptionPainter painter_;
  CaptionButton* hot_ = nullptr;
  CaptionButton* pressed_ = nullptr;
  bool pressed_inside_ = false;
  bool tracking_leave_ = false;
};

class CaptionButton final : public ui::CaptionButtonPeer {
 public:
  // Until the component tells its look, the button takes no room.
  static ui::CaptionButtonLook Hidden() {
    ui::CaptionButtonLook look;
    look.visible = false;
    return look;
  }

  CaptionButton(HWND window, ui::CaptionButtonListener& listener)
      : bar_(TitleBar::Of(window)), listener_(listener) {
    bar_->Add(*this);
  }
  ~CaptionButton() override { bar_->Remove(*this); }

  void SetLook(const ui::CaptionButtonLook& look) override {
    look_ = look;
    bar_->Changed();
  }
  const ui::CaptionButtonLook& Look() const { return look_; }
  void Clicked() { listener_.CaptionButtonClicked(); }

 private:
  std::shared_ptr<TitleBar> bar_;
  ui::CaptionButtonListener& listener_;
  ui::CaptionButtonLook look_ = Hidden();
};

TitleBar::TitleBar(HWND window) : window_(window) {
  SetWindowSubclass(window_, &TitleBar::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SetPropA(window_, kTitleBarProperty, this);
  KeepFrameUncomposed(window_);
  tooltip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                 nullptr, nullptr));
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TitleBar::~TitleBar() {
  if (window_ == nullptr) return;
  RemoveWindowSubclass(window_, &TitleBar::Subclass, kSubclassId);
  RemovePropA(window_, kTitleBarProperty);
  tooltip_.reset();
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TitleBar::Add(CaptionButton& button) {
  buttons_.push_back(&button);
}

void TitleBar::Remove(CaptionButton& button) {
  std::erase(buttons_, &button);
  if (hot_ == &button) hot_ = nullptr;
  if (pressed_ == &button) pressed_ = nullptr;
  Changed();
}

void TitleBar::Changed() {
  if (window_ == nullptr) return;
  UpdateTooltips();
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TitleBar::Detach() {
  RemoveWindowSubclass(window_, &TitleBar::Subclass, kSubclassId);
  tooltip_.release();  // an owned window: destroyed with the form's window already
  window_ = nullptr;
  hot_ = pressed_ = nullptr;
}

LRESULT CALLBACK TitleBar::Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR self) {
  auto* bar = reinterpret_cast<TitleBar*>(self);
  if (bar->window_ == nullptr) return DefSubclassProc(window, message, wparam, lparam);
  return bar->Handle(message, wparam, lparam);
}

POINT ScreenPoint(LPARAM lparam) {
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

LRESULT TitleBar::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case kThemeDrawsCaption:
    case kThemeDrawsFrame: {
      // The default frame is drawn first; the buttons go over it.
      const LRESULT result = DefSubclassProc(window_, message, wparam, lparam);
      Paint();
      return result;
    }
    case WM_NCHITTEST: {
      const LRESULT hit = DefSubclassProc(window_, message, wparam, lparam);
      // A border of a fixed frame: the system neither moves the window nor shows a size cursor.
      return hit == HTCAPTION && ButtonAt(ScreenPoint(lparam)) != nullptr ? HTBORDER : hit;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      RelayToTooltip(WM_LBUTTONDOWN, ScreenPoint(lparam));
      if (CaptionButton* button = ButtonAt(ScreenPoint(lparam))) {
        Press(button);
        return 0;
      }
      break;
    case WM_NCMOUSEMOVE:
      Hover(ButtonAt(ScreenPoint(lparam)));
      RelayToTooltip(WM_MOUSEMOVE, ScreenPoint(lparam));
      break;
    case WM_NCMOUSELEAVE:
      tracking_leave_ = false;
      Hover(nullptr);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      if (pressed_ != nullptr) {
        POINT point = ScreenPoint(lparam);
        if (message != WM_NCLBUTTONUP) ClientToScreen(window_, &point);
        if (message == WM_MOUSEMOVE) {
          TrackPress(point);
        } else {
          EndPress(point);
        }
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (pressed_ != nullptr && reinterpret_cast<HWND>(lparam) != window_) {
        pressed_ = nullptr;
        Paint();
      }
      break;
    case WM_SIZE:
      UpdateTooltips();
      break;
    case WM_THEMECHANGED:
    case WM_DWMCOMPOSITIONCHANGED:
      KeepFrameUncomposed(window_);
      break;
    case WM_NCDESTROY: {
      HWND window = window_;
      Detach();
      return DefSubclassProc(window, message, wparam, lparam);
    }
    default:
      break;
  }
  return DefSubclassProc(window_, message, wparam, lparam);
}

POINT TitleBar::WindowOrigin() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.left, r.top};
}

// From the right end of the title bar inwards, by ascending order, the size of the system's own
// caption buttons with their 2-pixel spacing.
std::vector<TitleBar::Placed> TitleBar::Layout() const {
  std::vector<CaptionButton*> shown;
  for (CaptionButton* button : buttons_) {
    if (button->Look().visible) shown.push_back(button);
  }
  std::stable_sort(shown.begin(), shown.end(), [](CaptionButton* a, CaptionButton* b) {
    return a->Look().order < b->Look().order;
  });
  RECT window{};
  GetWindowRect(window_, &window);
  POINT client{0, 0};
  ClientToScreen(window_, &client);
  const int frame = client.x - window.left;
  const int caption_height = GetSystemMetrics(SM_CYCAPTION);
  const int caption_top = client.y - window.top - caption_height;
  const int width = GetSystemMetrics(SM_CXSIZE) - 2;
  const int height = GetSystemMetrics(SM_CYSIZE) - 4;
  const int top = caption_top + (caption_height - 1 - height) / 2;
  int right = (window.right - window.left) - frame - 2;
  std::vector<Placed> placed;
  for (CaptionButton* button : shown) {
    placed.push_back({button, {right - width, top, right, top + height}});
    right -= width + 2;
  }
  return placed;
}

CaptionButton* TitleBar::ButtonAt(POINT screen) const {
  const POINT origin = WindowOrigin();
  const POINT point{screen.x - origin.x, screen.y - origin.y};
  for (const Placed& placed : Layout()) {
    if (PtInRect(&placed.rect, point)) return placed.button;
  }
  return nullptr;
}

void TitleBar::Paint() const {
  HDC dc = GetWindowDC(window_);
  if (dc == nullptr) return;
  for (const Placed& placed : Layout()) {
    const bool pressed = placed.button == pressed_ && pressed_inside_;
    const bool hot = placed.button == hot_ && pressed_ == nullptr;
    painter_.Draw(window_, dc, placed.rect, placed.button->Look(), hot, pressed);
  }
  ReleaseDC(window_, dc);
}

// Tooltip tools live in client coordinates; the title bar lies above the client area, at
// negative y, which the tooltip's own hit-testing handles like any other point.
void TitleBar::UpdateTooltips() {
  if (!tooltip_) return;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = window_;
  for (CaptionButton* button : tools_) {
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    SendMessageA(tooltip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tools_.clear();
  const POINT origin = WindowOrigin();
  POINT client{0, 0};
  ClientToScreen(window_, &client);
  for (const Placed& placed : Layout()) {
    const std::string& hint = placed.button->Look().hint;
    if (hint.empty()) continue;
    tool.uId = reinterpret_cast<UINT_PTR>(placed.button);
    tool.rect = placed.rect;
    OffsetRect(&tool.rect, origin.x - client.x, origin.y - client.y);
    tool.lpszText = const_cast<char*>(hint.c_str());  // the tooltip keeps its own copy
    SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    tools_.push_back(placed.button);
  }
}

void TitleBar::RelayToTooltip(UINT mouse_message, POINT screen) const {
  if (!tooltip_) return;
  POINT client = screen;
  ScreenToClient(window_, &client);
  MSG relayed{};
  relayed.hwnd = window_;
  relayed.message = mouse_message;
  relayed.lParam = MAKELPARAM(client.x, client.y);
  relayed.time = GetMessageTime();
  relayed.pt = screen;
  SendMessageA(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TitleBar::Hover(CaptionButton* button) {
  if (button != nullptr && !tracking_leave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, window_, 0};
    tracking_leave_ = TrackMouseEvent(&track) != FALSE;
  }
  if (hot_ == button) return;
  hot_ = button;
  Paint();
}

void TitleBar::Press(CaptionButton* button) {
  pressed_ = button;
  pressed_inside_ = true;
  SetCapture(window_);
  Paint();
}

void TitleBar::TrackPress(POINT screen) {
  const bool inside = ButtonAt(screen) == pressed_;
  if (inside == pressed_inside_) return;
  pressed_inside_ = inside;
  Paint();
}

// A click is a press and a release on the same button.
void TitleBar::EndPress(POINT screen) {
  CaptionButton* clicked = ButtonAt(screen) == pressed_ ? pressed_ : nullptr;
  pressed_ = nullptr;
  if (GetCapture() == window_) ReleaseCapture();
  Paint();
  if (clicked == nullptr) return;
  const auto keep_alive = shared_from_this();  // the click may remove buttons
  clicked->Clicked();
}

}  // namespace

std::unique_ptr<ui::CaptionButtonPeer> MakeCaptionButtonPeer(HWND window,
                                                             ui::CaptionButtonListener& listener) {
  return std::make_unique<CaptionButton>(window, listener);
}

}  // namespace win32
