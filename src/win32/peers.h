// Factories of the Win32 peers, one per component kind; the platform hands them out.
#pragma once

#include <memory>

#include "ui/platform.h"

namespace win32 {

class Win32Platform;

std::unique_ptr<ui::FormPeer> MakeFormPeer(Win32Platform& platform, ui::Form& form);
std::unique_ptr<ui::ButtonPeer> MakeButtonPeer(Win32Platform& platform, ui::Button& button);
std::unique_ptr<ui::GridPeer> MakeGridPeer(Win32Platform& platform, ui::Grid& grid);
std::unique_ptr<ui::EditPeer> MakeEditPeer(Win32Platform& platform, ui::Edit& edit);
std::unique_ptr<ui::ComboBoxPeer> MakeComboBoxPeer(Win32Platform& platform, ui::ComboBox& combo);
std::unique_ptr<ui::ControlPeer> MakeLabelPeer(Win32Platform& platform, ui::Label& label);
std::unique_ptr<ui::ControlPeer> MakeGroupBoxPeer(Win32Platform& platform, ui::GroupBox& group);
std::unique_ptr<ui::PopupMenuPeer> MakePopupMenuPeer(Win32Platform& platform, ui::PopupMenu& menu);
std::unique_ptr<ui::TimerPeer> MakeTimerPeer(Win32Platform& platform, ui::Timer& timer);

}  // namespace win32
