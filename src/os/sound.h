// What the program needs for sound: playing the user's sounds for named system events.
#pragma once

#include <string>

namespace os {

class Sound {
 public:
  virtual ~Sound() = default;

  // Starts the sound the user assigned to the event ("Minimize", "RestoreUp", "Open") and returns
  // at once, stopping a sound this program started earlier. An event without a sound plays
  // nothing: no default sound stands in for it. Never throws and reports nothing.
  virtual void PlayEvent(const std::string& event_name) = 0;
};

}  // namespace os
