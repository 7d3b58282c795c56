// Owner geometry record: four fixed-width number fields in a row.
#include "settings/geometry_record.h"

#include "settings/lenient_number.h"

namespace settings {
namespace {

constexpr std::size_t kFieldWidth = 4;
constexpr std::size_t kRecordLength = 4 * kFieldWidth;

std::string Field(int number) {
  std::string text = std::to_string(number);
  if (text.size() < kFieldWidth) text.insert(0, kFieldWidth - text.size(), '0');
  return text;
}

}  // namespace

std::string FormatGeometryRecord(const ui::Rect& bounds) {
  return Field(bounds.left) + Field(bounds.top) + Field(bounds.width) + Field(bounds.height);
}

std::optional<ui::Rect> ParseGeometryRecord(std::string_view record, const os::Locale& locale) {
  if (record.size() != kRecordLength) return std::nullopt;
  const auto field = [&](std::size_t index) {
    return ValueToInt(record.substr(index * kFieldWidth, kFieldWidth), locale);
  };
  return ui::Rect{field(0), field(1), field(2), field(3)};
}

}  // namespace settings
