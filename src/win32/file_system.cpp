// Win32 file system: whole-file reads, and writes that replace the target in one step.
#include "win32/file_system.h"

#include <windows.h>

#include <string_view>

#include "win32/handles.h"

namespace win32 {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::string SystemErrorText(DWORD code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text =
      length > 0 ? std::string(buffer, length) : "System error " + std::to_string(code);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

[[noreturn]] void ThrowFileError(std::string_view doing, std::string_view path, DWORD code) {
  throw os::FileError("Cannot " + std::string(doing) + " \"" + std::string(path) +
                      "\": " + SystemErrorText(code));
}

// The error of the call that just failed, naming what was done to which file. The arguments are
// views, so nothing runs between the failed call and GetLastError.
[[noreturn]] void ThrowLastFileError(std::string_view doing, std::string_view path) {
  ThrowFileError(doing, path, GetLastError());
}

DWORD Attributes(const std::string& path) {
  return GetFileAttributesA(path.c_str());
}

// The folder that holds the path's file, for the temporary file beside it.
std::string FolderOf(const std::string& path) {
  const std::size_t last = path.find_last_of("\\/:");
  if (last == std::string::npos) return ".";
  if (path[last] == ':') return path.substr(0, last + 1) + ".";
  const bool root = last == 0 || path[last - 1] == ':';  // "\x.ini", "C:\x.ini"
  return path.substr(0, root ? last + 1 : last);
}

void WriteAll(HANDLE file, const std::string& bytes, const std::string& path) {
  std::size_t written_total = 0;
  while (written_total < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(
        (bytes.size() - written_total) > 0x100000 ? 0x100000 : bytes.size() - written_total);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + written_total, chunk, &written, nullptr)) {
      ThrowLastFileError("write file", path);
    }
    if (written == 0) ThrowFileError("write file", path, ERROR_WRITE_FAULT);
    written_total += written;
  }
  if (!FlushFileBuffers(file)) ThrowLastFileError("write file", path);
}

// Deletes the temporary file on the way out unless it was moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

}  // namespace

bool FileSystem::FileExists(const std::string& path) const {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FileSystem::FolderExists(const std::string& path) const {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void FileSystem::CreateEmptyFileIfMissing(const std::string& path) {
  // CREATE_NEW never touches an existing file, not even to open it.
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file && GetLastError() != ERROR_FILE_EXISTS) ThrowLastFileError("create file", path);
}

std::string FileSystem::ReadWholeFile(const std::string& path) const {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastFileError("open file", path);
  std::string bytes;
  std::string chunk(65536, '\0');
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) {
      ThrowLastFileError("read file", path);
    }
    if (read == 0) return bytes;
    bytes.append(chunk, 0, read);
  }
}

void FileSystem::ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  // Windows refuses to replace a read-only file by moving another onto it; Wine does not, so the
  // check is made here for both.
  const DWORD attributes = Attributes(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    ThrowFileError("replace file", path, ERROR_ACCESS_DENIED);
  }
  char temporary_path[MAX_PATH];
  if (GetTempFileNameA(FolderOf(path).c_str(), "vdk", 0, temporary_path) == 0) {
    ThrowLastFileError("create a temporary file for", path);
  }
  TemporaryFile temporary(temporary_path);
  {
    const UniqueFile file(CreateFileA(temporary.Path().c_str(), GENERIC_WRITE, 0, nullptr,
                                      TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowLastFileError("write file", path);
    WriteAll(file.get(), bytes, path);
  }
  if (!MoveFileExA(temporary.Path().c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ThrowLastFileError("replace file", path);
  }
  temporary.Keep();
}

std::string FileSystem::ExecutablePath() const {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) ThrowLastFileError("find the path of", "the executable");
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) {
      ThrowFileError("find the path of", "the executable", ERROR_FILENAME_EXCED_RANGE);
    }
    path.resize(path.size() * 2);
  }
}

std::optional<std::string> FileSystem::WindowsFolder() const {
  std::string folder(MAX_PATH, '\0');
  UINT length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {
    folder.resize(length);
    length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
  }
  if (length == 0 || length >= folder.size()) return std::nullopt;
  folder.resize(length);
  return folder;
}

}  // namespace win32
