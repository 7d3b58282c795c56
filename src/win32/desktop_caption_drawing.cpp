// Title-bar button faces and glyphs, drawn over the default frame.
#include "win32/desktop_caption_drawing.h"

#include <dwmapi.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "win32/handles.h"

namespace win32 {
namespace {

// A system library that older Windows versions may lack, loaded while it is needed.
class OptionalLibrary {
 public:
  explicit OptionalLibrary(const char* name) : module_(LoadLibraryA(name)) {}
  ~OptionalLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  OptionalLibrary(const OptionalLibrary&) = delete;
  OptionalLibrary& operator=(const OptionalLibrary&) = delete;

  template <typename Function>
  Function* Find(const char* name) const {
    if (module_ == nullptr) return nullptr;
    // Through the generic function pointer type, which converts to any other without a warning.
    const auto generic = reinterpret_cast<void (*)()>(GetProcAddress(module_, name));
    return reinterpret_cast<Function*>(generic);
  }

 private:
  HMODULE module_;
};

class GdiPen {
 public:
  GdiPen(HDC dc, COLORREF color, bool filled)
      : dc_(dc),
        pen_(CreatePen(PS_SOLID, 1, color)),
        brush_(filled ? CreateSolidBrush(color) : nullptr),
        old_pen_(SelectObject(dc, pen_.get())),
        old_brush_(SelectObject(dc, filled ? brush_.get() : GetStockObject(NULL_BRUSH))) {}
  ~GdiPen() {
    SelectObject(dc_, old_pen_);
    SelectObject(dc_, old_brush_);
  }
  GdiPen(const GdiPen&) = delete;
  GdiPen& operator=(const GdiPen&) = delete;

 private:
  HDC dc_;
  UniqueGdiObject pen_;
  UniqueGdiObject brush_;
  HGDIOBJ old_pen_;
  HGDIOBJ old_brush_;
};

// Small shapes drawn to the button's size: a down arrow onto a bar (into the tray), a "run"
// triangle filled when on and hollow when off, an up arrow (upgrade).
void DrawGlyph(HDC dc, RECT r, const ui::CaptionButtonLook& look, bool pressed) {
  if (pressed) OffsetRect(&r, 1, 1);
  const int s = std::max<int>(4, std::min(r.right - r.left, r.bottom - r.top) - 6);
  const int h = s / 2;
  const int cx = (r.left + r.right) / 2;
  const int cy = (r.top + r.bottom) / 2;
  COLORREF color =
      look.color == ui::CaptionColor::kRed ? RGB(192, 0, 0) : GetSysColor(COLOR_BTNTEXT);
  switch (look.glyph) {
    case ui::CaptionGlyph::kMinimizeToTray: {
      const GdiPen pen(dc, color, true);
      const POINT arrow[] = {{cx - h, cy - h}, {cx + h, cy - h}, {cx, cy + h / 3}};
      Polygon(dc, arrow, 3);
      Rectangle(dc, cx - h, cy + h - 1, cx + h + 1, cy + h + 1);
      break;
    }
    case ui::CaptionGlyph::kAutoRunOn:
    case ui::CaptionGlyph::kAutoRunOff: {
      const bool on = look.glyph == ui::CaptionGlyph::kAutoRunOn;
      const GdiPen pen(dc, on ? RGB(0, 128, 0) : GetSysColor(COLOR_GRAYTEXT), on);
      const POINT run[] = {{cx - h / 2 - 1, cy - h}, {cx - h / 2 - 1, cy + h}, {cx + h, cy}};
      Polygon(dc, run, 3);
      break;
    }
    case ui::CaptionGlyph::kUpgrade: {
      const GdiPen pen(dc, color, true);
      const POINT arrow[] = {{cx - h, cy}, {cx + h, cy}, {cx, cy - h}};
      Polygon(dc, arrow, 3);
      Rectangle(dc, cx - h / 3, cy, cx + h / 3 + 1, cy + h + 1);
      break;
    }
    case ui::CaptionGlyph::kNone:
      break;
  }
}

}  // namespace

class CaptionPainter::Theme {
 public:
  Theme()
      : is_app_themed_(library_.Find<decltype(IsAppThemed)>("IsAppThemed")),
        is_theme_active_(library_.Find<decltype(IsThemeActive)>("IsThemeActive")),
        open_(library_.Find<decltype(OpenThemeData)>("OpenThemeData")),
        close_(library_.Find<decltype(CloseThemeData)>("CloseThemeData")),
        draw_(library_.Find<decltype(DrawThemeBackground)>("DrawThemeBackground")) {}

  // Draws a push button face with the active visual style; false when none is active.
  bool DrawButton(HWND window, HDC dc, const RECT& r, int state) const {
    if (!is_app_themed_ || !is_theme_active_ || !open_ || !close_ || !draw_) return false;
    if (!is_app_themed_() || !is_theme_active_()) return false;
    HTHEME theme = open_(window, L"BUTTON");
    if (theme == nullptr) return false;
    draw_(theme, dc, BP_PUSHBUTTON, state, &r, nullptr);
    close_(theme);
    return true;
  }

 private:
  OptionalLibrary library_{"uxtheme.dll"};
  decltype(IsAppThemed)* is_app_themed_;
  decltype(IsThemeActive)* is_theme_active_;
  decltype(OpenThemeData)* open_;
  decltype(CloseThemeData)* close_;
  decltype(DrawThemeBackground)* draw_;
};

CaptionPainter::CaptionPainter() : theme_(std::make_unique<Theme>()) {}

CaptionPainter::~CaptionPainter() = default;

void CaptionPainter::Draw(HWND window, HDC dc, const RECT& face, const ui::CaptionButtonLook& look,
                          bool hot, bool pressed) const {
  const int state = pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
  RECT r = face;
  if (!theme_->DrawButton(window, dc, r, state)) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  }
  DrawGlyph(dc, face, look, pressed);
}

void KeepFrameUncomposed(HWND window) {
  const OptionalLibrary dwm("dwmapi.dll");
  const auto set_attribute = dwm.Find<decltype(DwmSetWindowAttribute)>("DwmSetWindowAttribute");
  if (set_attribute == nullptr) return;
  const DWMNCRENDERINGPOLICY policy = DWMNCRP_DISABLED;
  set_attribute(window, DWMWA_NCRENDERING_POLICY, &policy, sizeof policy);
}

}  // namespace win32
