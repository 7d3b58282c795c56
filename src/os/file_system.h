// What the program needs from the file system: existence checks, whole-file reads and writes.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace os {

// A file operation failed. The message names the file and gives the system's reason, so it can
// go to the user as it is.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Paths are ANSI byte strings in the system's own form ("C:\dir\file.ini"); both "\" and "/"
// separate folders. Every operation opens what it needs and closes it again before returning.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when a file (not a folder) exists at the path. Never throws.
  virtual bool FileExists(const std::string& path) const = 0;

  // True when a folder exists at the path; a trailing separator is allowed ("C:\dir\"), and an
  // empty path names no folder. Never throws.
  virtual bool FolderExists(const std::string& path) const = 0;

  // Creates an empty file when nothing exists at the path. An existing file is left exactly as it
  // is: never truncated, never opened for writing. Throws FileError when the file was missing and
  // could not be created.
  virtual void CreateEmptyFileIfMissing(const std::string& path) = 0;

  // The whole content of the file, byte for byte. Throws FileError when it cannot be read.
  virtual std::string ReadWholeFile(const std::string& path) const = 0;

  // Makes the file at the path hold exactly these bytes, creating it when missing. All or
  // nothing: the bytes go to a temporary file in the same folder, which then replaces the target
  // in one step, so a failure at any point leaves the old file (or no file) as it was.
  // Throws FileError on failure.
  virtual void ReplaceWholeFile(const std::string& path, const std::string& bytes) = 0;

  // Full path of the running executable.
  virtual std::string ExecutablePath() const = 0;

  // The Windows folder, without a trailing separator unless it is a drive's root; nothing when
  // the system cannot tell.
  virtual std::optional<std::string> WindowsFolder() const = 0;
};

}  // namespace os
