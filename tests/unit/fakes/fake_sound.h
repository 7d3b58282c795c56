// Sound for tests: remembers the events it was asked to play.
#pragma once

#include <string>
#include <vector>

#include "os/sound.h"

namespace fakes {

class FakeSound : public os::Sound {
 public:
  void PlayEvent(const std::string& event_name) override { played.push_back(event_name); }

  std::vector<std::string> played;
};

}  // namespace fakes
