// An in-memory file system for tests: files and folders by exact path, failures on demand.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "os/file_system.h"

namespace fakes {

// Paths are compared exactly (no case folding, no normalisation beyond dropping a folder path's
// trailing separator). Writing needs the file's folder to exist, or a path without a folder.
class FakeFileSystem : public os::FileSystem {
 public:
  bool FileExists(const std::string& path) const override;
  bool FolderExists(const std::string& path) const override;
  void CreateEmptyFileIfMissing(const std::string& path) override;
  std::string ReadWholeFile(const std::string& path) const override;
  void ReplaceWholeFile(const std::string& path, const std::string& bytes) override;
  std::string ExecutablePath() const override { return executable_path; }
  std::optional<std::string> WindowsFolder() const override { return windows_folder; }

  // The state a test sets up and inspects.
  std::map<std::string, std::string> files;
  std::set<std::string> folders{"C:", "C:\\WINDOWS", "C:\\Program Files",
                                "C:\\Program Files\\Vardeko"};
  std::string executable_path = "C:\\Program Files\\Vardeko\\Vardeko.exe";
  std::optional<std::string> windows_folder = "C:\\WINDOWS";

  // Files that exist but cannot be read, and paths that cannot be written: the operation throws
  // os::FileError and changes nothing.
  std::set<std::string> unreadable;
  std::set<std::string> unwritable;

  // Whole-file reads and successful replacements so far.
  mutable int reads = 0;
  int replacements = 0;

 private:
  void CheckWritable(const std::string& path) const;
};

}  // namespace fakes
