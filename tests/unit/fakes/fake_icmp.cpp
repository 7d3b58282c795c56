// Scripted ICMP.
#include "fakes/fake_icmp.h"

#include <algorithm>
#include <stdexcept>

namespace fakes {
namespace {

class FakeIcmpClient final : public os::IcmpClient {
 public:
  FakeIcmpClient(FakeIcmp& icmp, int number) : icmp_(icmp), number_(number) {
    ++icmp_.clients_alive;
  }
  ~FakeIcmpClient() override { --icmp_.clients_alive; }
  FakeIcmpClient(const FakeIcmpClient&) = delete;
  FakeIcmpClient& operator=(const FakeIcmpClient&) = delete;

  void SetHost(const std::string& host) override {
    icmp_.settings_log.push_back("host=" + host);
    if (icmp_.refuse_host == host) throw std::runtime_error("refused host " + host);
    host_ = host;
  }
  void SetPort(int port) override {
    icmp_.settings_log.push_back("port=" + std::to_string(port));
    port_ = port;
  }
  void SetReceiveTimeout(int milliseconds) override {
    icmp_.settings_log.push_back("timeout=" + std::to_string(milliseconds));
    timeout_ms_ = milliseconds;
  }

  os::EchoStatus Echo() override {
    icmp_.exchanges.push_back({number_, host_, port_, timeout_ms_});
    const EchoOutcome outcome = icmp_.NextOutcome(host_);
    if (outcome.raises) throw os::IcmpError("scripted failure for " + host_);
    return outcome.status;
  }

 private:
  FakeIcmp& icmp_;
  int number_;
  std::string host_;
  int port_ = 0;
  int timeout_ms_ = 5000;
};

}  // namespace

std::unique_ptr<os::IcmpClient> FakeIcmp::Create() {
  if (fail_creation_from && clients_created + 1 >= *fail_creation_from) {
    throw std::runtime_error("Cannot create the ICMP client");
  }
  ++clients_created;
  return std::make_unique<FakeIcmpClient>(*this, clients_created);
}

void FakeIcmp::Script(const std::string& host, const std::vector<EchoOutcome>& outcomes) {
  auto& queue = scripts_[host];
  queue.insert(queue.end(), outcomes.begin(), outcomes.end());
}

int FakeIcmp::ExchangesWith(const std::string& host) const {
  return static_cast<int>(std::count_if(exchanges.begin(), exchanges.end(),
                                        [&](const Exchange& e) { return e.host == host; }));
}

EchoOutcome FakeIcmp::NextOutcome(const std::string& host) {
  const auto script = scripts_.find(host);
  if (script != scripts_.end() && !script->second.empty()) {
    const EchoOutcome next = script->second.front();
    script->second.pop_front();
    return next;
  }
  const auto standing = standing_.find(host);
  return standing == standing_.end() ? EchoOutcome::Silence() : standing->second;
}

}  // namespace fakes
