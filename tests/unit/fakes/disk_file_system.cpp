// Real files through the standard library; replacing goes through a temporary file and rename.
#include "fakes/disk_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fakes {

bool DiskFileSystem::FileExists(const std::string& path) const {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool DiskFileSystem::FolderExists(const std::string& path) const {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

void DiskFileSystem::CreateEmptyFileIfMissing(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd >= 0) {
    ::close(fd);
  } else if (!FileExists(path)) {
    throw os::FileError("Cannot create file \"" + path + "\"");
  }
}

std::string DiskFileSystem::ReadWholeFile(const std::string& path) const {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw os::FileError("Cannot open file \"" + path + "\"");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void DiskFileSystem::ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::remove(temporary.c_str());
      throw os::FileError("Cannot write file \"" + path + "\"");
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw os::FileError("Cannot replace file \"" + path + "\"");
  }
  ++replacements;
}

}  // namespace fakes
