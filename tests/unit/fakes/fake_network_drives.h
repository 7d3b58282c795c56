// In-memory network connections in front of a file server whose shares and accounts a test sets.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "os/network_drives.h"

namespace fakes {

// Win32 codes the fake answers with, as the system would.
inline constexpr os::NetworkResult kAccessDenied = 5;      // ERROR_ACCESS_DENIED
inline constexpr os::NetworkResult kBadNetName = 67;       // ERROR_BAD_NET_NAME
inline constexpr os::NetworkResult kAlreadyAssigned = 85;  // ERROR_ALREADY_ASSIGNED
inline constexpr os::NetworkResult kBadDevice = 1200;      // ERROR_BAD_DEVICE
inline constexpr os::NetworkResult kNotConnected = 2250;   // ERROR_NOT_CONNECTED

// Like Windows: drive letters and share names match in any letter case, a connection reports the
// remote path as its connect spelled it, and a drive that is a local disk or already connected
// cannot be connected again.
class FakeNetworkDrives : public os::NetworkDrives {
 public:
  os::NetworkResult AddConnection(const std::string& remote_path, const std::string& local_drive,
                                  const std::string& user_name,
                                  const std::string& password) override;
  os::NetworkResult CancelConnection(const std::string& drive) override;
  os::ConnectionQuery GetConnection(const std::string& drive) override;

  // The server offers "\\host\share" (and the folders below it) to this one account.
  void OfferShare(const std::string& share_path, const std::string& user_name,
                  const std::string& password);
  // A connection made outside the program, such as before it started.
  void Connect(const std::string& drive, const std::string& remote_path);

  // Connected drives ("E:") with the remote path each reports; connections without a letter.
  std::map<std::string, std::string> connections;
  std::vector<std::string> deviceless;
  std::set<std::string> local_disks{"C:"};
  // Cancels of these drives fail with the code and change nothing.
  std::map<std::string, os::NetworkResult> cancel_failures;
  // When set, a connected drive's root folder exists there while the connection lasts.
  FakeFileSystem* file_system = nullptr;

  // Every call, in order: "add E: \\h\s user=u password=p", "cancel E:", "get E:".
  std::vector<std::string> calls;

 private:
  struct Account {
    std::string user_name;
    std::string password;
  };
  const Account* AccountFor(const std::string& remote_path) const;

  std::map<std::string, Account> shares_;  // by upper-cased "\\HOST\SHARE"
};

}  // namespace fakes
