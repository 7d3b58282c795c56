// The in-memory mapping table.
#include "mappings/memory_data.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace mappings {

namespace {

bool IsText(FieldType type) {
  return type == FieldType::kText;
}
bool IsBoolean(FieldType type) {
  return type == FieldType::kBoolean;
}
bool IsPlainInteger(FieldType type) {
  return type == FieldType::kInteger;
}

[[noreturn]] void Fail(const std::string& message) {
  throw std::runtime_error(message);
}

}  // namespace

MemoryData::MemoryData(std::string name) : ui::Component(std::move(name)) {}

void MemoryData::First() {
  Cancel();
  if (records_.empty()) {
    at_end_ = true;
    return;
  }
  at_end_ = false;
  MoveTo(0);
}

void MemoryData::Next() {
  Cancel();
  if (records_.empty() || current_ + 1 == records_.size()) {
    at_end_ = true;
    return;
  }
  at_end_ = false;
  MoveTo(current_ + 1);
}

void MemoryData::Prior() {
  Cancel();
  if (records_.empty()) return;
  at_end_ = false;
  if (current_ > 0) MoveTo(current_ - 1);
}

void MemoryData::SetRecNo(int number) {
  Cancel();
  if (number < 1 || number > RecordCount()) return;
  at_end_ = false;
  MoveTo(static_cast<std::size_t>(number) - 1);
}

void MemoryData::Append() {
  pending_record_ = MappingRecord{};
  pending_ = PendingKind::kAppend;
}

void MemoryData::Edit() {
  if (records_.empty()) {
    Append();
    return;
  }
  pending_record_ = records_[current_];
  pending_ = PendingKind::kEdit;
}

void MemoryData::Post() {
  if (pending_ == PendingKind::kNone) Fail(Name() + ": Dataset not in edit or insert mode");
  if (pending_ == PendingKind::kEdit) {
    records_[current_] = pending_record_;
  } else {
    if (next_id_ > std::numeric_limits<std::int32_t>::max()) Fail(Name() + ": No ID left");
    pending_record_.SetInteger(Field::ID, static_cast<std::int32_t>(next_id_));
    records_.push_back(pending_record_);
    ++next_id_;
    current_ = records_.size() - 1;
  }
  pending_ = PendingKind::kNone;
  at_end_ = false;
  Notify(&TableObserver::TableChanged);
}

void MemoryData::Delete() {
  if (records_.empty()) Fail(Name() + ": Cannot perform this operation on an empty dataset");
  Cancel();
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(current_));
  if (current_ == records_.size() && current_ > 0) --current_;
  at_end_ = false;
  Notify(&TableObserver::TableChanged);
}

std::string MemoryData::AsString(std::string_view field) const {
  const Field chosen = FieldNamed(field);
  const MappingRecord* record = ReadRecord();
  return record ? FieldText(*record, chosen) : std::string();
}

std::int32_t MemoryData::AsInteger(std::string_view field) const {
  const Field chosen = ReadableField(field, IsIntegerType, "an integer");
  const MappingRecord* record = ReadRecord();
  return record ? record->Integer(chosen) : 0;
}

bool MemoryData::AsBoolean(std::string_view field) const {
  const Field chosen = ReadableField(field, IsBoolean, "a Boolean");
  const MappingRecord* record = ReadRecord();
  return record && record->Boolean(chosen);
}

void MemoryData::Assign(std::string_view field, std::string_view text) {
  const Field chosen = FieldNamed(field);
  WritableRecord(chosen, IsText, "a text").SetText(chosen, text);
}

void MemoryData::Assign(std::string_view field, std::int32_t value) {
  const Field chosen = FieldNamed(field);
  WritableRecord(chosen, IsPlainInteger, "an integer").SetInteger(chosen, value);
}

void MemoryData::Assign(std::string_view field, bool value) {
  const Field chosen = FieldNamed(field);
  WritableRecord(chosen, IsBoolean, "a Boolean").SetBoolean(chosen, value);
}

void MemoryData::Assign(std::string_view field, double value) {
  const Field chosen = FieldNamed(field);
  MappingRecord& record = WritableRecord(chosen, IsPlainInteger, "a floating-point");
  const std::optional<std::int32_t> rounded = RoundToInt32(value);
  if (!rounded) throw std::runtime_error("Range check error");
  record.SetInteger(chosen, *rounded);
}

void MemoryData::AddObserver(TableObserver& observer) {
  if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
    observers_.push_back(&observer);
  }
}

void MemoryData::RemoveObserver(TableObserver& observer) {
  const auto found = std::find(observers_.begin(), observers_.end(), &observer);
  if (found == observers_.end()) return;
  if (notifying_ > 0) {
    *found = nullptr;  // the loop in Notify still walks this vector
  } else {
    observers_.erase(found);
  }
}

void MemoryData::MoveTo(std::size_t row) {
  if (row == current_) return;
  current_ = row;
  Notify(&TableObserver::CursorMoved);
}

Field MemoryData::FieldNamed(std::string_view name) const {
  const std::optional<Field> field = FindField(name);
  if (!field) Fail(Name() + ": Field '" + std::string(name) + "' not found");
  return *field;
}

Field MemoryData::ReadableField(std::string_view name, bool kind_matches(FieldType),
                                const char* as) const {
  const Field field = FieldNamed(name);
  if (!kind_matches(DefinitionOf(field).type)) {
    Fail(Name() + ": Field '" + std::string(name) + "' cannot be read as " + as);
  }
  return field;
}

MappingRecord& MemoryData::WritableRecord(Field field, bool kind_matches(FieldType),
                                          const char* kind) {
  const FieldDefinition& definition = DefinitionOf(field);
  const std::string quoted = "Field '" + std::string(definition.name) + "'";
  if (definition.type == FieldType::kAutoIncrement) Fail(Name() + ": " + quoted + " is read-only");
  if (!kind_matches(definition.type)) {
    Fail(Name() + ": " + quoted + " cannot be assigned " + kind + " value");
  }
  if (pending_ == PendingKind::kNone) Fail(Name() + ": Dataset not in edit or insert mode");
  return pending_record_;
}

const MappingRecord* MemoryData::ReadRecord() const {
  if (pending_ != PendingKind::kNone) return &pending_record_;
  if (records_.empty()) return nullptr;
  return &records_[current_];
}

template <typename Notification>
void MemoryData::Notify(Notification notification) {
  // Observers may remove themselves (or others) while notified; slots are compacted afterwards.
  struct Depth {
    MemoryData& table;
    explicit Depth(MemoryData& t) : table(t) { ++table.notifying_; }
    ~Depth() {
      if (--table.notifying_ == 0) std::erase(table.observers_, nullptr);
    }
  } depth(*this);
  const std::size_t count = observers_.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (TableObserver* observer = observers_[i]) (observer->*notification)();
  }
}

}  // namespace mappings
