#include "app/menubar1.h"

#include <memory>

namespace {

struct ItemRow {
  const char* name;
  const char* caption;
  const char* shortcut;  // "" for none
  bool quit;
};

std::unique_ptr<fw::MenuItem> MakeItem(const ItemRow& row) {
  auto item = row.quit ? std::make_unique<fw::QuitMenuItem>() : std::make_unique<fw::MenuItem>();
  item->SetName(row.name);
  item->SetAutoEnabled(true);
  item->SetValue(row.caption);
  item->SetVisible(true);
  if (std::string(row.caption) != "-") item->SetShortcut(row.shortcut);
  return item;
}

template <size_t N>
void AppendMenu(fw::MenuBar& bar, const char* name, const char* caption,
                const ItemRow (&items)[N]) {
  bar.Append(MakeItem({name, caption, "", false}));
  for (const ItemRow& row : items) bar.Child(name)->Append(MakeItem(row));
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
  Untitled2();
}

void MenuBar1::Untitled0() {
  static const ItemRow kItems[] = {{"FileQuit", "Quit", "Cmd+Q", true}};
  AppendMenu(*this, "FileMenu", "&File", kItems);
}

void MenuBar1::Untitled1() {
  static const ItemRow kItems[] = {
      {"EditUndo", "&Undo", "Cmd+Z", false},   {"UntitledMenu1", "-", "", false},
      {"EditCut", "Cu&t", "Cmd+X", false},     {"EditCopy", "&Copy", "Cmd+C", false},
      {"EditPaste", "&Paste", "Cmd+V", false}, {"EditClear", "Clear", "", false},
      {"UntitledMenu0", "-", "", false},       {"EditSelectAll", "Select &All", "Cmd+A", false},
  };
  AppendMenu(*this, "EditMenu", "&Edit", kItems);
}

void MenuBar1::Untitled2() {
  static const ItemRow kItems[] = {{"AboutQuorvane", " Quorvane", "", false}};
  AppendMenu(*this, "AboutMenu", "Label", kItems);
}

MenuBar1& GetMenuBar1() {
  static MenuBar1* menuBar = new MenuBar1();  // lives for the whole run
  return *menuBar;
}
