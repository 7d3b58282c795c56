// Named mutexes and cross-process messages for tests: the "processes" of one test share a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "os/single_instance.h"

namespace fakes {

class FakeSingleInstance : public os::SingleInstance {
 public:
  os::NamedMutexResult ClaimNamedMutex(const std::string& name) override;
  bool SendToInstanceWindow(std::uint32_t window, const std::string& window_class,
                            std::uint32_t message) override;

  struct Sent {
    std::uint32_t window;
    std::string window_class;
    std::uint32_t message;
    bool operator==(const Sent&) const = default;
  };

  // What a test sets up and inspects.
  bool refuse_mutexes = false;  // ClaimNamedMutex fails
  // Carries a sent message to the window; answers whether a window of that class took it.
  std::function<bool(std::uint32_t window, const std::string& window_class, std::uint32_t message)>
      deliver;
  std::map<std::string, int> open_handles;  // by mutex name; a mutex exists while above 0
  std::vector<Sent> sent;
};

}  // namespace fakes
