// The program entry, independent of the window system it runs on.
#pragma once

#include "ui/platform.h"

namespace app {

// Creates the application and its main form, runs the message loop, and returns the exit code.
int RunProgram(ui::Platform& platform);

}  // namespace app
