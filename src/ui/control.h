// Base of the controls placed on a form: bounds, caption, visibility, enabled state, tab order.
#pragma once

#include <string>

#include "ui/component.h"
#include "ui/geometry.h"
#include "ui/platform.h"

namespace ui {

class Form;

class Control : public Component {
 public:
  Control(Form& owner, std::string name);
  ~Control() override;

  Form& Owner() const { return owner_; }

  const Rect& Bounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible and enabled, on a form that is shown or not: a user could reach it.
  bool Usable() const { return visible_ && enabled_; }

  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order) { tab_order_ = order; }

  void SetFocus();

  // The character marked with "&" in the caption, lower-cased; 0 when there is none.
  char AcceleratorKey() const;

 protected:
  // Called by the subclass once it has made its peer; pushes the current properties to it.
  void AttachPeer(ControlPeer& peer);

 private:
  Form& owner_;
  ControlPeer* peer_ = nullptr;
  Rect bounds_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  int tab_order_ = 0;
};

}  // namespace ui
