// Move-only owners of Win32 handles: each releases its handle with the matching call.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <typename Handle, typename Traits>
class Unique {
 public:
  Unique() = default;
  explicit Unique(Handle handle) : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Traits::Invalid()));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    if (handle_ != Traits::Invalid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND h) { DestroyWindow(h); }
};
struct KernelHandleTraits {  // CreateMutex, CreateEvent, CreateThread, OpenProcess...
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFile
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct RegKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY h) { RegCloseKey(h); }
};
struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct GdiTraits {  // fonts, brushes, pens, bitmaps
  static HGDIOBJ Invalid() { return nullptr; }
  static void Close(HGDIOBJ h) { DeleteObject(h); }
};

using UniqueWindow = Unique<HWND, WindowTraits>;
using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;
using UniqueFile = Unique<HANDLE, FileHandleTraits>;
using UniqueKey = Unique<HKEY, RegKeyTraits>;
using UniqueMenu = Unique<HMENU, MenuTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueGdiObject = Unique<HGDIOBJ, GdiTraits>;

}  // namespace win32
