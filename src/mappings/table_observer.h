// What a view of the mapping table hears from it, so that it can redraw at once.
#pragma once

namespace mappings {

// Called on the table's thread right after the change, when the table is consistent again.
// An observer reads what it needs from the table; nothing is copied for it.
class TableObserver {
 public:
  // Rows were added, removed or changed. The current row may have moved as well.
  virtual void TableChanged() = 0;
  // Another row became current; no row changed.
  virtual void CursorMoved() = 0;

 protected:
  ~TableObserver() = default;
};

}  // namespace mappings
