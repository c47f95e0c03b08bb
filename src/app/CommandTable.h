#pragma once

#include <string>
#include <vector>

namespace trazello {

// One command of the main menu: the component name its caption is found by, the Ctrl
// shortcut letter (0 for none) and whether it works yet; commands still to come are shown
// disabled.
struct MenuCommand {
  const char* name;
  char ctrlKey = 0;
  bool available = false;
};

// A menu: its component name and its entries; an entry with no name is a separator, an entry
// naming a submenu opens it.
struct MenuDefinition {
  const char* name;
  std::vector<MenuCommand> entries;
};

// The main menu tree, menus in order; submenus are listed as menus of their own and named by
// their entry in the parent.
const std::vector<MenuDefinition>& mainMenu();
const MenuDefinition* findMenu(const std::string& name);

}  // namespace trazello
