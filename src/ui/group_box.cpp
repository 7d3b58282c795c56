// Group box.
#include "ui/group_box.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

GroupBox::GroupBox(Form& owner, std::string name)
    : Control(owner, std::move(name)),
      peer_(owner.App().GetPlatform().CreateGroupBoxPeer(*this)) {
  AttachPeer(*peer_);
}

GroupBox::~GroupBox() = default;

}  // namespace ui
