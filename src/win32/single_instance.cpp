// Named mutex in the session's namespace; a checked, blocking send to another instance's window.
#include "win32/single_instance.h"

#include <windows.h>

#include "win32/handles.h"

namespace win32 {
namespace {

class Mutex final : public os::NamedMutex {
 public:
  explicit Mutex(HANDLE handle) : handle_(handle) {}

 private:
  UniqueHandle handle_;
};

// A responsive first instance answers once its current handler ends; one that has not looked at
// its messages for several seconds counts as hung and is not waited for, so a hung first instance
// cannot keep the second one alive. The limit is a last resort and plays no part normally.
constexpr UINT kSendLimitMs = 60000;

}  // namespace

os::NamedMutexResult SingleInstance::ClaimNamedMutex(const std::string& name) {
  HANDLE handle = CreateMutexA(nullptr, FALSE, name.c_str());
  const DWORD error = GetLastError();
  if (handle == nullptr) return {os::MutexClaim::kFailed, nullptr};
  return {error == ERROR_ALREADY_EXISTS ? os::MutexClaim::kAlreadyExists : os::MutexClaim::kCreated,
          std::make_unique<Mutex>(handle)};
}

bool SingleInstance::SendToInstanceWindow(std::uint32_t window, const std::string& window_class,
                                          std::uint32_t message) {
  HWND target = reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
  if (target == nullptr || !IsWindow(target)) return false;
  char found_class[256] = "";
  GetClassNameA(target, found_class, sizeof found_class);
  if (lstrcmpiA(found_class, window_class.c_str()) != 0) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(target, message, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kSendLimitMs,
                             &result) != 0;
}

}  // namespace win32
