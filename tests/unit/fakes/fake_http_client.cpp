// Fake HTTP client: transfers end only when a test completes them.
#include "fakes/fake_http_client.h"

#include <stdexcept>
#include <utility>

namespace fakes {

FakeHttpClient::~FakeHttpClient() {
  // An abandoned transfer never completes.
  log_->pending = nullptr;
  log_->client_destroyed = true;
}

bool FakeHttpClient::StartGet(const os::HttpRequest& request, Completion completion) {
  if (log_->pending) return false;
  log_->requests.push_back(request);
  log_->pending = std::move(completion);
  return true;
}

void CompleteTransfer(FakeHttpLog& log, const os::HttpResult& result) {
  if (!log.pending) throw std::logic_error("no transfer is running");
  // Like the real client: the transfer is over before its completion runs.
  const os::HttpClient::Completion completion = std::exchange(log.pending, nullptr);
  completion(result);
}

os::HttpResult Answer(int status, std::string body) {
  os::HttpResult result;
  result.failure = os::HttpFailure::None;
  result.status = status;
  result.body = std::move(body);
  return result;
}

os::HttpResult Failure(os::HttpFailure failure) {
  os::HttpResult result;
  result.failure = failure;
  return result;
}

}  // namespace fakes
