// One blocking HTTP GET through WinINet, for the HTTP client's worker thread.
#pragma once

#include <functional>

#include "os/http_client.h"

namespace win32 {

// Runs the whole request on the calling thread and reports how it ended. `abandoned` is asked
// between reads; once it answers true the transfer stops early (its result no longer matters).
os::HttpResult RunHttpGet(const os::HttpRequest& request, const std::function<bool()>& abandoned);

}  // namespace win32
