// The monitor cycle over several cycles: the walk, the course of the count, and the cases that
// repeat from cycle to cycle.
#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include "mappings/table_observer.h"
#include "monitor_fixture.h"

namespace monitor_test {
namespace {

using fakes::EchoOutcome;

const std::string kConnect = "add E: " + kShare + " user=alice password=secret";

// Notes how many echo requests had been sent whenever a record was posted.
class PostLog final : public mappings::TableObserver {
 public:
  explicit PostLog(const fakes::FakeIcmp& icmp) : icmp_(icmp) {}
  void TableChanged() override { requests_at_post.push_back(icmp_.exchanges.size()); }
  void CursorMoved() override {}
  std::vector<std::size_t> requests_at_post;

 private:
  const fakes::FakeIcmp& icmp_;
};

class MonitorCycleTest : public MonitorFixture {};

TEST_F(MonitorCycleTest, AnEmptyTableIsLeftAlone) {
  monitor.Timer1Timer();
  EXPECT_EQ(icmp.clients_created, 0);
  EXPECT_TRUE(drives.calls.empty());
}

TEST_F(MonitorCycleTest, PostsEachRecordOnceBeforeProbingTheNextAndEndsOnTheLast) {
  icmp.Standing("quiet", EchoOutcome::Silence());
  Add({.host = "fileserver"});
  Add({.host = "quiet", .drive = "F:"});
  Add({.host = "fileserver", .drive = "G:"});
  table.SetRecNo(1);
  PostLog posts(icmp);
  table.AddObserver(posts);

  monitor.Timer1Timer();

  table.RemoveObserver(posts);
  EXPECT_EQ(posts.requests_at_post, (std::vector<std::size_t>{1, 5, 6}));
  EXPECT_EQ(table.RecNo(), 3);
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(State(0), "On=True FalseCount=0 Maped=True");
  EXPECT_EQ(State(1), "On=False FalseCount=1 Maped=");
  EXPECT_EQ(State(2), "On=True FalseCount=0 Maped=True");
}

// An error ends the cycle at its record: those before keep their update, those after are not
// visited, and the next cycle starts again from the first record.
TEST_F(MonitorCycleTest, AnEscapingErrorEndsTheCycleAtThatRecord) {
  Add({});
  Add({.drive = "F:"});
  Add({.drive = "G:"});
  icmp.fail_creation_from = 2;

  EXPECT_THROW(monitor.Timer1Timer(), std::runtime_error);
  EXPECT_EQ(State(0), "On=True FalseCount=0 Maped=True");
  EXPECT_EQ(State(1), "On= FalseCount=0 Maped=");
  EXPECT_EQ(State(2), "On= FalseCount=0 Maped=");

  icmp.fail_creation_from.reset();
  monitor.Timer1Timer();
  EXPECT_EQ(State(1), "On=True FalseCount=0 Maped=True");
  EXPECT_EQ(State(2), "On=True FalseCount=0 Maped=True");
  EXPECT_EQ(table.RecNo(), 3);
}

TEST_F(MonitorCycleTest, WithMaxPing5TheDriveIsDroppedAtTheSixthFailureInARow) {
  Add({.max_ping = 5});
  monitor.Timer1Timer();
  ASSERT_EQ(State(), "On=True FalseCount=0 Maped=True");

  HostAnswers(false);
  const std::vector<int> counts = {1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1};
  for (std::size_t cycle = 0; cycle < counts.size(); ++cycle) {
    const std::vector<std::string> calls = CycleCalls();
    const bool sixth = cycle == 5;
    EXPECT_EQ(calls, sixth ? std::vector<std::string>{"cancel E:"} : std::vector<std::string>{})
        << "failure " << cycle + 1;
    EXPECT_EQ(State(), "On=False FalseCount=" + std::to_string(counts[cycle]) +
                           " Maped=" + (cycle < 5 ? "True" : "False"))
        << "failure " << cycle + 1;
  }

  HostAnswers(true);
  EXPECT_EQ(CycleCalls(), (std::vector<std::string>{"get E:", kConnect}));
  EXPECT_EQ(State(), "On=True FalseCount=0 Maped=True");
}

class NoToleranceTest : public MonitorFixture, public ::testing::WithParamInterface<int> {};

TEST_P(NoToleranceTest, EveryFailureIsALimitEvent) {
  Add({.max_ping = GetParam()});
  monitor.Timer1Timer();
  HostAnswers(false);
  EXPECT_EQ(CycleCalls(), std::vector<std::string>{"cancel E:"});
  EXPECT_EQ(State(), "On=False FalseCount=1 Maped=False");
  EXPECT_TRUE(CycleCalls().empty());
  EXPECT_EQ(State(), "On=False FalseCount=1 Maped=False");
}

INSTANTIATE_TEST_SUITE_P(MaxPing, NoToleranceTest, ::testing::Values(0, -1, INT_MIN));

// A failed disconnect keeps Maped, so the next limit event tries again.
TEST_F(MonitorCycleTest, ADisconnectThatFailsAtTheLimitIsRetriedAtTheNextLimit) {
  Add({.max_ping = 2});
  monitor.Timer1Timer();
  drives.cancel_failures["E:"] = 1222;
  HostAnswers(false);

  std::vector<std::string> calls;
  for (int failure = 1; failure <= 3; ++failure) calls = CycleCalls();
  EXPECT_EQ(calls, std::vector<std::string>{"cancel E:"});
  EXPECT_EQ(State(), "On=False FalseCount=1 Maped=True");

  drives.cancel_failures.clear();
  EXPECT_TRUE(CycleCalls().empty());
  EXPECT_EQ(CycleCalls(), std::vector<std::string>{"cancel E:"});
  EXPECT_EQ(State(), "On=False FalseCount=1 Maped=False");
  EXPECT_FALSE(drives.connections.contains("E:"));
}

// A connection the program did not make is its own: failures never drop it.
TEST_F(MonitorCycleTest, ADriveConnectedBeforeStartIsTakenOverOnlyWhenTheHostAnswers) {
  drives.Connect("E:", kShare);
  Add({.max_ping = 1});
  HostAnswers(false);
  for (int failure = 1; failure <= 4; ++failure) EXPECT_TRUE(CycleCalls().empty());

  HostAnswers(true);
  EXPECT_EQ(CycleCalls(), std::vector<std::string>{"get E:"});
  EXPECT_EQ(State(), "On=True FalseCount=0 Maped=True");
}

// The connect is made with the trimmed path, and that is what the system reports back; the drive
// must then count as connected to its share, not be dropped and connected again every cycle.
TEST_F(MonitorCycleTest, AShareWithTrailingBlanksIsConnectedOnceAndThenKept) {
  Add({.unc = "public  "});
  EXPECT_EQ(CycleCalls(), (std::vector<std::string>{"get E:", kConnect}));
  for (int cycle = 2; cycle <= 4; ++cycle) {
    EXPECT_EQ(CycleCalls(), std::vector<std::string>{"get E:"}) << "cycle " << cycle;
    EXPECT_EQ(State(), "On=True FalseCount=0 Maped=True");
  }
}

TEST_F(MonitorCycleTest, APathInOtherLetterCaseIsConnectedAgainOnceAndThenMatches) {
  drives.Connect("E:", "\\\\FILESERVER\\public");
  Add({});
  EXPECT_EQ(CycleCalls(), (std::vector<std::string>{"get E:", "cancel E:", kConnect}));
  EXPECT_EQ(CycleCalls(), std::vector<std::string>{"get E:"});
  EXPECT_EQ(drives.connections.at("E:"), kShare);
}

TEST_F(MonitorCycleTest, ALocalDiskLetterIsTriedEveryCycleAndNeverDisconnected) {
  Add({.drive = "C:", .max_ping = 0});
  const std::vector<std::string> attempt = {"get C:",
                                            "add C: " + kShare + " user=alice password=secret"};
  for (int cycle = 1; cycle <= 3; ++cycle) {
    EXPECT_EQ(CycleCalls(), attempt) << "cycle " << cycle;
    EXPECT_EQ(State(), "On=True FalseCount=0 Maped=False");
  }
  HostAnswers(false);
  EXPECT_TRUE(CycleCalls().empty());
  EXPECT_TRUE(files.FolderExists("C:\\"));
}

TEST_F(MonitorCycleTest, AnEmptyDriveConnectsWithoutALetterEveryCycle) {
  Add({.drive = ""});
  const std::vector<std::string> attempt = {"get ",
                                            "add  " + kShare + " user=alice password=secret"};
  EXPECT_EQ(CycleCalls(), attempt);
  EXPECT_EQ(CycleCalls(), attempt);
  EXPECT_EQ(State(), "On=True FalseCount=0 Maped=True");
  EXPECT_EQ(drives.deviceless.size(), 2u);
}

TEST_F(MonitorCycleTest, WrongCredentialsAreTriedAgainInEveryAnsweredCycle) {
  Add({.password = "guess"});
  for (int cycle = 1; cycle <= 3; ++cycle) {
    EXPECT_EQ(CycleCalls(), (std::vector<std::string>{
                                "get E:", "add E: " + kShare + " user=alice password=guess"}));
    EXPECT_EQ(State(), "On=True FalseCount=0 Maped=False");
  }
}

TEST_F(MonitorCycleTest, AnUnreachableRootIsDroppedAndConnectedAgainNextCycle) {
  Add({});
  monitor.Timer1Timer();
  files.folders.erase("E:");
  EXPECT_EQ(CycleCalls(), (std::vector<std::string>{"get E:", "cancel E:"}));
  EXPECT_EQ(State(), "On=True FalseCount=0 Maped=False");
  EXPECT_EQ(CycleCalls(), (std::vector<std::string>{"get E:", kConnect}));
  EXPECT_EQ(State(), "On=True FalseCount=0 Maped=True");
}

TEST_F(MonitorCycleTest, AnOutcomeOtherThanZeroOrOneChangesNothing) {
  Add({});
  PostLog posts(icmp);
  table.AddObserver(posts);
  monitor.Ping1EchoReply(2);
  monitor.Ping1EchoReply(-1);
  table.RemoveObserver(posts);
  EXPECT_TRUE(posts.requests_at_post.empty());
  EXPECT_TRUE(drives.calls.empty());
  EXPECT_EQ(State(), "On= FalseCount=0 Maped=");
}

}  // namespace
}  // namespace monitor_test
