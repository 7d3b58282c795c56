// The file system through the Win32 ANSI calls.
#pragma once

#include <optional>
#include <string>

#include "os/file_system.h"

namespace win32 {

class FileSystem final : public os::FileSystem {
 public:
  bool FileExists(const std::string& path) const override;
  bool FolderExists(const std::string& path) const override;
  void CreateEmptyFileIfMissing(const std::string& path) override;
  std::string ReadWholeFile(const std::string& path) const override;
  void ReplaceWholeFile(const std::string& path, const std::string& bytes) override;
  std::string ExecutablePath() const override;
  std::optional<std::string> WindowsFolder() const override;
};

}  // namespace win32
