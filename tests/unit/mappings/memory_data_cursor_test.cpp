// Mapping table: cursor moves, end flag, record numbers, append, edit, post, delete, IDs.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "mappings/memory_data.h"
#include "table_fixture.h"

namespace mappings {
namespace {

using testing::AddHosts;
using testing::ErrorOf;
using testing::Hosts;
using Strings = std::vector<std::string>;

constexpr char kEmptyDatasetError[] =
    "RxMemoryData1: Cannot perform this operation on an empty dataset";
constexpr char kNotEditingError[] = "RxMemoryData1: Dataset not in edit or insert mode";

struct TableTest : ::testing::Test {
  MemoryData table{"RxMemoryData1"};
};

TEST_F(TableTest, EmptyTableHasNoCurrentRecordAndRefusesDelete) {
  EXPECT_EQ(table.RecNo(), 0);
  EXPECT_EQ(table.RecordCount(), 0);
  table.First();
  EXPECT_TRUE(table.Eof());
  table.Next();
  table.Prior();
  table.SetRecNo(1);
  EXPECT_EQ(table.RecNo(), 0);

  EXPECT_EQ(ErrorOf([&] { table.Delete(); }), kEmptyDatasetError);
  EXPECT_EQ(table.RecordCount(), 0);

  // Loading an empty panel reads every field of the missing record as null.
  EXPECT_EQ(table.AsString("HostName"), "");
  EXPECT_EQ(table.AsString("Connected"), "");
  EXPECT_EQ(table.AsInteger("MaxPing"), 0);
  EXPECT_FALSE(table.AsBoolean("Maped"));
}

TEST_F(TableTest, DeleteErrorCarriesTheTablesOwnName) {
  MemoryData other{"Other"};
  EXPECT_EQ(ErrorOf([&] { other.Delete(); }),
            "Other: Cannot perform this operation on an empty dataset");
}

TEST_F(TableTest, WalkVisitsEveryRecordOnceAndEndsOnTheLastWithTheEndFlag) {
  AddHosts(table, {"a", "b", "c"});
  Strings visited;
  for (table.First(); !table.Eof(); table.Next()) visited.push_back(table.AsString("HostName"));
  EXPECT_EQ(visited, (Strings{"a", "b", "c"}));
  EXPECT_EQ(table.RecNo(), 3);

  // A second walk starts over: First clears the flag when there are records.
  table.First();
  EXPECT_FALSE(table.Eof());
  EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(TableTest, EditAndPostInsideAWalkKeepTheWalkInTableOrder) {
  AddHosts(table, {"a", "b", "c"});
  for (table.First(); !table.Eof(); table.Next()) {
    table.Edit();
    table.Assign("FalseCount", table.AsInteger("FalseCount") + table.RecNo());
    table.Assign("Connected", true);
    table.Post();
  }
  EXPECT_EQ(table.RecNo(), 3);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(table.Row(row).Integer(Field::FalseCount), row + 1);
    EXPECT_TRUE(table.Row(row).Boolean(Field::Connected));
  }
}

TEST_F(TableTest, PriorStopsAtTheFirstRecordAndStepsBackFromTheEnd) {
  AddHosts(table, {"a", "b", "c"});
  table.First();
  table.Prior();
  EXPECT_EQ(table.RecNo(), 1);

  table.SetRecNo(3);
  table.Next();
  ASSERT_TRUE(table.Eof());
  table.Prior();
  EXPECT_EQ(table.RecNo(), 2);
  EXPECT_FALSE(table.Eof());
}

TEST_F(TableTest, RecordNumbersOutsideTheTableAreIgnored) {
  AddHosts(table, {"a", "b", "c"});
  for (int number : {0, 4, -1, INT_MIN, INT_MAX}) {
    table.SetRecNo(2);
    table.SetRecNo(number);
    EXPECT_EQ(table.RecNo(), 2) << number;
  }
  table.SetRecNo(3);
  EXPECT_EQ(table.AsString("HostName"), "c");
}

struct DeleteCase {
  Strings hosts;
  int deleted;
  Strings remaining;
  int current;  // record number afterwards

