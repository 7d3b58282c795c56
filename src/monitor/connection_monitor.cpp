// The monitor cycle.
#include "monitor/connection_monitor.h"

#include <cstdint>

#include "monitor/drive_operations.h"
#include "monitor/host_probe.h"
#include "monitor/trimmed_text.h"

namespace monitor {

std::string ExpectedSharePath(const std::string& host_name, const std::string& unc) {
  return "\\\\" + host_name + "\\" + unc;
}

void ConnectionMonitor::Timer1Timer() {
  table_.First();
  while (!table_.Eof()) {
    const bool answered = Ping1(icmp_, table_.AsString("HostName"));
    Ping1EchoReply(answered ? kAnswered : kNotAnswered);
    table_.Next();
  }
}

void ConnectionMonitor::Ping1EchoReply(int outcome) {
  if (outcome == kNotAnswered) {
    ApplyNotAnswered();
  } else if (outcome == kAnswered) {
    ApplyAnswered();
  }
}

// Counts failed probes in a row. At the limit the drive is dropped, but only when the program
// holds it; a failed disconnect keeps Maped true so that the next limit tries again. The count
// then starts over at 1, since this failure is the first of the next round.
void ConnectionMonitor::ApplyNotAnswered() {
  table_.Edit();
  if (table_.AsInteger("FalseCount") >= table_.AsInteger("MaxPing")) {
    if (table_.AsBoolean("Maped") && NetDel(drives_, TrimmedText(table_.AsString("Drive")))) {
      table_.Assign("Maped", false);
    }
    table_.Assign("FalseCount", std::int32_t{0});
  }
  table_.Assign("Connected", false);
  table_.Assign("FalseCount", table_.AsInteger("FalseCount") + 1);
  table_.Post();
}

void ConnectionMonitor::ApplyAnswered() {
  table_.Edit();
  table_.Assign("Maped", ReconcileDrive());
  table_.Assign("Connected", true);
  table_.Assign("FalseCount", std::int32_t{0});
  table_.Post();
}

// The drive is asked for as stored, and the values handed to a connect are trimmed. The system
// reports a connection under the path it was given, so the path is compared in its trimmed form
// as well: compared as stored, a share path with trailing blanks would never match, and the drive
// would be disconnected by force, open files and all, and connected again at every cycle.
bool ConnectionMonitor::ReconcileDrive() {
  const std::string drive = table_.AsString("Drive");
  const std::string reported = PathForDrive(drives_, drive);
  const std::string expected =
      TrimmedText(ExpectedSharePath(table_.AsString("HostName"), table_.AsString("UNC")));
  if (reported != expected) {
    if (!reported.empty()) NetDel(drives_, TrimmedText(drive));
    return NetUse(drives_, TrimmedText(drive), expected, TrimmedText(table_.AsString("Password")),
                  TrimmedText(table_.AsString("UserName")));
  }
  if (files_.FolderExists(TrimmedText(drive + "\\"))) return true;
  // Connected to the right share but the share cannot be reached: let go, connect afresh later.
  NetDel(drives_, TrimmedText(drive));
  return false;
}

}  // namespace monitor
