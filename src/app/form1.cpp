// The main window: design-time properties, start-up sequence and commands.
#include "app/form1.h"

#include "mappings/grid_model.h"
#include "settings/mapping_persistence.h"

namespace app {

TForm1::TForm1(ui::Application& application, const Services& services)
    : Form(application, "Form1", "TForm1"),
      RxMemoryData1("RxMemoryData1"),
      DataSource1("DataSource1", RxMemoryData1),
      suiDBGrid1(*this, "suiDBGrid1"),
      BOk1(*this, "BOk1"),
      BExit1(*this, "BExit1"),
      PopupMenu1(*this, "PopupMenu1"),
      About1(PopupMenu1, "About1", "About"),
      Setting1(PopupMenu1, "Setting1", "&Setting"),
      Exit1(PopupMenu1, "Exit1", "-"),
      Exit2(PopupMenu1, "Exit2", "E&xit"),
      zIni1(*this, "zIni1", services.files, services.locale),
      services_(services) {
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

  suiDBGrid1.SetBounds(4, 4, 445, 189);
  suiDBGrid1.SetTabOrder(0);
  suiDBGrid1.SetColors({.cell_background = {232, 232, 232},
                        .cell_text = {0, 0, 0},
                        .title_background = {68, 74, 160},
                        .title_text = {255, 255, 255},
                        .frame = {0, 0, 0}});
  DataSource1.Bind(suiDBGrid1);

  BOk1.SetBounds(280, 200, 80, 27);
  BOk1.SetCaption("&Ok");
  BOk1.SetTabOrder(1);
  BOk1.SetDefault(true);
  BExit1.SetBounds(368, 200, 80, 27);
  BExit1.SetCaption("E&xit");
  BExit1.SetTabOrder(2);

  zIni1.SetFormSave(settings::TFormSaveFormat::fsfNone);
  zIni1.SetFileNameAutoSet(settings::TFormSavePlace::fspNone);
  zIni1.SetEncryptValues(true);
}

void TForm1::BindHandlers() {
  OnCreate = [this](ui::Component& sender) { FormCreate(sender); };
  BOk1.OnClick = [this](ui::Component& sender) { BOk1Click(sender); };
  BExit1.OnClick = [this](ui::Component& sender) { BExit1Click(sender); };
  About1.OnClick = [this](ui::Component& sender) { About1Click(sender); };
  Setting1.OnClick = [this](ui::Component& sender) { Setting1Click(sender); };
  Exit2.OnClick = [this](ui::Component& sender) { BExit1Click(sender); };
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

void TForm1::LoadSettings() {
  settings::LoadSettings(zIni1, RxMemoryData1, services_.files, upgrade_url_);
}

void TForm1::SaveSettings() { settings::SaveSettings(zIni1, RxMemoryData1, upgrade_url_); }

}  // namespace app
