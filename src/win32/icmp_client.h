// ICMP echo through the IP Helper API, with names resolved by Windows Sockets.
#pragma once

#include <memory>

#include "os/icmp_client.h"

namespace win32 {

// Starts Windows Sockets for as long as it lives, so every client it makes can resolve names.
// Make one for the program and keep it while clients exist.
class IcmpClientFactory final : public os::IcmpClientFactory {
 public:
  IcmpClientFactory();
  ~IcmpClientFactory() override;
  IcmpClientFactory(const IcmpClientFactory&) = delete;
  IcmpClientFactory& operator=(const IcmpClientFactory&) = delete;

  std::unique_ptr<os::IcmpClient> Create() override;

 private:
  int startup_error_;  // 0 when Windows Sockets started
};

}  // namespace win32
