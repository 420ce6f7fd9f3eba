#include "framework/menu.h"

namespace fw {

MenuItem* MenuItem::Child(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->Name() == name) return item.get();
  }
  return nullptr;
}

MenuItem* MenuBar::Child(const std::string& name) const {
  for (const auto& menu : menus_) {
    if (menu->Name() == name) return menu.get();
  }
  return nullptr;
}

}  // namespace fw
