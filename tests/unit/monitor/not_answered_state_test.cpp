// A host that did not answer: every row of the state table, as one case each.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "monitor_fixture.h"

namespace monitor_test {
namespace {

struct NotAnsweredCase {
  const char* name;
  std::optional<std::int32_t> false_count;  // before; none reads as 0
  std::int32_t max_ping;
  std::optional<bool> maped;  // before; none reads as false
  bool disconnect_fails;
  std::vector<std::string> drive_calls;
  std::string after;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NotAnsweredCase& c, std::ostream* os) {
  *os << c.name;
}

class NotAnsweredTest : public MonitorFixture,
                        public ::testing::WithParamInterface<NotAnsweredCase> {};

TEST_P(NotAnsweredTest, CountsTheFailureAndDropsTheDriveOnlyAtTheLimit) {
  const NotAnsweredCase& c = GetParam();
  HostAnswers(false);
  drives.Connect("E:", kShare);
  if (c.disconnect_fails) drives.cancel_failures["E:"] = 1222;  // ERROR_NO_NETWORK
  Mapping mapping;
  mapping.false_count = c.false_count;
  mapping.max_ping = c.max_ping;
  mapping.maped = c.maped;
  Add(mapping);

  EXPECT_EQ(CycleCalls(), c.drive_calls);
  EXPECT_EQ(State(), c.after);
  EXPECT_EQ(drives.connections.contains("E:"), c.drive_calls.empty() || c.disconnect_fails);
}

const std::vector<std::string> kNone;
const std::vector<std::string> kCancel = {"cancel E:"};

INSTANTIATE_TEST_SUITE_P(
    StateTable, NotAnsweredTest,
    ::testing::Values(NotAnsweredCase{"BelowTheLimit", 2, 5, true, false, kNone,
                                      "On=False FalseCount=3 Maped=True"},
                      NotAnsweredCase{"BelowTheLimitWithNoStateYet", std::nullopt, 5, std::nullopt,
                                      false, kNone, "On=False FalseCount=1 Maped="},
                      NotAnsweredCase{"AtTheLimitNotMapped", 5, 5, false, false, kNone,
                                      "On=False FalseCount=1 Maped=False"},
                      NotAnsweredCase{"AtTheLimitNeverMapped", 5, 5, std::nullopt, false, kNone,
                                      "On=False FalseCount=1 Maped="},
                      NotAnsweredCase{"AtTheLimitMapped", 5, 5, true, false, kCancel,
                                      "On=False FalseCount=1 Maped=False"},
                      NotAnsweredCase{"PastTheLimitMapped", 9, 5, true, false, kCancel,
                                      "On=False FalseCount=1 Maped=False"},
                      NotAnsweredCase{"AtTheLimitMappedDisconnectFails", 5, 5, true, true, kCancel,
                                      "On=False FalseCount=1 Maped=True"},
                      NotAnsweredCase{"LimitZeroFirstFailure", 0, 0, true, false, kCancel,
                                      "On=False FalseCount=1 Maped=False"},
                      NotAnsweredCase{"NegativeLimitFirstFailure", 0, -3, true, false, kCancel,
                                      "On=False FalseCount=1 Maped=False"},
                      NotAnsweredCase{"LowestLimit", std::nullopt, INT32_MIN, true, false, kCancel,
                                      "On=False FalseCount=1 Maped=False"},
                      NotAnsweredCase{"HighestLimitReached", INT32_MAX, INT32_MAX, true, false,
                                      kCancel, "On=False FalseCount=1 Maped=False"}),
    [](const auto& info) { return std::string(info.param.name); });

// The drive is dropped under its trimmed text, as every connect and disconnect is made.
TEST_F(NotAnsweredTest, DisconnectsTheTrimmedDrive) {
  HostAnswers(false);
  Mapping mapping;
  mapping.drive = "E\t";
  mapping.false_count = 5;
  mapping.maped = true;
  Add(mapping);
  EXPECT_EQ(CycleCalls(), std::vector<std::string>{"cancel E"});
}

}  // namespace
}  // namespace monitor_test
