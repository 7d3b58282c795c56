// Version comparison by number: the order of parts, missing parts, long numbers, text fallback.
#include "upgrade/version_compare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using upgrade::CompareByNumber;

struct Case {
  std::string a;
  std::string b;
  int expected;  // sign of CompareByNumber(a, b)
};

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(CompareByNumberTest, DecidesByTheFirstDifferingPartOrFallsBackToTheText) {
  const std::vector<Case> cases = {
      // Against the program's own version.
      {"2.0.6", "2.0.6", 0},
      {"2.0.6.0", "2.0.6", 0},
      {"2.0.10", "2.0.6", 1},  // by value, not by text ("10" < "6" as text)
      {"2.1", "2.0.6", 1},
      {"2.0.5", "2.0.6", -1},
      {"3", "2.0.6", 1},
      {"2.0.6.1", "2.0.6", 1},
      {"1.99.99.99", "2.0.6", -1},
      // Leading zeros do not count.
      {"002.00.006", "2.0.6", 0},
      {"2.0.0006.0000", "2.0.6", 0},
      // Numbers wider than any machine integer: neither overflow nor wrap around.
      {"2.0.99999999999999999999999999", "2.0.6", 1},
      {"2.0.18446744073709551622", "2.0.6", 1},  // 2^64 + 6
      {"2.0.4294967302", "2.0.6", 1},            // 2^32 + 6
      {"2.0.000000000000000000000006", "2.0.6", 0},
      // A part that is not a number, met before any difference: the whole texts decide.
      {"2.0.6a", "2.0.6", 1},
      {"2.0.x", "2.0.6", 1},
      {"2.0.6", "2.0.6.x", -1},
      {"2..6", "2.0.6", -1},      // an empty part is not a number
      {"+2.0.7", "2.0.6", -1},    // nor is a signed one
      {" 2.0.7", "2.0.6", -1},    // nor a spaced one
      {"2.0.6.0.1", "2.0.6", 1},  // the fourth part is "0.1"
      {"", "2.0.6", -1},
      {"\xE9", "2.0.6", 1},  // bytes compare unsigned
      // A difference found first wins over a later part that is not a number.
      {"1.x", "2.0.6", -1},
      {"2.1.x", "2.0.6", 1},
      {"2.0.5.beta", "2.0.6", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareByNumber(c.a, c.b)), c.expected)
        << '"' << c.a << "\" vs \"" << c.b << '"';
    EXPECT_EQ(Sign(CompareByNumber(c.b, c.a)), -c.expected)
        << '"' << c.b << "\" vs \"" << c.a << '"';
  }
}

}  // namespace
