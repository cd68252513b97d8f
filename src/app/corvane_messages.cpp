// corvane-messages: writes the built-in message texts as the errmsg/ files that are installed,
// for an administrator to reword. A line cannot hold a line break: it stands as a blank.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "messages.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const struct {
        const MessageTable* table;
        const char* file;
    } files[] = {{&CommonTexts, "common.err"},       {&SnmpTexts, "snmp.err"},
                 {&SnmpV3Texts, "snmpv3.err"},       {&UsmTexts, "snmpusm.err"},
                 {&SnmpClassTexts, "snmpclass.err"}, {&NmSnmpTexts, "nmsnmp.err"},
                 {&StatusTemplates, "snmp.msg"}};
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "errmsg";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const auto& f : files) {
        std::ofstream out(folder / f.file, std::ios::binary | std::ios::trunc);
        for (std::string text : builtInTexts(*f.table)) {
            std::replace(text.begin(), text.end(), '\n', ' ');
            out << text << '\n';
        }
        if (!out.flush()) {
            std::fprintf(stderr, "corvane-messages: cannot write %s\n",
                         (folder / f.file).string().c_str());
            return 1;
        }
    }
    return 0;
}
