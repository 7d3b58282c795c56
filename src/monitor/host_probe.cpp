// The host probe.
#include "monitor/host_probe.h"

#include <exception>
#include <memory>

namespace monitor {

bool Ping1(os::IcmpClientFactory& icmp, const std::string& HostName) {
  const std::unique_ptr<os::IcmpClient> client = icmp.Create();
  client->SetHost(HostName);
  client->SetPort(kProbePort);
  client->SetReceiveTimeout(kProbeReceiveTimeoutMs);
  try {
    for (int request = 1; request <= kProbeMaxRequests; ++request) {
      if (client->Echo() == os::EchoStatus::kEchoReply) return true;
    }
  } catch (const std::exception&) {
    // A host that cannot be reached this way does not answer; trying again would fail alike.
  }
  return false;
}

}  // namespace monitor
