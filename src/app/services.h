// The operating-system services the main form works with; the entry point provides them.
#pragma once

#include "os/file_system.h"
#include "os/icmp_client.h"
#include "os/locale.h"
#include "os/network_drives.h"

namespace app {

struct Services {
  os::FileSystem& files;
  const os::Locale& locale;
  os::NetworkDrives& drives;
  os::IcmpClientFactory& icmp;
};

}  // namespace app
