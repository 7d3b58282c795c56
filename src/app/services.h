// The operating-system services the main form works with; the entry point provides them.
#pragma once

#include "os/file_system.h"
#include "os/locale.h"

namespace app {

struct Services {
  os::FileSystem& files;
  const os::Locale& locale;
};

}  // namespace app
