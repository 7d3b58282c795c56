// TzIni: a settings file of name=value lines, with optionally scrambled values, and the memory of
// its owner form's position and size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "os/file_system.h"
#include "os/locale.h"
#include "settings/zini_error.h"
#include "ui/component.h"
#include "ui/form.h"

namespace settings {

class IniStoreRegistry;

// Whether the owner's geometry is saved, and which part of it is put back.
enum class TFormSaveFormat : std::uint8_t { fsfNone, fsfSize, fsfPosition, fsfBoth };

// Where Loaded places the file when no file name was given.
enum class TFormSavePlace : std::uint8_t { fspNone, fspWinDir, fspAppDir };

// Keeps nothing of the file between operations: every read scans the file on disk, every write
// rewrites it whole, and an Edit ... Post batch holds the lines in memory so that many writes cost
// one rewrite. Reads never see a batch's pending changes.
//
// The store must not outlive its owner form. It saves the owner's geometry when the owner's window
// is destroyed, so a form that owns stores destroys its window before its components.
class TzIni : public ui::Component {
 public:
  TzIni(ui::Form& owner, std::string name, os::FileSystem& files, const os::Locale& locale);
  ~TzIni() override;

  const std::string& FileName() const { return file_name_; }
  // A name different from the current one puts the owner back to the geometry stored in the file.
  void SetFileName(std::string file_name);
  TFormSaveFormat FormSave() const { return form_save_; }
  void SetFormSave(TFormSaveFormat format) { form_save_ = format; }
  TFormSavePlace FileNameAutoSet() const { return file_name_auto_set_; }
  void SetFileNameAutoSet(TFormSavePlace place) { file_name_auto_set_ = place; }
  bool EncryptValues() const { return encrypt_values_; }
  void SetEncryptValues(bool on) { encrypt_values_ = on; }

  // The owner calls this once it has given the store its own settings: places the file when no
  // name was given, then puts the owner back to its stored geometry.
  void Loaded();

  // The value of the first line with the name, or the default when the file or the line is
  // missing. ReadInteger reads the value leniently: a line without a number gives 0.
  std::string ReadString(std::string_view name, std::string_view default_value) const;
  std::int32_t ReadInteger(std::string_view name, std::int32_t default_value) const;

  // Replaces the value of the first line with the name in place, keeping the name as the file
  // spells it; appends a line when there is none. An empty value removes an existing line.
  // The value is scrambled when `scramble` or EncryptValues is on.
  void WriteString(std::string_view name, std::string_view value, bool scramble);
  void WriteInteger(std::string_view name, std::int32_t value, bool scramble);
  // Removes the first line with the name, if there is one.
  void DeleteKey(std::string_view name);

  // Opens a batch; true when one was open already. Throws EzIniError when the file is missing and
  // its folder too; a failed Edit leaves no batch open.
  bool Edit();
  // Writes the batch to the file in one replacement and closes it, also when the write fails (the
  // file then keeps its old content). Throws EzIniError when no batch is open.
  void Post();

 private:
  class WriteScope;

  std::optional<std::string> ReadValue(std::string_view name) const;
  std::vector<std::string>::iterator FindLine(std::string_view name);
  void WriteText(std::string_view name, std::string text, bool scramble);
  void TakeSettingsOfMainFormStore();
  void SaveForm();
  void RestoreForm();

  ui::Form& owner_;
  IniStoreRegistry* registry_ = nullptr;
  os::FileSystem& files_;
  const os::Locale& locale_;
  std::string file_name_;
  TFormSaveFormat form_save_ = TFormSaveFormat::fsfBoth;
  TFormSavePlace file_name_auto_set_ = TFormSavePlace::fspAppDir;
  bool encrypt_values_ = false;
  std::optional<std::vector<std::string>> batch_;  // held exactly while in edit mode
  std::optional<int> destroy_listener_;
};

}  // namespace settings
