#pragma once

#include <memory>
#include <string>
#include <vector>

namespace fw {

// One item of a menu, or a menu itself when it holds items. A caption of "-" is a separator.
class MenuItem {
 public:
  enum class Kind { Plain, Quit };  // a Quit item ends the event loop by itself

  explicit MenuItem(Kind kind = Kind::Plain) : kind_(kind) {}
  virtual ~MenuItem() = default;

  Kind ItemKind() const { return kind_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // The caption; "&" marks the mnemonic letter.
  const std::string& Value() const { return value_; }
  void SetValue(std::string caption) { value_ = std::move(caption); }
  // "Cmd+Q" and the like; "Cmd" is the platform's primary modifier. Empty for none.
  const std::string& Shortcut() const { return shortcut_; }
  void SetShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
  // An auto-enabled item is enabled whenever it can act.
  bool AutoEnabled() const { return autoEnabled_; }
  void SetAutoEnabled(bool autoEnabled) { autoEnabled_ = autoEnabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool IsSeparator() const { return value_ == "-"; }

  void Append(std::unique_ptr<MenuItem> item) { items_.push_back(std::move(item)); }
  size_t Count() const { return items_.size(); }
  MenuItem& Item(size_t index) const { return *items_.at(index); }
  // The item of this name among the children, or nullptr.
  MenuItem* Child(const std::string& name) const;

 private:
  Kind kind_;
  std::string name_;
  std::string value_;
  std::string shortcut_;
  bool autoEnabled_ = true;
  bool visible_ = true;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

class QuitMenuItem : public MenuItem {
 public:
  QuitMenuItem() : MenuItem(Kind::Quit) {}
};

// The menus of the application; windows that show it build their own view of it.
class MenuBar {
 public:
  virtual ~MenuBar() = default;

  void Append(std::unique_ptr<MenuItem> menu) { menus_.push_back(std::move(menu)); }
  size_t Count() const { return menus_.size(); }
  MenuItem& Item(size_t index) const { return *menus_.at(index); }
  MenuItem* Child(const std::string& name) const;

 private:
  std::vector<std::unique_ptr<MenuItem>> menus_;
};

}  // namespace fw
