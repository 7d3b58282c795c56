// The main window: owns every component of the program and carries its handlers.
#pragma once

#include <string>

#include "app/desktop/app_auto_run.h"
#include "app/desktop/caption_button.h"
#include "app/desktop/info_box.h"
#include "app/desktop/info_box_prompts.h"
#include "app/desktop/only_one.h"
#include "app/desktop/tray_icon.h"
#include "app/services.h"
#include "mappings/data_source.h"
#include "mappings/memory_data.h"
#include "monitor/connection_monitor.h"
#include "settings/ini_store_registry.h"
#include "settings/zini.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/number_edit.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "upgrade/auto_upgrader.h"

namespace app {

class TForm1 : public ui::Form, public settings::IniStoreRegistry {
 public:
  TForm1(ui::Application& application, const Services& services);
  // The window goes before the components, so they see it destroyed while they still exist.
  ~TForm1() override { DestroyWindowHandle(); }

  // Components, in the order the form creates them.
  // Windowed controls are made in Tab order: the editor panel first, then the grid and the row of
  // buttons; inside the panel, its own order.
  mappings::MemoryData RxMemoryData1;
  mappings::DataSource DataSource1;
  ui::GroupBox suiGroupBox1;
  ui::Label Label1;
  ui::Edit EHostName1;
  ui::Label Label6;
  ui::NumberEdit EMaxPing1;
  ui::Label Label7;
  ui::Label Label2;
  ui::Edit EUserName1;
  ui::Label Label3;
  ui::Edit EPassword1;
  ui::Label Label4;
  ui::Edit EUNC1;
  ui::Label Label5;
  ui::ComboBox EDrive1;
  ui::Button BSave1;
  ui::Button BSave2;
  ui::Button BDel2;
  ui::Button BClear1;
  ui::Button BPrev1;
  ui::Button BNext1;
  ui::Button BClose1;
  ui::Edit EID1;
  ui::Grid suiDBGrid1;
  ui::Button BAdd1;
  ui::Button BEdit1;
  ui::Button BDel1;
  ui::Button BOk1;
  ui::Button BExit1;
  ui::PopupMenu PopupMenu1;
  ui::MenuItem About1;
  ui::MenuItem Setting1;
  ui::MenuItem Exit1;
  ui::MenuItem Exit2;
  settings::TzIni zIni1;
  ui::Timer Timer1;
  desktop::TacTrayIcon acTrayIcon1;
  desktop::TacAppAutoRun acAppAutoRun1;
  desktop::TacOnlyOne acOnlyOne1;

 private:
  desktop::InfoBoxPrompts upgrade_prompts_;  // the upgrade check's boxes; outlives the check

 public:
  upgrade::TacAutoUpgrader acAutoUpgrader1;
  desktop::TacInfoBox acInfoBox1;
  desktop::TacCaptionButton acCaptionButton1;

  // Handlers.
  void FormCreate(ui::Component& sender);
  void BOk1Click(ui::Component& sender);
  void BExit1Click(ui::Component& sender);
  void Setting1Click(ui::Component& sender);
  void About1Click(ui::Component& sender);
  void acCaptionButton1Click(ui::Component& sender);
  // One monitor cycle every 10 seconds; a tick that falls due during a cycle is dropped.
  void Timer1Timer(ui::Component& sender);
  // Applies one probe outcome to the current record (the cycle calls it for every record).
  void Ping1EchoReply(ui::Component& sender, int outcome);
  // The editor panel (form1_editor.cpp).
  void BAdd1Click(ui::Component& sender);
  void BEdit1Click(ui::Component& sender);
  void BDel1Click(ui::Component& sender);
  void BSave1Click(ui::Component& sender);
  void BSave2Click(ui::Component& sender);
  void BDel2Click(ui::Component& sender);
  void BClear1Click(ui::Component& sender);
  void BPrev1Click(ui::Component& sender);
  void BNext1Click(ui::Component& sender);
  void BClose1Click(ui::Component& sender);
  // Panel into the pending record, and the current record into the panel.
  void Save();
  void Load();

 private:
  enum class EditorMode { Add, Edit, Delete };

  void SetDesignProperties();
  void SetDesktopDesignProperties();
  void SetEditorDesignProperties();
  void BindHandlers();
  void BindEditorHandlers();
  void EnterMode(EditorMode mode);
  void SetExpanded(bool expanded);
  void ShowRecordNumber();
  // The panel into the pending record, posted, and the window collapsed; on a refused value the
  // pending record is discarded.
  void SaveAndPost();
  // Prev and Next: the record they reached, into EID1 and the panel.
  void ShowCurrentRecord();
  // The record named by EID1 becomes current; its drive, trimmed, is returned.
  std::string ReturnToEditedRecord();
  void LoadSettings();
  void SaveSettings();

  const Services services_;
  monitor::ConnectionMonitor monitor_;
};

// Outer heights of the window: the list and the command row only, and with the editor panel.
inline constexpr int kCollapsedHeight = 265;
inline constexpr int kExpandedHeight = 440;

}  // namespace app
