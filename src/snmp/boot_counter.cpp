// Engine-boots counter file, written atomically through a temporary file.
#include "boot_counter.h"

#include <unistd.h>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::string toHex(const std::string& octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : octets) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool isHex(const std::string& s) {
    if (s.empty() || s.size() % 2)
        return false;
    for (char c : s)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool sameHex(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

struct Entry {
    std::string hexId;
    std::uint32_t boots;
};

// Parses the whole file; -4 on the first malformed non-blank line.
int readEntries(const std::string& file, std::vector<Entry>& entries) {
    std::ifstream in(file);
    if (!in)
        return kBootCounterCannotOpen;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        std::istringstream fields(line);
        std::string id, extra;
        unsigned long long count = 0;
        if (!(fields >> id >> count) || (fields >> extra) || !isHex(id) || count > 0xffffffffULL)
            return kBootCounterMalformed;
        entries.push_back({id, static_cast<std::uint32_t>(count)});
    }
    return kBootCounterOk;
}

}  // namespace

int getBootCounter(const std::string& file, const std::string& engineId, std::uint32_t& boots) {
    boots = 0;
    if (engineId.size() > kMaxEngineIdLength)
        return kBootCounterEngineIdTooLong;
    std::vector<Entry> entries;
    if (int rc = readEntries(file, entries); rc != kBootCounterOk)
        return rc;
    const std::string hex = toHex(engineId);
    for (const Entry& e : entries) {
        if (sameHex(e.hexId, hex)) {
            boots = e.boots;
            return kBootCounterOk;
        }
    }
    return kBootCounterNoEntry;
}

int saveBootCounter(const std::string& file, const std::string& engineId, std::uint32_t boots) {
    if (engineId.size() > kMaxEngineIdLength)
        return kBootCounterEngineIdTooLong;
    std::vector<Entry> entries;
    if (int rc = readEntries(file, entries); rc == kBootCounterMalformed)
        return rc;
    const std::string hex = toHex(engineId);
    bool found = false;
    for (Entry& e : entries) {
        if (sameHex(e.hexId, hex)) {
            e.boots = boots;
            found = true;
        }
    }
    if (!found)
        entries.push_back({hex, boots});

    const std::string temp = file + ".tmp" + std::to_string(::getpid());
    std::FILE* out = std::fopen(temp.c_str(), "w");
    if (!out)
        return kBootCounterWriteFailed;
    bool ok = true;
    for (const Entry& e : entries)
        ok = ok && std::fprintf(out, "%s %u\n", e.hexId.c_str(), e.boots) > 0;
    ok = (std::fflush(out) == 0) && ok;
    ok = (::fsync(::fileno(out)) == 0) && ok;
    ok = (std::fclose(out) == 0) && ok;
    if (!ok || std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        return kBootCounterWriteFailed;
    }
    return kBootCounterOk;
}
