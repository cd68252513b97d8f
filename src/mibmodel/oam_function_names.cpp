// OAM functions-supported names, one hexadecimal digit at a time.
#include "oam_function_names.h"

#include <cctype>

std::string OamFunctionNames(const std::string& hex) {
    static const struct {
        int bit;
        const char* name;
    } names[] = {{8, "Variable Request, "},
                 {4, "Link Monitoring, "},
                 {2, "Remote Loopback, "},
                 {1, "Unidirection, "}};
    std::string out;
    for (char c : hex) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 55;
        for (const auto& n : names)
            if (digit & n.bit)
                out += n.name;
    }
    if (out.size() >= 2)
        out.erase(out.size() - 2);
    return out;
}
