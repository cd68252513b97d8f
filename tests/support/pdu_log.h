// The PDU log that corvane-sim writes with --log-pdus, as tests compare it.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::test {

// One line per received PDU, without its request id: "TYPE OID[=TAG:VALUE] ...".
inline std::vector<std::string> readPduLog(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) {
        std::istringstream w(l);
        std::string type, id, rest;
        w >> type >> id;
        std::getline(w, rest);
        lines.push_back(type + rest);
    }
    return lines;
}

}  // namespace corvane::test
