// The drive operations: one system call each, arguments in the system's order, no errors raised.
#include <gtest/gtest.h>

#include <new>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/fake_network_drives.h"
#include "monitor/drive_operations.h"
#include "monitor/trimmed_text.h"

namespace monitor {
namespace {

const std::string kShare = "\\\\fileserver\\public";

class DriveOperationsTest : public ::testing::Test {
 protected:
  DriveOperationsTest() { drives.OfferShare(kShare, "alice", "secret"); }
  fakes::FakeNetworkDrives drives;
};

TEST_F(DriveOperationsTest, NetUseHandsThePasswordBeforeTheUserNameToTheSystem) {
  EXPECT_TRUE(NetUse(drives, "E:", kShare, "secret", "alice"));
  EXPECT_EQ(drives.calls,
            std::vector<std::string>{"add E: " + kShare + " user=alice password=secret"});
  EXPECT_EQ(drives.connections.at("E:"), kShare);
}

TEST_F(DriveOperationsTest, NetUsePassesEmptyTextsOnAndConnectsWithoutALetter) {
  drives.OfferShare("\\\\guestserver\\open", "", "");
  EXPECT_TRUE(NetUse(drives, "", "\\\\guestserver\\open", "", ""));
  EXPECT_EQ(drives.calls, std::vector<std::string>{"add  \\\\guestserver\\open user= password="});
  EXPECT_EQ(drives.deviceless, std::vector<std::string>{"\\\\guestserver\\open"});
  EXPECT_TRUE(drives.connections.empty());
}

TEST_F(DriveOperationsTest, NetUseFailsForALetterInUseAndDisconnectsNothing) {
  drives.Connect("F:", "\\\\oldserver\\archive");
  EXPECT_FALSE(NetUse(drives, "C:", kShare, "secret", "alice"));
  EXPECT_FALSE(NetUse(drives, "F:", kShare, "secret", "alice"));
  EXPECT_FALSE(NetUse(drives, "G:", kShare, "guess", "alice"));
  EXPECT_EQ(drives.calls.size(), 3u);
  EXPECT_EQ(drives.connections.at("F:"), "\\\\oldserver\\archive");
  EXPECT_FALSE(drives.connections.contains("G:"));
}

TEST_F(DriveOperationsTest, NetDelIsTrueOnlyForAConnectionItCancelled) {
  drives.Connect("E:", kShare);
  EXPECT_TRUE(NetDel(drives, "E:"));
  EXPECT_FALSE(NetDel(drives, "E:"));
  EXPECT_FALSE(NetDel(drives, "C:"));
  EXPECT_EQ(drives.calls, (std::vector<std::string>{"cancel E:", "cancel E:", "cancel C:"}));
}

TEST_F(DriveOperationsTest, PathForDriveReportsThePathAsTheSystemSpellsItOrNothing) {
  drives.Connect("E:", "\\\\FileServer\\Public ");
  EXPECT_EQ(PathForDrive(drives, "E:"), "\\\\FileServer\\Public ");
  EXPECT_EQ(PathForDrive(drives, "C:"), "");
  EXPECT_EQ(PathForDrive(drives, "G:"), "");
  EXPECT_EQ(PathForDrive(drives, ""), "");
  EXPECT_EQ(drives.calls.size(), 4u);
}

// A layer that hands back text with a failure code: the text is not a connection.
class FailingQuery : public fakes::FakeNetworkDrives {
 public:
  os::ConnectionQuery GetConnection(const std::string&) override {
    return {234, "\\\\fileserver\\publ"};  // ERROR_MORE_DATA
  }
};

TEST(DriveOperationsFailureTest, PathForDriveIgnoresTextThatCameWithAFailure) {
  FailingQuery drives;
  EXPECT_EQ(PathForDrive(drives, "E:"), "");
}

class ThrowingDrives : public os::NetworkDrives {
 public:
  os::NetworkResult AddConnection(const std::string&, const std::string&, const std::string&,
                                  const std::string&) override {
    throw std::bad_alloc();
  }
  os::NetworkResult CancelConnection(const std::string&) override { throw std::bad_alloc(); }
  os::ConnectionQuery GetConnection(const std::string&) override { throw std::bad_alloc(); }
};

TEST(DriveOperationsFailureTest, AnErrorBelowBecomesAFailureNotAnError) {
  ThrowingDrives drives;
  EXPECT_FALSE(NetUse(drives, "E:", kShare, "secret", "alice"));
  EXPECT_FALSE(NetDel(drives, "E:"));
  EXPECT_EQ(PathForDrive(drives, "E:"), "");
}

struct TrimCase {
  std::string text;
  std::string trimmed;
};

void PrintTo(const TrimCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.text);
}

class TrimmedTextTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimmedTextTest, DropsCodesUpTo32AtBothEndsOnly) {
  EXPECT_EQ(TrimmedText(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrimmedTextTest,
    ::testing::Values(TrimCase{"", ""}, TrimCase{" \t\r\n", ""}, TrimCase{"  a b  ", "a b"},
                      TrimCase{std::string("\0\x01x\x1f\0", 5), "x"}, TrimCase{"\x20!\x20", "!"},
                      // Bytes from 128 are letters of the code page (0xA0 is a no-break space).
                      TrimCase{"\xA0x\xFF", "\xA0x\xFF"}, TrimCase{"\x7F", "\x7F"}));

}  // namespace
}  // namespace monitor
