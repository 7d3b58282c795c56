// The settings store's own error, for the faults of its use that no file operation reports.
#pragma once

#include <stdexcept>

namespace settings {

class EzIniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace settings
