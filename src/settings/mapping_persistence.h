// Load and save of the mapping list and the upgrade address in "Vardeko.ini" beside the program.
#pragma once

#include <string>

#include "mappings/memory_data.h"
#include "os/file_system.h"
#include "settings/zini.h"

namespace settings {

// A stored count above this is read as this many: a corrupt or hostile file must not make the
// start-up hang or run out of memory. Far above any real list (there are 26 drive letters).
inline constexpr int kMaxStoredMappings = 1000;

// Creates the file if missing (failure ignored), points the store at it, reads the upgrade
// address (the current one as default) and appends the stored records to the table.
void LoadSettings(TzIni& store, mappings::MemoryData& table, os::FileSystem& files,
                  std::string& upgrade_url);

// Writes the upgrade address and the whole table. The file is rewritten once, holding exactly
// what deleting the old record keys and writing every key one by one would leave, so a failed
// write leaves the previous file intact instead of a half-deleted list.
void SaveSettings(TzIni& store, mappings::MemoryData& table, const std::string& upgrade_url);

}  // namespace settings
