// What the host probe needs from the system's ICMP: a client that does one echo exchange a call.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace os {

// How an echo exchange ended when it could be carried out. Only kEchoReply means the host
// answered; every other value means "not this time", and the caller may try again.
enum class EchoStatus {
  kEchoReply,     // an echo reply to this request came back in time
  kTimedOut,      // nothing came back within the receive timeout
  kUnreachable,   // a destination-unreachable report came back
  kTimeExceeded,  // a time-to-live-exceeded report came back
  kOtherReport,   // another ICMP report came back (parameter problem, source quench, ...)
};

// An exchange could not be carried out at all: the host name could not be resolved, the ICMP
// channel could not be opened, sending or receiving failed, or a reply could not be read. The
// message says which, for a developer; the program never shows it.
class IcmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One ICMP echo client. A client is made for one probe and destroyed after it, so it keeps
// nothing that a later probe could see. Settings are given before the first exchange.
class IcmpClient {
 public:
  virtual ~IcmpClient() = default;

  // The host text exactly as the caller has it: nothing is trimmed or validated. A dotted IPv4
  // address is used unchanged; anything else is resolved through the system's resolver to its
  // first IPv4 address, again at every exchange.
  virtual void SetHost(const std::string& host) = 0;
  // ICMP has no ports: the value is kept as a setting and changes nothing on the wire.
  virtual void SetPort(int port) = 0;
  // Milliseconds to wait for the reply to one request; a new client waits 5000.
  virtual void SetReceiveTimeout(int milliseconds) = 0;

  // Sends one echo request (RFC 792, IPv4) to the host and waits up to the receive timeout for
  // its answer. Timeouts and ICMP reports come back as a status; everything that keeps the
  // exchange from happening throws IcmpError. An unresolvable name throws before any request is
  // sent.
  virtual EchoStatus Echo() = 0;
};

// Makes ICMP clients. The factory lives as long as the program; clients never outlive it.
class IcmpClientFactory {
 public:
  virtual ~IcmpClientFactory() = default;

  // A new client with the default settings; never null. Throws when no client can be made.
  virtual std::unique_ptr<IcmpClient> Create() = 0;
};

}  // namespace os
