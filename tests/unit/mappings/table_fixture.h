// A small mapping table filled the way start-up fills it, shared by the table and grid tests.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "mappings/memory_data.h"

namespace mappings::testing {

// Appends and posts one record per host name, each with FalseCount 0 and MaxPing 5.
inline void AddHosts(MemoryData& table, const std::vector<std::string>& hosts) {
  for (const std::string& host : hosts) {
    table.Append();
    table.Assign("HostName", host);
    table.Assign("MaxPing", 5);
    table.Assign("FalseCount", 0);
    table.Post();
  }
}

// The host names of all records in table order, read without moving the cursor.
inline std::vector<std::string> Hosts(const MemoryData& table) {
  std::vector<std::string> hosts;
  for (int row = 0; row < table.RecordCount(); ++row) {
    hosts.emplace_back(table.Row(row).Text(Field::HostName));
  }
  return hosts;
}

// Runs the call and returns the message of the std::runtime_error it throws ("" if none).
inline std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

}  // namespace mappings::testing
