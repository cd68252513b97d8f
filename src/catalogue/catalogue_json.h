// The catalogue as JSON: the menu's commands with their windows, tables and option lists.
#pragma once

#include <span>
#include <string>

#include "menu_catalogue.h"

// {"menu": [...]} with one element per command (sub-menus appear only in the paths).
std::string catalogueJson(std::span<const MenuEntry> menu);
