// Mapping list persistence: the keys, their order and their scrambling.
#include "settings/mapping_persistence.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "settings/file_paths.h"

namespace settings {
namespace {

constexpr std::string_view kFileName = "Vardeko.ini";
constexpr std::array<std::string_view, 5> kTextKeys = {"HostName", "UserName", "Password", "UNC",
                                                       "Drive"};
constexpr std::string_view kMaxPing = "MaxPing";
constexpr int kDefaultMaxPing = 5;

std::string Key(std::string_view name, int index) {
  return std::string(name) + std::to_string(index);
}

}  // namespace

void LoadSettings(TzIni& store, mappings::MemoryData& table, os::FileSystem& files,
                  std::string& upgrade_url) {
  const std::string path = FolderPart(files.ExecutablePath()) + std::string(kFileName);
  try {
    files.CreateEmptyFileIfMissing(path);
  } catch (const os::FileError&) {
    // The reads below then give their defaults, and the first save tries again.
  }
  store.SetFileName(path);
  upgrade_url = store.ReadString("UpGradeURL", upgrade_url);
  const int count = std::min(store.ReadInteger("DriveCount", 0), kMaxStoredMappings);
  for (int i = 0; i < count; ++i) {
    table.Append();
    for (std::string_view key : kTextKeys) table.Assign(key, store.ReadString(Key(key, i), ""));
    table.Assign(kMaxPing, store.ReadInteger(Key(kMaxPing, i), kDefaultMaxPing));
    table.Assign("FalseCount", 0);
    table.Post();
  }
}

void SaveSettings(TzIni& store, mappings::MemoryData& table, const std::string& upgrade_url) {
  // Read before the batch opens: the count that is on disk, not one being written.
  const int old_count = std::min(store.ReadInteger("DriveCount", 0), kMaxStoredMappings);
  store.Edit();
  for (int i = 0; i < old_count; ++i) {
    for (std::string_view key : kTextKeys) store.DeleteKey(Key(key, i));
    store.DeleteKey(Key(kMaxPing, i));
  }
  store.WriteString("UpGradeURL", upgrade_url, true);
  store.WriteInteger("DriveCount", table.RecordCount(), true);
  table.First();
  for (int i = 0; !table.Eof(); ++i) {
    for (std::string_view key : kTextKeys) store.WriteString(Key(key, i), table.AsString(key), true);
    store.WriteInteger(Key(kMaxPing, i), table.AsInteger(kMaxPing), false);
    table.Next();
  }
  store.Post();
}

}  // namespace settings
