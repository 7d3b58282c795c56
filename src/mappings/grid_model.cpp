// Columns, default widths and cell texts of the mapping grid.
#include "mappings/grid_model.h"

#include <algorithm>
#include <stdexcept>

namespace mappings {

int DefaultColumnWidth(int display_width, int zero_width, int title_width) {
  return std::max(display_width * zero_width + 4, title_width + 4);
}

int ColumnWidth(const GridColumn& column, const TextMeasurer& measurer) {
  if (column.width) return *column.width;
  return DefaultColumnWidth(column.display_width, measurer.TextWidth("0"),
                            measurer.TextWidth(column.title));
}

const GridColumn& GridModel::Column(int column) {
  if (column < 0 || column >= ColumnCount()) throw std::out_of_range("grid column out of range");
  return kGridColumns[static_cast<std::size_t>(column)];
}

std::string GridModel::CellText(int row, int column) const {
  return FieldText(table_.Row(row), Column(column).field);
}

void GridModel::SelectRow(int row) {
  if (row >= 0 && row < RowCount()) table_.SetRecNo(row + 1);
}

}  // namespace mappings
