// Wine's mount manager, spoken to through its Unix-drive control code.
#include "mount_points.h"

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

namespace test_provider {
namespace {

// The request Wine's mount manager takes (its struct mountmgr_unix_drive): the header, then the
// zero-terminated strings it points to by offset.
struct UnixDriveRequest {
  ULONG size;
  ULONG type;
  ULONG fs_type;
  DWORD serial;
  ULONGLONG unix_dev;
  WCHAR letter;
  USHORT mount_point_offset;
  USHORT device_offset;
  USHORT label_offset;
};
static_assert(sizeof(UnixDriveRequest) == 32, "the mount manager's layout");

constexpr DWORD kDefineUnixDrive =
    CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
constexpr DWORD kQueryUnixDrive = CTL_CODE('m', 33, METHOD_BUFFERED, FILE_READ_ACCESS);

// Sends the request; the answer, if any, comes back in the same buffer.
bool Send(DWORD code, std::vector<char>& request, std::size_t answer_room) {
  const HANDLE manager =
      CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (manager == INVALID_HANDLE_VALUE) return false;
  const DWORD request_size = static_cast<DWORD>(request.size());
  if (request.size() < answer_room) request.resize(answer_room);
  DWORD returned = 0;
  const BOOL done = DeviceIoControl(manager, code, request.data(), request_size,
                                    answer_room > 0 ? request.data() : nullptr,
                                    static_cast<DWORD>(answer_room), &returned, nullptr);
  CloseHandle(manager);
  return done != FALSE;
}

std::vector<char> Request(wchar_t letter, ULONG type, const std::string& mount_point) {
  UnixDriveRequest header{};
  header.type = type;
  header.letter = letter;
  std::vector<char> request(sizeof(header));
  if (!mount_point.empty()) {
    header.mount_point_offset = sizeof(header);
    request.insert(request.end(), mount_point.begin(), mount_point.end());
    request.push_back('\0');
  }
  header.size = static_cast<ULONG>(request.size());
  std::memcpy(request.data(), &header, sizeof(header));
  return request;
}

}  // namespace

bool DefineRemoteDrive(wchar_t letter, const std::string& mount_point) {
  std::vector<char> request = Request(letter, DRIVE_REMOTE, mount_point);
  return Send(kDefineUnixDrive, request, 0);
}

bool UndefineDrive(wchar_t letter) {
  std::vector<char> request = Request(letter, DRIVE_NO_ROOT_DIR, "");
  return Send(kDefineUnixDrive, request, 0);
}

std::optional<DriveDefinition> QueryDrive(wchar_t letter) {
  std::vector<char> buffer = Request(letter, 0, "");
  if (!Send(kQueryUnixDrive, buffer, 1024)) return std::nullopt;
  UnixDriveRequest answer;
  std::memcpy(&answer, buffer.data(), sizeof(answer));
  DriveDefinition definition{answer.type, ""};
  if (answer.mount_point_offset != 0 && answer.mount_point_offset < buffer.size()) {
    const char* text = buffer.data() + answer.mount_point_offset;
    definition.mount_point.assign(text, strnlen(text, buffer.size() - answer.mount_point_offset));
  }
  return definition;
}

}  // namespace test_provider
