// corvane-catalogue: prints the menu catalogue from the tables the program itself uses.
#include <cstdio>
#include <cstring>

#include "catalogue_json.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--json") != 0) {
        std::fprintf(stderr, "usage: %s --json\n", argv[0]);
        return 2;
    }
    const std::string json = catalogueJson(menuCatalogue());
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
