// The operating-system services the main form works with; the entry point provides them.
#pragma once

#include <functional>
#include <memory>

#include "os/file_system.h"
#include "os/http_client.h"
#include "os/icmp_client.h"
#include "os/locale.h"
#include "os/network_drives.h"
#include "os/registry.h"
#include "os/shell.h"
#include "os/single_instance.h"
#include "os/sound.h"
#include "ui/desktop_platform.h"

namespace app {

struct Services {
  os::FileSystem& files;
  const os::Locale& locale;
  os::NetworkDrives& drives;
  os::IcmpClientFactory& icmp;
  ui::DesktopPlatform& desktop;
  os::Registry& registry;
  os::Sound& sound;
  os::SingleInstance& instances;
  os::Shell& shell;
  // The upgrade check owns its HTTP client, so it can abandon a transfer when it goes.
  std::function<std::unique_ptr<os::HttpClient>()> make_http_client;
};

}  // namespace app
