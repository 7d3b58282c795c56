// Mapping table: observers hear of every change and cursor move at once, and only then.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mappings/memory_data.h"
#include "table_fixture.h"

namespace mappings {
namespace {

using testing::AddHosts;

// Logs each notification with the record number and count the table shows at that moment.
class RecordingObserver final : public TableObserver {
 public:
  explicit RecordingObserver(const MemoryData& table) : table_(table) {}

  void TableChanged() override { Log("changed"); }
  void CursorMoved() override { Log("moved"); }

  std::vector<std::string> log;
  std::function<void()> on_notified;

 private:
  void Log(const char* what) {
    log.push_back(std::string(what) + " " + std::to_string(table_.RecNo()) + "/" +
                  std::to_string(table_.RecordCount()));
    if (on_notified) on_notified();
  }

  const MemoryData& table_;
};

struct ObserverCase {
  const char* name;
  int start;  // record number before the operation, on a table of three
  std::function<void(MemoryData&)> operation;
  std::vector<std::string> heard;
};

class ObserverTest : public ::testing::TestWithParam<ObserverCase> {
 protected:
  MemoryData table{"RxMemoryData1"};
  RecordingObserver observer{table};
};

TEST_P(ObserverTest, HearsWhatChangedOnceTheTableIsConsistent) {
  AddHosts(table, {"a", "b", "c"});
  table.SetRecNo(GetParam().start);
  table.AddObserver(observer);
  GetParam().operation(table);
  EXPECT_EQ(observer.log, GetParam().heard);
  table.RemoveObserver(observer);
}

void EditHost(MemoryData& t) {
  t.Edit();
  t.Assign("HostName", "x");
  t.Post();
}

void AppendHost(MemoryData& t) {
  t.Append();
  t.Assign("HostName", "x");
  t.Post();
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ObserverTest,
    ::testing::Values(
        ObserverCase{"FirstMoves", 3, [](MemoryData& t) { t.First(); }, {"moved 1/3"}},
        ObserverCase{"FirstOnFirst", 1, [](MemoryData& t) { t.First(); }, {}},
        ObserverCase{"NextMoves", 1, [](MemoryData& t) { t.Next(); }, {"moved 2/3"}},
        ObserverCase{"NextAtLast", 3, [](MemoryData& t) { t.Next(); }, {}},
        ObserverCase{"PriorMoves", 2, [](MemoryData& t) { t.Prior(); }, {"moved 1/3"}},
        ObserverCase{"PriorAtFirst", 1, [](MemoryData& t) { t.Prior(); }, {}},
        ObserverCase{"SetRecNoMoves", 1, [](MemoryData& t) { t.SetRecNo(3); }, {"moved 3/3"}},
        ObserverCase{"SetRecNoIgnored", 1, [](MemoryData& t) { t.SetRecNo(4); }, {}},
        ObserverCase{"EditPost", 2, EditHost, {"changed 2/3"}},
        ObserverCase{"AppendPost", 1, AppendHost, {"changed 4/4"}},
        ObserverCase{"Delete", 3, [](MemoryData& t) { t.Delete(); }, {"changed 2/2"}},
        ObserverCase{"EditCancel",
                     2,
                     [](MemoryData& t) {
                       t.Edit();
                       t.Assign("HostName", "x");
                       t.Cancel();
                     },
                     {}}),
    [](const ::testing::TestParamInfo<ObserverCase>& info) { return info.param.name; });

TEST(ObserverRemovalTest, AnObserverMayLeaveWhileBeingNotified) {
  MemoryData table{"RxMemoryData1"};
  RecordingObserver leaving{table}, second{table}, third{table};
  leaving.on_notified = [&] { table.RemoveObserver(leaving); };
  table.AddObserver(leaving);
  table.AddObserver(second);
  table.AddObserver(third);
  table.AddObserver(second);  // added twice, still told once

  AddHosts(table, {"a"});
  AddHosts(table, {"b"});
  const std::vector<std::string> both{"changed 1/1", "changed 2/2"};
  EXPECT_EQ(leaving.log, (std::vector<std::string>{"changed 1/1"}));
  EXPECT_EQ(second.log, both);
  EXPECT_EQ(third.log, both);

  table.RemoveObserver(second);
  table.First();
  EXPECT_EQ(second.log, both);
  EXPECT_EQ(third.log.back(), "moved 1/2");
}

}  // namespace
}  // namespace mappings
