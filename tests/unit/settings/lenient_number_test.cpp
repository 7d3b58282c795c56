// Lenient number reading, with the user's separators.
#include "settings/lenient_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fakes/fake_locale.h"

namespace {

using settings::CleanNumber;
using settings::ValueToInt;

struct Case {
  std::string text;
  std::int32_t value;
};

TEST(LenientNumber, ReadsTypedNumbersAndGivesZeroForTheRest) {
  const fakes::FakeLocale english;  // "," groups thousands, "." starts the fraction
  const Case cases[] = {
      {"1,250", 1250},
      {" 12 % ", 12},
      {"(7)", -7},
      {"(7", 0},
      {"7)", 0},
      {"3.9", 3},
      {"-3.9", -3},
      {"1e2", 100},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"()", 0},
      {"+5", 5},
      {"\r\n42\r\n", 42},
      {".5", 0},
      {"5.", 5},
      {"2.5E+1", 25},
      {"1e", 0},
      {"e5", 0},
      {"--1", 0},
      {"1-", 0},
      {"0x10", 0},
      {"007", 7},
      {"99999999999", 2147483647},
      {"-1e20", -2147483647 - 1},
      {"1e400", 0},  // beyond a double: not a number
  };
  for (const Case& c : cases)
    EXPECT_EQ(ValueToInt(c.text, english), c.value) << '"' << c.text << '"';
}

TEST(LenientNumber, FollowsTheUsersSeparators) {
  fakes::FakeLocale german;
  german.thousand_separator = ".";
  german.decimal_separator = ",";
  EXPECT_EQ(ValueToInt("1.250,75", german), 1250);
  EXPECT_EQ(ValueToInt("-3,9", german), -3);
  EXPECT_EQ(ValueToInt("3.9", german), 39);

  fakes::FakeLocale no_grouping;
  no_grouping.thousand_separator = "";
  EXPECT_EQ(ValueToInt("1,250", no_grouping), 0);
  EXPECT_EQ(ValueToInt("12.5", no_grouping), 12);
}

TEST(LenientNumber, CleanNumberDropsDecorationAndChecksParentheses) {
  const fakes::FakeLocale english;
  EXPECT_EQ(CleanNumber(" (1,234 %) ", english), "-1234");
  EXPECT_EQ(CleanNumber("(7", english), "");
  EXPECT_EQ(CleanNumber(" - ", english), "");
  EXPECT_EQ(CleanNumber("7)", english), "7)");
}

}  // namespace
