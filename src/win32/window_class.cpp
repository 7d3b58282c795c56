// Window class registration.
#include "win32/window_class.h"

namespace win32 {

void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                         WindowLook look, HICON icon) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = icon;
  if (look == WindowLook::Visible) {
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

}  // namespace win32
