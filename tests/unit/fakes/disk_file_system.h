// The file system interface over this machine's real files, for tests that want real disk I/O.
#pragma once

#include <optional>
#include <string>

#include "os/file_system.h"

namespace fakes {

// Paths are this machine's own ("/tmp/x/Vardeko.ini"). The executable is taken to live in
// `program_folder`; there is no Windows folder.
class DiskFileSystem : public os::FileSystem {
 public:
  explicit DiskFileSystem(std::string program_folder) : folder_(std::move(program_folder)) {}

  bool FileExists(const std::string& path) const override;
  bool FolderExists(const std::string& path) const override;
  void CreateEmptyFileIfMissing(const std::string& path) override;
  std::string ReadWholeFile(const std::string& path) const override;
  void ReplaceWholeFile(const std::string& path, const std::string& bytes) override;
  std::string ExecutablePath() const override { return folder_ + "/Vardeko.exe"; }
  std::optional<std::string> WindowsFolder() const override { return std::nullopt; }

  int replacements = 0;

 private:
  std::string folder_;
};

}  // namespace fakes
