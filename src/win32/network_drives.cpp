// Network drives: one WNet call per operation, texts handed over exactly as given.
#include "win32/network_drives.h"

#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace win32 {
namespace {

// Both the drive text handed over and the remote path received fit 255 characters and a zero.
constexpr std::size_t kNameBuffer = 256;

}  // namespace

os::NetworkResult NetworkDrives::AddConnection(const std::string& remote_path,
                                               const std::string& local_drive,
                                               const std::string& user_name,
                                               const std::string& password) {
  // The request names writable strings; the call only reads them.
  std::string local = local_drive;
  std::string remote = remote_path;
  NETRESOURCEA resource{};
  resource.dwType = RESOURCETYPE_DISK;
  resource.lpLocalName = local.empty() ? nullptr : local.data();
  resource.lpRemoteName = remote.data();
  resource.lpProvider = nullptr;
  // Flags 0: not remembered for the next logon, and never a prompt.
  return WNetAddConnection2A(&resource, password.c_str(), user_name.c_str(), 0);
}

os::NetworkResult NetworkDrives::CancelConnection(const std::string& drive) {
  return WNetCancelConnection2A(drive.c_str(), CONNECT_UPDATE_PROFILE, TRUE);
}

os::ConnectionQuery NetworkDrives::GetConnection(const std::string& drive) {
  std::array<char, kNameBuffer> local{};
  std::copy_n(drive.c_str(), std::min(std::strlen(drive.c_str()), kNameBuffer - 1), local.data());
  std::array<char, kNameBuffer> remote{};
  DWORD length = kNameBuffer;
  const DWORD result = WNetGetConnectionA(local.data(), remote.data(), &length);
  if (result != NO_ERROR) return {result, ""};
  return {result, std::string(remote.data(), strnlen(remote.data(), remote.size()))};
}

}  // namespace win32
