// Drawing of the extra title-bar buttons: the face in the active visual style or the classic
// look, and the glyph; and the request that keeps the frame drawn where the program can paint.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/desktop_platform.h"

namespace win32 {

class CaptionPainter {
 public:
  CaptionPainter();
  ~CaptionPainter();
  CaptionPainter(const CaptionPainter&) = delete;
  CaptionPainter& operator=(const CaptionPainter&) = delete;

  // `face` in the coordinates of `dc`, a window DC of `window`.
  void Draw(HWND window, HDC dc, const RECT& face, const ui::CaptionButtonLook& look, bool hot,
            bool pressed) const;

 private:
  class Theme;
  std::unique_ptr<Theme> theme_;
};

// With desktop composition (Vista and later) the system draws the frame itself and shows nothing
// a program paints there. Switching composition off for this window's frame keeps the geometry
// and lets the buttons show; without the composition library it does nothing.
void KeepFrameUncomposed(HWND window);

}  // namespace win32
