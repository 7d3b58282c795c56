// Memory in another process, for messages whose parameters point to structures there.
#pragma once

#include <windows.h>

namespace driver {

class RemoteMemory {
 public:
  RemoteMemory(HWND window, SIZE_T size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
        FALSE, pid);
    if (process_ != nullptr) {
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
  }
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* at(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
  void Write(SIZE_T offset, const void* data, SIZE_T size) const {
    WriteProcessMemory(process_, at(offset), data, size, nullptr);
  }
  void Read(SIZE_T offset, void* data, SIZE_T size) const {
    ReadProcessMemory(process_, at(offset), data, size, nullptr);
  }
  // A 64-bit process seen from this 32-bit one lays its structures out with 8-byte pointers.
  bool Wide() const {
    BOOL self = FALSE;
    BOOL other = FALSE;
    IsWow64Process(GetCurrentProcess(), &self);
    IsWow64Process(process_, &other);
    return self && !other;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace driver
