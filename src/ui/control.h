// Base of the controls placed on a form: bounds, caption, visibility, enabled state, tab order.
#pragma once

#include <string>

#include "ui/component.h"
#include "ui/geometry.h"
#include "ui/platform.h"

namespace ui {

class Form;
class GroupBox;

class Control : public Component {
 public:
  // A control inside a group box lies in the box's coordinates and shows only while it shows.
  Control(Form& owner, std::string name, GroupBox* parent = nullptr);
  ~Control() override;

  Form& Owner() const { return owner_; }
  GroupBox* Parent() const { return parent_; }

  const Rect& Bounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible itself and inside a showing parent.
  bool Showing() const;
  // Showing and enabled: a user could reach it.
  bool Usable() const { return enabled_ && Showing(); }

  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order) { tab_order_ = order; }

  // Whether the control can hold the keyboard focus at all (labels and group boxes cannot).
  virtual bool TakesFocus() const { return true; }
  // Moves the keyboard focus here, if the control is usable.
  void SetFocus();
  bool Focused() const;
  // For the peer: the control gained or lost the keyboard focus.
  virtual void FocusGained() {}
  virtual void FocusLost() {}

  // The character marked with "&" in the caption, lower-cased; 0 when there is none.
  char AcceleratorKey() const;

 protected:
  // Changes the stored caption without telling the peer: the window already shows it.
  void SetCaptionQuietly(std::string caption) { caption_ = std::move(caption); }
  // Called by the subclass once it has made its peer; pushes the current properties to it.
  void AttachPeer(ControlPeer& peer);

 private:
  Form& owner_;
  GroupBox* parent_;
  ControlPeer* peer_ = nullptr;
  Rect bounds_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  int tab_order_ = 0;
};

}  // namespace ui
