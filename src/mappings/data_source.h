// DataSource1: binds the mapping table to its grid, so every change shows at once.
#pragma once

#include <string>

#include "mappings/grid_model.h"
#include "mappings/memory_data.h"
#include "mappings/table_observer.h"
#include "ui/component.h"
#include "ui/grid.h"

namespace mappings {

class DataSource : public ui::Component, public ui::GridSource, private TableObserver {
 public:
  DataSource(std::string name, MemoryData& table);
  ~DataSource() override;

  // Shows the table in the grid; the grid's row choices move the table's cursor.
  void Bind(ui::Grid& grid);

  // What the grid reads.
  int RowCount() const override { return model_.RowCount(); }
  int ColumnCount() const override { return GridModel::ColumnCount(); }
  ui::GridColumnView Column(int column, const ui::TextMeasure& measure) const override;
  std::string CellText(int row, int column) const override { return model_.CellText(row, column); }
  int CurrentRow() const override { return model_.CurrentRow(); }
  void SelectRow(int row) override { model_.SelectRow(row); }
  void Detach(ui::Grid& grid) override;

 private:
  void TableChanged() override;
  void CursorMoved() override;

  MemoryData& table_;
  GridModel model_;
  ui::Grid* grid_ = nullptr;
};

}  // namespace mappings
