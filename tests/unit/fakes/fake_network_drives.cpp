// In-memory network connections.
#include "fakes/fake_network_drives.h"

#include <algorithm>
#include <cctype>

namespace fakes {
namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// "E:" for any spelling of a drive text, or empty when the text is not one.
std::string DriveKey(const std::string& drive) {
  const bool is_drive =
      drive.size() == 2 && std::isalpha(static_cast<unsigned char>(drive[0])) && drive[1] == ':';
  return is_drive ? Upper(drive) : std::string();
}

// The "\\HOST\SHARE" part of a remote path, upper-cased; empty when it has none.
std::string ShareKey(const std::string& remote_path) {
  if (remote_path.rfind("\\\\", 0) != 0) return std::string();
  const std::size_t host_end = remote_path.find('\\', 2);
  if (host_end == std::string::npos || host_end == 2) return std::string();
  const std::size_t share_end = remote_path.find('\\', host_end + 1);
  return Upper(remote_path.substr(0, share_end));
}

}  // namespace

void FakeNetworkDrives::OfferShare(const std::string& share_path, const std::string& user_name,
                                   const std::string& password) {
  shares_[ShareKey(share_path)] = {user_name, password};
}

void FakeNetworkDrives::Connect(const std::string& drive, const std::string& remote_path) {
  connections[DriveKey(drive)] = remote_path;
  if (file_system != nullptr) file_system->folders.insert(DriveKey(drive));
}

const FakeNetworkDrives::Account* FakeNetworkDrives::AccountFor(
    const std::string& remote_path) const {
  const std::string key = ShareKey(remote_path);
  const auto share = key.empty() ? shares_.end() : shares_.find(key);
  return share == shares_.end() ? nullptr : &share->second;
}

os::NetworkResult FakeNetworkDrives::AddConnection(const std::string& remote_path,
                                                   const std::string& local_drive,
                                                   const std::string& user_name,
                                                   const std::string& password) {
  calls.push_back("add " + local_drive + " " + remote_path + " user=" + user_name +
                  " password=" + password);
  const std::string drive = DriveKey(local_drive);
  if (!local_drive.empty() && drive.empty()) return kBadDevice;
  if (local_disks.contains(drive) || connections.contains(drive)) return kAlreadyAssigned;
  const Account* account = AccountFor(remote_path);
  if (account == nullptr) return kBadNetName;
  if (Upper(account->user_name) != Upper(user_name) || account->password != password) {
    return kAccessDenied;
  }
  if (drive.empty()) {
    deviceless.push_back(remote_path);
  } else {
    Connect(drive, remote_path);
  }
  return os::kNetworkSuccess;
}

os::NetworkResult FakeNetworkDrives::CancelConnection(const std::string& drive) {
  calls.push_back("cancel " + drive);
  const std::string key = DriveKey(drive);
  if (const auto failure = cancel_failures.find(key); failure != cancel_failures.end()) {
    return failure->second;
  }
  if (connections.erase(key) == 0) return kNotConnected;
  if (file_system != nullptr) file_system->folders.erase(key);
  return os::kNetworkSuccess;
}

os::ConnectionQuery FakeNetworkDrives::GetConnection(const std::string& drive) {
  calls.push_back("get " + drive);
  const std::string key = DriveKey(drive);
  if (key.empty()) return {kBadDevice, ""};
  const auto connection = connections.find(key);
  if (connection == connections.end()) return {kNotConnected, ""};
  return {os::kNetworkSuccess, connection->second};
}

}  // namespace fakes
