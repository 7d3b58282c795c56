// The file server the test network provider stands in for: its shares and one account for each.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace test_provider {

struct Share {
  std::wstring server;
  std::wstring share;
  std::wstring user_name;
  std::wstring password;
};

// "\\server\share" with whatever follows the share ("\docs\2024"), split up.
struct RemotePath {
  std::wstring server;
  std::wstring share;
  std::wstring rest;  // without its leading backslash; empty for the share itself
};

// Nothing when the text is not "\\server\share[\...]" with a server and a share.
std::optional<RemotePath> ParseRemotePath(const wchar_t* text);

// One share a line: server, share, user name and password, separated by tabs; a password may
// be empty. A missing file is a server without shares.
std::vector<Share> ReadShareTable(const std::wstring& file);

// Windows' ordinal comparison that ignores letter case.
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b);

// The share the path names; server and share match in any letter case, as Windows file servers do.
const Share* FindShare(const std::vector<Share>& shares, const RemotePath& path);

}  // namespace test_provider
