// Peers that keep everything in memory, so tests can drive whole forms without a window system.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/platform.h"

namespace ui::headless {

// What a control peer was last told.
struct ControlState {
  Rect bounds;
  std::string text;
  bool visible = false;
  bool enabled = false;
  bool is_default = false;
  int focus_requests = 0;
  // Edits and drop-down lists.
  char password_char = 0;
  bool read_only = false;
  bool right_aligned = false;
  int selection_start = 0;
  int selection_length = 0;
  std::vector<std::string> items;
  int item_index = -1;
};

// What a grid peer shows: titles and cells as read at the last reload, and the current cell.
struct GridState {
  std::vector<std::string> titles;
  std::vector<int> widths;
  std::vector<std::vector<std::string>> cells;  // by row, then column
  int current_row = -1;
  int current_column = 0;
  bool highlighted = false;  // the current cell is drawn in the selection colours
  int reloads = 0;
};

struct ErrorBox {
  std::string text;
  std::string caption;
};

class HeadlessPlatform : public Platform {
 public:
  std::unique_ptr<FormPeer> CreateFormPeer(Form& form) override;
  std::unique_ptr<ButtonPeer> CreateButtonPeer(Button& button) override;
  std::unique_ptr<GridPeer> CreateGridPeer(Grid& grid) override;
  std::unique_ptr<EditPeer> CreateEditPeer(Edit& edit) override;
  std::unique_ptr<ComboBoxPeer> CreateComboBoxPeer(ComboBox& combo) override;
  std::unique_ptr<ControlPeer> CreateLabelPeer(Label& label) override;
  std::unique_ptr<ControlPeer> CreateGroupBoxPeer(GroupBox& group) override;
  std::unique_ptr<PopupMenuPeer> CreatePopupMenuPeer(PopupMenu& menu) override;
  std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override;

  Size ScreenSize() const override { return screen; }
  FrameExtent DialogFrame() const override { return frame; }
  void Beep() override { ++beeps; }
  void ShowErrorBox(const std::string& text, const std::string& caption) override;
  void RunMessageLoop() override;
  void PostQuit() override { quit_posted = true; }

  // Settings a test may change before creating components.
  int char_width = 6;  // every character measures this many pixels
  Size screen{1024, 768};
  FrameExtent frame{3, 22, 3, 3};
  // Runs inside RunMessageLoop, standing in for the user's actions while the loop runs.
  std::function<void()> loop_script;

  // What happened.
  std::vector<ErrorBox> error_boxes;
  bool quit_posted = false;
  int beeps = 0;
  int loops_run = 0;
  std::map<std::string, ControlState> controls;  // by component name
  std::map<std::string, GridState> grids;        // by component name
  std::map<std::string, Rect> form_bounds;       // by form name
  std::map<std::string, bool> form_visible;
  std::map<std::string, std::string> form_caption;
  std::map<std::string, unsigned> running_timers;  // name -> interval
  std::vector<std::string> popups;                 // names of menus popped up
  std::map<std::string, Form*> forms;              // live forms, for loop scripts
};

}  // namespace ui::headless
