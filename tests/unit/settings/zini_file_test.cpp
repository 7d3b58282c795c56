// The settings file: line rules, reads, writes, duplicates, batches and the store's errors.
#include <optional>
#include <string>

#include "settings/zini.h"
#include "zini_fixture.h"

namespace {

using namespace std::string_literals;
using settings::EzIniError;
using settings_test::ExpectError;
using settings_test::kIniPath;
using ZIniFile = settings_test::ZIniFixture;

TEST_F(ZIniFile, ReadsFollowTheTextFileRules) {
  struct Case {
    const char* rule;
    std::string file;
    std::string name;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"CR LF ends a line", "a=1\r\nb=2\r\n", "b", "2"},
      {"LF ends a line, the last needs no end", "a=1\nb=2", "b", "2"},
      {"a lone CR inside a line is dropped", "a=1\rb=2\r\n", "a", "1b=2"},
      {"so the joined line hides b", "a=1\rb=2\r\n", "b", std::nullopt},
      {"0x1A ends reading",
       "a=1\x1A"
       "\r\nb=2\r\n",
       "b", std::nullopt},
      {"NUL is an ordinary byte", "a=x\0y\r\nb=2\r\n"s, "b", "2"},
      {"the value runs from the first =", "a==b=c\r\n", "a", "=b=c"},
      {"nothing is trimmed", " a = 1 \r\n", " a ", " 1 "},
      {"blanks belong to the name", " a = 1 \r\n", "a", std::nullopt},
      {"a line without = matches nothing", "a\r\na=2\r\n", "a", "2"},
      {"names ignore letter case", "UpGradeURL=x\r\n", "upgradeurl", "x"},
      {"also for Windows-1252 letters", "N\xC9=1\r\n", "n\xE9", "1"},
      {"a longer name is another name", "ab=1\r\n", "a", std::nullopt},
      {"an empty value is a value", "a=\r\n", "a", ""},
  };
  for (const Case& c : cases) {
    files.files[kIniPath] = c.file;
    EXPECT_EQ(store.ReadString(c.name, "<default>"), c.value.value_or("<default>")) << c.rule;
  }
}

TEST_F(ZIniFile, AWriteRewritesTheFileWithCrLfAfterEveryLineByTheLoadingRules) {
  struct Case {
    const char* rule;
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {"CR LF", "a=1\r\nb=2\r\n", "a=1\r\nb=2\r\nnew=v\r\n"},
      {"LF, last line unended", "a=1\nb=2", "a=1\r\nb=2\r\nnew=v\r\n"},
      {"a lone CR ends a line", "a=1\rb=2\r", "a=1\r\nb=2\r\nnew=v\r\n"},
      {"CR before CR LF ends an empty line", "a=1\r\r\nb=2", "a=1\r\n\r\nb=2\r\nnew=v\r\n"},
      {"LF then CR", "a=1\n\rb=2", "a=1\r\n\r\nb=2\r\nnew=v\r\n"},
      {"NUL ends the text", "a=1\r\nb=2\0c=3\r\n"s, "a=1\r\nb=2\r\nnew=v\r\n"},
      {"0x1A is kept",
       "a=1\x1A"
       "\r\n",
       "a=1\x1A"
       "\r\nnew=v\r\n"},
      {"lines without = and empty lines are kept", "[x]\r\n\r\n", "[x]\r\n\r\nnew=v\r\n"},
      {"empty file", "", "new=v\r\n"},
  };
  for (const Case& c : cases) {
    files.files[kIniPath] = c.before;
    store.WriteString("new", "v", false);
    EXPECT_EQ(FileBytes(), c.after) << c.rule;
  }
}

TEST_F(ZIniFile, WritesUpdateInPlaceAppendOrRemoveAnEmptiedLine) {
  files.files[kIniPath] = "Host=a\r\nnote\r\nport=1\r\n";
  store.WriteString("PORT", "2", false);  // keeps the file's spelling and place
  store.WriteInteger("Count", -42, false);
  store.WriteInteger("Low", -2147483647 - 1, false);
  store.WriteString("Host", "", false);   // an existing line goes
  store.WriteString("Empty", "", false);  // a missing one comes as "name="
  EXPECT_EQ(FileBytes(), "note\r\nport=2\r\nCount=-42\r\nLow=-2147483648\r\nEmpty=\r\n");
  EXPECT_EQ(store.ReadString("Empty", "<default>"), "");
  EXPECT_EQ(store.ReadInteger("count", 0), -42);
  EXPECT_EQ(files.replacements, 5);
}

TEST_F(ZIniFile, TheFirstOfSameNamedLinesIsReadUpdatedAndDeleted) {
  files.files[kIniPath] = "k=1\r\nK=2\r\n";
  EXPECT_EQ(store.ReadString("K", ""), "1");
  store.WriteString("K", "3", false);
  EXPECT_EQ(FileBytes(), "k=3\r\nK=2\r\n");
  store.DeleteKey("k");
  EXPECT_EQ(FileBytes(), "K=2\r\n");
  EXPECT_EQ(store.ReadString("k", ""), "2");
  store.DeleteKey("absent");
  EXPECT_EQ(FileBytes(), "K=2\r\n");
}

