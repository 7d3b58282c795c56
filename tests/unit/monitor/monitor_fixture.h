// A mapping table with a scripted file server behind it, and the monitor working on them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/fake_icmp.h"
#include "fakes/fake_network_drives.h"
#include "mappings/memory_data.h"
#include "monitor/connection_monitor.h"

namespace monitor_test {

inline const std::string kHost = "fileserver";
inline const std::string kShare = "\\\\fileserver\\public";

// One mapping as the settings file holds it.
struct Mapping {
  std::string host = kHost;
  std::string unc = "public";
  std::string drive = "E:";
  std::string user = "alice";
  std::string password = "secret";
  std::int32_t max_ping = 5;
  // Run-time state; start-up gives a zero count and leaves the other two without a value.
  std::optional<std::int32_t> false_count = 0;
  std::optional<bool> maped{};
};

struct MonitorFixture : ::testing::Test {
  mappings::MemoryData table{"RxMemoryData1"};
  fakes::FakeIcmp icmp;
  fakes::FakeFileSystem files;
  fakes::FakeNetworkDrives drives;
  monitor::ConnectionMonitor monitor{table, icmp, drives, files};

  MonitorFixture() {
    drives.file_system = &files;
    drives.OfferShare(kShare, "alice", "secret");
    icmp.Standing(kHost, fakes::EchoOutcome::Reply());
  }

  // Appends the mapping as start-up (or, without a count, the editor) does.
  void Add(const Mapping& mapping) {
    table.Append();
    table.Assign("HostName", mapping.host);
    table.Assign("UNC", mapping.unc);
    table.Assign("Drive", mapping.drive);
    table.Assign("UserName", mapping.user);
    table.Assign("Password", mapping.password);
    table.Assign("MaxPing", mapping.max_ping);
    if (mapping.false_count) table.Assign("FalseCount", *mapping.false_count);
    if (mapping.maped) table.Assign("Maped", *mapping.maped);
    table.Post();
  }

  void HostAnswers(bool answers) {
    icmp.Standing(kHost, answers ? fakes::EchoOutcome::Reply() : fakes::EchoOutcome::Silence());
  }

  // The three state fields of a record, as the grid shows them ("" for no value).
  std::string State(int row = 0) const {
    const mappings::MappingRecord& record = table.Row(row);
    return "On=" + mappings::FieldText(record, mappings::Field::Connected) +
           " FalseCount=" + mappings::FieldText(record, mappings::Field::FalseCount) +
           " Maped=" + mappings::FieldText(record, mappings::Field::Maped);
  }

  // The drive calls made by the next cycle only.
  std::vector<std::string> CycleCalls() {
    drives.calls.clear();
    monitor.Timer1Timer();
    return drives.calls;
  }
};

}  // namespace monitor_test
