// corvane-catalogue: prints the menu catalogue from the tables the program itself uses, and
// which of its entries this build opens.
#include <cstdio>
#include <cstring>

#include "catalogue_json.h"
#include "dedicated_windows.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--json") != 0) {
        std::fprintf(stderr, "usage: %s --json\n", argv[0]);
        return 2;
    }
    // The same test the main window makes to enable a dedicated entry.
    const auto built = [](const MenuEntry& e) {
        return e.Window && DedicatedWindows().Contains(e.Window);
    };
    const std::string json = catalogueJson(menuCatalogue(), built);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
