// Splitting and rewriting Windows-style file paths as the store needs it.
#pragma once

#include <string>
#include <string_view>

namespace settings {

// The folder part with its trailing separator ("C:\dir\" of "C:\dir\a.ini", "C:" of "C:a.ini");
// empty when the path names no folder.
std::string FolderPart(std::string_view path);

// What follows the folder part.
std::string FileNamePart(std::string_view path);

// The path with the extension of its file name replaced by `extension` (which starts with "."),
// or `extension` appended when the file name has none.
std::string ChangeFileExt(std::string_view path, std::string_view extension);

// The folder and the file name with one separator between them.
std::string JoinFolderAndFileName(std::string_view folder, std::string_view file_name);

}  // namespace settings
