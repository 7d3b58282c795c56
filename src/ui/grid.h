// Read-only data grid: a title row and one row per record of its source, with a current cell.
// The current row always follows the source's current record, in both directions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace ui {

enum class Alignment : std::uint8_t { Left, Center, Right };

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

struct GridColors {
  Color cell_background{255, 255, 255};
  Color cell_text{0, 0, 0};
  Color title_background{192, 192, 192};
  Color title_text{0, 0, 0};
  Color frame{0, 0, 0};
};

// Measures text in the grid's font; the peer provides it.
class TextMeasure {
 public:
  virtual int TextWidth(std::string_view text) const = 0;

 protected:
  ~TextMeasure() = default;
};

struct GridColumnView {
  std::string title;
  Alignment title_alignment = Alignment::Left;
  int width = 64;  // pixels
  Alignment cell_alignment = Alignment::Left;
};

// What a grid shows. Rows are read on demand; nothing is copied into the grid.
class GridSource {
 public:
  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual GridColumnView Column(int column, const TextMeasure& measure) const = 0;
  virtual std::string CellText(int row, int column) const = 0;
  // 0-based row of the current record; -1 when there is none.
  virtual int CurrentRow() const = 0;
  // The user chose a row: make its record current.
  virtual void SelectRow(int row) = 0;
  // The grid is going away; the source must not call it any more.
  virtual void Detach(Grid& grid) = 0;

 protected:
  ~GridSource() = default;
};

class Grid : public Control {
 public:
  Grid(Form& owner, std::string name);
  ~Grid() override;

  // The source must outlive the grid or be replaced (by nullptr) first.
  void SetSource(GridSource* source);
  GridSource* Source() const { return source_; }

  const GridColors& Colors() const { return colors_; }
  void SetColors(const GridColors& colors);

  // The source tells the grid: rows changed (re-read everything), or only the current row moved.
  void DataChanged();
  void CurrentRowChanged();

  // The current cell's column; the row is the source's current row.
  int CurrentColumn() const { return current_column_; }

  // User input, from the peer or a test: a click on a cell, arrow keys, focus changes.
  void ClickCell(int row, int column);
  enum class Key : std::uint8_t { Up, Down, Left, Right, Home, End, PageUp, PageDown };
  void PressKey(Key key, int page_rows = 10);
  // The highlight shows only while the grid has the focus.
  void FocusGained() override;
  void FocusLost() override;

 private:
  std::unique_ptr<GridPeer> peer_;
  GridSource* source_ = nullptr;
  GridColors colors_;
  int current_column_ = 0;
};

}  // namespace ui
