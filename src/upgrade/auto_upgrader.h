// TacAutoUpgrader: asks the maker's web server whether a newer version exists and, when the user
// agrees, opens the download address in the web browser.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "os/http_client.h"
#include "os/shell.h"
#include "ui/component.h"
#include "ui/form.h"
#include "upgrade/upgrade_info.h"
#include "upgrade/upgrade_prompts.h"
#include "upgrade/version_compare.h"

namespace upgrade {

// Where the information file is read unless the settings file names another location.
inline constexpr std::string_view kDefaultInfoFileURL =
    "http://www.vardeko.com/download/Vardeko/Vardeko.inf";

// The program's version. It is held here only: the about box and the tray tooltip read it from
// the component.
inline constexpr std::string_view kVersionNumber = "2.0.6";

// Idle or transferring. The transfer runs on the HTTP client's worker; its outcome is handled on
// the user-interface thread, inside the application's dispatch boundary:
//   newer version with an address -> the question; "&Ya" with umRedirectToURL opens the first
//                                    address (when it is a safe web address)
//   connection broken mid-transfer -> the connection-lost box (unless the answer's status had
//                                    already shown the file to be missing)
//   anything else                  -> nothing
// The component owns its HTTP client, so destroying the component mid-transfer abandons the
// transfer and no outcome arrives afterwards. The shell and the prompts must outlive it.
class TacAutoUpgrader : public ui::Component {
 public:
  TacAutoUpgrader(ui::Form& owner, std::string name, std::unique_ptr<os::HttpClient> http,
                  os::Shell& shell, UpgradePrompts& prompts);
  ~TacAutoUpgrader() override;

  const std::string& InfoFileURL() const { return info_file_url_; }
  void SetInfoFileURL(std::string url) { info_file_url_ = std::move(url); }
  std::string VersionNumber() const { return std::string(kVersionNumber); }
  TVersionControl VersionControl() const { return TVersionControl::byNumber; }

  // Starts a check and returns at once: true when a transfer started. While one runs, a further
  // call does nothing and answers false.
  bool CheckForUpgrade();
  bool Transferring() const { return http_->Transferring(); }

 private:
  void HandleOutcome(const os::HttpResult& result);
  void OfferUpgrade(const UpgradeInfo& info);

  ui::Form& owner_;
  std::unique_ptr<os::HttpClient> http_;
  os::Shell& shell_;
  UpgradePrompts& prompts_;
  std::string info_file_url_{kDefaultInfoFileURL};
};

}  // namespace upgrade
