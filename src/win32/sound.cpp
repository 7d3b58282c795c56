// Sound events: played by alias, asynchronously, and never replaced by the default sound.
#include "win32/sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace win32 {

void Sound::PlayEvent(const std::string& event_name) {
  PlaySoundA(event_name.c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace win32
