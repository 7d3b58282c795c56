// What the mapping grid shows: its columns, colours and font, and the text of every cell.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mappings/mapping_record.h"
#include "mappings/memory_data.h"

namespace mappings {

enum class Alignment : std::uint8_t { kLeft, kCenter, kRight };

struct GridColumn {
  Field field;
  std::string_view title;
  Alignment title_alignment;
  std::optional<int> width;  // pixels; none: as wide as DefaultColumnWidth says
  Alignment cell_alignment;
  int display_width;  // characters, for the default width; 0 where the width is fixed
};

inline constexpr std::array<GridColumn, 6> kGridColumns = {{
    {Field::HostName, "Host Name", Alignment::kCenter, 86, Alignment::kLeft, 0},
    {Field::Connected, "On", Alignment::kCenter, std::nullopt, Alignment::kLeft, 5},
    {Field::FalseCount, ".", Alignment::kLeft, 15, Alignment::kRight, 0},
    {Field::Drive, "Drive", Alignment::kCenter, std::nullopt, Alignment::kLeft, 2},
    {Field::UNC, "Universal Name Connection", Alignment::kCenter, 216, Alignment::kLeft, 0},
    {Field::Maped, "Maped", Alignment::kCenter, std::nullopt, Alignment::kLeft, 5},
}};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kGridCellBackground{232, 232, 232};
inline constexpr Rgb kGridTitleBackground{68, 74, 160};
inline constexpr Rgb kGridTitleText{255, 255, 255};
inline constexpr Rgb kGridCellText{0, 0, 0};
inline constexpr Rgb kGridFrame{0, 0, 0};

// Cells and titles share one font.
inline constexpr std::string_view kGridFontName = "MS Sans Serif";
inline constexpr int kGridFontHeight = 11;  // pixels: 8 point at 96 dots per inch

// Measures text in the grid's font; the window system provides it.
class TextMeasurer {
 public:
  virtual int TextWidth(std::string_view text) const = 0;

 protected:
  ~TextMeasurer() = default;
};

// The wider of: the display width in digits "0" plus 4, and the title plus 4.
int DefaultColumnWidth(int display_width, int zero_width, int title_width);
// The column's fixed width, or its default width in the measurer's font.
int ColumnWidth(const GridColumn& column, const TextMeasurer& measurer);

// Reads rows straight from the table, so the grid never holds a copy that could go stale, and
// never moves the table's cursor except when the user chooses a row.
class GridModel {
 public:
  explicit GridModel(MemoryData& table) : table_(table) {}

  int RowCount() const { return table_.RecordCount(); }
  static constexpr int ColumnCount() { return static_cast<int>(kGridColumns.size()); }
  // Throws std::out_of_range for a column outside 0 to ColumnCount() - 1.
  static const GridColumn& Column(int column);

  // "True" or "False" for Booleans, decimal text for numbers, empty for nulls.
  // Throws std::out_of_range for a cell outside the grid.
  std::string CellText(int row, int column) const;

  // 0-based row of the table's current record; -1 when the table is empty.
  int CurrentRow() const { return table_.RecNo() - 1; }
  // A click or an arrow key on a row makes its record current; rows outside the grid are ignored.
  void SelectRow(int row);

 private:
  MemoryData& table_;
};

}  // namespace mappings
