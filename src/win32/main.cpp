// The executable's entry: builds the Win32 platform and runs the program on it.
#include <windows.h>

#include "app/program.h"
#include "win32/desktop_platform.h"
#include "win32/file_system.h"
#include "win32/http_client.h"
#include "win32/icmp_client.h"
#include "win32/locale.h"
#include "win32/network_drives.h"
#include "win32/platform.h"
#include "win32/registry.h"
#include "win32/shell.h"
#include "win32/single_instance.h"
#include "win32/sound.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  win32::Win32Platform platform(instance);
  win32::FileSystem files;
  win32::Locale locale;
  win32::NetworkDrives drives;
  win32::IcmpClientFactory icmp;
  win32::Win32DesktopPlatform desktop(platform);
  win32::Registry registry;
  win32::Sound sound;
  win32::SingleInstance instances;
  win32::Shell shell;
  return app::RunProgram(platform, {files, locale, drives, icmp, desktop, registry, sound,
                                    instances, shell,
                                    [] { return std::make_unique<win32::HttpClient>(); }});
}
