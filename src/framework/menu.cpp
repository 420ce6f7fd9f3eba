#include "framework/menu.h"

namespace fw {
namespace {
MenuItem* Named(const std::vector<std::unique_ptr<MenuItem>>& items, const std::string& name) {
  for (const auto& item : items) {
    if (item->Name() == name) return item.get();
  }
  return nullptr;
}
}  // namespace

MenuItem* MenuItem::Child(const std::string& name) const {
  return Named(items_, name);
}

MenuItem* MenuBar::Child(const std::string& name) const {
  return Named(menus_, name);
}

}  // namespace fw
