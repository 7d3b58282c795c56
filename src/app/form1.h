// The main window: owns every component of the program and carries its handlers.
#pragma once

#include <string>

#include "app/services.h"
#include "mappings/data_source.h"
#include "mappings/memory_data.h"
#include "settings/ini_store_registry.h"
#include "settings/zini.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/popup_menu.h"

namespace app {

class TForm1 : public ui::Form, public settings::IniStoreRegistry {
 public:
  TForm1(ui::Application& application, const Services& services);
  // The window goes before the components, so they see it destroyed while they still exist.
  ~TForm1() override { DestroyWindowHandle(); }

  // Components, in the order the form creates them.
  mappings::MemoryData RxMemoryData1;
  mappings::DataSource DataSource1;
  ui::Grid suiDBGrid1;
  ui::Button BOk1;
  ui::Button BExit1;
  ui::PopupMenu PopupMenu1;
  ui::MenuItem About1;
  ui::MenuItem Setting1;
  ui::MenuItem Exit1;
  ui::MenuItem Exit2;
  settings::TzIni zIni1;

  // Handlers.
  void FormCreate(ui::Component& sender);
  void BOk1Click(ui::Component& sender);
  void BExit1Click(ui::Component& sender);
  void Setting1Click(ui::Component& sender);
  void About1Click(ui::Component& sender);

  // Where the upgrade information is read; stored in the settings file.
  const std::string& UpgradeUrl() const { return upgrade_url_; }

 private:
  void SetDesignProperties();
  void BindHandlers();
  void LoadSettings();
  void SaveSettings();

  const Services services_;
  std::string upgrade_url_ = "http://www.vardeko.com/download/Vardeko/Vardeko.inf";
};

// Outer height of the window showing only the list and the command row.
inline constexpr int kCollapsedHeight = 265;

}  // namespace app
