// The information file parser: what a good file yields, and that every damaged answer yields
// nothing.
#include "upgrade/upgrade_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using upgrade::ParseUpgradeInfo;
using upgrade::TUpgradeMethod;

const std::string kGoodFile =
    "[Vardeko Upgrade]\r\n"
    "Version=2.0.7\r\n"
    "Method=umRedirectToURL\r\n"
    "URL=http://www.vardeko.com/download/Vardeko/Vardeko-2.0.7.zip\r\n"
    "URL=http://mirror.vardeko.com/Vardeko-2.0.7.zip\r\n"
    "Message=Perbaikan koneksi ulang.\r\n"
    "Message=\r\n"
    "Message=  Baris [b]ketiga[].\r\n"
    "[End]\r\n";

TEST(ParseUpgradeInfoTest, ReadsEveryFieldOfAGoodFile) {
  const auto info = ParseUpgradeInfo(kGoodFile);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->version, "2.0.7");
  EXPECT_EQ(info->method, TUpgradeMethod::umRedirectToURL);
  EXPECT_EQ(info->addresses,
            (std::vector<std::string>{"http://www.vardeko.com/download/Vardeko/Vardeko-2.0.7.zip",
                                      "http://mirror.vardeko.com/Vardeko-2.0.7.zip"}));
  // Message lines are kept as written, blank and indented ones too, joined by CR LF.
  EXPECT_EQ(info->message, "Perbaikan koneksi ulang.\r\n\r\n  Baris [b]ketiga[].");
}

TEST(ParseUpgradeInfoTest, ToleratesTheUsualWaysAFileIsWritten) {
  const std::string lf_only =
      "\xEF\xBB\xBF"  // saved by an editor that marks UTF-8
      "; written by hand\n"
      "\n"
      "  [vardeko upgrade]  \n"
      "  version = 3.0 \n"
      "method=UMSELFUPGRADE\n"
      "Released=2024-05-01\n"  // a key of a later format
      "url =  www.vardeko.com/v3.zip\t\n"
      "[END]\n"
      "\n"
      "; nothing but comments and blank lines after the end\n";
  const auto info = ParseUpgradeInfo(lf_only);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->version, "3.0");
  EXPECT_EQ(info->method, TUpgradeMethod::umSelfUpgrade);
  EXPECT_EQ(info->addresses, std::vector<std::string>{"www.vardeko.com/v3.zip"});
  EXPECT_EQ(info->message, "");

  // No address and no final line break: still a file; whether it offers anything is not the
  // parser's business.
  const auto bare =
      ParseUpgradeInfo("[Vardeko Upgrade]\nVersion=9\nMethod=umUseExternalSetup\n[End]");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->method, TUpgradeMethod::umUseExternalSetup);
  EXPECT_TRUE(bare->addresses.empty());
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(ParseUpgradeInfoTest, RejectsDamagedAndHostileAnswers) {
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"an HTML page", "<html><body>Not Found</body></html>\r\n"},
      {"no header", Replace(kGoodFile, "[Vardeko Upgrade]\r\n", "")},
      {"another header", Replace(kGoodFile, "[Vardeko Upgrade]", "[Other Program]")},
      {"key before the header", "Version=2.0.7\r\n" + kGoodFile},
      {"a second section", Replace(kGoodFile, "[End]", "[More]\r\n[End]")},
      {"no end line", Replace(kGoodFile, "[End]\r\n", "")},
      {"text after the end line", kGoodFile + "Version=9.9\r\n"},
      {"a line without =", Replace(kGoodFile, "Message=\r\n", "Message\r\n")},
      {"an empty key name", Replace(kGoodFile, "Message=\r\n", "=x\r\n")},
      {"no version", Replace(kGoodFile, "Version=2.0.7\r\n", "")},
      {"an empty version", Replace(kGoodFile, "Version=2.0.7", "Version=  ")},
      {"a spaced version", Replace(kGoodFile, "Version=2.0.7", "Version=2.0 7")},
      {"a non-ASCII version", Replace(kGoodFile, "Version=2.0.7", "Version=2.0.\xB9")},
      {"an overlong version", Replace(kGoodFile, "2.0.7", "2." + std::string(63, '9'))},
      {"two versions", Replace(kGoodFile, "Version=2.0.7", "Version=2.0.7\r\nVersion=2.0.8")},
      {"no method", Replace(kGoodFile, "Method=umRedirectToURL\r\n", "")},
      {"an unknown method", Replace(kGoodFile, "umRedirectToURL", "umRunAttachment")},
      {"two methods", Replace(kGoodFile, "Method=umRedirectToURL",
                              "Method=umRedirectToURL\r\nMethod=umSelfUpgrade")},
      {"an empty address", Replace(kGoodFile, "URL=http://mirror", "URL= \r\nURL=http://mirror")},
      {"a NUL byte", Replace(kGoodFile, "koneksi", std::string("kone\0si", 7))},
      {"a lone CR", Replace(kGoodFile, "koneksi ulang", "koneksi\rulang")},
      {"an escape byte", Replace(kGoodFile, "koneksi", "\x1B[31mkoneksi")},
      {"a DEL byte", Replace(kGoodFile, "koneksi",
                             "kon\x7F"
                             "eksi")},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ParseUpgradeInfo(c.bytes)) << c.what;
  }
}

TEST(ParseUpgradeInfoTest, EveryCutBeforeTheEndLineIsRejected) {
  const std::size_t end_line = kGoodFile.find("[End]") + 5;
  for (std::size_t length = 0; length < kGoodFile.size(); ++length) {
    EXPECT_EQ(ParseUpgradeInfo(kGoodFile.substr(0, length)).has_value(), length >= end_line)
        << "cut after " << length << " bytes";
  }
}

TEST(ParseUpgradeInfoTest, AcceptsUpToSixtyFourKibibytesAndNoMore) {
  const std::string comment(upgrade::kMaxInfoFileBytes - kGoodFile.size() - 2, ';');
  const std::string padded = comment + "\r\n" + kGoodFile;
  ASSERT_EQ(padded.size(), upgrade::kMaxInfoFileBytes);
  EXPECT_TRUE(ParseUpgradeInfo(padded));
  EXPECT_FALSE(ParseUpgradeInfo(";" + padded));
  EXPECT_FALSE(ParseUpgradeInfo(kGoodFile + std::string(upgrade::kMaxInfoFileBytes, '\n')));
}

}  // namespace
