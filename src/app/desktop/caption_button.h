// TacCaptionButton: an extra button in the owner form's title bar, with a tooltip and a click.
#pragma once

#include <memory>
#include <string>

#include "ui/component.h"
#include "ui/desktop_platform.h"
#include "ui/form.h"

namespace desktop {

class TacCaptionButton : public ui::Component, private ui::CaptionButtonListener {
 public:
  TacCaptionButton(ui::Form& owner, std::string name, ui::DesktopPlatform& platform);

  bool Visible() const { return look_.visible; }
  void SetVisible(bool visible);
  // Place from the right end of the title bar: 0 is the outermost.
  int BtnOrder() const { return look_.order; }
  void SetBtnOrder(int order);
  const std::string& Hint() const { return look_.hint; }
  void SetHint(std::string hint);
  ui::CaptionGlyph Glyph() const { return look_.glyph; }
  void SetGlyph(ui::CaptionGlyph glyph);
  // With visual styles active, the red variant marks the button that takes the window away.
  ui::CaptionColor XPStyleColor() const { return look_.color; }
  void SetXPStyleColor(ui::CaptionColor color);

  // The user's click: runs OnClick through the dispatch boundary while the button can be seen,
  // which needs its form to be shown.
  void Click();

  ui::NotifyEvent OnClick;

 private:
  void CaptionButtonClicked() noexcept override { Click(); }
  void Update();

  ui::Form& owner_;
  ui::CaptionButtonLook look_;
  std::unique_ptr<ui::CaptionButtonPeer> peer_;
};

}  // namespace desktop
