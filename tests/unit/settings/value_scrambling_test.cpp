// Value scrambling on its own and as the store applies it to what it writes and reads.
#include "settings/value_scrambling.h"

#include <string>

#include "zini_fixture.h"

namespace {

using settings::ScrambleValue;
using settings::UnscrambleValue;
using settings_test::kIniPath;
using ZIniScrambling = settings_test::ZIniFixture;

// Every byte from 32 to 255 in turn, as long as asked.
std::string SampleValue(std::size_t length) {
  std::string value;
  for (std::size_t i = 0; i < length; ++i) value += static_cast<char>(32 + i % 224);
  return value;
}

TEST(ValueScrambling, NoByteFrom32To255ScramblesToALineBreakOrAnEndOfText) {
  for (int byte = 32; byte <= 255; ++byte) {
    const std::string value(2, static_cast<char>(byte));
    const std::string scrambled = ScrambleValue(value);
    ASSERT_EQ(scrambled.size(), 3u);
    EXPECT_NE(scrambled.substr(1), value) << "byte " << byte << " stands plain";
    for (const char c : scrambled.substr(1)) {
      EXPECT_TRUE(c != '\0' && c != '\n' && c != '\r' && c != '\x1A') << "byte " << byte;
    }
  }
}

TEST(ValueScrambling, RoundTripsAtEveryLengthAndLeavesShortValuesPlain) {
  for (std::size_t length = 0; length <= 5000; length += (length < 300 ? 1 : 467)) {
    const std::string value = SampleValue(length);
    const std::string scrambled = ScrambleValue(value);
    if (length < 2) {
      EXPECT_EQ(scrambled, value);
    } else {
      EXPECT_EQ(scrambled.size(), length + 1);
      EXPECT_EQ(scrambled.front(), '\xB6');
    }
    EXPECT_EQ(UnscrambleValue(scrambled), value) << "length " << length;
  }
}

TEST(ValueScrambling, OnlyMarkedTextsOfThreeOrMoreBytesAreUnscrambled) {
  for (const std::string plain : {"", "\xB6",
                                  "\xB6"
                                  "a",
                                  "abc",
                                  "a\xB6"
                                  "b"}) {
    EXPECT_EQ(UnscrambleValue(plain), plain);
  }
  const std::string marked =
      "\xB6"
      "ab";
  EXPECT_EQ(UnscrambleValue(marked).size(), 2u);
  EXPECT_EQ(ScrambleValue(UnscrambleValue(marked)), marked);
}

TEST_F(ZIniScrambling, EncryptValuesScramblesEveryValueOfTwoOrMoreBytes) {
  store.SetEncryptValues(true);
  store.WriteInteger("DriveCount", 5, false);
  store.WriteString("UserName0", "u", true);
  store.WriteString("Drive0", "", true);
  EXPECT_EQ(FileBytes(), "DriveCount=5\r\nUserName0=u\r\nDrive0=\r\n");

  store.WriteInteger("DriveCount", 10, false);
  EXPECT_EQ(FileBytes(), "DriveCount=" + ScrambleValue("10") + "\r\nUserName0=u\r\nDrive0=\r\n");
  EXPECT_EQ(store.ReadInteger("DriveCount", 0), 10);
}

TEST_F(ZIniScrambling, TheScrambleArgumentAloneScramblesToo) {
  store.WriteString("UpGradeURL", "http://host/v.txt", true);
  store.WriteString("Plain", "http://host/v.txt", false);
  EXPECT_EQ(FileBytes(),
            "UpGradeURL=" + ScrambleValue("http://host/v.txt") + "\r\nPlain=http://host/v.txt\r\n");
  EXPECT_EQ(store.ReadString("UpGradeURL", ""), "http://host/v.txt");
}

TEST_F(ZIniScrambling, ScrambledValuesReadBackUnchangedAtEveryLength) {
  store.SetEncryptValues(true);
  for (const std::size_t length : {2u, 3u, 224u, 5000u}) {
    const std::string value = SampleValue(length);
    store.WriteString("k", value, false);
    store.WriteString("after", "x", false);
    EXPECT_EQ(store.ReadString("k", ""), value) << "length " << length;
    EXPECT_EQ(store.ReadString("after", ""), "x") << "length " << length;
  }
}

TEST_F(ZIniScrambling, AStoredPlainValueThatLooksScrambledIsUnscrambledOnReading) {
  files.files[kIniPath] =
      "long=\xB6"
      "ab\r\nshort=\xB6"
      "a\r\n";
  EXPECT_EQ(store.ReadString("long", ""), UnscrambleValue("\xB6"
                                                          "ab"));
  EXPECT_EQ(store.ReadString("short", ""),
            "\xB6"
            "a");
}

TEST_F(ZIniScrambling, APlainWriteThatWouldReadAsScrambledIsScrambledSoItReadsBack) {
  store.WriteString("long",
                    "\xB6"
                    "abc",
                    false);
  store.WriteString("short",
                    "\xB6"
                    "a",
                    false);
  EXPECT_EQ(FileBytes(), "long=" +
                             ScrambleValue("\xB6"
                                           "abc") +
                             "\r\nshort=\xB6"
                             "a\r\n");
  EXPECT_EQ(store.ReadString("long", ""),
            "\xB6"
            "abc");
  EXPECT_EQ(store.ReadString("short", ""),
            "\xB6"
            "a");
}

}  // namespace
