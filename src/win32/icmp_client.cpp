// ICMP echo: IcmpSendEcho on a channel opened at the first exchange; names resolved every time.
#include "win32/icmp_client.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <iphlpapi.h>

#include <icmpapi.h>  // after iphlpapi.h, whose types it uses

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "win32/handles.h"

namespace win32 {
namespace {

struct IcmpHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { IcmpCloseHandle(h); }
};
using UniqueIcmpHandle = Unique<HANDLE, IcmpHandleTraits>;

struct AddressInfoDeleter {
  void operator()(addrinfo* info) const { freeaddrinfo(info); }
};
using UniqueAddressInfo = std::unique_ptr<addrinfo, AddressInfoDeleter>;

// The 32 bytes Windows' own ping sends.
constexpr char kPayload[] = "abcdefghijklmnopqrstuvwabcdefghi";
constexpr WORD kPayloadSize = sizeof(kPayload) - 1;

// One reply with its echoed data, plus room for the 8 bytes of an ICMP error message.
struct ReplyBuffer {
  ICMP_ECHO_REPLY reply;
  unsigned char room[kPayloadSize + 8];
};

[[noreturn]] void Fail(const std::string& what, unsigned long code) {
  throw os::IcmpError(what + " (error " + std::to_string(code) + ")");
}

// The statuses that are answers of the network. Anything else means the exchange itself failed.
std::optional<os::EchoStatus> StatusOf(DWORD ip_status) {
  switch (ip_status) {
    case IP_SUCCESS:
      return os::EchoStatus::kEchoReply;
    case IP_REQ_TIMED_OUT:
      return os::EchoStatus::kTimedOut;
    case IP_DEST_NET_UNREACHABLE:
    case IP_DEST_HOST_UNREACHABLE:
    case IP_DEST_PROT_UNREACHABLE:
    case IP_DEST_PORT_UNREACHABLE:
      return os::EchoStatus::kUnreachable;
    case IP_TTL_EXPIRED_TRANSIT:
    case IP_TTL_EXPIRED_REASSEM:
      return os::EchoStatus::kTimeExceeded;
    case IP_PACKET_TOO_BIG:
    case IP_BAD_ROUTE:
    case IP_PARAM_PROBLEM:
    case IP_SOURCE_QUENCH:
      return os::EchoStatus::kOtherReport;
    default:
      return std::nullopt;
  }
}

// A dotted address as it is; a name through the system's resolver, to its first IPv4 address.
in_addr Resolve(const std::string& host, int startup_error) {
  in_addr address{};
  if (inet_pton(AF_INET, host.c_str(), &address) == 1) return address;
  if (startup_error != 0) Fail("Windows Sockets did not start", startup_error);
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  const int error = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  const UniqueAddressInfo owner(found);
  if (error != 0 || found == nullptr || found->ai_addr == nullptr) {
    Fail("Cannot resolve \"" + host + "\"", error);
  }
  return reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
}

class IcmpClient final : public os::IcmpClient {
 public:
  explicit IcmpClient(int startup_error) : startup_error_(startup_error) {}

  void SetHost(const std::string& host) override { host_ = host; }
  void SetPort(int port) override { port_ = port; }
  void SetReceiveTimeout(int milliseconds) override { timeout_ms_ = milliseconds; }

  os::EchoStatus Echo() override {
    const in_addr address = Resolve(host_, startup_error_);
    if (!channel_) {
      channel_.reset(IcmpCreateFile());
      if (!channel_) Fail("Cannot open an ICMP channel", GetLastError());
    }
    char request[kPayloadSize];
    std::copy_n(kPayload, kPayloadSize, request);
    ReplyBuffer reply{};
    const DWORD timeout = timeout_ms_ > 0 ? static_cast<DWORD>(timeout_ms_) : 0;
    const DWORD replies = IcmpSendEcho(channel_.get(), address.s_addr, request, kPayloadSize,
                                       nullptr, &reply, sizeof(reply), timeout);
    // With no reply the status is the call's error; with one, the reply's own status.
    const DWORD ip_status = replies > 0 ? reply.reply.Status : GetLastError();
    const std::optional<os::EchoStatus> status = StatusOf(ip_status);
    if (!status) Fail("Echo exchange with \"" + host_ + "\" failed", ip_status);
    return *status;
  }

 private:
  int startup_error_;
  std::string host_;
  int port_ = 0;  // a setting only: ICMP has no ports
  int timeout_ms_ = 5000;
  UniqueIcmpHandle channel_;
};

}  // namespace

IcmpClientFactory::IcmpClientFactory() {
  WSADATA data;
  startup_error_ = WSAStartup(MAKEWORD(2, 2), &data);
}

IcmpClientFactory::~IcmpClientFactory() {
  if (startup_error_ == 0) WSACleanup();
}

std::unique_ptr<os::IcmpClient> IcmpClientFactory::Create() {
  return std::make_unique<IcmpClient>(startup_error_);
}

}  // namespace win32
