// Path helpers; "\" and "/" separate folders, ":" ends a drive.
#include "settings/file_paths.h"

namespace settings {
namespace {

constexpr std::string_view kFolderEnds = "\\/:";

std::size_t FileNameStart(std::string_view path) {
  const std::size_t last = path.find_last_of(kFolderEnds);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string FolderPart(std::string_view path) {
  return std::string(path.substr(0, FileNameStart(path)));
}

std::string FileNamePart(std::string_view path) {
  return std::string(path.substr(FileNameStart(path)));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
  const std::size_t dot = path.find_last_of('.');
  const bool has_extension = dot != std::string_view::npos && dot >= FileNameStart(path);
  std::string result(has_extension ? path.substr(0, dot) : path);
  result += extension;
  return result;
}

std::string JoinFolderAndFileName(std::string_view folder, std::string_view file_name) {
  std::string result(folder);
  if (!result.empty() && result.back() != '\\' && result.back() != '/') result += '\\';
  result += file_name;
  return result;
}

}  // namespace settings
