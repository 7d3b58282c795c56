// Mapping table benchmark: filling and walking a large table; prints figures, asserts nothing.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "mappings/grid_model.h"
#include "mappings/memory_data.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 10000;
constexpr int kRounds = 20;

// Heap bytes in use, where the C library can tell; -1 elsewhere.
long long HeapInUse() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
  return static_cast<long long>(mallinfo2().uordblks);
#else
  return -1;
#endif
}

// Fills the table as start-up does: append, six fields and a zero count, post.
void Fill(mappings::MemoryData& table) {
  for (int i = 0; i < kRecords; ++i) {
    table.Append();
    table.Assign("HostName", "host" + std::to_string(i));
    table.Assign("UserName", "administrator");
    table.Assign("Password", "correct horse battery");
    table.Assign("UNC", "departments\\finance\\quarterly\\reports");
    table.Assign("Drive", "Y:");
    table.Assign("MaxPing", 5);
    table.Assign("FalseCount", 0);
    table.Post();
  }
}

// One monitor-like pass: read the state, edit and post every record.
void Walk(mappings::MemoryData& table) {
  for (table.First(); !table.Eof(); table.Next()) {
    table.Edit();
    const bool answered = table.AsString("HostName").size() % 2 == 0;
    table.Assign("Connected", answered);
    table.Assign("FalseCount", answered ? 0 : table.AsInteger("FalseCount") + 1);
    table.Assign("Maped", answered);
    table.Post();
  }
}

// Reads every cell of the grid once, as a full repaint does.
std::size_t Paint(const mappings::GridModel& grid) {
  std::size_t characters = 0;
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int column = 0; column < mappings::GridModel::ColumnCount(); ++column) {
      characters += grid.CellText(row, column).size();
    }
  }
  return characters;
}

template <typename Work>
double NanosecondsPerRecord(Work work) {
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round) work();
  const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
  return elapsed.count() / (static_cast<double>(kRounds) * kRecords);
}

}  // namespace

int main() {
  std::printf("mapping table, %d records, mean of %d rounds\n", kRecords, kRounds);

  const double fill_ns = NanosecondsPerRecord([] {
    mappings::MemoryData table("RxMemoryData1");
    Fill(table);
  });
  std::printf("  %-44s %8.1f ns/record\n", "append, assign 7 fields, post:", fill_ns);

  const long long heap_before = HeapInUse();
  auto table = std::make_unique<mappings::MemoryData>("RxMemoryData1");
  Fill(*table);
  const long long heap_after = HeapInUse();

  const double walk_ns = NanosecondsPerRecord([&] { Walk(*table); });
  std::printf("  %-44s %8.1f ns/record\n", "walk: edit, 2 reads, 3 assigns, post:", walk_ns);

  mappings::GridModel grid(*table);
  std::size_t painted = 0;
  const double paint_ns = NanosecondsPerRecord([&] { painted += Paint(grid); });
  std::printf("  %-44s %8.1f ns/record (%zu characters a paint)\n",
              "grid row, six cell texts:", paint_ns, painted / kRounds);

  std::printf("  %-44s %6zu   bytes (no heap storage of its own)\n",
              "record size:", sizeof(mappings::MappingRecord));
  if (heap_before >= 0 && heap_after > heap_before) {  // sanitizer allocators report nothing
    std::printf("  %-44s %8.1f bytes\n", "heap per record, spare capacity included:",
                static_cast<double>(heap_after - heap_before) / kRecords);
  }
  return 0;
}
