// Data grid component: routes the user's row choices to the source and repaints on its changes.
#include "ui/grid.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Grid::Grid(Form& owner, std::string name)
    : Control(owner, std::move(name)), peer_(owner.App().GetPlatform().CreateGridPeer(*this)) {
  AttachPeer(*peer_);
}

Grid::~Grid() {
  if (source_ != nullptr) source_->Detach(*this);
}

void Grid::SetSource(GridSource* source) {
  source_ = source;
  current_column_ = 0;
  peer_->Reload();
}

void Grid::SetColors(const GridColors& colors) {
  colors_ = colors;
  peer_->Reload();
}

void Grid::DataChanged() { peer_->Reload(); }

void Grid::CurrentRowChanged() { peer_->ShowCurrentCell(); }

void Grid::ClickCell(int row, int column) {
  if (source_ == nullptr || row < 0 || row >= source_->RowCount()) return;
  if (column >= 0 && column < source_->ColumnCount()) current_column_ = column;
  // The source's handler may fail (it is the user's event): the boundary shows it.
  Owner().App().Dispatch([&] { source_->SelectRow(row); });
  peer_->ShowCurrentCell();
}

void Grid::PressKey(Key key, int page_rows) {
  if (source_ == nullptr || source_->RowCount() == 0) return;
  const int last_row = source_->RowCount() - 1;
  const int last_column = source_->ColumnCount() - 1;
  int row = std::max(source_->CurrentRow(), 0);
  switch (key) {
    case Key::Up: row = std::max(row - 1, 0); break;
    case Key::Down: row = std::min(row + 1, last_row); break;
    case Key::PageUp: row = std::max(row - page_rows, 0); break;
    case Key::PageDown: row = std::min(row + page_rows, last_row); break;
    case Key::Home: row = 0; break;
    case Key::End: row = last_row; break;
    case Key::Left: current_column_ = std::max(current_column_ - 1, 0); break;
    case Key::Right: current_column_ = std::min(current_column_ + 1, last_column); break;
  }
  ClickCell(row, current_column_);
}

void Grid::FocusGained() { peer_->ShowCurrentCell(); }

void Grid::FocusLost() { peer_->ShowCurrentCell(); }

}  // namespace ui
