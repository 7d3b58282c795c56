// Load and save of the mapping list, on real files in a temporary folder, compared byte for byte.
#include "settings/mapping_persistence.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/disk_file_system.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_locale.h"
#include "zini_fixture.h"

namespace {

using settings_test::OwnerForm;

const std::string kUrl = "http://www.vardeko.com/download/Vardeko/Vardeko.inf";

// What the store writes for a value: up to one byte plain, else the marker and XOR 0x1F.
std::string Scrambled(const std::string& value) {
  if (value.size() <= 1) return value;
  std::string out = "\xB6";
  for (char c : value) out += static_cast<char>(c ^ 0x1F);
  return out;
}

std::string Lines(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string text;
  for (const auto& [name, value] : entries) text += name + "=" + value + "\r\n";
  return text;
}

struct Mapping {
  std::string host, user, password, unc, drive;
  int max_ping;
};

class PersistenceTest : public ::testing::Test {
 protected:
  PersistenceTest()
      : folder_(std::filesystem::temp_directory_path() /
                ("vardeko-persist-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())),
        files_((std::filesystem::create_directories(folder_), folder_.string())) {
    application_.SetTitle("Vardeko");
    store_.SetFormSave(settings::TFormSaveFormat::fsfNone);
    store_.SetFileNameAutoSet(settings::TFormSavePlace::fspNone);
    store_.SetEncryptValues(true);
  }
  ~PersistenceTest() override { std::filesystem::remove_all(folder_); }

  std::string IniPath() const { return (folder_ / "Vardeko.ini").string(); }
  void WriteIni(const std::string& bytes) {
    std::ofstream(IniPath(), std::ios::binary) << bytes;
  }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Load() { settings::LoadSettings(store_, table_, files_, url_); }
  void Save() { settings::SaveSettings(store_, table_, url_); }
  void Add(const Mapping& m) {
    table_.Append();
    table_.Assign("HostName", m.host);
    table_.Assign("UserName", m.user);
    table_.Assign("Password", m.password);
    table_.Assign("UNC", m.unc);
    table_.Assign("Drive", m.drive);
    table_.Assign("MaxPing", m.max_ping);
    table_.Post();
  }
  std::vector<std::string> Hosts() {
    std::vector<std::string> hosts;
    for (table_.First(); !table_.Eof(); table_.Next()) hosts.push_back(table_.AsString("HostName"));
    return hosts;
  }

  std::filesystem::path folder_;
  fakes::DiskFileSystem files_;
  fakes::FakeLocale locale_;
  ui::headless::HeadlessPlatform platform_;
  ui::Application application_{platform_};
  OwnerForm form_{application_, "Form1", "TForm1"};
  settings::TzIni store_{form_, "zIni1", files_, locale_};
  mappings::MemoryData table_{"RxMemoryData1"};
  std::string url_ = kUrl;
};

TEST_F(PersistenceTest, FirstRunCreatesAnEmptyFileAndTheFirstSaveWritesTheAddressAndZero) {
  Load();
  EXPECT_EQ(store_.FileName(), IniPath());
  EXPECT_TRUE(files_.FileExists(IniPath()));
  EXPECT_EQ(ReadIni(), "");
  EXPECT_EQ(table_.RecordCount(), 0);
  EXPECT_EQ(url_, kUrl);
  Save();
  EXPECT_EQ(ReadIni(), Lines({{"UpGradeURL", Scrambled(kUrl)}, {"DriveCount", "0"}}));
  EXPECT_EQ(files_.replacements, 1) << "a save rewrites the file once";
}

TEST_F(PersistenceTest, LoadTakesPlainAndScrambledValuesAndDefaultsForMissingKeys) {
  WriteIni(Lines({{"UpGradeURL", Scrambled("http://example.test/v.inf")},
                  {"DriveCount", "3"},
                  {"HostName0", Scrambled("fileserver")}, {"UserName0", "a"},
                  {"Password0", "secret"}, {"UNC0", Scrambled("public")},
                  {"Drive0", Scrambled("M:")}, {"MaxPing0", "3"},
                  {"HostName1", "abcdefghijklmnopqrst"}, {"MaxPing1", "x"}}));
  Load();
  EXPECT_EQ(url_, "http://example.test/v.inf");
  ASSERT_EQ(table_.RecordCount(), 3);
  EXPECT_EQ(table_.RecNo(), 3) << "the last loaded record is current";
  table_.First();
  EXPECT_EQ(table_.AsString("HostName"), "fileserver");
  EXPECT_EQ(table_.AsString("UserName"), "a");
  EXPECT_EQ(table_.AsString("Password"), "secret");
  EXPECT_EQ(table_.AsString("Drive"), "M:");
  EXPECT_EQ(table_.AsInteger("MaxPing"), 3);
  EXPECT_EQ(table_.AsString("FalseCount"), "0");
  EXPECT_EQ(table_.AsString("Connected"), "") << "the monitor sets it";
  EXPECT_EQ(table_.AsInteger("ID"), 1);
  table_.Next();
  EXPECT_EQ(table_.AsString("HostName"), "abcdefghijklmnop");
  EXPECT_EQ(table_.AsInteger("MaxPing"), 0) << "present but no number";
  table_.Next();
  EXPECT_EQ(table_.AsString("HostName"), "");
  EXPECT_EQ(table_.AsInteger("MaxPing"), 5) << "missing";
  EXPECT_EQ(table_.AsInteger("ID"), 3);
}

TEST_F(PersistenceTest, TwelveRecordsSaveInKeyOrderWithTwoDigitCountScrambled) {
  Load();
  for (int i = 0; i < 12; ++i) Add({"h" + std::to_string(i), "", "", "s", "", i});
  Save();
  std::vector<std::pair<std::string, std::string>> expected = {{"UpGradeURL", Scrambled(kUrl)},
                                                               {"DriveCount", Scrambled("12")}};
  for (int i = 0; i < 12; ++i) {
    const std::string n = std::to_string(i);
    expected.insert(expected.end(), {{"HostName" + n, Scrambled("h" + n)},
                                     {"UserName" + n, ""},
                                     {"Password" + n, ""},
                                     {"UNC" + n, "s"},
                                     {"Drive" + n, ""},
                                     {"MaxPing" + n, Scrambled(n)}});
  }
  EXPECT_EQ(ReadIni(), Lines(expected));
  EXPECT_EQ(table_.RecNo(), 12);
  EXPECT_TRUE(table_.Eof());
}

TEST_F(PersistenceTest, ASaveDeletesTheOldKeysAppendsTheNewOnesAndKeepsUnknownLinesInPlace) {
  WriteIni(Lines({{"first", "kept"},
                  {"drivecount", "2"},
                  {"hostname0", "old0"}, {"maxping0", "1"},
                  {"Comment", "kept too"},
                  {"HostName1", "old1"},
                  {"HostName2", "beyond the count"},
                  {"upgradeurl", ""}}) +
           "a line without an equals sign\r\n");
  Load();
  EXPECT_EQ(Hosts(), (std::vector<std::string>{"old0", "old1"}));
  EXPECT_EQ(url_, "") << "an empty address line gives an empty address for the run";
  table_.First();
  table_.Delete();
  table_.Delete();
  Add({"new", "u", "p", "share", "Y:", 9});
  Save();
  EXPECT_EQ(ReadIni(), Lines({{"first", "kept"},
                              {"drivecount", "1"},
                              {"Comment", "kept too"},
                              {"HostName2", "beyond the count"}}) +
                           "a line without an equals sign\r\n" +
                           Lines({{"HostName0", Scrambled("new")}, {"UserName0", "u"},
                                  {"Password0", "p"}, {"UNC0", Scrambled("share")},
                                  {"Drive0", Scrambled("Y:")}, {"MaxPing0", "9"}}))
      << "the empty address removes its line; names keep the file's letter case";
}

TEST_F(PersistenceTest, HostileFilesLoadWithoutACrashAndWithABoundedList) {
  const std::string hostile[] = {
      std::string("DriveCount=2147483647\r\nHostName0=\x01\x02\xff\r\n"),
      std::string("DriveCount=2\r\nHostName0=a\0b\r\nHostName1=c\x1a" "d\r\n", 32),
      "DriveCount=1\r\nHostName0=" + std::string(10 * 1024 * 1024, 'x') + "\r\n",
      std::string("\xB6\xB6\xB6=\xB6\r\n\r\n=\r\nDriveCount=-5\r\n"),
  };
  for (const std::string& bytes : hostile) {
    WriteIni(bytes);
    mappings::MemoryData table("RxMemoryData1");
    std::string url = kUrl;
    settings::LoadSettings(store_, table, files_, url);
    EXPECT_LE(table.RecordCount(), settings::kMaxStoredMappings);
  }
}

// A save gives exactly the bytes that deleting and writing key by key, each a rewrite of its own,
// would leave.
TEST_F(PersistenceTest, OneRewriteLeavesTheSameBytesAsTheKeyByKeySave) {
  const std::string starts[] = {
      "",
      Lines({{"DriveCount", "3"}, {"HostName0", "a"}, {"x", "y"}, {"UNC2", "z"},
             {"MaxPing5", "1"}, {"UpGradeURL", "u"}}),
      Lines({{"hostname1", "q"}, {"DRIVECOUNT", "1"}, {"HostName0", "r"}, {"HostName0", "dup"}}),
  };
  for (const std::string& start : starts) {
    WriteIni(start);
    mappings::MemoryData table("RxMemoryData1");
    std::string url = kUrl;
    settings::LoadSettings(store_, table, files_, url);
    table.Append();
    table.Assign("HostName", "added");
    table.Post();

    const int old_count = store_.ReadInteger("DriveCount", 0);
    for (int i = 0; i < old_count; ++i) {
      for (const char* key : {"HostName", "UserName", "Password", "UNC", "Drive", "MaxPing"}) {
        store_.DeleteKey(key + std::to_string(i));
      }
    }
    store_.WriteString("UpGradeURL", url, true);
    store_.WriteInteger("DriveCount", table.RecordCount(), true);
    int i = 0;
    for (table.First(); !table.Eof(); table.Next(), ++i) {
      for (const char* key : {"HostName", "UserName", "Password", "UNC", "Drive"}) {
        store_.WriteString(key + std::to_string(i), table.AsString(key), true);
      }
      store_.WriteInteger("MaxPing" + std::to_string(i), table.AsInteger("MaxPing"), false);
    }
    const std::string key_by_key = ReadIni();

    WriteIni(start);
    settings::SaveSettings(store_, table, url);
    EXPECT_EQ(ReadIni(), key_by_key);
  }
}

// With the in-memory file system, whose writes can be made to fail.
struct FailingSaveTest : settings_test::ZIniFixture {};

TEST_F(FailingSaveTest, AFailedWriteLeavesTheOldFileAndALaterSaveWorks) {
  const std::string old = Lines({{"DriveCount", "1"}, {"HostName0", "kept"}});
  files.files[settings_test::kIniPath] = old;
  files.executable_path = "C:\\Program Files\\Vardeko\\Vardeko.exe";
  mappings::MemoryData table("RxMemoryData1");
  std::string url = kUrl;
  settings::LoadSettings(store, table, files, url);
  table.First();
  table.Delete();

  files.unwritable.insert(settings_test::kIniPath);
  EXPECT_THROW(settings::SaveSettings(store, table, url), os::FileError);
  EXPECT_EQ(FileBytes(), old) << "the list on disk is whole";

  files.unwritable.clear();
  settings::SaveSettings(store, table, url);
  EXPECT_EQ(FileBytes(), Lines({{"DriveCount", "0"}, {"UpGradeURL", Scrambled(kUrl)}}));
}

}  // namespace
