// The generated table the benchmarks walk: rows x 5 columns (index, name, counter, gauge,
// status) under one entry OID, in the simulator's profile format.
#pragma once

#include <ostream>
#include <string>

namespace corvane::bench {

inline void writeBigTable(std::ostream& out, const std::string& entry, int rows) {
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= rows; ++r) {
            out << entry << '.' << c << '.' << r << '|';
            switch (c) {
                case 1:
                    out << "2|" << r;
                    break;
                case 2:
                    out << "4|port-" << r;
                    break;
                case 3:
                    out << "65|" << r * 7;
                    break;
                case 4:
                    out << "66|" << r % 1000;
                    break;
                default:
                    out << "2|1";
                    break;
            }
            out << '\n';
        }
}

}  // namespace corvane::bench
