// The host probe: does this host answer an ICMP echo request right now?
#pragma once

#include <string>

#include "os/icmp_client.h"

namespace monitor {

// Settings every probe gives its client before the first request.
inline constexpr int kProbePort = 80;  // ICMP has no ports; kept as the client's setting
inline constexpr int kProbeReceiveTimeoutMs = 500;
inline constexpr int kProbeMaxRequests = 4;

// True when one of at most four echo requests was answered; stops at the first answer. The host
// text goes to the client exactly as given. Every error of an exchange ends the probe with false
// and no further request. A fresh client is made for each call and destroyed before it returns,
// whatever happened; an error while making or configuring it is not absorbed and reaches the
// caller.
bool Ping1(os::IcmpClientFactory& icmp, const std::string& HostName);

}  // namespace monitor
