// Mapping table: what assigning stores (cutting, nulls, rounding, range checks) and how reads
// treat nulls and field names.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>

#include "mappings/memory_data.h"
#include "table_fixture.h"

namespace mappings {
namespace {

using testing::ErrorOf;

struct AssignTest : ::testing::Test {
  MemoryData table{"RxMemoryData1"};
};

TEST_F(AssignTest, LongTextsAreCutToEachFieldsSizeWithoutTouchingTheirNeighbours) {
  // Each field gets its own letter, well beyond any field's size.
  const struct {
    const char* field;
    char letter;
    std::size_t size;
  } fields[] = {{"HostName", 'h', 16},
                {"UserName", 'u', 20},
                {"Password", 'p', 20},
                {"Drive", 'd', 2},
                {"UNC", 'n', 50}};
  table.Append();
  for (const auto& f : fields) table.Assign(f.field, std::string(80, f.letter));
  table.Post();
  for (const auto& f : fields) EXPECT_EQ(table.AsString(f.field), std::string(f.size, f.letter));

  table.Edit();  // texts that fit are kept whole, shorter ones replace longer ones entirely
  table.Assign("HostName", "0123456789abcdef");
  table.Assign("Drive", "Y:\\");
  table.Assign("UNC", "s");
  table.Post();
  EXPECT_EQ(table.AsString("HostName"), "0123456789abcdef");
  EXPECT_EQ(table.AsString("Drive"), "Y:");
  EXPECT_EQ(table.AsString("UNC"), "s");
}

TEST_F(AssignTest, EmptyTextMakesTheFieldNull) {
  table.Append();
  table.Assign("UNC", "share");
  table.Assign("UNC", "");
  table.Assign("HostName", "srv");
  table.Post();
  EXPECT_TRUE(table.Row(0).IsNull(Field::UNC));
  EXPECT_FALSE(table.Row(0).IsNull(Field::HostName));
  EXPECT_EQ(table.AsString("UNC"), "");
}

TEST_F(AssignTest, UnassignedFieldsReadAsEmptyZeroAndFalse) {
  table.Append();
  table.Assign("HostName", "srv");
  table.Post();
  const MappingRecord& record = table.Row(0);
  for (Field field : {Field::Connected, Field::FalseCount, Field::MaxPing, Field::UserName,
                      Field::Password, Field::Drive, Field::UNC, Field::Maped}) {
    EXPECT_TRUE(record.IsNull(field)) << DefinitionOf(field).name;
  }
  EXPECT_EQ(table.AsInteger("FalseCount"), 0);
  EXPECT_EQ(table.AsInteger("MaxPing"), 0);
  EXPECT_FALSE(table.AsBoolean("Maped"));
  EXPECT_FALSE(table.AsBoolean("Connected"));
  EXPECT_EQ(table.AsString("Password"), "");
  EXPECT_EQ(table.AsString("Maped"), "");
}

TEST_F(AssignTest, IntegersBooleansAndTheirTexts) {
  table.Append();
  table.Assign("FalseCount", std::numeric_limits<std::int32_t>::min());
  table.Assign("MaxPing", 105);
  table.Assign("Connected", true);
  table.Assign("Maped", false);
  table.Post();
  EXPECT_EQ(table.AsInteger("FalseCount"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(table.AsString("FalseCount"), "-2147483648");
  EXPECT_EQ(table.AsString("MaxPing"), "105");
  EXPECT_TRUE(table.AsBoolean("Connected"));
  EXPECT_EQ(table.AsString("Connected"), "True");
  EXPECT_FALSE(table.Row(0).IsNull(Field::Maped));
  EXPECT_EQ(table.AsString("Maped"), "False");
}

struct RoundingCase {
  double assigned;
  std::int32_t stored;

  friend std::ostream& operator<<(std::ostream& out, const RoundingCase& c) {
    return out << c.assigned << " -> " << c.stored;
  }
};

class RoundingTest : public AssignTest, public ::testing::WithParamInterface<RoundingCase> {};

TEST_P(RoundingTest, FloatGoesToTheNearestWholeNumberHalvesToEven) {
  table.Append();
  table.Assign("MaxPing", GetParam().assigned);
  table.Post();
  EXPECT_EQ(table.AsInteger("MaxPing"), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundingTest,
    ::testing::Values(RoundingCase{7.0, 7}, RoundingCase{2.5, 2}, RoundingCase{3.5, 4},
                      RoundingCase{-2.5, -2}, RoundingCase{-3.5, -4}, RoundingCase{0.5, 0},
                      RoundingCase{-0.5, 0}, RoundingCase{2.4999999, 2}, RoundingCase{2.5000001, 3},
                      RoundingCase{-0.7, -1}, RoundingCase{2147483647.0, 2147483647},
                      RoundingCase{2147483647.4, 2147483647},
                      RoundingCase{-2147483648.5, std::numeric_limits<std::int32_t>::min()}));

class RangeTest : public AssignTest, public ::testing::WithParamInterface<double> {};

TEST_P(RangeTest, FloatOutsideTheIntegerRangeFailsAndKeepsTheField) {
  table.Append();
  table.Assign("MaxPing", 9);
  EXPECT_EQ(ErrorOf([&] { table.Assign("MaxPing", GetParam()); }), "Range check error");
  EXPECT_EQ(table.AsInteger("MaxPing"), 9);

  // A null field stays null.
  EXPECT_EQ(ErrorOf([&] { table.Assign("FalseCount", GetParam()); }), "Range check error");
  table.Post();
  EXPECT_TRUE(table.Row(0).IsNull(Field::FalseCount));
  EXPECT_EQ(table.AsInteger("MaxPing"), 9);
}

INSTANTIATE_TEST_SUITE_P(Values, RangeTest,
                         ::testing::Values(2147483647.5, 2147483648.0, -2147483649.0,
                                           -2147483648.5000005, 1e300,
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(), std::nan("")));

TEST_F(AssignTest, FieldsAreChosenByTheirExactNames) {
  table.Append();
  EXPECT_EQ(ErrorOf([&] { table.Assign("hostname", "x"); }),
            "RxMemoryData1: Field 'hostname' not found");
  EXPECT_EQ(ErrorOf([&] { table.AsString("Mapped"); }), "RxMemoryData1: Field 'Mapped' not found");
  EXPECT_EQ(ErrorOf([&] { table.AsInteger(""); }), "RxMemoryData1: Field '' not found");
}

TEST_F(AssignTest, ValuesOfTheWrongKindAreRefusedAndChangeNothing) {
  table.Append();
  table.Assign("HostName", "srv");
  table.Assign("MaxPing", 5);
  const std::function<void()> wrong[] = {
      [&] { table.Assign("HostName", true); },
      [&] { table.Assign("HostName", 3); },
      [&] { table.Assign("HostName", 3.0); },
      [&] { table.Assign("MaxPing", "7"); },
      [&] { table.Assign("MaxPing", true); },
      [&] { table.Assign("Connected", 1); },
      [&] { table.Assign("ID", 7); },
      [&] { table.Assign("ID", 7.0); },
      [&] { (void)table.AsInteger("HostName"); },
      [&] { (void)table.AsBoolean("MaxPing"); },
      [&] { (void)table.AsInteger("Connected"); },
  };
  for (const auto& call : wrong) {
    const std::string message = ErrorOf(call);
    EXPECT_EQ(message.rfind("RxMemoryData1: Field '", 0), 0U) << message;
  }
  table.Post();
  EXPECT_EQ(table.AsString("HostName"), "srv");
  EXPECT_EQ(table.AsInteger("MaxPing"), 5);
  EXPECT_EQ(table.AsInteger("ID"), 1);
}

}  // namespace
}  // namespace mappings
