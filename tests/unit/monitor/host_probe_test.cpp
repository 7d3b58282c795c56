// The host probe: requests sent, when it stops, what it absorbs and what it lets through.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_icmp.h"
#include "monitor/host_probe.h"

namespace monitor {
namespace {

using fakes::EchoOutcome;
using os::EchoStatus;

struct ProbeCase {
  const char* name;
  std::vector<EchoOutcome> exchanges;  // how the host's exchanges end, in order
  bool answered;
  int requests;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ProbeCase& c, std::ostream* os) {
  *os << c.name;
}

class ProbeTest : public ::testing::TestWithParam<ProbeCase> {
 protected:
  fakes::FakeIcmp icmp;
};

TEST_P(ProbeTest, StopsAtTheFirstReplyTheFirstErrorOrTheFourthRequest) {
  // Whatever is not scripted would answer: a fifth request would be seen as an answer.
  icmp.Standing("host", EchoOutcome::Reply());
  icmp.Script("host", GetParam().exchanges);

  EXPECT_EQ(Ping1(icmp, "host"), GetParam().answered);
  EXPECT_EQ(icmp.ExchangesWith("host"), GetParam().requests);
  EXPECT_EQ(icmp.clients_created, 1);
  EXPECT_EQ(icmp.clients_alive, 0);
}

const EchoOutcome kReply = EchoOutcome::Reply();
const EchoOutcome kSilence = EchoOutcome::Silence();
const EchoOutcome kError = EchoOutcome::Error();

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ProbeTest,
    ::testing::Values(
        ProbeCase{"AnswersAtOnce", {kReply}, true, 1},
        ProbeCase{"AnswersTheThirdRequest", {kSilence, kSilence, kReply}, true, 3},
        ProbeCase{"AnswersTheFourthRequest", {kSilence, kSilence, kSilence, kReply}, true, 4},
        ProbeCase{"Silent", {kSilence, kSilence, kSilence, kSilence}, false, 4},
        ProbeCase{"ReportsAreNotAnswers",
                  {EchoOutcome::Report(EchoStatus::kUnreachable),
                   EchoOutcome::Report(EchoStatus::kTimeExceeded),
                   EchoOutcome::Report(EchoStatus::kOtherReport), kSilence},
                  false,
                  4},
        ProbeCase{"ErrorOnTheFirstExchange", {kError}, false, 1},
        ProbeCase{"ErrorAfterTwoSilences", {kSilence, kSilence, kError}, false, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProbeSettingsTest, GivesTheHostUnchangedPort80And500MsBeforeTheFirstRequest) {
  fakes::FakeIcmp icmp;
  EXPECT_FALSE(Ping1(icmp, " file server\t"));
  EXPECT_EQ(icmp.settings_log,
            (std::vector<std::string>{"host= file server\t", "port=80", "timeout=500"}));
  ASSERT_EQ(icmp.exchanges.size(), 4u);
  for (const auto& exchange : icmp.exchanges) {
    EXPECT_EQ(exchange.host, " file server\t");
    EXPECT_EQ(exchange.port, 80);
    EXPECT_EQ(exchange.receive_timeout_ms, 500);
  }
}

// A second probe makes its own client and has its full four requests again.
TEST(ProbeSettingsTest, TwoProbesOfOneHostShareNothing) {
  fakes::FakeIcmp icmp;
  icmp.Script("host", {kSilence, kSilence, kSilence, kSilence, kSilence, kSilence, kSilence});
  icmp.Standing("host", EchoOutcome::Reply());

  EXPECT_FALSE(Ping1(icmp, "host"));
  EXPECT_TRUE(Ping1(icmp, "host"));
  ASSERT_EQ(icmp.exchanges.size(), 8u);
  EXPECT_EQ(icmp.exchanges[3].client, 1);
  EXPECT_EQ(icmp.exchanges[4].client, 2);
  EXPECT_EQ(icmp.clients_alive, 0);
}

// Trouble before the first request is not a host that fails to answer: it reaches the caller.
TEST(ProbeSettingsTest, AnErrorWhileMakingOrConfiguringTheClientReachesTheCaller) {
  fakes::FakeIcmp icmp;
  icmp.fail_creation_from = 1;
  EXPECT_THROW(Ping1(icmp, "host"), std::runtime_error);

  fakes::FakeIcmp refusing;
  refusing.refuse_host = "host";
  EXPECT_THROW(Ping1(refusing, "host"), std::runtime_error);
  EXPECT_TRUE(refusing.exchanges.empty());
  EXPECT_EQ(refusing.clients_alive, 0);
}

}  // namespace
}  // namespace monitor
