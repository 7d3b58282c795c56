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
      acTrayIcon1(*this, "acTrayIcon1", services.desktop, services.sound),
      acAppAutoRun1(*this, "acAppAutoRun1", services.desktop, services.registry, services.files),
      acOnlyOne1(*this, "acOnlyOne1", services.desktop, services.registry, services.instances),
      upgrade_prompts_(*this, services.desktop, services.registry, services.sound),
      acAutoUpgrader1(*this, "acAutoUpgrader1", services.make_http_client(), services.shell,
                      upgrade_prompts_),
      acInfoBox1(*this, "acInfoBox1", services.desktop, services.registry, services.sound),
      acCaptionButton1(*this, "acCaptionButton1", services.desktop),
      services_(services),
      monitor_(RxMemoryData1, services.icmp, services.drives, services.files) {
  SetDesignProperties();
  BindHandlers();
  // The components finish loading: the tray keeps the window hidden, the single-instance check
  // runs, and Timer1 is already running.
  zIni1.Loaded();
  acTrayIcon1.Loaded();
  acOnlyOne1.Loaded();
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
  const auto color = [](mappings::Rgb c) { return ui::Color{c.red, c.green, c.blue}; };
  suiDBGrid1.SetColors({.cell_background = color(mappings::kGridCellBackground),
                        .cell_text = color(mappings::kGridCellText),
                        .title_background = color(mappings::kGridTitleBackground),
                        .title_text = color(mappings::kGridTitleText),
                        .frame = color(mappings::kGridFrame)});
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
  SetDesktopDesignProperties();
}

void TForm1::BindHandlers() {
  OnCreate = [this](ui::Component& sender) { FormCreate(sender); };
  BOk1.OnClick = [this](ui::Component& sender) { BOk1Click(sender); };
  BExit1.OnClick = [this](ui::Component& sender) { BExit1Click(sender); };
  About1.OnClick = [this](ui::Component& sender) { About1Click(sender); };
  Setting1.OnClick = [this](ui::Component& sender) { Setting1Click(sender); };
  Exit2.OnClick = [this](ui::Component& sender) { BExit1Click(sender); };
  Timer1.OnTimer = [this](ui::Component& sender) { Timer1Timer(sender); };
  acCaptionButton1.OnClick = [this](ui::Component& sender) { acCaptionButton1Click(sender); };
  BindEditorHandlers();
}

void TForm1::SetDesktopDesignProperties() {
  acTrayIcon1.SetStartMinimized(true);
  acTrayIcon1.SetPopupMenu(&PopupMenu1);
  acTrayIcon1.CaptionButton.SetBtnOrder(0);
  acTrayIcon1.CaptionButton.SetHint("Minimize to System Tray");
  acTrayIcon1.CaptionButton.SetXPStyleColor(ui::CaptionColor::kRed);
  acAppAutoRun1.SetRunFor(desktop::TRunFor::rlLocalMachine);
  acAppAutoRun1.CaptionButton.SetBtnOrder(1);
  acAppAutoRun1.CaptionButton.SetHint("Auto-run at StartUp");
  acInfoBox1.SetTitle("About");
  acInfoBox1.SetSound("Open");
  acCaptionButton1.SetBtnOrder(2);
  acCaptionButton1.SetHint("Auto upgrade");
  acCaptionButton1.SetGlyph(ui::CaptionGlyph::kUpgrade);
}

// The start-up sequence. An error in a step skips the steps after it (the dispatch boundary
// around OnCreate shows it); creation of the window completes either way.
void TForm1::FormCreate(ui::Component&) {
  SetHeight(kCollapsedHeight);
  LoadSettings();
  acTrayIcon1.MinimizeToTray();
  const std::string version = acAutoUpgrader1.VersionNumber();
  acInfoBox1.SetText("Vardeko\r\nVersion " + version +
                     "\r\nKeeps your network drives connected.");
  acTrayIcon1.SetHint("Vardeko Version " + version);
  acAutoUpgrader1.CheckForUpgrade();
  if (!acAppAutoRun1.AutoRun()) acAppAutoRun1.SetAutoRun(true);
}

void TForm1::BOk1Click(ui::Component&) {
  SaveSettings();
  acTrayIcon1.MinimizeToTray();
}

void TForm1::BExit1Click(ui::Component& sender) {
  BOk1Click(sender);
  Close();
}

void TForm1::Setting1Click(ui::Component&) { acTrayIcon1.RestoreFromTray(); }

void TForm1::About1Click(ui::Component&) { acInfoBox1.Execute(true); }

void TForm1::acCaptionButton1Click(ui::Component&) { acAutoUpgrader1.CheckForUpgrade(); }

void TForm1::Timer1Timer(ui::Component&) { monitor_.Timer1Timer(); }

void TForm1::Ping1EchoReply(ui::Component&, int outcome) { monitor_.Ping1EchoReply(outcome); }

void TForm1::LoadSettings() {
  std::string url = acAutoUpgrader1.InfoFileURL();
  settings::LoadSettings(zIni1, RxMemoryData1, services_.files, url);
  acAutoUpgrader1.SetInfoFileURL(std::move(url));
}

void TForm1::SaveSettings() {
  settings::SaveSettings(zIni1, RxMemoryData1, acAutoUpgrader1.InfoFileURL());
}

}  // namespace app
