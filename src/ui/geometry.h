// Plain rectangles and sizes in pixels, shared by components and their peers.
#pragma once

namespace ui {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Thickness of a window's frame around its client area.
struct FrameExtent {
  int left = 0;
  int top = 0;  // includes the title bar
  int right = 0;
  int bottom = 0;
};

}  // namespace ui
