// Move-only owner of a WinINet handle (session, connection or request).
#pragma once

#include <windows.h>
#include <wininet.h>

#include "win32/handles.h"

namespace win32 {

struct InternetHandleTraits {
  static HINTERNET Invalid() { return nullptr; }
  static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

using UniqueInternet = Unique<HINTERNET, InternetHandleTraits>;

}  // namespace win32