TEST_F(ZIniFile, ReadIntegerGivesTheDefaultOnlyForAMissingLine) {
  EXPECT_EQ(store.ReadInteger("n", 5), 5);  // no file
  EXPECT_EQ(store.ReadString("n", "d"), "d");
  EXPECT_TRUE(files.files.empty()) << "a read creates no file";

  files.files[kIniPath] = "n=abc\r\nm=12\r\ne=\r\n";
  EXPECT_EQ(store.ReadInteger("n", 5), 0);
  EXPECT_EQ(store.ReadInteger("e", 5), 0);
  EXPECT_EQ(store.ReadInteger("m", 5), 12);
  EXPECT_EQ(store.ReadInteger("missing", 5), 5);
}

TEST_F(ZIniFile, ABatchCollectsWritesThatReadsDoNotSeeAndPostWritesThemOnce) {
  files.files[kIniPath] = "a=1\r\n";
  EXPECT_FALSE(store.Edit());
  EXPECT_TRUE(store.Edit());
  store.WriteString("a", "2", false);
  store.WriteInteger("b", 3, false);
  store.DeleteKey("a");
  store.WriteString("a", "4", false);
  EXPECT_EQ(store.ReadString("a", ""), "1");
  EXPECT_EQ(store.ReadInteger("b", -1), -1);
  EXPECT_EQ(files.replacements, 0);

  store.Post();
  EXPECT_EQ(FileBytes(), "b=3\r\na=4\r\n");
  EXPECT_EQ(files.replacements, 1);
  ExpectError<EzIniError>([&] { store.Post(); }, "Post: Not edit mode");
  EXPECT_EQ(files.replacements, 1);
}

TEST_F(ZIniFile, AMissingFileIsCreatedEmptyWhenItsFolderExists) {
  store.DeleteKey("x");
  EXPECT_EQ(FileBytes(), "");
  files.files.erase(kIniPath);
  EXPECT_FALSE(store.Edit());
  EXPECT_EQ(FileBytes(), "");
  store.Post();
  EXPECT_EQ(FileBytes(), "");
}

TEST_F(ZIniFile, AMissingFolderRaisesCantCreateFileAndLeavesNoBatchOpen) {
  for (const std::string path : {"C:\\Nowhere\\Vardeko.ini", "Vardeko.ini"}) {
    store.SetFileName(path);
    const std::string message = "Can't create file:\r" + path;
    ExpectError<EzIniError>([&] { store.WriteString("a", "1", false); }, message);
    ExpectError<EzIniError>([&] { store.WriteInteger("a", 1, true); }, message);
    ExpectError<EzIniError>([&] { store.DeleteKey("a"); }, message);
    ExpectError<EzIniError>([&] { store.Edit(); }, message);
    ExpectError<EzIniError>([&] { store.Post(); }, "Post: Not edit mode");
    EXPECT_TRUE(files.files.empty());
  }
  // Once the folder is there, the next write reaches the file: no batch stayed open.
  files.folders.insert("C:\\Nowhere");
  store.SetFileName("C:\\Nowhere\\Vardeko.ini");
  store.WriteString("a", "1", false);
  EXPECT_EQ(files.files.at("C:\\Nowhere\\Vardeko.ini"), "a=1\r\n");
}

TEST_F(ZIniFile, AFailedWriteKeepsTheOldFileReportsTheFileErrorAndClosesTheBatch) {
  files.files[kIniPath] = "a=1\r\n";
  files.unwritable.insert(kIniPath);
  const std::string denied = "Cannot write file \"" + kIniPath + "\": Access is denied.";
  ExpectError<os::FileError>([&] { store.WriteString("a", "2", false); }, denied);
  EXPECT_EQ(FileBytes(), "a=1\r\n");
  EXPECT_FALSE(store.Edit()) << "the failed write left its batch open";

  store.WriteString("a", "3", false);  // inside the batch just opened
  ExpectError<os::FileError>([&] { store.Post(); }, denied);
  EXPECT_EQ(FileBytes(), "a=1\r\n");
  ExpectError<EzIniError>([&] { store.Post(); }, "Post: Not edit mode");

  files.unwritable.clear();
  store.WriteString("b", "4", false);
  EXPECT_EQ(FileBytes(), "a=1\r\nb=4\r\n");
}

TEST_F(ZIniFile, AFailedLoadReportsTheFileErrorAndOpensNoBatch) {
  files.files[kIniPath] = "a=1\r\n";
  files.unreadable.insert(kIniPath);
  const std::string denied = "Cannot read file \"" + kIniPath + "\": Access is denied.";
  ExpectError<os::FileError>([&] { store.ReadString("a", ""); }, denied);
  ExpectError<os::FileError>([&] { store.WriteString("a", "2", false); }, denied);
  files.unreadable.clear();
  EXPECT_FALSE(store.Edit());
  store.Post();
  EXPECT_EQ(FileBytes(), "a=1\r\n");
}

}  // namespace
