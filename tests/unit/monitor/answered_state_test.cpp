// A host that answered: every row of the state table, as one case each.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "monitor_fixture.h"

namespace monitor_test {
namespace {

const std::string kConnect = "add E: " + kShare + " user=alice password=secret";
const std::string kRefusedConnect = "add E: " + kShare + " user=alice password=guess";

struct AnsweredCase {
  const char* name;
  std::optional<std::string> connected_to;  // E:'s connection before the cycle
  bool root_reachable;
  std::string password;  // of the mapping; the share takes "secret"
  std::vector<std::string> drive_calls;
  std::string after;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const AnsweredCase& c, std::ostream* os) {
  *os << c.name;
}

class AnsweredTest : public MonitorFixture, public ::testing::WithParamInterface<AnsweredCase> {};

TEST_P(AnsweredTest, BringsTheDriveInLineAndResetsTheCount) {
  const AnsweredCase& c = GetParam();
  if (c.connected_to) drives.Connect("E:", *c.connected_to);
  if (!c.root_reachable) files.folders.erase("E:");
  Mapping mapping;
  mapping.password = c.password;
  mapping.false_count = 3;
  mapping.maped = false;
  Add(mapping);

  EXPECT_EQ(CycleCalls(), c.drive_calls);
  EXPECT_EQ(State(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    StateTable, AnsweredTest,
    ::testing::Values(AnsweredCase{"NotConnectedConnects",
                                   std::nullopt,
                                   true,
                                   "secret",
                                   {"get E:", kConnect},
                                   "On=True FalseCount=0 Maped=True"},
                      AnsweredCase{"NotConnectedConnectRefused",
                                   std::nullopt,
                                   true,
                                   "guess",
                                   {"get E:", kRefusedConnect},
                                   "On=True FalseCount=0 Maped=False"},
                      AnsweredCase{"ConnectedElsewhereIsMovedToTheShare",
                                   "\\\\oldserver\\archive",
                                   true,
                                   "secret",
                                   {"get E:", "cancel E:", kConnect},
                                   "On=True FalseCount=0 Maped=True"},
                      AnsweredCase{"ConnectedElsewhereConnectRefused",
                                   "\\\\oldserver\\archive",
                                   true,
                                   "guess",
                                   {"get E:", "cancel E:", kRefusedConnect},
                                   "On=True FalseCount=0 Maped=False"},
                      AnsweredCase{"ConnectedUnderOtherLetterCaseIsConnectedAgain",
                                   "\\\\FILESERVER\\public",
                                   true,
                                   "secret",
                                   {"get E:", "cancel E:", kConnect},
                                   "On=True FalseCount=0 Maped=True"},
                      AnsweredCase{"ConnectedToTheShareIsKept",
                                   kShare,
                                   true,
                                   "secret",
                                   {"get E:"},
                                   "On=True FalseCount=0 Maped=True"},
                      AnsweredCase{"ConnectedToTheShareButRootUnreachableIsDropped",
                                   kShare,
                                   false,
                                   "secret",
                                   {"get E:", "cancel E:"},
                                   "On=True FalseCount=0 Maped=False"}),
    [](const auto& info) { return std::string(info.param.name); });

// The query gets the drive as stored; the connect gets the trimmed drive, path and credentials.
TEST_F(AnsweredTest, AsksForTheStoredDriveAndConnectsWithTrimmedValues) {
  drives.OfferShare("\\\\fileserver\\public docs", "alice", "secret");
  Mapping mapping;
  mapping.drive = "\tE";
  mapping.unc = "public docs";
  mapping.user = " alice\r\n";
  mapping.password = "\x01secret ";
  Add(mapping);
  EXPECT_EQ(CycleCalls(),
            (std::vector<std::string>{
                "get \tE", "add E \\\\fileserver\\public docs user=alice password=secret"}));
}

}  // namespace
}  // namespace monitor_test
