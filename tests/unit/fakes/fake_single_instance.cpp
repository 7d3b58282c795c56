// Named mutexes counted by open handles, as the kernel does.
#include "fakes/fake_single_instance.h"

#include <memory>

namespace fakes {
namespace {

class Handle : public os::NamedMutex {
 public:
  Handle(std::map<std::string, int>& handles, std::string name)
      : handles_(handles), name_(std::move(name)) {
    ++handles_[name_];
  }
  ~Handle() override {
    if (--handles_[name_] == 0) handles_.erase(name_);
  }

 private:
  std::map<std::string, int>& handles_;
  std::string name_;
};

}  // namespace

os::NamedMutexResult FakeSingleInstance::ClaimNamedMutex(const std::string& name) {
  if (refuse_mutexes) return {os::MutexClaim::kFailed, nullptr};
  const bool existed = open_handles.contains(name);
  return {existed ? os::MutexClaim::kAlreadyExists : os::MutexClaim::kCreated,
          std::make_unique<Handle>(open_handles, name)};
}

bool FakeSingleInstance::SendToInstanceWindow(std::uint32_t window, const std::string& window_class,
                                              std::uint32_t message) {
  sent.push_back({window, window_class, message});
  return deliver && deliver(window, window_class, message);
}

}  // namespace fakes
