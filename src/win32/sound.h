// Sound events through winmm's PlaySound.
#pragma once

#include "os/sound.h"

namespace win32 {

class Sound final : public os::Sound {
 public:
  void PlayEvent(const std::string& event_name) override;
};

}  // namespace win32
