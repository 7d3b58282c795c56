// Field definitions and the value storage of a mapping record.
#include "mappings/mapping_record.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace mappings {

namespace {

constexpr std::array<FieldDefinition, kFieldCount> kDefinitions = {{
    {"ID", FieldType::kAutoIncrement, 0, 0},
    {"HostName", FieldType::kText, 16, 0},
    {"Connected", FieldType::kBoolean, 0, 0},
    {"FalseCount", FieldType::kInteger, 0, 1},
    {"MaxPing", FieldType::kInteger, 0, 2},
    {"UserName", FieldType::kText, 20, 1},
    {"Password", FieldType::kText, 20, 2},
    {"Drive", FieldType::kText, 2, 3},
    {"UNC", FieldType::kText, 50, 4},
    {"Maped", FieldType::kBoolean, 0, 1},
}};

// The text buffers must lie end to end, each exactly as long as its field's size.
constexpr bool OffsetsMatchSizes(const std::array<int, 6>& offsets) {
  for (const FieldDefinition& definition : kDefinitions) {
    if (definition.type != FieldType::kText) continue;
    const int slot = definition.slot;
    if (offsets[slot + 1] - offsets[slot] != definition.size) return false;
  }
  return true;
}

const FieldDefinition& Expect(Field field, bool kind_matches(FieldType)) {
  const FieldDefinition& definition = DefinitionOf(field);
  if (!kind_matches(definition.type)) {
    throw std::invalid_argument("field " + std::string(definition.name) + " is of another kind");
  }
  return definition;
}

bool IsText(FieldType type) {
  return type == FieldType::kText;
}
bool IsBoolean(FieldType type) {
  return type == FieldType::kBoolean;
}

}  // namespace

const FieldDefinition& DefinitionOf(Field field) {
  return kDefinitions.at(static_cast<std::size_t>(field));
}

std::optional<Field> FindField(std::string_view name) {
  for (std::size_t i = 0; i < kDefinitions.size(); ++i) {
    if (kDefinitions[i].name == name) return static_cast<Field>(i);
  }
  return std::nullopt;
}

bool IsIntegerType(FieldType type) {
  return type == FieldType::kInteger || type == FieldType::kAutoIncrement;
}

std::optional<std::int32_t> RoundToInt32(double value) {
  // Rounded by hand: std::nearbyint would follow whatever rounding mode the thread has set.
  const double floor = std::floor(value);
  const double fraction = value - floor;
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (!(rounded >= kLowest && rounded <= kHighest)) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

std::string_view MappingRecord::Text(Field field) const {
  const int slot = Expect(field, IsText).slot;
  return {text_.data() + kTextOffsets[slot], text_length_[slot]};
}

std::int32_t MappingRecord::Integer(Field field) const {
  const int slot = Expect(field, IsIntegerType).slot;
  return IsNull(field) ? 0 : integers_[slot];
}

bool MappingRecord::Boolean(Field field) const {
  const int slot = Expect(field, IsBoolean).slot;
  return !IsNull(field) && booleans_[slot];
}

void MappingRecord::SetText(Field field, std::string_view text) {
  static_assert(OffsetsMatchSizes(kTextOffsets));
  const FieldDefinition& definition = Expect(field, IsText);
  const std::string_view kept = text.substr(0, static_cast<std::size_t>(definition.size));
  kept.copy(text_.data() + kTextOffsets[definition.slot], kept.size());
  text_length_[definition.slot] = static_cast<std::uint8_t>(kept.size());
  SetNull(field, kept.empty());
}

void MappingRecord::SetInteger(Field field, std::int32_t value) {
  integers_[Expect(field, IsIntegerType).slot] = value;
  SetNull(field, false);
}

void MappingRecord::SetBoolean(Field field, bool value) {
  booleans_[Expect(field, IsBoolean).slot] = value;
  SetNull(field, false);
}

void MappingRecord::SetNull(Field field, bool is_null) {
  const auto bit = static_cast<std::uint16_t>(1U << static_cast<int>(field));
  null_mask_ = is_null ? (null_mask_ | bit) : (null_mask_ & ~bit);
}

std::string FieldText(const MappingRecord& record, Field field) {
  if (record.IsNull(field)) return {};
  const FieldType type = DefinitionOf(field).type;
  if (type == FieldType::kText) return std::string(record.Text(field));
  if (type == FieldType::kBoolean) return record.Boolean(field) ? "True" : "False";
  return std::to_string(record.Integer(field));
}

}  // namespace mappings
