// The network drive operations: connect a drive letter, disconnect it, ask what it is connected to.
#pragma once

#include <string>

#include "os/network_drives.h"

namespace monitor {

// Each makes exactly one system call and never throws: a failure is false or an empty text, and
// the system's error code is not kept.

// Connects the drive ("E:", or no letter when empty) to the remote path. Note the order: the
// password comes before the user name.
bool NetUse(os::NetworkDrives& drives, const std::string& drive, const std::string& remote_path,
            const std::string& password, const std::string& user_name);

// Cancels the drive's connection by force and forgets it in the user's profile.
bool NetDel(os::NetworkDrives& drives, const std::string& drive);

// The remote path the drive is connected to, as the system spells it; empty when it is not
// connected or the query fails for any reason.
std::string PathForDrive(os::NetworkDrives& drives, const std::string& drive);

}  // namespace monitor
