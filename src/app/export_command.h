// Export from the command line: `corvane --export "MENU / PATH" [--page TITLE] [switch ...]`
// reads the window a menu entry opens, without showing it, and prints what its list or row
// editor then holds as CSV.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "menu_catalogue.h"

struct ExportRequest {
    std::string Path;
    std::string Page;
    bool HasPage = false;
    // Everything else, for the usual command-line parsing.
    std::vector<std::string> Switches;
};

// Takes "--export PATH" and "--page TITLE" out of the arguments. False with a reason when a
// value is missing.
bool ParseExportArguments(const std::vector<std::string>& args, ExportRequest& request,
                          std::string& error);

// The entry's captions, trimmed, joined by " / ".
std::string MenuPathText(std::span<const MenuEntry> menu, std::size_t index);

// The position of the command whose path the text names (blanks around the slashes and letter
// case do not matter when only one entry fits), or -1.
int FindMenuPath(std::span<const MenuEntry> menu, const std::string& path);

// Paths of the generic entries nearest to a text that names none, best first.
std::vector<std::string> NearestMenuPaths(std::span<const MenuEntry> menu, const std::string& path,
                                          std::size_t count);

// Runs the export after the start-up steps (session, message files, the switches); needs a
// QApplication. Returns the exit code: 0 done, 1 the read failed (status text in err), 2 bad
// arguments or an entry that cannot be exported.
int RunExport(const ExportRequest& request, std::string& out, std::string& err);
