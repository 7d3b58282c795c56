// The monitor cycle: probes every mapping's host and brings its drive letter in line.
#pragma once

#include <string>

#include "mappings/memory_data.h"
#include "os/file_system.h"
#include "os/icmp_client.h"
#include "os/network_drives.h"

namespace monitor {

// Outcomes Ping1EchoReply understands; any other value changes nothing.
inline constexpr int kNotAnswered = 0;
inline constexpr int kAnswered = 1;

// "\\" + host + "\" + share path, joined exactly as stored.
std::string ExpectedSharePath(const std::string& host_name, const std::string& unc);

// Works on the main form's mapping table with the system's ICMP, network drives and file
// system; all of them outlive it. Everything runs on the caller's thread and blocks it.
class ConnectionMonitor {
 public:
  ConnectionMonitor(mappings::MemoryData& table, os::IcmpClientFactory& icmp,
                    os::NetworkDrives& drives, const os::FileSystem& files)
      : table_(table), icmp_(icmp), drives_(drives), files_(files) {}
  ConnectionMonitor(const ConnectionMonitor&) = delete;
  ConnectionMonitor& operator=(const ConnectionMonitor&) = delete;

  // One cycle: walks the table from its first record, probes each host and applies the outcome
  // to that record before the next host is probed. Each record is edited and posted once, and
  // the last record is current afterwards. Nothing is caught: an error (from the table, or from
  // making an ICMP client) ends the cycle at that record and goes to the caller.
  void Timer1Timer();

  // Applies one probe outcome to the current record and posts it.
  void Ping1EchoReply(int outcome);

 private:
  void ApplyNotAnswered();
  void ApplyAnswered();
  // Brings the drive in line with a host that answered; returns the new Maped.
  bool ReconcileDrive();

  mappings::MemoryData& table_;
  os::IcmpClientFactory& icmp_;
  os::NetworkDrives& drives_;
  const os::FileSystem& files_;
};

}  // namespace monitor
