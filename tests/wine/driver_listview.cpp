// List view access across processes: the structures live in the other process's memory.
#include "driver_listview.h"

#include <commctrl.h>

#include "driver_remote.h"

namespace driver {
namespace {

constexpr SIZE_T kTextOffset = 512;
constexpr SIZE_T kTextSize = 512;

std::string ReadText(HWND list, const RemoteMemory& block, UINT message, WPARAM index,
                     LVITEMA item) {
  item.pszText = block.at(kTextOffset);
  item.cchTextMax = kTextSize;
  block.Write(0, &item, sizeof item);
  const char zero = 0;
  block.Write(kTextOffset, &zero, 1);
  SendMessageA(list, message, index, reinterpret_cast<LPARAM>(block.at(0)));
  char text[kTextSize] = "";
  block.Read(kTextOffset, text, kTextSize - 1);
  return text;
}

}  // namespace

ListViewContents ReadListView(HWND list) {
  ListViewContents contents;
  RemoteMemory block(list, kTextOffset + kTextSize);
  if (!block.ok()) return contents;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int c = 0; c < columns; ++c) {
    // LVCOLUMNA starts like LVITEMA's mask; read the title through LVM_GETCOLUMNA.
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = block.at(kTextOffset);
    column.cchTextMax = kTextSize;
    block.Write(0, &column, sizeof column);
    SendMessageA(list, LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(block.at(0)));
    char text[kTextSize] = "";
    block.Read(kTextOffset, text, kTextSize - 1);
    contents.titles.push_back(text);
  }
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int r = 0; r < rows; ++r) {
    auto& row = contents.cells.emplace_back();
    for (int c = 0; c < columns; ++c) {
      LVITEMA item{};
      item.iSubItem = c;
      row.push_back(ReadText(list, block, LVM_GETITEMTEXTA, r, item));
    }
  }
  contents.focused_row =
      static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  return contents;
}

bool ClickListViewCell(HWND list, int row, int column) {
  RemoteMemory block(list, sizeof(RECT));
  if (!block.ok()) return false;
  RECT rect{LVIR_BOUNDS, column, 0, 0};  // LVM_GETSUBITEMRECT: top = column, left = part
  block.Write(0, &rect, sizeof rect);
  if (!SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(block.at(0)))) {
    return false;
  }
  block.Read(0, &rect, sizeof rect);
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  return true;
}

}  // namespace driver
