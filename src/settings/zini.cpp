// TzIni: reads scan the file, writes go through a batch of lines that is written back whole.
#include "settings/zini.h"

#include <algorithm>
#include <utility>

#include "settings/file_paths.h"
#include "settings/geometry_record.h"
#include "settings/ini_lines.h"
#include "settings/ini_store_registry.h"
#include "settings/lenient_number.h"
#include "settings/value_scrambling.h"
#include "ui/application.h"

namespace settings {

// Opens a batch around one change unless one is open already. A change that fails half-way drops
// the batch it opened, so the store never stays in edit mode behind the caller's back, where
// later writes would only reach the list and never the file.
class TzIni::WriteScope {
 public:
  explicit WriteScope(TzIni& store) : store_(store), opened_here_(!store.Edit()) {}
  ~WriteScope() {
    if (opened_here_ && !finished_) store_.batch_.reset();
  }
  WriteScope(const WriteScope&) = delete;
  WriteScope& operator=(const WriteScope&) = delete;

  std::vector<std::string>& Lines() { return *store_.batch_; }

  void Finish() {
    finished_ = true;
    if (opened_here_) store_.Post();
  }

 private:
  TzIni& store_;
  const bool opened_here_;
  bool finished_ = false;
};

TzIni::TzIni(ui::Form& owner, std::string name, os::FileSystem& files, const os::Locale& locale)
    : ui::Component(std::move(name)), owner_(owner), files_(files), locale_(locale) {
  TakeSettingsOfMainFormStore();
  registry_ = dynamic_cast<IniStoreRegistry*>(&owner_);
  if (registry_ != nullptr) registry_->Enter(*this);
  if (owner_.HasWindowHandle()) {
    // Through the dispatch boundary: an error while saving shows the error box instead of
    // escaping from the window's destruction.
    destroy_listener_ =
        owner_.AddDestroyListener([this] { owner_.App().Dispatch([this] { SaveForm(); }); });
  }
}

TzIni::~TzIni() {
  if (destroy_listener_) owner_.RemoveDestroyListener(*destroy_listener_);
  if (registry_ != nullptr) registry_->Leave(*this);
}

void TzIni::TakeSettingsOfMainFormStore() {
  const ui::Form* main_form = owner_.App().MainForm();
  if (main_form == nullptr || main_form == &owner_) return;
  const auto* registry = dynamic_cast<const IniStoreRegistry*>(main_form);
  const TzIni* first = registry != nullptr ? registry->FirstStore() : nullptr;
  if (first == nullptr) return;
  file_name_ = first->file_name_;
  form_save_ = first->form_save_;
  file_name_auto_set_ = first->file_name_auto_set_;
  encrypt_values_ = first->encrypt_values_;
}

void TzIni::SetFileName(std::string file_name) {
  if (file_name == file_name_) return;
  file_name_ = std::move(file_name);
  RestoreForm();
}

void TzIni::Loaded() {
  if (!file_name_.empty() || file_name_auto_set_ == TFormSavePlace::fspNone) return;
  const std::string executable = files_.ExecutablePath();
  if (file_name_auto_set_ == TFormSavePlace::fspAppDir) {
    file_name_ = ChangeFileExt(executable, ".ini");
  } else if (const auto windows = files_.WindowsFolder()) {
    file_name_ = JoinFolderAndFileName(*windows, ChangeFileExt(FileNamePart(executable), ".ini"));
  }
  RestoreForm();
}

std::optional<std::string> TzIni::ReadValue(std::string_view name) const {
  if (!files_.FileExists(file_name_)) return std::nullopt;
  const std::string text = files_.ReadWholeFile(file_name_);
  ReadLines lines(text);
  std::string line;
  while (lines.Next(line)) {
    if (LineHasName(line, name, locale_)) return UnscrambleValue(ValueOfLine(line));
  }
  return std::nullopt;
}

std::string TzIni::ReadString(std::string_view name, std::string_view default_value) const {
  return ReadValue(name).value_or(std::string(default_value));
}

std::int32_t TzIni::ReadInteger(std::string_view name, std::int32_t default_value) const {
  const std::optional<std::string> value = ReadValue(name);
  return value ? ValueToInt(*value, locale_) : default_value;
}

std::vector<std::string>::iterator TzIni::FindLine(std::string_view name) {
  return std::ranges::find_if(
      *batch_, [&](const std::string& line) { return LineHasName(line, name, locale_); });
}

void TzIni::WriteText(std::string_view name, std::string text, bool scramble) {
  WriteScope scope(*this);
  // A plain value that a read would take for a scrambled one is scrambled, so it reads back as
  // written.
  if (scramble || encrypt_values_ || LooksScrambled(text)) text = ScrambleValue(text);
  std::vector<std::string>& lines = scope.Lines();
  const auto line = FindLine(name);
  if (line == lines.end()) {
    lines.push_back(std::string(name) + "=" + text);
  } else if (text.empty()) {
    lines.erase(line);
  } else {
    *line = std::string(NameAndEqualsOfLine(*line)) + text;
  }
  scope.Finish();
}

void TzIni::WriteString(std::string_view name, std::string_view value, bool scramble) {
  WriteText(name, std::string(value), scramble);
}

void TzIni::WriteInteger(std::string_view name, std::int32_t value, bool scramble) {
  WriteText(name, std::to_string(value), scramble);
}

void TzIni::DeleteKey(std::string_view name) {
  WriteScope scope(*this);
  const auto line = FindLine(name);
  if (line != scope.Lines().end()) scope.Lines().erase(line);
  scope.Finish();
}

bool TzIni::Edit() {
  if (batch_) return true;
  batch_.emplace();
  try {
    if (files_.FileExists(file_name_)) {
      *batch_ = SplitLinesForEdit(files_.ReadWholeFile(file_name_));
    } else if (files_.FolderExists(FolderPart(file_name_))) {
      files_.ReplaceWholeFile(file_name_, "");
    } else {
      throw EzIniError("Can't create file:\r" + file_name_);
    }
  } catch (...) {
    batch_.reset();
    throw;
  }
  return false;
}

void TzIni::Post() {
  if (!batch_) throw EzIniError("Post: Not edit mode");
  const std::string text = JoinLines(*batch_);
  batch_.reset();
  files_.ReplaceWholeFile(file_name_, text);
}

void TzIni::SaveForm() {
  if (owner_.State() != ui::WindowState::Normal || form_save_ == TFormSaveFormat::fsfNone ||
      file_name_.empty()) {
    return;
  }
  WriteScope scope(*this);
  WriteString(owner_.ClassName(), FormatGeometryRecord(owner_.Bounds()), false);
  scope.Finish();
}

void TzIni::RestoreForm() {
  if (form_save_ == TFormSaveFormat::fsfNone || !files_.FileExists(file_name_)) return;
  const std::optional<ui::Rect> stored =
      ParseGeometryRecord(ReadString(owner_.ClassName(), ""), locale_);
  if (!stored) return;
  ui::Rect bounds = owner_.Bounds();
  if (form_save_ != TFormSaveFormat::fsfSize) {
    bounds.left = stored->left;
    bounds.top = stored->top;
  }
  if (form_save_ != TFormSaveFormat::fsfPosition) {
    bounds.width = stored->width;
    bounds.height = stored->height;
  }
  owner_.SetBounds(bounds);
}

}  // namespace settings
