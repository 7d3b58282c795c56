// A scripted ICMP: each host answers, stays silent or fails as a test says; exchanges are logged.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "os/icmp_client.h"

namespace fakes {

// What one exchange with a host does: end with a status, or throw os::IcmpError.
struct EchoOutcome {
  os::EchoStatus status = os::EchoStatus::kTimedOut;
  bool raises = false;

  static EchoOutcome Reply() { return {os::EchoStatus::kEchoReply, false}; }
  static EchoOutcome Silence() { return {os::EchoStatus::kTimedOut, false}; }
  static EchoOutcome Report(os::EchoStatus status) { return {status, false}; }
  static EchoOutcome Error() { return {os::EchoStatus::kTimedOut, true}; }
};

// Hosts are matched by their exact text. A host nobody set up stays silent.
class FakeIcmp : public os::IcmpClientFactory {
 public:
  std::unique_ptr<os::IcmpClient> Create() override;

  // Every exchange with the host ends this way from now on.
  void Standing(const std::string& host, EchoOutcome outcome) { standing_[host] = outcome; }
  // The next exchanges with the host end these ways, in order; then the standing outcome again.
  void Script(const std::string& host, const std::vector<EchoOutcome>& outcomes);

  // One exchange as the client saw it, with the settings it had at that moment.
  struct Exchange {
    int client;  // 1-based number of the client, in order of creation
    std::string host;
    int port;
    int receive_timeout_ms;
  };
  std::vector<Exchange> exchanges;
  int ExchangesWith(const std::string& host) const;

  int clients_created = 0;
  int clients_alive = 0;
  // Settings given, as "host=..", "port=..", "timeout=..", in order, across all clients.
  std::vector<std::string> settings_log;

  // Create throws std::runtime_error on this creation (1-based) and every later one.
  std::optional<int> fail_creation_from;
  // SetHost throws std::runtime_error for this host text.
  std::optional<std::string> refuse_host;

  EchoOutcome NextOutcome(const std::string& host);

 private:
  std::map<std::string, EchoOutcome> standing_;
  std::map<std::string, std::deque<EchoOutcome>> scripts_;
};

}  // namespace fakes
