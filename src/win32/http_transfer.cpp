// WinINet GET: cache bypassed on every level, body size capped, failures sorted by where they hit.
#include "win32/http_transfer.h"

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>

#include "win32/internet_handle.h"

namespace win32 {
namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kReadChunk = 8192;

// Nothing is taken from or put into the cache, no cookies are kept, and WinINet shows no dialog.
// A redirect from http to https is followed; one from https to http is not.
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_COOKIES |
                                INTERNET_FLAG_NO_UI | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;

struct Target {
  bool secure = false;
  std::string host;
  INTERNET_PORT port = 0;
  std::string object;  // path and query, without the fragment
};

std::optional<Target> CrackUrl(const std::string& url) {
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  // Non-zero lengths with null pointers: WinINet points into `url` instead of copying.
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
  if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) {
    return std::nullopt;
  }
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
    return std::nullopt;
  }
  if (parts.lpszHostName == nullptr || parts.dwHostNameLength == 0) return std::nullopt;
  Target target;
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  target.port = parts.nPort;
  if (parts.lpszUrlPath != nullptr) target.object.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo != nullptr) {
    target.object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  }
  target.object = target.object.substr(0, target.object.find('#'));
  if (target.object.empty()) target.object = "/";
  return target;
}

os::HttpResult Failed(os::HttpFailure failure, DWORD error) {
  os::HttpResult result;
  result.failure = failure;
  result.system_error = static_cast<long>(error);
  return result;
}

// A failure of sending the request and reading the answer's head. The connection itself is made
// during the send, so its faults show here too.
os::HttpResult SendFailed(DWORD error) {
  switch (error) {
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
      return Failed(os::HttpFailure::CannotResolve, error);
    case ERROR_INTERNET_CANNOT_CONNECT:
    case ERROR_INTERNET_TIMEOUT:  // a host that never answers, or a server that never replies
      return Failed(os::HttpFailure::CannotConnect, error);
    case ERROR_INTERNET_CONNECTION_ABORTED:
    case ERROR_INTERNET_CONNECTION_RESET:
      return Failed(os::HttpFailure::ConnectionBroken, error);
    default:
      return Failed(os::HttpFailure::Other, error);
  }
}

void SetTimeouts(HINTERNET session) {
  for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                             INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD value = kTimeoutMs;
    InternetSetOptionA(session, option, &value, sizeof value);
  }
}

std::optional<DWORD> QueryNumber(HINTERNET request, DWORD what) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!HttpQueryInfoA(request, what | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) {
    return std::nullopt;
  }
  return value;
}

// Reads the body of an answer whose head has arrived; `result` already holds the status.
void ReadBody(HINTERNET request, const os::HttpRequest& wanted,
              const std::function<bool()>& abandoned, os::HttpResult& result) {
  const auto announced = QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH);
  if (announced && *announced > wanted.max_body_bytes) {
    result.failure = os::HttpFailure::TooLarge;
    return;
  }
  std::string chunk(kReadChunk, '\0');
  for (;;) {
    if (abandoned()) {
      result.failure = os::HttpFailure::Other;
      return;
    }
    DWORD read = 0;
    if (!InternetReadFile(request, chunk.data(), kReadChunk, &read)) {
      result.failure = os::HttpFailure::ConnectionBroken;
      result.system_error = static_cast<long>(GetLastError());
      return;
    }
    if (read == 0) break;
    if (result.body.size() + read > wanted.max_body_bytes) {
      result.failure = os::HttpFailure::TooLarge;
      return;
    }
    result.body.append(chunk, 0, read);
  }
  // WinINet reports a connection closed early as a normal end; the announced length tells.
  const bool cut_short = announced && result.body.size() < *announced;
  result.failure = cut_short ? os::HttpFailure::ConnectionBroken : os::HttpFailure::None;
}

}  // namespace

os::HttpResult RunHttpGet(const os::HttpRequest& wanted, const std::function<bool()>& abandoned) {
  const auto target = CrackUrl(wanted.url);
  if (!target) return Failed(os::HttpFailure::Other, ERROR_INTERNET_INVALID_URL);

  const UniqueInternet session(
      InternetOpenA(wanted.user_agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return Failed(os::HttpFailure::Other, GetLastError());
  SetTimeouts(session.get());
  const UniqueInternet connection(InternetConnectA(session.get(), target->host.c_str(),
                                                   target->port, nullptr, nullptr,
                                                   INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return SendFailed(GetLastError());
  const DWORD flags = kRequestFlags | (target->secure ? INTERNET_FLAG_SECURE : 0);
  const UniqueInternet request(HttpOpenRequestA(connection.get(), "GET", target->object.c_str(),
                                                nullptr, nullptr, nullptr, flags, 0));
  if (!request) return Failed(os::HttpFailure::Other, GetLastError());
  SetTimeouts(request.get());  // Wine takes them from the request handle only
  // Proxies and caches on the way must not answer from their store either.
  HttpAddRequestHeadersA(request.get(), "Pragma: no-cache\r\n", static_cast<DWORD>(-1),
                         HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return SendFailed(GetLastError());

  os::HttpResult result;
  // Wine takes a connection closed without a word for an answer with status 0.
  const auto status = QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE);
  if (!status || *status < 100 || *status > 999) {
    return Failed(os::HttpFailure::Other, ERROR_HTTP_INVALID_SERVER_RESPONSE);
  }
  result.status = static_cast<int>(*status);
  ReadBody(request.get(), wanted, abandoned, result);
  return result;
}

}  // namespace win32
