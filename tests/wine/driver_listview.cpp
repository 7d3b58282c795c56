// List view access across processes: the structures live in the other process's memory.
#include "driver_listview.h"

#include <commctrl.h>

namespace driver {
namespace {

// A block of memory in the process that owns a window.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, SIZE_T size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_ != nullptr) {
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
  }
  ~RemoteBlock() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* at(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
  void Write(SIZE_T offset, const void* data, SIZE_T size) const {
    WriteProcessMemory(process_, at(offset), data, size, nullptr);
  }
  void Read(SIZE_T offset, void* data, SIZE_T size) const {
    ReadProcessMemory(process_, at(offset), data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  SIZE_T size_;
};

constexpr SIZE_T kTextOffset = 512;
constexpr SIZE_T kTextSize = 512;

std::string ReadText(HWND list, const RemoteBlock& block, UINT message, WPARAM index,
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
  RemoteBlock block(list, kTextOffset + kTextSize);
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
  RemoteBlock block(list, sizeof(RECT));
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
