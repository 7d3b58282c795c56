// The editor panel of the main window: add, change, step through and delete mappings.
#include <string>

#include "app/form1.h"
#include "monitor/drive_operations.h"
#include "monitor/trimmed_text.h"

namespace app {
namespace {

struct Placement {
  ui::Control& control;
  int left, top, width, height;
  const char* caption;
  int tab_order;
};

}  // namespace

void TForm1::SetEditorDesignProperties() {
  // The panel starts out of view, so it takes no focus and no keys until a mode opens it.
  suiGroupBox1.SetBounds(8, 240, 441, 153);
  suiGroupBox1.SetTabOrder(0);
  suiGroupBox1.SetVisible(false);

  const Placement placements[] = {
      {Label1, 8, 19, 135, 13, "Computer Name/IP Addess :", -1},
      {EHostName1, 144, 16, 161, 19, "", 0},
      {Label6, 312, 19, 50, 13, "Max Ping :", -1},
      {EMaxPing1, 368, 16, 33, 19, nullptr, 1},
      {Label7, 408, 19, 24, 13, "times", -1},
      {Label2, 8, 39, 59, 13, "User Name :", -1},
      {EUserName1, 144, 36, 161, 19, "", 2},
      {Label3, 8, 59, 52, 13, "Password :", -1},
      {EPassword1, 144, 56, 161, 19, "", 3},
      {Label4, 8, 79, 29, 13, "UNC :", -1},
      {EUNC1, 144, 76, 289, 19, "", 4},
      {Label5, 8, 99, 55, 13, "Drive Map :", -1},
      {EDrive1, 144, 96, 57, 21, nullptr, 5},
      {EID1, 272, 96, 97, 19, "", 13},
      {BSave1, 144, 118, 49, 27, "&Save", 6},
      {BSave2, 144, 118, 49, 27, "&Save", 7},
      {BDel2, 144, 118, 49, 27, "De&lete", 8},
      {BClear1, 200, 118, 49, 27, "&Clear", 9},
      {BPrev1, 256, 118, 49, 27, "&Prev", 10},
      {BNext1, 312, 118, 49, 27, "&Next", 11},
      {BClose1, 368, 118, 49, 27, "C&lose", 12},
      {BAdd1, 8, 200, 49, 27, "&Add", 2},
      {BEdit1, 56, 200, 49, 27, "&Edit", 3},
      {BDel1, 104, 200, 49, 27, "&Del", 4},
  };
  for (const Placement& p : placements) {
    p.control.SetBounds(p.left, p.top, p.width, p.height);
    if (p.caption != nullptr) p.control.SetCaption(p.caption);
    p.control.SetTabOrder(p.tab_order);
  }
  EPassword1.SetPasswordChar('*');
  EMaxPing1.SetValue(5);
  std::vector<std::string> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) drives.push_back(std::string(1, letter) + ":");
  EDrive1.SetItems(std::move(drives));
  EID1.SetVisible(false);
  EID1.SetReadOnly(true);
  // Exactly one of the three stacked action buttons is in front; the others stay out of reach.
  BSave2.SetVisible(false);
  BDel2.SetVisible(false);
}

void TForm1::BindEditorHandlers() {
  const std::pair<ui::Button*, void (TForm1::*)(ui::Component&)> bindings[] = {
      {&BAdd1, &TForm1::BAdd1Click},     {&BEdit1, &TForm1::BEdit1Click},
      {&BDel1, &TForm1::BDel1Click},     {&BSave1, &TForm1::BSave1Click},
      {&BSave2, &TForm1::BSave2Click},   {&BDel2, &TForm1::BDel2Click},
      {&BClear1, &TForm1::BClear1Click}, {&BPrev1, &TForm1::BPrev1Click},
      {&BNext1, &TForm1::BNext1Click},   {&BClose1, &TForm1::BClose1Click},
  };
  for (const auto& [button, handler] : bindings) {
    button->OnClick = [this, handler](ui::Component& sender) { (this->*handler)(sender); };
  }
}

void TForm1::SetExpanded(bool expanded) {
  SetHeight(expanded ? kExpandedHeight : kCollapsedHeight);
  CenterOnScreen();
  suiGroupBox1.SetVisible(expanded);
}

