// Label.
#include "ui/label.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Label::Label(Form& owner, std::string name, GroupBox* parent)
    : Control(owner, std::move(name), parent),
      peer_(owner.App().GetPlatform().CreateLabelPeer(*this)) {
  AttachPeer(*peer_);
}

Label::~Label() = default;

}  // namespace ui
