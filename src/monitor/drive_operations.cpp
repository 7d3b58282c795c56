// The network drive operations.
#include "monitor/drive_operations.h"

#include <exception>
#include <utility>

namespace monitor {

// The system calls report failures as codes; the catches keep an unexpected error of the layer
// below (out of memory while copying a text) from turning a failed connect into a failed cycle.

bool NetUse(os::NetworkDrives& drives, const std::string& drive, const std::string& remote_path,
            const std::string& password, const std::string& user_name) {
  try {
    return drives.AddConnection(remote_path, drive, user_name, password) == os::kNetworkSuccess;
  } catch (const std::exception&) {
    return false;
  }
}

bool NetDel(os::NetworkDrives& drives, const std::string& drive) {
  try {
    return drives.CancelConnection(drive) == os::kNetworkSuccess;
  } catch (const std::exception&) {
    return false;
  }
}

std::string PathForDrive(os::NetworkDrives& drives, const std::string& drive) {
  try {
    os::ConnectionQuery query = drives.GetConnection(drive);
    if (query.result != os::kNetworkSuccess) return std::string();
    return std::move(query.remote_path);
  } catch (const std::exception&) {
    return std::string();
  }
}

}  // namespace monitor
