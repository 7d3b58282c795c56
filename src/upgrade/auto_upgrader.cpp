// The upgrade check: one transfer at a time, its outcome turned into a question or a box.
#include "upgrade/auto_upgrader.h"

#include "ui/application.h"
#include "upgrade/download_address.h"
#include "upgrade/upgrade_messages.h"

namespace upgrade {

TacAutoUpgrader::TacAutoUpgrader(ui::Form& owner, std::string name,
                                 std::unique_ptr<os::HttpClient> http, os::Shell& shell,
                                 UpgradePrompts& prompts)
    : Component(std::move(name)),
      owner_(owner),
      http_(std::move(http)),
      shell_(shell),
      prompts_(prompts) {}

// The client goes first, while the members its completion would use still exist.
TacAutoUpgrader::~TacAutoUpgrader() {
  http_.reset();
}

bool TacAutoUpgrader::CheckForUpgrade() {
  if (http_->Transferring()) return false;
  os::HttpRequest request;
  request.url = info_file_url_;
  request.user_agent = owner_.App().Title() + "/" + VersionNumber();
  request.max_body_bytes = kMaxInfoFileBytes;
  return http_->StartGet(request, [this](const os::HttpResult& result) {
    owner_.App().Dispatch([&] { HandleOutcome(result); });
  });
}

void TacAutoUpgrader::HandleOutcome(const os::HttpResult& result) {
  // Whatever happens to the body of an answer other than 200, the file is missing.
  if (result.status != 0 && result.status != 200) return;
  if (result.failure == os::HttpFailure::ConnectionBroken) {
    prompts_.ShowConnectionLost(std::string(kUpgradeCaption), ConnectionLostText());
    return;
  }
  // A missing file, an unreachable host, an oversized or unreadable answer pass silently.
  if (result.failure != os::HttpFailure::None || result.status != 200) return;
  const auto info = ParseUpgradeInfo(result.body);
  if (!info || info->addresses.empty()) return;
  if (CompareByNumber(info->version, kVersionNumber) <= 0) return;
  OfferUpgrade(*info);
}

void TacAutoUpgrader::OfferUpgrade(const UpgradeInfo& info) {
  const std::string question = UpgradeQuestionText(owner_.App().Title(), info.message);
  if (!prompts_.AskUpgrade(std::string(kUpgradeCaption), question)) return;  // "&Nanti"
  // The program is set up only for sending the user to the download page.
  if (info.method != TUpgradeMethod::umRedirectToURL) return;
  if (const auto address = BrowserAddress(info.addresses.front())) shell_.OpenAddress(*address);
}

}  // namespace upgrade
