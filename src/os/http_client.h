// What the program needs for fetching a small document over the web: one asynchronous HTTP GET.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace os {

// How a transfer ended when no complete answer arrived.
enum class HttpFailure {
  None,              // an answer arrived: status and body are valid
  CannotResolve,     // the host name could not be resolved
  CannotConnect,     // no connection could be made (refused, unreachable, timed out)
  ConnectionBroken,  // the connection broke off after it was made, before the whole body came
  TooLarge,          // the body was longer than the request allowed; reading stopped there
  Other,             // anything else: malformed address, unsupported scheme, protocol errors
};

struct HttpRequest {
  std::string url;  // "http://..." or "https://..."; other schemes fail with Other
  std::string user_agent;
  std::size_t max_body_bytes = 64 * 1024;
};

struct HttpResult {
  HttpFailure failure = HttpFailure::Other;
  int status = 0;         // the server's status code once the answer's head arrived (even when the
                          // body then broke off or was too large); 0 when no answer came
  std::string body;       // the whole body, when failure is None
  long system_error = 0;  // the system's own error code behind a failure, for diagnostics only
};

// A client runs at most one transfer at a time. The request always bypasses every cache on the
// way: it forces a reload from the origin server, stores nothing, and sends "Pragma: no-cache".
class HttpClient {
 public:
  using Completion = std::function<void(const HttpResult& result)>;

  // Ends any running transfer or abandons it: a completion never runs after the client is gone,
  // and the destructor does not wait for the network.
  virtual ~HttpClient() = default;

  // Starts a GET and returns at once. The completion runs exactly once, later, on the thread
  // that called StartGet (which must run a message loop), never from inside StartGet. Returns
  // false, and never runs the completion, when a transfer is still running or none could start.
  // A transfer counts as running until its completion is called: inside the completion,
  // Transferring is false and a new transfer may be started.
  virtual bool StartGet(const HttpRequest& request, Completion completion) = 0;

  virtual bool Transferring() const = 0;
};

}  // namespace os
