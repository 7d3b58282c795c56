// The editor panel, driven on a headless main window as a user would drive it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "app_fixture.h"

namespace {

struct Mapping {
  const char* host;
  const char* drive;
  int max_ping;
};

struct EditorTest : app_test::AppFixture {
  app::TForm1& Start(const std::vector<Mapping>& mappings = {}) {
    CreateShown();
    for (const Mapping& m : mappings) {
      form->RxMemoryData1.Append();
      form->RxMemoryData1.Assign("HostName", m.host);
      form->RxMemoryData1.Assign("Drive", m.drive);
      form->RxMemoryData1.Assign("MaxPing", m.max_ping);
      form->RxMemoryData1.Post();
    }
    return *form;
  }

  std::string Field(int record, const char* field) {
    form->RxMemoryData1.SetRecNo(record);
    return form->RxMemoryData1.AsString(field);
  }
  std::vector<std::string> Hosts() {
    std::vector<std::string> hosts;
    for (const auto& row : platform.grids["suiDBGrid1"].cells) hosts.push_back(row[0]);
    return hosts;
  }
  static void Type(ui::Edit& edit, const std::string& text) {
    for (char c : text) edit.TypeChar(c);
  }
  std::vector<std::string> Cancels() {
    std::vector<std::string> cancels;
    for (const auto& call : drives.calls) {
      if (call.starts_with("cancel")) cancels.push_back(call);
    }
    return cancels;
  }
};

TEST_F(EditorTest, AddSaveWithNothingTypedAppendsYAnd105AndCollapses) {
  auto& f = Start({{"one", "E:", 5}});
  const ui::Rect collapsed = f.Bounds();
  f.BAdd1.Click();
  EXPECT_EQ(f.Height(), 440);
  EXPECT_EQ(f.Bounds().top, (768 - 440) / 2);
  EXPECT_TRUE(f.BSave1.Usable());
  EXPECT_FALSE(f.BSave2.Usable());
  EXPECT_FALSE(f.BDel2.Usable());
  EXPECT_FALSE(f.BPrev1.Enabled());
  EXPECT_TRUE(f.EHostName1.Focused());
  EXPECT_EQ(f.EDrive1.Text(), "Y:");
  EXPECT_EQ(f.EMaxPing1.Text(), "105");

  f.BSave1.Click();
  EXPECT_EQ(f.Height(), 265);
  EXPECT_FALSE(f.suiGroupBox1.Showing());
  EXPECT_EQ(f.Bounds().width, collapsed.width);
  ASSERT_EQ(f.RxMemoryData1.RecordCount(), 2);
  EXPECT_EQ(f.RxMemoryData1.RecNo(), 2);
  EXPECT_EQ(f.RxMemoryData1.AsString("Drive"), "Y:");
  EXPECT_EQ(f.RxMemoryData1.AsInteger("MaxPing"), 105);
  EXPECT_EQ(f.RxMemoryData1.AsInteger("ID"), 2);
  EXPECT_EQ(platform.grids["suiDBGrid1"].cells[1],
            (std::vector<std::string>{"", "", "", "Y:", "", ""}));
  EXPECT_TRUE(drives.calls.empty());
  EXPECT_EQ(files.files.at("C:\\Program Files\\Vardeko\\Vardeko.ini"), "")
      << "nothing reaches the settings file before Ok";
}

TEST_F(EditorTest, TypedValuesAreSavedAndCutToTheFieldSizes) {
  auto& f = Start();
  f.BAdd1.Click();
  Type(f.EHostName1, "abcdefghijklmnopqrst");  // 20 characters
  Type(f.EPassword1, "pw");
  f.EMaxPing1.SetText("");
  Type(f.EMaxPing1, "7x");  // the letter is refused with a beep
  f.EDrive1.NotifySelected(25);
  f.PressAccelerator('s');
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(f.RxMemoryData1.AsString("HostName"), "abcdefghijklmnop");
  EXPECT_EQ(f.RxMemoryData1.AsString("Password"), "pw");
  EXPECT_EQ(f.RxMemoryData1.AsString("Drive"), "Z:");
  EXPECT_EQ(f.RxMemoryData1.AsInteger("MaxPing"), 7);
  EXPECT_EQ(platform.controls["EPassword1"].password_char, '*');
  EXPECT_EQ(Hosts(), (std::vector<std::string>{"abcdefghijklmnop"}));
}

TEST_F(EditorTest, EditSaveDisconnectsTheOldDriveOfItsOwnRecordEvenAfterTheCursorMoved) {
  auto& f = Start({{"one", "E:", 5}, {"two", "F:", 5}, {"three", "Y:", 5}, {"four", " G", 5}});
  f.RxMemoryData1.SetRecNo(3);
  f.BEdit1.Click();
  EXPECT_EQ(f.EID1.Text(), "3");
  EXPECT_EQ(f.EHostName1.Text(), "three");
  EXPECT_EQ(f.EDrive1.Text(), "Y:");
  f.EDrive1.NotifySelected(25);
  f.Timer1.Tick();  // a monitor cycle leaves the last record current
  f.PressAccelerator('S');
  EXPECT_EQ(Cancels(), (std::vector<std::string>{"cancel Y:"}));
  EXPECT_EQ(f.RxMemoryData1.AsInteger("ID"), 3);
  EXPECT_EQ(Field(3, "Drive"), "Z:");
  EXPECT_EQ(Field(3, "HostName"), "three");
  EXPECT_EQ(Field(1, "Drive"), "E:");

  f.RxMemoryData1.SetRecNo(4);  // a stored drive with a blank: released trimmed
  f.BEdit1.Click();
  EXPECT_EQ(f.EDrive1.ItemIndex(), -1);
  f.BSave2.Click();
  EXPECT_EQ(Cancels().back(), "cancel G");
}

TEST_F(EditorTest, PrevOnTheFirstRecordDiscardsTypingAndNextFollowsTheRecords) {
  auto& f = Start({{"one", "e:", 3}, {"two", "", 4}});
  f.RxMemoryData1.First();
  f.BEdit1.Click();
  EXPECT_EQ(f.EDrive1.Text(), "E:") << "the drive matches in any letter case";
  Type(f.EHostName1, "typed");
  f.BPrev1.Click();
  EXPECT_EQ(f.EID1.Text(), "1");
  EXPECT_EQ(f.EHostName1.Text(), "one");
  f.BNext1.Click();
  EXPECT_EQ(f.EID1.Text(), "2");
  EXPECT_EQ(f.EHostName1.Text(), "two");
  EXPECT_EQ(f.EDrive1.ItemIndex(), -1);
  EXPECT_EQ(f.EMaxPing1.Text(), "4");
  f.BSave2.Click();  // an unknown drive saves as empty
  EXPECT_EQ(Field(2, "Drive"), "");
  EXPECT_EQ(f.RxMemoryData1.RecordCount(), 2);
}

TEST_F(EditorTest, DeleteRemovesTheRecordThenDisconnectsItsDrive) {
  auto& f = Start({{"one", "E:", 5}, {"two", "F:", 5}, {"three", "G:", 5}});
  f.RxMemoryData1.SetRecNo(2);
  f.BDel1.Click();
  EXPECT_FALSE(f.BClear1.Enabled());
  EXPECT_TRUE(f.BDel2.Usable());
  f.BDel2.Click();
  EXPECT_EQ(Hosts(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(f.RxMemoryData1.RecNo(), 2);
  EXPECT_EQ(f.RxMemoryData1.AsString("HostName"), "three");
  EXPECT_EQ(Cancels(), (std::vector<std::string>{"cancel F:"}));
  EXPECT_EQ(f.Height(), 265);
}

TEST_F(EditorTest, DeleteOnAnEmptyTableShowsTheErrorAndStaysOpen) {
  auto& f = Start();
  f.BDel1.Click();
  EXPECT_EQ(f.EID1.Text(), "0");
  EXPECT_EQ(f.EMaxPing1.Text(), "0");
  EXPECT_EQ(f.EDrive1.ItemIndex(), -1);
  f.BDel2.Click();
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_EQ(platform.error_boxes[0].text,
            "RxMemoryData1: Cannot perform this operation on an empty dataset.");
  EXPECT_TRUE(drives.calls.empty());
  EXPECT_EQ(f.Height(), 440);
  EXPECT_TRUE(f.BDel2.Usable());
  f.PressAccelerator('l');  // Alt+L closes, though "De&lete" marks L too
  EXPECT_EQ(f.Height(), 265);
  EXPECT_EQ(f.RxMemoryData1.RecordCount(), 0);
}

TEST_F(EditorTest, EditOnAnEmptyTableCreatesRecordOne) {
  auto& f = Start();
  f.BEdit1.Click();
  Type(f.EHostName1, "first");
  f.BSave2.Click();
  EXPECT_EQ(f.RxMemoryData1.RecordCount(), 1);
  EXPECT_EQ(f.RxMemoryData1.AsString("HostName"), "first");
  EXPECT_EQ(Cancels(), (std::vector<std::string>{"cancel "}));
}

TEST_F(EditorTest, AddWhileEditingDiscardsWithoutAQuestionAndCloseKeepsThePanel) {
  auto& f = Start({{"one", "E:", 5}});
  f.BEdit1.Click();
  Type(f.EHostName1, "x");
  f.BAdd1.Click();
  EXPECT_EQ(f.EHostName1.Text(), "");
  EXPECT_TRUE(f.BSave1.Usable());
  EXPECT_FALSE(f.BSave2.Usable());
  Type(f.EHostName1, "kept");
  f.BClose1.Click();
  EXPECT_FALSE(f.EHostName1.Usable()) << "the collapsed panel takes no focus";
  EXPECT_EQ(f.EHostName1.Text(), "kept");
  EXPECT_EQ(Field(1, "HostName"), "one");
  EXPECT_FALSE(f.PressAccelerator('s')) << "no Save while collapsed";
  EXPECT_EQ(f.RxMemoryData1.RecordCount(), 1);
}

TEST_F(EditorTest, EnterInAnEditPerformsOkWhileTheTypedValuesStay) {
  auto& f = Start();
  f.BAdd1.Click();
  Type(f.EHostName1, "unsaved");
  f.PressEnter();
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.EHostName1.Text(), "unsaved");
  EXPECT_EQ(f.RxMemoryData1.RecordCount(), 0);
  EXPECT_EQ(files.files.count("C:\\Program Files\\Vardeko\\Vardeko.ini"), 1u);
}

TEST_F(EditorTest, AMaxPingBeyondTheIntegerRangeIsRefusedAndLeavesNoHalfMadeRecord) {
  auto& f = Start({{"one", "E:", 5}});
  for (ui::Button* save : {&f.BSave1, &f.BSave2}) {
    if (save == &f.BSave1) {
      f.BAdd1.Click();
    } else {
      f.BEdit1.Click();
    }
    f.EMaxPing1.SetText("");
    Type(f.EMaxPing1, "99999999999");
    save->Click();
    EXPECT_EQ(platform.error_boxes.back().text, "Range check error.");
    EXPECT_EQ(f.Height(), 440);
    EXPECT_EQ(f.RxMemoryData1.RecordCount(), 1);
    EXPECT_EQ(Field(1, "HostName"), "one") << "the stored record is unchanged";
    EXPECT_EQ(f.RxMemoryData1.AsInteger("MaxPing"), 5);
  }
}

TEST_F(EditorTest, NumberEditSelectsItsLastTwoCharactersAndTurnsEmptyIntoZero) {
  auto& f = Start();
  f.BAdd1.Click();
  f.EMaxPing1.SetFocus();
  EXPECT_EQ(platform.controls["EMaxPing1"].selection_start, 1);
  EXPECT_EQ(platform.controls["EMaxPing1"].selection_length, 2);
  EXPECT_TRUE(platform.controls["EMaxPing1"].right_aligned);
  for (int i = 0; i < 3; ++i) f.EMaxPing1.TypeChar('\b');
  EXPECT_EQ(f.EMaxPing1.Value(), 0);
  f.EUserName1.SetFocus();
  EXPECT_EQ(f.EMaxPing1.Text(), "0");
}

}  // namespace
