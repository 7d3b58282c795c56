// What the drive operations need from the system's network connections of the logged-on user.
#pragma once

#include <cstdint>
#include <string>

namespace os {

// The system's own result code: 0 is success, anything else a Win32 error code
// (ERROR_ACCESS_DENIED, ERROR_ALREADY_ASSIGNED, ERROR_NOT_CONNECTED, ERROR_BAD_DEVICE, ...).
using NetworkResult = std::uint32_t;
inline constexpr NetworkResult kNetworkSuccess = 0;

struct ConnectionQuery {
  NetworkResult result = kNetworkSuccess;
  // The remote path as the system spells it; empty unless result is kNetworkSuccess.
  std::string remote_path;
};

// Drive texts are a letter and a colon ("E:"). Texts are single-byte ANSI and are handed to the
// system exactly as given: empty texts stay empty texts, never absent values, so an empty password
// means "no password", not the user's default one. No call throws.
class NetworkDrives {
 public:
  virtual ~NetworkDrives() = default;

  // Connects the local drive, or no drive letter at all when local_drive is empty, to the remote
  // path ("\\host\share") under the user name and password. The connection is not remembered
  // for the next logon, and the user is asked nothing.
  virtual NetworkResult AddConnection(const std::string& remote_path,
                                      const std::string& local_drive, const std::string& user_name,
                                      const std::string& password) = 0;

  // Cancels the drive's connection even when files on it are open, and forgets a remembered
  // connection of that drive as well.
  virtual NetworkResult CancelConnection(const std::string& drive) = 0;

  // The remote path the drive is connected to. A path that does not fit in 255 characters is a
  // failure, as is a drive that is a local disk, unused, or remembered but not connected now.
  virtual ConnectionQuery GetConnection(const std::string& drive) = 0;
};

}  // namespace os
