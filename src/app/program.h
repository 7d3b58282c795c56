// The program entry, independent of the window system it runs on.
#pragma once

#include "app/services.h"
#include "ui/platform.h"

namespace app {

// Creates the application and its main form, runs the message loop, and returns the exit code.
int RunProgram(ui::Platform& platform, const Services& services);

}  // namespace app
