// Registering the program's own window classes.
#pragma once

#include <windows.h>

namespace win32 {

enum class WindowLook {
  Hidden,    // never shown: no cursor, no background
  Visible,   // the arrow cursor and the button-face background
};

// Registers the class once in the module; a later call with the same name does nothing.
void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                         WindowLook look = WindowLook::Hidden, HICON icon = nullptr);

}  // namespace win32
