// A top-level window with a fixed dialog frame: caption, outer size, first-show centring,
// show/hide/close, the default button (Enter) and button accelerators (Alt+letter).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/component.h"
#include "ui/geometry.h"
#include "ui/platform.h"

namespace ui {

class Application;
class Control;

enum class WindowState { Normal, Minimized, Maximized };

enum class FormPosition {
  Designed,      // stays where its bounds put it
  ScreenCenter,  // centred on the screen when first shown
};

class Form : public Component {
 public:
  // The class name is the one the framework would report, e.g. "TForm1"; the window class too.
  Form(Application& application, std::string name, std::string class_name = "TForm");
  ~Form() override;

  Application& App() const { return application_; }

  const std::string& ClassName() const { return class_name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position) { position_ = position; }

  // Outer bounds in screen coordinates, frame included.
  const Rect& Bounds() const { return bounds_; }
  int Height() const { return bounds_.height; }
  void SetBounds(const Rect& outer);
  void SetHeight(int outer_height);
  void SetClientSize(int width, int height);
  Size ClientSize() const;
  void SetMinimumSize(int width, int height);
  void CenterOnScreen();

  WindowState State() const { return state_; }

  bool Visible() const { return visible_; }
  void Show();
  void Hide();
  void BringToFront();
  // Hides the form; closing the main form terminates the application.
  void Close();

  // Enter: clicks the default button, if it can be clicked.
  void PressEnter();
  // Alt+key: clicks the usable button whose caption marks that key with "&"; when several do,
  // the one created last.
  bool PressAccelerator(char key);

  NotifyEvent OnCreate;

  // For the peer: the user or the system moved the window, or minimised or maximised it.
  void NotifyMoved(int left, int top);
  void NotifyWindowState(WindowState state) { state_ = state; }

  // Destroys the window, then tells the listeners: they run after the window has handled its
  // own destruction. Forms call it first thing in their destructor; later calls do nothing.
  void DestroyWindowHandle();
  bool HasWindowHandle() const { return peer_ != nullptr; }
  using DestroyListener = std::function<void()>;
  // Returns a key for RemoveDestroyListener.
  int AddDestroyListener(DestroyListener listener);
  void RemoveDestroyListener(int key);
  // For controls: membership in the form's list of controls, in creation order.
  void AddControl(Control& control);
  void RemoveControl(Control& control);
  const std::vector<Control*>& Controls() const { return controls_; }

  // The control with the keyboard focus, if any. Peers report focus changes here.
  Control* ActiveControl() const { return active_control_; }
  // When the window becomes active: the focus goes back to the control that had it, or to the
  // first control that can take it.
  void RestoreFocus();
  void NotifyFocusChanged(Control* now_focused);


 protected:
  // The last step of creating a form: runs OnCreate through the dispatch boundary.
  void RunOnCreate();

 private:
  void ApplyBounds(const Rect& bounds);

  Application& application_;
  std::string class_name_;
  std::unique_ptr<FormPeer> peer_;
  std::vector<Control*> controls_;
  Control* active_control_ = nullptr;
  Control* last_focused_ = nullptr;  // kept while the window is inactive
  std::vector<std::pair<int, DestroyListener>> destroy_listeners_;
  int next_listener_key_ = 1;
  WindowState state_ = WindowState::Normal;
  std::string caption_;
  FormPosition position_ = FormPosition::Designed;
  Rect bounds_;
  Size minimum_;
  bool visible_ = false;
  bool shown_before_ = false;
};

}  // namespace ui
