// Reading and clicking another process's list view, for the Wine test driver.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

struct ListViewContents {
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> cells;  // by row, then column
  int focused_row = -1;
};

ListViewContents ReadListView(HWND list);
// Clicks the middle of a cell with the left button.
bool ClickListViewCell(HWND list, int row, int column);

}  // namespace driver
