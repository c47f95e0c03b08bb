#pragma once

#include <string>
#include <vector>

namespace trazello {

// One command of the main menu: the component name its caption and its handler are found by,
// and the Ctrl shortcut letter (0 for none). The window binds a handler (and when needed an
// enabled-state rule) to each name; an entry without a handler is a command still to come and
// stays disabled.
struct MenuCommand {
  const char* name;
  char ctrlKey = 0;
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
