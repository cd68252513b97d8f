// Menu paths from the flat, level-ordered menu list.
#include "menu_catalogue.h"

std::vector<std::string> menuPath(std::span<const MenuEntry> menu, std::size_t index) {
    std::vector<std::string> path;
    if (index >= menu.size())
        return path;
    // Walk upwards, taking the nearest entry of each lower level.
    int level = menu[index].Level;
    path.emplace_back(menu[index].Caption);
    for (std::size_t i = index; i-- > 0 && level > 0;) {
        if (menu[i].Level < level) {
            level = menu[i].Level;
            path.emplace(path.begin(), menu[i].Caption);
        }
    }
    return path;
}
