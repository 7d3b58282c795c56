// The settings stores that a form owns, so that a store made for another form can start from the
// main form's first store.
#pragma once

#include <algorithm>
#include <vector>

namespace settings {

class TzIni;

// A form that owns settings stores derives from this beside ui::Form; each store built with that
// form as owner enters itself here on construction and leaves on destruction, so the list keeps
// creation order, which is the form's component order.
class IniStoreRegistry {
 public:
  IniStoreRegistry(const IniStoreRegistry&) = delete;
  IniStoreRegistry& operator=(const IniStoreRegistry&) = delete;

  // The form's first store, or none.
  const TzIni* FirstStore() const { return stores_.empty() ? nullptr : stores_.front(); }

 protected:
  IniStoreRegistry() = default;
  ~IniStoreRegistry() = default;

 private:
  friend class TzIni;
  void Enter(const TzIni& store) { stores_.push_back(&store); }
  void Leave(const TzIni& store) { std::erase(stores_, &store); }

  std::vector<const TzIni*> stores_;
};

}  // namespace settings
