// In-memory file system.
#include "fakes/fake_file_system.h"

namespace fakes {
namespace {

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

}  // namespace

bool FakeFileSystem::FileExists(const std::string& path) const {
  return files.contains(path);
}

bool FakeFileSystem::FolderExists(const std::string& path) const {
  return !path.empty() && folders.contains(WithoutTrailingSeparator(path));
}

void FakeFileSystem::CheckWritable(const std::string& path) const {
  if (unwritable.contains(path)) {
    throw os::FileError("Cannot write file \"" + path + "\": Access is denied.");
  }
  const std::string folder = FolderOf(path);
  if (!folder.empty() && !folders.contains(folder)) {
    throw os::FileError("Cannot write file \"" + path +
                        "\": The system cannot find the path specified.");
  }
}

void FakeFileSystem::CreateEmptyFileIfMissing(const std::string& path) {
  if (FileExists(path)) return;
  CheckWritable(path);
  files[path];
}

std::string FakeFileSystem::ReadWholeFile(const std::string& path) const {
  const auto file = files.find(path);
  if (file == files.end()) {
    throw os::FileError("Cannot read file \"" + path +
                        "\": The system cannot find the file specified.");
  }
  if (unreadable.contains(path)) {
    throw os::FileError("Cannot read file \"" + path + "\": Access is denied.");
  }
  ++reads;
  return file->second;
}

void FakeFileSystem::ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  CheckWritable(path);
  files[path] = bytes;
  ++replacements;
}

}  // namespace fakes
