// A network provider for the Wine tests, standing in for a file server: it connects drive letters
// to the shares listed in a table file beside it, under the one account each share takes, and
// logs every call it gets beside it too.
//
// Files in the DLL's folder: vnetshares.txt (written by the test; see share_table.h) and
// vnetcalls.log (one line a call). A letter is connected by defining it through Wine's mount
// manager as a remote drive over dosdevices/unc/<server>/<share>, which must exist as a folder;
// Wine's WNetGetConnection then reports "\\<server>\<share>" as the table spells them.
#include <windows.h>
#include <winnetwk.h>
// The header declares the provider's entry points without C linkage; the definitions have it.
extern "C" {
#include <npapi.h>
}

#include <cwctype>
#include <string>

#include "mount_points.h"
#include "share_table.h"

namespace test_provider {
namespace {

constexpr DWORD kNetworkType = 0x00FA0000;  // a type no real provider uses

std::wstring ModuleFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ModuleFolder), &self);
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

// A text for the log: quoted, or <null> for an absent one, which the caller must tell apart.
std::string Shown(const wchar_t* text) {
  return text == nullptr ? "<null>" : "\"" + Utf8(text) + "\"";
}

void Log(const std::string& line) {
  const HANDLE log = CreateFileW((ModuleFolder() + L"vnetcalls.log").c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(log);
}

bool IsDriveText(const wchar_t* name) {
  return name != nullptr && std::iswalpha(name[0]) && name[1] == L':' && name[2] == L'\0';
}

bool RootIsFolder(wchar_t letter) {
  const wchar_t root[] = {letter, L':', L'\\', L'\0'};
  const DWORD attributes = GetFileAttributesW(root);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string MountPoint(const Share& share, const RemotePath& path) {
  std::wstring mount = L"unc/" + share.server + L"/" + share.share;
  if (!path.rest.empty()) mount += L"/" + path.rest;
  for (wchar_t& c : mount) {
    if (c == L'\\') c = L'/';
  }
  return Utf8(mount);
}

DWORD Connect(const NETRESOURCEW* resource, const wchar_t* password, const wchar_t* user) {
  if (resource == nullptr) return ERROR_INVALID_PARAMETER;
  const std::optional<RemotePath> path = ParseRemotePath(resource->lpRemoteName);
  if (!path) return ERROR_BAD_NET_NAME;
  const std::vector<Share> shares = ReadShareTable(ModuleFolder() + L"vnetshares.txt");
  const Share* share = FindShare(shares, *path);
  if (share == nullptr) return ERROR_BAD_NET_NAME;
  // An absent name or password would mean the logged-on user's own: this server knows none.
  if (user == nullptr || password == nullptr || !SameIgnoringCase(user, share->user_name) ||
      share->password != password) {
    return ERROR_ACCESS_DENIED;
  }
  const wchar_t* local = resource->lpLocalName;
  if (local == nullptr || local[0] == L'\0') return NO_ERROR;  // a connection without a letter
  if (!IsDriveText(local)) return ERROR_BAD_DEVICE;
  const wchar_t letter = static_cast<wchar_t>(std::towlower(local[0]));
  if (QueryDrive(letter)) return ERROR_ALREADY_ASSIGNED;
  if (!DefineRemoteDrive(letter, MountPoint(*share, *path))) return ERROR_UNEXP_NET_ERR;
  if (!RootIsFolder(letter)) {
    UndefineDrive(letter);
    return ERROR_BAD_NET_NAME;
  }
  return NO_ERROR;
}

// Only letters this provider connected: remote drives over dosdevices/unc.
DWORD Cancel(const wchar_t* name) {
  if (!IsDriveText(name)) return ERROR_NOT_CONNECTED;
  const wchar_t letter = static_cast<wchar_t>(std::towlower(name[0]));
  const std::optional<DriveDefinition> drive = QueryDrive(letter);
  if (!drive || drive->type != DRIVE_REMOTE || drive->mount_point.rfind("unc/", 0) != 0) {
    return ERROR_NOT_CONNECTED;
  }
  return UndefineDrive(letter) ? NO_ERROR : ERROR_UNEXP_NET_ERR;
}

}  // namespace
}  // namespace test_provider

extern "C" {

__declspec(dllexport) DWORD WINAPI NPGetCaps(DWORD index) {
  switch (index) {
    case WNNC_SPEC_VERSION:
      return WNNC_SPEC_VERSION51;
    case WNNC_NET_TYPE:
      return test_provider::kNetworkType;
    case WNNC_DRIVER_VERSION:
      return 1;
    case WNNC_CONNECTION:
      return WNNC_CON_ADDCONNECTION | WNNC_CON_ADDCONNECTION3 | WNNC_CON_CANCELCONNECTION;
    case WNNC_START:
      return 1;  // started
    default:
      return 0;
  }
}

__declspec(dllexport) DWORD WINAPI NPAddConnection3(HWND, LPNETRESOURCEW resource, LPWSTR password,
                                                    LPWSTR user_name, DWORD flags) {
  using namespace test_provider;
  const DWORD result = Connect(resource, password, user_name);
  Log("add local=" + Shown(resource ? resource->lpLocalName : nullptr) +
      " remote=" + Shown(resource ? resource->lpRemoteName : nullptr) +
      " user=" + Shown(user_name) + " password=" + Shown(password) +
      " flags=" + std::to_string(flags) + " -> " + std::to_string(result));
  return result;
}

__declspec(dllexport) DWORD WINAPI
    NPAddConnection(LPNETRESOURCEW resource, LPWSTR password, LPWSTR user_name) {
  return NPAddConnection3(nullptr, resource, password, user_name, 0);
}

__declspec(dllexport) DWORD WINAPI NPCancelConnection(LPWSTR name, BOOL force) {
  using namespace test_provider;
  const DWORD result = Cancel(name);
  Log("cancel name=" + Shown(name) + " force=" + std::to_string(force) + " -> " +
      std::to_string(result));
  return result;
}

}  // extern "C"
