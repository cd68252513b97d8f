// The catalogue as JSON: the menu's commands with their windows, tables and option lists.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "menu_catalogue.h"

// Whether this build opens a dedicated entry's window (its class is registered).
using WindowBuilt = std::function<bool(const MenuEntry&)>;

// {"menu": [...]} with one element per command (sub-menus appear only in the paths). Each
// command says whether it is "enabled": every command is, except a dedicated one whose window
// windowBuilt denies (all of them when windowBuilt is empty).
std::string catalogueJson(std::span<const MenuEntry> menu, const WindowBuilt& windowBuilt);
