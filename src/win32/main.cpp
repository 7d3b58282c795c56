// The executable's entry: builds the Win32 platform and runs the program on it.
#include <windows.h>

#include "app/program.h"
#include "win32/file_system.h"
#include "win32/icmp_client.h"
#include "win32/locale.h"
#include "win32/network_drives.h"
#include "win32/platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  win32::Win32Platform platform(instance);
  win32::FileSystem files;
  win32::Locale locale;
  win32::NetworkDrives drives;
  win32::IcmpClientFactory icmp;
  return app::RunProgram(platform, {files, locale, drives, icmp});
}
