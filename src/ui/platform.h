// What the components ask of the window system: one peer per component, and the application's
// loop and error box. Two implementations exist: the headless one for tests and the Win32 one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/geometry.h"

namespace ui {

class Form;
class Button;
class ComboBox;
class Edit;
class Grid;
class GroupBox;
class Label;
class PopupMenu;
class Timer;

// A peer realises one component. Components push every property change to their peer; the peer
// reports user input back by calling the component.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetBounds(const Rect& outer) = 0;  // screen coordinates, frame included
  virtual void SetVisible(bool visible) = 0;
  virtual void BringToFront() = 0;
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void SetBounds(const Rect& bounds) = 0;  // client coordinates of the form
  virtual void SetText(const std::string& text) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetFocus() = 0;
};

class ButtonPeer : public ControlPeer {
 public:
  virtual void SetDefault(bool is_default) = 0;
};

class EditPeer : public ControlPeer {
 public:
  virtual void SetPasswordChar(char password_char) = 0;  // 0: text shown as it is
  virtual void SetReadOnly(bool read_only) = 0;
  virtual void SetRightAligned(bool right) = 0;
  // Selects `length` characters from `start`.
  virtual void Select(int start, int length) = 0;
};

class ComboBoxPeer : public ControlPeer {
 public:
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  virtual void SetItemIndex(int index) = 0;  // -1: none selected
};

class GridPeer : public ControlPeer {
 public:
  // Re-reads the row count, columns and every cell from the grid's source.
  virtual void Reload() = 0;
  // Shows the source's current row and the grid's current column as the current cell.
  virtual void ShowCurrentCell() = 0;
};

class PopupMenuPeer {
 public:
  virtual ~PopupMenuPeer() = default;
  // Shows the menu at a screen position; a chosen item is clicked through the component.
  virtual void Popup(int x, int y) = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  virtual void Start(unsigned interval_ms) = 0;
  virtual void Stop() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual std::unique_ptr<FormPeer> CreateFormPeer(Form& form) = 0;
  virtual std::unique_ptr<ButtonPeer> CreateButtonPeer(Button& button) = 0;
  virtual std::unique_ptr<GridPeer> CreateGridPeer(Grid& grid) = 0;
  virtual std::unique_ptr<EditPeer> CreateEditPeer(Edit& edit) = 0;
  virtual std::unique_ptr<ComboBoxPeer> CreateComboBoxPeer(ComboBox& combo) = 0;
  virtual std::unique_ptr<ControlPeer> CreateLabelPeer(Label& label) = 0;
  virtual std::unique_ptr<ControlPeer> CreateGroupBoxPeer(GroupBox& group) = 0;
  virtual std::unique_ptr<PopupMenuPeer> CreatePopupMenuPeer(PopupMenu& menu) = 0;
  virtual std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) = 0;

  virtual Size ScreenSize() const = 0;
  // Frame of a fixed dialog window without system menu.
  virtual FrameExtent DialogFrame() const = 0;

  // The system's default sound, for refused input.
  virtual void Beep() = 0;
  // A modal box with an error icon and one OK button.
  virtual void ShowErrorBox(const std::string& text, const std::string& caption) = 0;
  // Runs until PostQuit; returns at once if PostQuit came before.
  virtual void RunMessageLoop() = 0;
  virtual void PostQuit() = 0;
};

}  // namespace ui
