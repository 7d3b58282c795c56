// The main window: design-time properties, start-up sequence and commands.
#include "app/form1.h"

#include "mappings/grid_model.h"
#include "settings/mapping_persistence.h"

namespace app {

TForm1::TForm1(ui::Application& application, const Services& services)
    : Form(application, "Form1", "TForm1"),
      RxMemoryData1("RxMemoryData1"),
      DataSource1("DataSource1", RxMemoryData1),
      suiGroupBox1(*this, "suiGroupBox1"),
      Label1(*this, "Label1", &suiGroupBox1),
      EHostName1(*this, "EHostName1", &suiGroupBox1),
      Label6(*this, "Label6", &suiGroupBox1),
      EMaxPing1(*this, "EMaxPing1", &suiGroupBox1),
      Label7(*this, "Label7", &suiGroupBox1),
      Label2(*this, "Label2", &suiGroupBox1),
      EUserName1(*this, "EUserName1", &suiGroupBox1),
      Label3(*this, "Label3", &suiGroupBox1),
      EPassword1(*this, "EPassword1", &suiGroupBox1),
      Label4(*this, "Label4", &suiGroupBox1),
      EUNC1(*this, "EUNC1", &suiGroupBox1),
      Label5(*this, "Label5", &suiGroupBox1),
      EDrive1(*this, "EDrive1", &suiGroupBox1),
      BSave1(*this, "BSave1", &suiGroupBox1),
      BSave2(*this, "BSave2", &suiGroupBox1),
      BDel2(*this, "BDel2", &suiGroupBox1),
      BClear1(*this, "BClear1", &suiGroupBox1),
      BPrev1(*this, "BPrev1", &suiGroupBox1),
      BNext1(*this, "BNext1", &suiGroupBox1),
      BClose1(*this, "BClose1", &suiGroupBox1),
      EID1(*this, "EID1", &suiGroupBox1),
      suiDBGrid1(*this, "suiDBGrid1"),
      BAdd1(*this, "BAdd1"),
      BEdit1(*this, "BEdit1"),
      BDel1(*this, "BDel1"),
      BOk1(*this, "BOk1"),
      BExit1(*this, "BExit1"),
      PopupMenu1(*this, "PopupMenu1"),
      About1(PopupMenu1, "About1", "About"),
      Setting1(PopupMenu1, "Setting1", "&Setting"),
      Exit1(PopupMenu1, "Exit1", "-"),
      Exit2(PopupMenu1, "Exit2", "E&xit"),
      zIni1(*this, "zIni1", services.files, services.locale),
      Timer1(*this, "Timer1"),
      services_(services),
      monitor_(RxMemoryData1, services.icmp, services.drives, services.files) {
  SetDesignProperties();
  BindHandlers();
  zIni1.Loaded();
  RunOnCreate();
}

void TForm1::SetDesignProperties() {
  SetCaption("Vardeko");
  SetPosition(ui::FormPosition::ScreenCenter);
  SetMinimumSize(130, 50);
  SetClientSize(457, 402);

  SetEditorDesignProperties();

  suiDBGrid1.SetBounds(4, 4, 445, 189);
  suiDBGrid1.SetTabOrder(1);
  suiDBGrid1.SetColors({.cell_background = {232, 232, 232},
                        .cell_text = {0, 0, 0},
                        .title_background = {68, 74, 160},
                        .title_text = {255, 255, 255},
                        .frame = {0, 0, 0}});
  DataSource1.Bind(suiDBGrid1);

  BOk1.SetBounds(280, 200, 80, 27);
  BOk1.SetCaption("&Ok");
  BOk1.SetTabOrder(5);
  BOk1.SetDefault(true);
  BExit1.SetBounds(368, 200, 80, 27);
  BExit1.SetCaption("E&xit");
  BExit1.SetTabOrder(6);

  zIni1.SetFormSave(settings::TFormSaveFormat::fsfNone);
  zIni1.SetFileNameAutoSet(settings::TFormSavePlace::fspNone);
  zIni1.SetEncryptValues(true);

  Timer1.SetInterval(10000);
}

void TForm1::BindHandlers() {
  OnCreate = [this](ui::Component& sender) { FormCreate(sender); };
  BOk1.OnClick = [this](ui::Component& sender) { BOk1Click(sender); };
  BExit1.OnClick = [this](ui::Component& sender) { BExit1Click(sender); };
  About1.OnClick = [this](ui::Component& sender) { About1Click(sender); };
  Setting1.OnClick = [this](ui::Component& sender) { Setting1Click(sender); };
  Exit2.OnClick = [this](ui::Component& sender) { BExit1Click(sender); };
  Timer1.OnTimer = [this](ui::Component& sender) { Timer1Timer(sender); };
  BindEditorHandlers();
}

// The start-up sequence. An error in a step skips the steps after it (the dispatch boundary
// around OnCreate shows it); creation of the window completes either way.
void TForm1::FormCreate(ui::Component&) {
  SetHeight(kCollapsedHeight);
  LoadSettings();
  // Next: show the tray icon, set the about text and tooltip, start the upgrade check, switch
  // run-at-start-up on.
}

void TForm1::BOk1Click(ui::Component&) {
  SaveSettings();
  Hide();
}

void TForm1::BExit1Click(ui::Component& sender) {
  BOk1Click(sender);
  Close();
}

void TForm1::Setting1Click(ui::Component&) {
  Show();
  BringToFront();
}

void TForm1::About1Click(ui::Component&) {
  // The about box comes with the desktop integration.
}

void TForm1::Timer1Timer(ui::Component&) { monitor_.Timer1Timer(); }

void TForm1::Ping1EchoReply(ui::Component&, int outcome) { monitor_.Ping1EchoReply(outcome); }

void TForm1::LoadSettings() {
  settings::LoadSettings(zIni1, RxMemoryData1, services_.files, upgrade_url_);
}

void TForm1::SaveSettings() { settings::SaveSettings(zIni1, RxMemoryData1, upgrade_url_); }

}  // namespace app
