// Monitor cycle benchmark: what one cycle costs per record when the system answers at once, so
// that only the cycle's own work (table, probe loop, drive logic) is measured. Prints figures.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "fakes/fake_file_system.h"
#include "fakes/fake_icmp.h"
#include "fakes/fake_network_drives.h"
#include "mappings/memory_data.h"
#include "monitor/connection_monitor.h"

namespace {

using Clock = std::chrono::steady_clock;

struct World {
  mappings::MemoryData table{"RxMemoryData1"};
  fakes::FakeIcmp icmp;
  fakes::FakeFileSystem files;
  fakes::FakeNetworkDrives drives;
  monitor::ConnectionMonitor monitor{table, icmp, drives, files};
};

std::string Letter(int i) {
  return std::string(1, static_cast<char>('A' + i % 26)) + ":";
}

// Every host answers, stays silent or refuses the password. There are only 26 letters, so
// mapping i uses the host, share and letter of mapping i % 26 and all of them reach a steady state.
enum class Scenario { kConnected, kSilent, kRefused };

void Fill(World& world, int records, Scenario scenario) {
  world.drives.file_system = &world.files;
  world.drives.local_disks.clear();
  for (int i = 0; i < records; ++i) {
    const std::string host = "server" + std::to_string(i % 26);
    const std::string share = "\\\\" + host + "\\departments\\finance";
    world.drives.OfferShare(share, "administrator", "correct horse");
    if (scenario == Scenario::kConnected) world.drives.Connect(Letter(i), share);
    world.icmp.Standing(host, scenario == Scenario::kSilent ? fakes::EchoOutcome::Silence()
                                                            : fakes::EchoOutcome::Reply());
    world.table.Append();
    world.table.Assign("HostName", host);
    world.table.Assign("UNC", "departments\\finance");
    world.table.Assign("Drive", Letter(i));
    world.table.Assign("UserName", "administrator");
    world.table.Assign("Password", scenario == Scenario::kRefused ? "guess" : "correct horse");
    world.table.Assign("MaxPing", std::int32_t{1000000});
    world.table.Assign("FalseCount", std::int32_t{0});
    world.table.Post();
  }
}

// Nanoseconds per record of one cycle, the best of several runs; the fakes' logs are emptied
// between cycles so that they do not grow into the figure.
double NanosecondsPerRecord(int records, Scenario scenario) {
  World world;
  Fill(world, records, scenario);
  const int cycles = records < 100 ? 2000 : 100;
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    double total = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
      world.icmp.exchanges.clear();
      world.icmp.settings_log.clear();
      world.drives.calls.clear();
      const Clock::time_point start = Clock::now();
      world.monitor.Timer1Timer();
      total += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    }
    best = std::min(best, total / cycles / records);
  }
  return best;
}

}  // namespace

int main() {
  std::printf("monitor cycle over fakes (ns per record, best of 5 rounds)\n");
  const struct {
    const char* name;
    Scenario scenario;
  } scenarios[] = {{"answering, drive connected (query + root check)", Scenario::kConnected},
                   {"silent, below the limit (4 exchanges)", Scenario::kSilent},
                   {"answering, connect refused (query + connect)", Scenario::kRefused}};
  for (const int records : {26, 1000}) {
    for (const auto& s : scenarios) {
      const double ns = NanosecondsPerRecord(records, s.scenario);
      std::printf("  %5d records  %-50s %8.0f ns/record  %9.1f us/cycle\n", records, s.name, ns,
                  ns * records / 1000.0);
    }
  }
  return 0;
}
