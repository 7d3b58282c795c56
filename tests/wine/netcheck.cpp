// Wine test tool: runs the probe, the drive operations and the monitor cycle on the real system
// services and prints what they did, one fact a line.
//
//   netcheck ping HOST                       Ping1          -> answered=0|1 ms=N
//   netcheck echo HOST                       one exchange   -> status=NAME | error=TEXT
//   netcheck use DRIVE REMOTE PASSWORD USER  NetUse         -> use=0|1 code=N
//   netcheck del DRIVE                       NetDel         -> del=0|1 code=N
//   netcheck path DRIVE                      PathForDrive   -> path="TEXT" code=N
//   netcheck bench HOST COUNT                COUNT probes   -> probe ... min= median= max= (ms)
//   netcheck cycle FILE                      one monitor cycle per "cycle" line on standard input;
//                                            FILE holds one mapping a line: host, UNC, drive,
//                                            user, password, MaxPing, separated by tabs
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "mappings/memory_data.h"
#include "monitor/connection_monitor.h"
#include "monitor/drive_operations.h"
#include "monitor/host_probe.h"
#include "win32/file_system.h"
#include "win32/icmp_client.h"
#include "win32/network_drives.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The system's drives, printing every call and its code so a test can see what reached mpr.
class ReportingDrives final : public os::NetworkDrives {
 public:
  os::NetworkResult AddConnection(const std::string& remote_path, const std::string& local_drive,
                                  const std::string& user_name,
                                  const std::string& password) override {
    last = system_.AddConnection(remote_path, local_drive, user_name, password);
    std::printf("call add local=\"%s\" remote=\"%s\" -> %lu\n", local_drive.c_str(),
                remote_path.c_str(), static_cast<unsigned long>(last));
    return last;
  }
  os::NetworkResult CancelConnection(const std::string& drive) override {
    last = system_.CancelConnection(drive);
    std::printf("call cancel \"%s\" -> %lu\n", drive.c_str(), static_cast<unsigned long>(last));
    return last;
  }
  os::ConnectionQuery GetConnection(const std::string& drive) override {
    os::ConnectionQuery query = system_.GetConnection(drive);
    last = query.result;
    std::printf("call get \"%s\" -> %lu\n", drive.c_str(), static_cast<unsigned long>(last));
    return query;
  }

  os::NetworkResult last = os::kNetworkSuccess;

 private:
  win32::NetworkDrives system_;
};

const char* StatusName(os::EchoStatus status) {
  switch (status) {
    case os::EchoStatus::kEchoReply:
      return "echo-reply";
    case os::EchoStatus::kTimedOut:
      return "timed-out";
    case os::EchoStatus::kUnreachable:
      return "unreachable";
    case os::EchoStatus::kTimeExceeded:
      return "time-exceeded";
    case os::EchoStatus::kOtherReport:
      return "other-report";
  }
  return "?";
}

int Ping(const std::string& host) {
  win32::IcmpClientFactory icmp;
  const Clock::time_point start = Clock::now();
  const bool answered = monitor::Ping1(icmp, host);
  std::printf("answered=%d ms=%.1f\n", answered ? 1 : 0, MillisecondsSince(start));
  return 0;
}

int Echo(const std::string& host) {
  win32::IcmpClientFactory icmp;
  const auto client = icmp.Create();
  client->SetHost(host);
  client->SetReceiveTimeout(monitor::kProbeReceiveTimeoutMs);
  try {
    std::printf("status=%s\n", StatusName(client->Echo()));
  } catch (const os::IcmpError& error) {
    std::printf("error=%s\n", error.what());
  }
  return 0;
}

int Bench(const std::string& host, int count) {
  win32::IcmpClientFactory icmp;
  std::vector<double> times;
  int answered = 0;
  for (int i = 0; i < count; ++i) {
    const Clock::time_point start = Clock::now();
    answered += monitor::Ping1(icmp, host) ? 1 : 0;
    times.push_back(MillisecondsSince(start));
  }
  std::sort(times.begin(), times.end());
  std::printf("probe host=%s n=%d answered=%d min=%.3f median=%.3f max=%.3f\n", host.c_str(), count,
              answered, times.front(), times[times.size() / 2], times.back());
  return 0;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  fields.resize(6);
  return fields;
}

void LoadMappings(const std::string& file, mappings::MemoryData& table) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const std::vector<std::string> f = SplitTabs(line);
    table.Append();
    table.Assign("HostName", f[0]);
    table.Assign("UNC", f[1]);
    table.Assign("Drive", f[2]);
    table.Assign("UserName", f[3]);
    table.Assign("Password", f[4]);
    table.Assign("MaxPing", static_cast<std::int32_t>(std::atoi(f[5].c_str())));
    table.Assign("FalseCount", std::int32_t{0});
    table.Post();
  }
}

void PrintStates(const mappings::MemoryData& table, int cycle) {
  for (int row = 0; row < table.RecordCount(); ++row) {
    const mappings::MappingRecord& r = table.Row(row);
    std::printf("cycle=%d record=%d On=%s FalseCount=%s Maped=%s\n", cycle, row + 1,
                mappings::FieldText(r, mappings::Field::Connected).c_str(),
                mappings::FieldText(r, mappings::Field::FalseCount).c_str(),
                mappings::FieldText(r, mappings::Field::Maped).c_str());
  }
}

// Cycles on demand, so a test can change the network between them.
int Cycle(const std::string& file) {
  mappings::MemoryData table("RxMemoryData1");
  LoadMappings(file, table);
  win32::IcmpClientFactory icmp;
  ReportingDrives drives;
  win32::FileSystem files;
  monitor::ConnectionMonitor monitor(table, icmp, drives, files);
  std::printf("ready records=%d\n", table.RecordCount());
  std::fflush(stdout);
  std::string command;
  for (int cycle = 1; std::getline(std::cin, command) && command.rfind("cycle", 0) == 0; ++cycle) {
    try {
      monitor.Timer1Timer();
    } catch (const std::exception& error) {
      std::printf("error=%s\n", error.what());
    }
    PrintStates(table, cycle);
    std::printf("end cycle=%d current=%d\n", cycle, table.RecNo());
    std::fflush(stdout);
  }
  return 0;
}

int Drives(int argc, char** argv) {
  const std::string command = argv[1];
  ReportingDrives drives;
  if (command == "use" && argc == 6) {
    const bool ok = monitor::NetUse(drives, argv[2], argv[3], argv[4], argv[5]);
    std::printf("use=%d code=%lu\n", ok ? 1 : 0, static_cast<unsigned long>(drives.last));
  } else if (command == "del" && argc == 3) {
    const bool ok = monitor::NetDel(drives, argv[2]);
    std::printf("del=%d code=%lu\n", ok ? 1 : 0, static_cast<unsigned long>(drives.last));
  } else if (command == "path" && argc == 3) {
    const std::string path = monitor::PathForDrive(drives, argv[2]);
    std::printf("path=\"%s\" code=%lu\n", path.c_str(), static_cast<unsigned long>(drives.last));
  } else {
    std::printf("error=usage\n");
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "ping" && argc == 3) return Ping(argv[2]);
  if (command == "echo" && argc == 3) return Echo(argv[2]);
  if (command == "bench" && argc == 4) return Bench(argv[2], std::atoi(argv[3]));
  if (command == "cycle" && argc == 3) return Cycle(argv[2]);
  if (argc > 1) return Drives(argc, argv);
  std::printf("error=usage\n");
  return 2;
}
