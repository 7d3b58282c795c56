// In-memory peers.
#include "ui/headless/headless_platform.h"

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"

namespace ui::headless {
namespace {

class FormState : public FormPeer {
 public:
  FormState(HeadlessPlatform& platform, const std::string& name) : p_(platform), name_(name) {}
  void SetCaption(const std::string& caption) override { p_.form_caption[name_] = caption; }
  void SetBounds(const Rect& outer) override { p_.form_bounds[name_] = outer; }
  void SetVisible(bool visible) override { p_.form_visible[name_] = visible; }
  void BringToFront() override {}

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

// Records what a control's peer is told; focus requests move the form's focus at once.
template <typename PeerInterface>
class ControlView : public PeerInterface {
 public:
  ControlView(Control& control, ControlState& state) : control_(control), s_(state) {}
  void SetBounds(const Rect& bounds) override { s_.bounds = bounds; }
  void SetText(const std::string& text) override { s_.text = text; }
  void SetVisible(bool visible) override { s_.visible = visible; }
  void SetEnabled(bool enabled) override { s_.enabled = enabled; }
  void SetFocus() override {
    ++s_.focus_requests;
    control_.Owner().NotifyFocusChanged(&control_);
  }

 protected:
  Control& control_;
  ControlState& s_;
};

class ButtonState : public ControlView<ButtonPeer> {
 public:
  using ControlView::ControlView;
  void SetDefault(bool is_default) override { s_.is_default = is_default; }
};

class EditState : public ControlView<EditPeer> {
 public:
  using ControlView::ControlView;
  void SetPasswordChar(char password_char) override { s_.password_char = password_char; }
  void SetReadOnly(bool read_only) override { s_.read_only = read_only; }
  void SetRightAligned(bool right) override { s_.right_aligned = right; }
  void Select(int start, int length) override {
    s_.selection_start = start;
    s_.selection_length = length;
  }
};

class ComboBoxState : public ControlView<ComboBoxPeer> {
 public:
  using ControlView::ControlView;
  void SetItems(const std::vector<std::string>& items) override { s_.items = items; }
  void SetItemIndex(int index) override { s_.item_index = index; }
};

class GridView : public GridPeer, public TextMeasure {
 public:
  GridView(HeadlessPlatform& platform, Grid& grid)
      : grid_(grid), control_(platform.controls[grid.Name()]), s_(platform.grids[grid.Name()]),
        char_width_(platform.char_width) {}
  void SetBounds(const Rect& bounds) override { control_.bounds = bounds; }
  void SetText(const std::string& text) override { control_.text = text; }
  void SetVisible(bool visible) override { control_.visible = visible; }
  void SetEnabled(bool enabled) override { control_.enabled = enabled; }
  void SetFocus() override {
    ++control_.focus_requests;
    grid_.Owner().NotifyFocusChanged(&grid_);
  }

  void Reload() override {
    ++s_.reloads;
    s_.titles.clear();
    s_.widths.clear();
    s_.cells.clear();
    const GridSource* source = grid_.Source();
    if (source != nullptr) {
      for (int c = 0; c < source->ColumnCount(); ++c) {
        const GridColumnView column = source->Column(c, *this);
        s_.titles.push_back(column.title);
        s_.widths.push_back(column.width);
      }
      for (int r = 0; r < source->RowCount(); ++r) {
        auto& row = s_.cells.emplace_back();
        for (int c = 0; c < source->ColumnCount(); ++c) row.push_back(source->CellText(r, c));
      }
    }
    ShowCurrentCell();
  }
  void ShowCurrentCell() override {
    s_.current_row = grid_.Source() != nullptr ? grid_.Source()->CurrentRow() : -1;
    s_.current_column = grid_.CurrentColumn();
    s_.highlighted = grid_.Focused() && s_.current_row >= 0;
  }
  int TextWidth(std::string_view text) const override {
    return static_cast<int>(text.size()) * char_width_;
  }

 private:
  Grid& grid_;
  ControlState& control_;
  GridState& s_;
  int char_width_;
};

class MenuState : public PopupMenuPeer {
 public:
  MenuState(HeadlessPlatform& platform, const std::string& name) : p_(platform), name_(name) {}
  void Popup(int, int) override { p_.popups.push_back(name_); }

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

class TimerState : public TimerPeer {
 public:
  TimerState(HeadlessPlatform& platform, const std::string& name) : p_(platform), name_(name) {}
  void Start(unsigned interval_ms) override { p_.running_timers[name_] = interval_ms; }
  void Stop() override { p_.running_timers.erase(name_); }

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

}  // namespace

std::unique_ptr<FormPeer> HeadlessPlatform::CreateFormPeer(Form& form) {
  forms[form.Name()] = &form;
  return std::make_unique<FormState>(*this, form.Name());
}

std::unique_ptr<ButtonPeer> HeadlessPlatform::CreateButtonPeer(Button& button) {
  return std::make_unique<ButtonState>(button, controls[button.Name()]);
}

std::unique_ptr<EditPeer> HeadlessPlatform::CreateEditPeer(Edit& edit) {
  return std::make_unique<EditState>(edit, controls[edit.Name()]);
}

std::unique_ptr<ComboBoxPeer> HeadlessPlatform::CreateComboBoxPeer(ComboBox& combo) {
  return std::make_unique<ComboBoxState>(combo, controls[combo.Name()]);
}

std::unique_ptr<ControlPeer> HeadlessPlatform::CreateLabelPeer(Label& label) {
  return std::make_unique<ControlView<ControlPeer>>(label, controls[label.Name()]);
}

std::unique_ptr<ControlPeer> HeadlessPlatform::CreateGroupBoxPeer(GroupBox& group) {
  return std::make_unique<ControlView<ControlPeer>>(group, controls[group.Name()]);
}

std::unique_ptr<GridPeer> HeadlessPlatform::CreateGridPeer(Grid& grid) {
  return std::make_unique<GridView>(*this, grid);
}

std::unique_ptr<PopupMenuPeer> HeadlessPlatform::CreatePopupMenuPeer(PopupMenu& menu) {
  return std::make_unique<MenuState>(*this, menu.Name());
}

std::unique_ptr<TimerPeer> HeadlessPlatform::CreateTimerPeer(Timer& timer) {
  return std::make_unique<TimerState>(*this, timer.Name());
}

void HeadlessPlatform::ShowErrorBox(const std::string& text, const std::string& caption) {
  error_boxes.push_back({text, caption});
}

void HeadlessPlatform::RunMessageLoop() {
  ++loops_run;
  if (!quit_posted && loop_script) loop_script();
}

}  // namespace ui::headless