  friend std::ostream& operator<<(std::ostream& out, const DeleteCase& c) {
    return out << "record " << c.deleted << " of " << c.hosts.size();
  }
};

class DeleteTest : public TableTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, FollowingRecordOrNewLastBecomesCurrent) {
  const DeleteCase& c = GetParam();
  AddHosts(table, c.hosts);
  table.SetRecNo(c.deleted);
  table.Delete();
  EXPECT_EQ(Hosts(table), c.remaining);
  EXPECT_EQ(table.RecNo(), c.current);
  EXPECT_EQ(table.Eof(), c.remaining.empty());
}

INSTANTIATE_TEST_SUITE_P(Positions, DeleteTest,
                         ::testing::Values(DeleteCase{{"a", "b", "c", "d"}, 2, {"a", "c", "d"}, 2},
                                           DeleteCase{{"a", "b", "c", "d"}, 4, {"a", "b", "c"}, 3},
                                           DeleteCase{{"a", "b", "c", "d"}, 1, {"b", "c", "d"}, 1},
                                           DeleteCase{{"a"}, 1, {}, 0}));

TEST_F(TableTest, AppendGoesToTheEndWhereverTheCursorStands) {
  AddHosts(table, {"a", "b", "c"});
  table.First();
  AddHosts(table, {"d"});
  EXPECT_EQ(Hosts(table), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(table.RecNo(), 4);

  // After a walk has ended, the new record is current and the end flag is down again.
  for (table.First(); !table.Eof(); table.Next()) {
  }
  AddHosts(table, {"e"});
  EXPECT_EQ(table.RecNo(), 5);
  EXPECT_FALSE(table.Eof());
}

TEST_F(TableTest, IdsCountFromOneAndAreNeverReused) {
  AddHosts(table, {"a", "b", "c"});
  AddHosts(table, {"d"});
  table.SetRecNo(2);
  table.Delete();
  AddHosts(table, {"e"});

  table.SetRecNo(1);  // editing keeps the ID
  table.Edit();
  table.Assign("HostName", "a2");
  table.Post();

  std::vector<int> ids;
  for (table.First(); !table.Eof(); table.Next()) ids.push_back(table.AsInteger("ID"));
  EXPECT_EQ(ids, (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(Hosts(table), (Strings{"a2", "c", "d", "e"}));
}

TEST_F(TableTest, EditOnAnEmptyTableCreatesRecordOne) {
  table.Edit();
  table.Assign("HostName", "srv");
  table.Post();
  EXPECT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_EQ(table.AsInteger("ID"), 1);
  EXPECT_EQ(table.AsString("HostName"), "srv");
}

TEST_F(TableTest, AssignAndPostNeedAPendingRecord) {
  AddHosts(table, {"a"});
  EXPECT_EQ(ErrorOf([&] { table.Post(); }), kNotEditingError);
  EXPECT_EQ(ErrorOf([&] { table.Assign("HostName", "lost"); }), kNotEditingError);
  EXPECT_EQ(table.AsString("HostName"), "a");
  EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(TableTest, ReadsSeeThePendingValuesUntilCancelDiscardsThem) {
  AddHosts(table, {"a"});
  table.Edit();
  table.Assign("HostName", "changed");
  EXPECT_EQ(table.AsString("HostName"), "changed");
  EXPECT_EQ(Hosts(table), (Strings{"a"}));  // rows show posted values only
  table.Cancel();
  EXPECT_EQ(table.AsString("HostName"), "a");
  EXPECT_EQ(ErrorOf([&] { table.Post(); }), kNotEditingError);

  table.Append();
  EXPECT_EQ(table.AsString("HostName"), "");  // a new record starts all null
  EXPECT_EQ(table.AsInteger("ID"), 0);
  table.Cancel();
  EXPECT_EQ(table.RecordCount(), 1);
  AddHosts(table, {"b"});
  EXPECT_EQ(table.AsInteger("ID"), 2);  // a cancelled append used no ID
}

// A handler that failed half-way leaves its record pending; whatever comes next must not post it.
struct LeftoverCase {
  const char* name;
  std::function<void(MemoryData&)> next_operation;
  int count_after;  // records once a post of whatever is pending has been tried
};

class LeftoverTest : public TableTest, public ::testing::WithParamInterface<LeftoverCase> {};

TEST_P(LeftoverTest, UnpostedRecordIsDiscardedNotStored) {
  AddHosts(table, {"a", "b"});
  table.Append();
  table.Assign("HostName", "half");
  EXPECT_EQ(ErrorOf([&] { table.Assign("MaxPing", 1e10); }), "Range check error");

  GetParam().next_operation(table);
  try {
    table.Post();  // stores whatever is pending now, if anything
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(table.RecordCount(), GetParam().count_after);
  for (const std::string& host : Hosts(table)) EXPECT_NE(host, "half");
}

INSTANTIATE_TEST_SUITE_P(
    Operations, LeftoverTest,
    ::testing::Values(LeftoverCase{"First", [](MemoryData& t) { t.First(); }, 2},
                      LeftoverCase{"Next", [](MemoryData& t) { t.Next(); }, 2},
                      LeftoverCase{"Prior", [](MemoryData& t) { t.Prior(); }, 2},
                      LeftoverCase{"SetRecNo", [](MemoryData& t) { t.SetRecNo(1); }, 2},
                      LeftoverCase{"SetRecNoIgnored", [](MemoryData& t) { t.SetRecNo(9); }, 2},
                      LeftoverCase{"Append", [](MemoryData& t) { t.Append(); }, 3},
                      LeftoverCase{"Edit", [](MemoryData& t) { t.Edit(); }, 2},
                      LeftoverCase{"Delete", [](MemoryData& t) { t.Delete(); }, 1}),
    [](const ::testing::TestParamInfo<LeftoverCase>& info) { return info.param.name; });

}  // namespace
}  // namespace mappings
