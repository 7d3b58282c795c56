// What the single-instance guard needs from the system: a named mutex shared by every process of
// the user's session, and a message sent to a window of another process.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace os {

enum class MutexClaim {
  kCreated,        // this process created the mutex: no other instance holds it
  kAlreadyExists,  // another process holds a mutex of that name
  kFailed,         // the mutex could not be made at all (bad name, no rights, no resources)
};

// Keeps the named mutex open for as long as it lives; destroying it closes this process's handle.
class NamedMutex {
 public:
  virtual ~NamedMutex() = default;
};

struct NamedMutexResult {
  MutexClaim claim = MutexClaim::kFailed;
  std::unique_ptr<NamedMutex> mutex;  // null when the claim failed
};

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;

  // Creates the named mutex, or opens the existing one, without taking ownership of it.
  virtual NamedMutexResult ClaimNamedMutex(const std::string& name) = 0;

  // Sends the message, with both parameters 0, to the window whose handle another process
  // published, and waits until that window has handled it. Nothing is sent, and the answer is
  // false, when the handle names no window or a window of another class than `window_class` (a
  // handle left behind by an instance that was killed may since belong to any window), or when
  // the other process does not answer.
  virtual bool SendToInstanceWindow(std::uint32_t window, const std::string& window_class,
                                    std::uint32_t message) = 0;
};

}  // namespace os
