// Grid peer: a virtual report list view that reads its cells from the grid's source and draws
// the title row and the cells itself, in the grid's colours and alignments.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/grid.h"
#include "win32/control_peer.h"
#include "win32/peers.h"
#include "win32/platform.h"

namespace win32 {
namespace {

COLORREF ToColorRef(const ui::Color& c) { return RGB(c.red, c.green, c.blue); }

UINT DrawTextFormat(ui::Alignment alignment) {
  const UINT base = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  switch (alignment) {
    case ui::Alignment::Center: return base | DT_CENTER;
    case ui::Alignment::Right: return base | DT_RIGHT;
    case ui::Alignment::Left: break;
  }
  return base | DT_LEFT;
}

class GridPeer : public ControlPeerBase<ui::GridPeer>, public ui::TextMeasure {
 public:
  GridPeer(Win32Platform& platform, ui::Grid& grid) : grid_(grid) {
    HWND list = CreateChild(platform, grid, WC_LISTVIEWA,
                            WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA |
                                LVS_NOSORTHEADER);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    SetWindowSubclass(list, &GridPeer::ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  ~GridPeer() override { RemoveWindowSubclass(window_.get(), &GridPeer::ListProc, 0); }

  void Reload() override {
    ReloadColumns();
    const ui::GridSource* source = grid_.Source();
    const int rows = source != nullptr ? source->RowCount() : 0;
    ListView_SetItemCountEx(window_.get(), rows, LVSICF_NOSCROLL);
    ListView_SetBkColor(window_.get(), ToColorRef(grid_.Colors().cell_background));
    ShowCurrentCell();
    InvalidateRect(window_.get(), nullptr, FALSE);
  }

  void ShowCurrentCell() override {
    const ui::GridSource* source = grid_.Source();
    const int row = source != nullptr ? source->CurrentRow() : -1;
    syncing_ = true;
    if (row >= 0) {
      const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
      ListView_SetItemState(window_.get(), row, state, state);
      ListView_EnsureVisible(window_.get(), row, FALSE);
    } else {
      ListView_SetItemState(window_.get(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    }
    syncing_ = false;
    InvalidateRect(window_.get(), nullptr, FALSE);
  }

  int TextWidth(std::string_view text) const override {
    HDC dc = GetDC(window_.get());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(
                                       SendMessageA(window_.get(), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window_.get(), dc);
    return size.cx;
  }

  bool HandleNotify(const NMHDR& header, LRESULT& result) override {
    switch (header.code) {
      case LVN_GETDISPINFOA:
        // The list view hands out its own buffer to fill; the header is const only by our type.
        FillDisplayInfo(const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header)).item);
        return true;
      case NM_CUSTOMDRAW:
        result = DrawCell(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
        return true;
      case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool now_focused =
            (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED);
        if (!syncing_ && now_focused && change.iItem >= 0) {
          grid_.ClickCell(change.iItem, grid_.CurrentColumn());
        }
        return true;
      }
      case NM_CLICK: {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (click.iItem >= 0) grid_.ClickCell(click.iItem, click.iSubItem);
        return true;
      }
      case LVN_KEYDOWN: {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
        if (key == VK_LEFT) grid_.PressKey(ui::Grid::Key::Left);
        if (key == VK_RIGHT) grid_.PressKey(ui::Grid::Key::Right);
        return true;
      }
      case NM_SETFOCUS:
      case NM_KILLFOCUS:
        ReportFocus(grid_, header.code == NM_SETFOCUS);
        return true;
      default:
        return false;
    }
  }

 private:
  void ReloadColumns() {
    std::vector<ui::GridColumnView> columns;
    if (const ui::GridSource* source = grid_.Source()) {
      for (int c = 0; c < source->ColumnCount(); ++c) columns.push_back(source->Column(c, *this));
    }
    if (SameColumns(columns)) return;
    while (ListView_DeleteColumn(window_.get(), 0)) {
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      column.fmt = LVCFMT_LEFT;  // titles and cells are drawn here, with their own alignments
      column.cx = columns[c].width;
      column.pszText = const_cast<char*>(columns[c].title.c_str());
      SendMessageA(window_.get(), LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    columns_ = std::move(columns);
  }

  bool SameColumns(const std::vector<ui::GridColumnView>& columns) const {
    if (columns.size() != columns_.size()) return false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (columns[c].title != columns_[c].title || columns[c].width != columns_[c].width) {
        return false;
      }
    }
    return true;
  }

  void FillDisplayInfo(LVITEMA& item) {
    const ui::GridSource* source = grid_.Source();
    if (!(item.mask & LVIF_TEXT) || source == nullptr || item.cchTextMax <= 0) return;
    if (item.iItem >= source->RowCount() || item.iSubItem >= source->ColumnCount()) return;
    const std::string text = source->CellText(item.iItem, item.iSubItem);
    lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
  }

  LRESULT DrawCell(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
      case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
      case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
      case CDDS_ITEMPREPAINT | CDDS_SUBITEM: break;
      default: return CDRF_DODEFAULT;
    }
    const ui::GridSource* source = grid_.Source();
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    const int column = draw.iSubItem;
    if (source == nullptr || row >= source->RowCount() || column >= source->ColumnCount() ||
        column >= static_cast<int>(columns_.size())) {
      return CDRF_SKIPDEFAULT;
    }
    RECT cell{};
    ListView_GetSubItemRect(window_.get(), row, column, column == 0 ? LVIR_LABEL : LVIR_BOUNDS,
                            &cell);
    if (column == 0) cell.left = 0;
    cell.right -= 1;  // keep the grid lines
    cell.bottom -= 1;
    const bool current = grid_.Focused() && row == source->CurrentRow() &&
                         column == grid_.CurrentColumn();
    HDC dc = draw.nmcd.hdc;
    const COLORREF background =
        current ? GetSysColor(COLOR_HIGHLIGHT) : ToColorRef(grid_.Colors().cell_background);
    SetBkColor(dc, background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
    SetTextColor(dc, current ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                             : ToColorRef(grid_.Colors().cell_text));
    RECT text = cell;
    InflateRect(&text, -2, 0);
    const std::string value = source->CellText(row, column);
    DrawTextA(dc, value.c_str(), static_cast<int>(value.size()), &text,
              DrawTextFormat(columns_[column].cell_alignment));
    if (current) DrawFocusRect(dc, &cell);
    return CDRF_SKIPDEFAULT;
  }

  // The header is the list's child, so its drawing notifications reach the list, not the form.
  LRESULT DrawTitle(NMCUSTOMDRAW& draw) {
    const ui::GridColors& colors = grid_.Colors();
    if (draw.dwDrawStage == CDDS_PREPAINT) {
      RECT all;
      GetClientRect(draw.hdr.hwndFrom, &all);
      SetBkColor(draw.hdc, ToColorRef(colors.title_background));
      ExtTextOutA(draw.hdc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
      return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const std::size_t column = draw.dwItemSpec;
    RECT box = draw.rc;
    SetBkColor(draw.hdc, ToColorRef(colors.title_background));
    ExtTextOutA(draw.hdc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    // A dark line between titles, like the cell grid.
    RECT line{box.right - 1, box.top, box.right, box.bottom};
    SetBkColor(draw.hdc, ToColorRef(colors.frame));
    ExtTextOutA(draw.hdc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
    if (column < columns_.size()) {
      SetBkMode(draw.hdc, TRANSPARENT);
      SetTextColor(draw.hdc, ToColorRef(colors.title_text));
      InflateRect(&box, -3, 0);
      const std::string& title = columns_[column].title;
      DrawTextA(draw.hdc, title.c_str(), static_cast<int>(title.size()), &box,
                DrawTextFormat(columns_[column].title_alignment));
    }
    return CDRF_SKIPDEFAULT;
  }

  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR, DWORD_PTR data) {
    auto* peer = reinterpret_cast<GridPeer*>(data);
    if (message == WM_NOTIFY) {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code == NM_CUSTOMDRAW &&
          header->hwndFrom == ListView_GetHeader(window)) {
        return peer->DrawTitle(*reinterpret_cast<NMCUSTOMDRAW*>(header));
      }
    }
    return DefSubclassProc(window, message, wparam, lparam);
  }

  ui::Grid& grid_;
  std::vector<ui::GridColumnView> columns_;
  bool syncing_ = false;  // the peer itself is moving the selection
};

}  // namespace

std::unique_ptr<ui::GridPeer> MakeGridPeer(Win32Platform& platform, ui::Grid& grid) {
  return std::make_unique<GridPeer>(platform, grid);
}

}  // namespace win32
