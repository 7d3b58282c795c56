// The network connections of the logged-on user through the Windows networking calls (mpr).
#pragma once

#include <string>

#include "os/network_drives.h"

namespace win32 {

class NetworkDrives final : public os::NetworkDrives {
 public:
  os::NetworkResult AddConnection(const std::string& remote_path, const std::string& local_drive,
                                  const std::string& user_name,
                                  const std::string& password) override;
  os::NetworkResult CancelConnection(const std::string& drive) override;
  os::ConnectionQuery GetConnection(const std::string& drive) override;
};

}  // namespace win32
