// One drive mapping record: its ten fields, their types and sizes, and per-field null flags.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mappings {

// The fields in record order.
enum class Field : std::uint8_t {
  ID,
  HostName,
  Connected,
  FalseCount,
  MaxPing,
  UserName,
  Password,
  Drive,
  UNC,
  Maped,
};
inline constexpr int kFieldCount = 10;

enum class FieldType : std::uint8_t {
  kAutoIncrement,  // a 32-bit integer that only posting a new record sets
  kInteger,        // 32-bit signed
  kText,           // single-byte text of at most `size` characters
  kBoolean,
};

struct FieldDefinition {
  std::string_view name;
  FieldType type;
  int size;  // characters, text fields only
  int slot;  // index among the fields of the same storage kind
};

const FieldDefinition& DefinitionOf(Field field);
// Exact, case-sensitive match on the field names; nullopt for any other name.
std::optional<Field> FindField(std::string_view name);
bool IsIntegerType(FieldType type);

// Rounds to the nearest whole number, a value exactly halfway going to the even neighbour.
// nullopt when the rounded value does not fit a signed 32-bit integer (NaN included).
std::optional<std::int32_t> RoundToInt32(double value);

// The stored values of one record. Text lives in fixed in-record buffers sized to the fields, so
// a record never allocates and copying one is a flat copy. A new record has every field null.
class MappingRecord {
 public:
  bool IsNull(Field field) const { return (null_mask_ >> static_cast<int>(field)) & 1U; }

  // Typed reads give the null reading (empty, 0, false) for a null field. Each throws
  // std::invalid_argument when the field is of another kind.
  std::string_view Text(Field field) const;
  std::int32_t Integer(Field field) const;
  bool Boolean(Field field) const;

  // Cuts the text to the field's size; an empty text makes the field null.
  void SetText(Field field, std::string_view text);
  void SetInteger(Field field, std::int32_t value);
  void SetBoolean(Field field, bool value);

 private:
  // Start of each text field's buffer by text slot, and the end of the last one.
  static constexpr std::array<int, 6> kTextOffsets = {0, 16, 36, 56, 58, 108};
  static constexpr std::uint16_t kAllNull = (1U << kFieldCount) - 1;

  void SetNull(Field field, bool is_null);

  std::array<char, kTextOffsets.back()> text_{};
  std::array<std::uint8_t, 5> text_length_{};
  std::array<std::int32_t, 3> integers_{};
  std::array<bool, 2> booleans_{};
  std::uint16_t null_mask_ = kAllNull;
};

// A field as display text: the text itself, a decimal number, "True" or "False"; empty when null.
std::string FieldText(const MappingRecord& record, Field field);

}  // namespace mappings
