// The asynchronous HTTP GET: WinINet on a worker thread, the outcome posted back to the thread
// that started it.
#pragma once

#include <windows.h>

#include <memory>

#include "os/http_client.h"
#include "win32/handles.h"

namespace win32 {

// Create and use it on a thread that runs a message loop. The worker touches nothing but the
// transfer's shared state and one PostMessage to the client's own message-only window; the
// destructor marks the state abandoned under its lock, so the worker never posts to a window that
// is gone, and leaves the worker to end on its own (at most the WinINet timeouts later).
class HttpClient final : public os::HttpClient {
 public:
  HttpClient();
  ~HttpClient() override;
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  bool StartGet(const os::HttpRequest& request, Completion completion) override;
  bool Transferring() const override { return transfer_ != nullptr; }

  struct Transfer;  // shared by the client and its worker

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Deliver(WPARAM serial);

  UniqueWindow window_;
  std::shared_ptr<Transfer> transfer_;
  Completion completion_;
  WPARAM next_serial_ = 1;
};

}  // namespace win32
