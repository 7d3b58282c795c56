// Worker-thread HTTP client: one transfer at a time, handed back through a message-only window.
#include "win32/http_client.h"

#include <mutex>
#include <thread>
#include <utility>

#include "win32/http_transfer.h"
#include "win32/window_class.h"

namespace win32 {

struct HttpClient::Transfer {
  std::mutex mutex;
  HWND window = nullptr;  // null once the client has abandoned the transfer
  WPARAM serial = 0;
  os::HttpResult result;
};

namespace {

constexpr char kWindowClass[] = "VardekoHttpClientWindow";
constexpr UINT kTransferDone = WM_APP + 0x48;

void RunTransfer(const std::shared_ptr<HttpClient::Transfer>& transfer,
                 const os::HttpRequest& request) noexcept {
  const auto abandoned = [&] {
    const std::lock_guard lock(transfer->mutex);
    return transfer->window == nullptr;
  };
  os::HttpResult result;
  try {
    result = RunHttpGet(request, abandoned);
  } catch (...) {  // out of memory: an exception must not end the process from this thread
    result = os::HttpResult{};
  }
  const std::lock_guard lock(transfer->mutex);
  if (transfer->window == nullptr) return;
  transfer->result = std::move(result);
  PostMessageA(transfer->window, kTransferDone, transfer->serial, 0);
}

}  // namespace

HttpClient::HttpClient() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterWindowClass(instance, kWindowClass, &HttpClient::WindowProc);
  window_.reset(CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                                nullptr));
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HttpClient::~HttpClient() {
  if (transfer_) {
    const std::lock_guard lock(transfer_->mutex);
    transfer_->window = nullptr;
  }
  // A result already posted dies in the queue with the window.
}

bool HttpClient::StartGet(const os::HttpRequest& request, Completion completion) {
  if (transfer_ || !window_) return false;
  auto transfer = std::make_shared<Transfer>();
  transfer->window = window_.get();
  transfer->serial = next_serial_++;
  try {
    std::thread(RunTransfer, transfer, request).detach();
  } catch (const std::system_error&) {
    return false;
  }
  transfer_ = std::move(transfer);
  completion_ = std::move(completion);
  return true;
}

void HttpClient::Deliver(WPARAM serial) {
  if (!transfer_ || transfer_->serial != serial) return;
  os::HttpResult result;
  {
    const std::lock_guard lock(transfer_->mutex);
    result = std::move(transfer_->result);
  }
  // The transfer is over before the completion runs, which may start the next one.
  transfer_.reset();
  const Completion completion = std::exchange(completion_, nullptr);
  try {
    completion(result);
  } catch (...) {
    // Nothing may leave a window procedure; the completion reports its own errors.
  }
}

LRESULT CALLBACK HttpClient::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kTransferDone) {
    auto* client = reinterpret_cast<HttpClient*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (client != nullptr) client->Deliver(wparam);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace win32
