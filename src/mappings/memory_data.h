// The in-memory mapping table: ordered records, a cursor, and a pending record for append or edit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mappings/mapping_record.h"
#include "mappings/table_observer.h"
#include "ui/component.h"

namespace mappings {

// Every change is made as: Append or Edit, then Assign calls, then Post. Errors are thrown as
// std::runtime_error carrying the message the user sees; most start with the component's name.
//
// Rules for the pending record (the one Append or Edit started):
// - Reads return the pending values while a record is pending, else those of the current record;
//   on an empty table with nothing pending every field reads as null.
// - Assign and Post without a pending record fail with "<name>: Dataset not in edit or insert
//   mode": a value assigned there would otherwise vanish without a trace.
// - Append, Edit, First, Next, Prior, SetRecNo and a Delete that goes ahead discard a record that
//   is still pending, as Cancel does. Only a handler that failed half-way (say, on a range check)
//   leaves one behind; posting it later would store values the user was told were not saved.
// - Row numbers, the row accessor and the observers see posted records only.
class MemoryData : public ui::Component {
 public:
  explicit MemoryData(std::string name);

  void First();
  void Next();
  void Prior();
  bool Eof() const { return records_.empty() || at_end_; }

  void Append();
  // On an empty table this starts a new record, which Post then adds as record 1.
  void Edit();
  void Post();
  // Discards the pending record, if any; the table stays as it was.
  void Cancel() { pending_ = PendingKind::kNone; }
  void Delete();

  // 1-based; 0 when the table is empty.
  int RecNo() const { return records_.empty() ? 0 : static_cast<int>(current_) + 1; }
  // A number outside 1 to RecordCount() is ignored.
  void SetRecNo(int number);
  int RecordCount() const { return static_cast<int>(records_.size()); }

  std::string AsString(std::string_view field) const;
  std::int32_t AsInteger(std::string_view field) const;
  bool AsBoolean(std::string_view field) const;

  void Assign(std::string_view field, std::string_view text);
  void Assign(std::string_view field, const char* text) { Assign(field, std::string_view(text)); }
  void Assign(std::string_view field, std::int32_t value);
  void Assign(std::string_view field, bool value);
  // For integer fields: rounded half to even; outside the 32-bit range "Range check error".
  void Assign(std::string_view field, double value);

  // A posted record by 0-based row, without moving the cursor. Throws std::out_of_range.
  const MappingRecord& Row(int row) const { return records_.at(static_cast<std::size_t>(row)); }

  // An observer must be removed before it is destroyed. Removing one while notified is safe.
  void AddObserver(TableObserver& observer);
  void RemoveObserver(TableObserver& observer);

 private:
  enum class PendingKind { kNone, kAppend, kEdit };

  // Moves the cursor to a row that exists; tells the observers if it changed.
  void MoveTo(std::size_t row);
  Field FieldNamed(std::string_view name) const;
  Field ReadableField(std::string_view name, bool kind_matches(FieldType), const char* as) const;
  MappingRecord& WritableRecord(Field field, bool kind_matches(FieldType), const char* kind);
  const MappingRecord* ReadRecord() const;
  template <typename Notification>
  void Notify(Notification notification);

  std::vector<MappingRecord> records_;
  std::size_t current_ = 0;  // meaningful only while records_ is not empty
  bool at_end_ = false;
  PendingKind pending_ = PendingKind::kNone;
  MappingRecord pending_record_;
  std::int64_t next_id_ = 1;  // wider than an ID, so running out is seen instead of wrapping

  std::vector<TableObserver*> observers_;
  int notifying_ = 0;  // depth of Notify calls; removal then only clears the slot
};

}  // namespace mappings
