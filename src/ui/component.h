// Base of every named component and the event type its handlers share.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace ui {

class Component {
 public:
  explicit Component(std::string name) : name_(std::move(name)) {}
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// An event handler takes the component that raised the event.
using NotifyEvent = std::function<void(Component& sender)>;

}  // namespace ui
