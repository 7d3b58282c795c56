// An HTTP client for tests: records each request and completes it when the test says so.
#pragma once

#include <memory>
#include <vector>

#include "os/http_client.h"

namespace fakes {

// The test keeps a FakeHttpLog while the client itself is handed to (and owned by) the code under
// test; the log outlives the client, so a test can still look after the owner is gone.
struct FakeHttpLog {
  std::vector<os::HttpRequest> requests;  // every transfer started, in order
  os::HttpClient::Completion pending;     // the running transfer's completion, if any
  bool client_destroyed = false;
};

class FakeHttpClient : public os::HttpClient {
 public:
  explicit FakeHttpClient(std::shared_ptr<FakeHttpLog> log) : log_(std::move(log)) {}
  ~FakeHttpClient() override;

  bool StartGet(const os::HttpRequest& request, Completion completion) override;
  bool Transferring() const override { return static_cast<bool>(log_->pending); }

 private:
  std::shared_ptr<FakeHttpLog> log_;
};

// Ends the running transfer with this result, as the message loop would deliver it.
void CompleteTransfer(FakeHttpLog& log, const os::HttpResult& result);

os::HttpResult Answer(int status, std::string body);
os::HttpResult Failure(os::HttpFailure failure);

}  // namespace fakes