void TForm1::EnterMode(EditorMode mode) {
  BSave1.SetVisible(mode == EditorMode::Add);
  BSave2.SetVisible(mode == EditorMode::Edit);
  BDel2.SetVisible(mode == EditorMode::Delete);
  BClear1.SetEnabled(mode != EditorMode::Delete);
  BPrev1.SetEnabled(mode != EditorMode::Add);
  BNext1.SetEnabled(mode != EditorMode::Add);
  SetExpanded(true);
  if (mode == EditorMode::Add) {
    BClear1Click(BClear1);
  } else {
    ShowRecordNumber();
    Load();
  }
  EHostName1.SetFocus();
}

void TForm1::BAdd1Click(ui::Component&) { EnterMode(EditorMode::Add); }
void TForm1::BEdit1Click(ui::Component&) { EnterMode(EditorMode::Edit); }
void TForm1::BDel1Click(ui::Component&) { EnterMode(EditorMode::Delete); }

void TForm1::BClear1Click(ui::Component&) {
  EHostName1.SetText("");
  EUserName1.SetText("");
  EPassword1.SetText("");
  EUNC1.SetText("");
  EDrive1.SetItemIndex(24);  // "Y:"
  EMaxPing1.SetValue(105);
  EHostName1.SetFocus();
}

void TForm1::Save() {
  RxMemoryData1.Assign("HostName", EHostName1.Text());
  RxMemoryData1.Assign("UserName", EUserName1.Text());
  RxMemoryData1.Assign("Password", EPassword1.Text());
  RxMemoryData1.Assign("UNC", EUNC1.Text());
  RxMemoryData1.Assign("Drive", EDrive1.Text());
  RxMemoryData1.Assign("MaxPing", EMaxPing1.Value());
}

void TForm1::Load() {
  EHostName1.SetText(RxMemoryData1.AsString("HostName"));
  EUserName1.SetText(RxMemoryData1.AsString("UserName"));
  EPassword1.SetText(RxMemoryData1.AsString("Password"));
  EUNC1.SetText(RxMemoryData1.AsString("UNC"));
  const std::string drive = RxMemoryData1.AsString("Drive");
  int index = -1;
  const auto& items = EDrive1.Items();
  for (std::size_t i = 0; i < items.size() && index < 0; ++i) {
    if (services_.locale.SameTextIgnoringCase(items[i], drive)) index = static_cast<int>(i);
  }
  EDrive1.SetItemIndex(index);
  EMaxPing1.SetValue(RxMemoryData1.AsInteger("MaxPing"));
}

void TForm1::SaveAndPost() {
  try {
    Save();
  } catch (...) {
    // A value the table refused ("Range check error"): nothing of the half-made record stays.
    RxMemoryData1.Cancel();
    throw;
  }
  RxMemoryData1.Post();
  SetExpanded(false);
}

void TForm1::BSave1Click(ui::Component&) {
  RxMemoryData1.Append();
  SaveAndPost();
}

std::string TForm1::ReturnToEditedRecord() {
  RxMemoryData1.SetRecNo(std::stoi(EID1.Text()));
  return monitor::TrimmedText(RxMemoryData1.AsString("Drive"));
}

void TForm1::BSave2Click(ui::Component&) {
  monitor::NetDel(services_.drives, ReturnToEditedRecord());
  RxMemoryData1.Edit();
  SaveAndPost();
}

void TForm1::BDel2Click(ui::Component&) {
  const std::string drive = ReturnToEditedRecord();
  RxMemoryData1.Delete();  // the record goes before its drive is released
  monitor::NetDel(services_.drives, drive);
  SetExpanded(false);
}

void TForm1::BPrev1Click(ui::Component&) {
  RxMemoryData1.Prior();
  ShowCurrentRecord();
}

void TForm1::BNext1Click(ui::Component&) {
  RxMemoryData1.Next();
  ShowCurrentRecord();
}

void TForm1::ShowCurrentRecord() {
  ShowRecordNumber();
  Load();
  EHostName1.SetFocus();
}

void TForm1::BClose1Click(ui::Component&) { SetExpanded(false); }

void TForm1::ShowRecordNumber() { EID1.SetText(std::to_string(RxMemoryData1.RecNo())); }

}  // namespace app
