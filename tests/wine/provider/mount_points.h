// Drive letters defined through Wine's mount manager, the way Wine shows network drives.
#pragma once

#include <optional>
#include <string>

namespace test_provider {

// Makes the letter a remote drive whose root is dosdevices/<mount_point> ("unc/server/share").
// Wine then reports "\\server\share" for it from WNetGetConnection. False when refused.
bool DefineRemoteDrive(wchar_t letter, const std::string& mount_point);

// Removes the letter's definition, whatever it was.
bool UndefineDrive(wchar_t letter);

struct DriveDefinition {
  unsigned long type;       // DRIVE_FIXED, DRIVE_REMOTE, ...
  std::string mount_point;  // relative to dosdevices; may be empty
};

// What the mount manager holds for the letter; nothing when the letter is not a drive.
std::optional<DriveDefinition> QueryDrive(wchar_t letter);

}  // namespace test_provider
