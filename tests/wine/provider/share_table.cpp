// The test file server's share table.
#include "share_table.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace test_provider {
namespace {

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

}  // namespace

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::optional<RemotePath> ParseRemotePath(const wchar_t* text) {
  if (text == nullptr) return std::nullopt;
  const std::wstring path = text;
  if (path.rfind(L"\\\\", 0) != 0) return std::nullopt;
  const std::size_t server_end = path.find(L'\\', 2);
  if (server_end == std::wstring::npos || server_end == 2) return std::nullopt;
  const std::size_t share_end = path.find(L'\\', server_end + 1);
  RemotePath parsed;
  parsed.server = path.substr(2, server_end - 2);
  parsed.share = path.substr(server_end + 1, share_end - server_end - 1);
  if (share_end != std::wstring::npos) parsed.rest = path.substr(share_end + 1);
  if (parsed.share.empty()) return std::nullopt;
  return parsed;
}

std::vector<Share> ReadShareTable(const std::wstring& file) {
  std::vector<Share> shares;
  std::ifstream in(file.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() < 3) continue;
    fields.resize(4);
    shares.push_back({Widen(fields[0]), Widen(fields[1]), Widen(fields[2]), Widen(fields[3])});
  }
  return shares;
}

const Share* FindShare(const std::vector<Share>& shares, const RemotePath& path) {
  for (const Share& share : shares) {
    if (SameIgnoringCase(share.server, path.server) && SameIgnoringCase(share.share, path.share)) {
      return &share;
    }
  }
  return nullptr;
}

}  // namespace test_provider
