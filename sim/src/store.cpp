#include "store.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace corvane::sim {

bool isKnownTag(int tag) {
    switch (tag) {
        case kInteger:
        case kOctetString:
        case kNull:
        case kObjectId:
        case kIpAddress:
        case kCounter32:
        case kGauge32:
        case kTimeTicks:
        case kCounter64:
            return true;
        default:
            return false;
    }
}

bool isNumericTag(int tag) {
    return tag == kInteger || tag == kCounter32 || tag == kGauge32 || tag == kTimeTicks ||
           tag == kCounter64;
}

namespace {

template <class T>
bool parseNumber(std::string_view text, T& out) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

bool parseHex(std::string_view text, std::string& out) {
    if (text.size() % 2 != 0) {
        return false;
    }
    out.clear();
    out.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned byte = 0;
        auto [p, ec] = std::from_chars(text.data() + i, text.data() + i + 2, byte, 16);
        if (ec != std::errc() || p != text.data() + i + 2) {
            return false;
        }
        out.push_back(static_cast<char>(byte));
    }
    return true;
}

bool parseIp(std::string_view text, std::string& out) {
    out.clear();
    for (int i = 0; i < 4; ++i) {
        size_t dot = text.find('.');
        std::string_view part = i < 3 ? text.substr(0, dot) : text;
        unsigned n = 0;
        if ((i < 3 && dot == std::string_view::npos) || !parseNumber(part, n) || n > 255) {
            return false;
        }
        out.push_back(static_cast<char>(n));
        text = i < 3 ? text.substr(dot + 1) : std::string_view();
    }
    return true;
}

bool isPlainText(const std::string& s) {
    for (unsigned char c : s) {
        if (c < 0x20 || c > 0x7e) {
            return false;
        }
    }
    return true;
}

// Why a profile line that parsed cannot be served, or empty when it can.
std::string profileLineProblem(const Oid& oid, const Value& value) {
    // The agent serves the iso(1) tree only.
    if (oid[0] != 1) {
        return "OID " + formatOid(oid) + " is not under 1 (iso)";
    }
    if (std::string problem = oidEncodingProblem(oid); !problem.empty()) {
        return "OID " + formatOid(oid) + " " + problem;
    }
    if (value.tag == kObjectId) {
        auto arcs = parseOid(value.bytes);
        std::string problem = arcs ? oidEncodingProblem(*arcs) : "is not an OID";
        if (!problem.empty()) {
            return "value " + value.bytes + " " + problem;
        }
    }
    return {};
}

// The growth of a counter line, "RATE/s" after the value's "+": at most one wrap of a
// Counter32 per second.
bool parseRate(std::string_view text, double& out) {
    if (text.size() < 3 || text.substr(text.size() - 2) != "/s") {
        return false;
    }
    text.remove_suffix(2);
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size() && std::isfinite(out) && out >= 0 &&
           out <= 4294967295.0;
}

}  // namespace

uint64_t Value::numAfter(double seconds) const {
    if (perSecond <= 0 || seconds <= 0) {
        return num;
    }
    const double span = tag == kCounter32 ? 4294967296.0 : 18446744073709551616.0;
    auto grown = static_cast<uint64_t>(std::fmod(std::floor(perSecond * seconds), span));
    uint64_t n = num + grown;  // Counter64 wraps with the arithmetic
    return tag == kCounter32 ? n & 0xffffffffu : n;
}

std::string oidEncodingProblem(std::span<const uint32_t> oid) {
    if (oid.size() < 2) {
        return "cannot be encoded: it has fewer than two arcs";
    }
    if (oid.size() > 128) {
        return "cannot be encoded: it has more than 128 arcs";
    }
    if (oid[0] > 2) {
        return "cannot be encoded: the first arc is above 2";
    }
    if (oid[0] < 2 && oid[1] >= 40) {
        return "cannot be encoded: under 0 and 1 the second arc must be below 40";
    }
    if (oid[1] > UINT32_MAX - 80) {
        return "cannot be encoded: the second arc is too big";
    }
    return {};
}

std::optional<Oid> parseOid(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    Oid oid;
    while (!text.empty()) {
        size_t dot = text.find('.');
        uint32_t arc = 0;
        if (!parseNumber(text.substr(0, dot), arc)) {
            return std::nullopt;
        }
        oid.push_back(arc);
        if (dot == std::string_view::npos) {
            break;
        }
        text.remove_prefix(dot + 1);
        if (text.empty()) {
            return std::nullopt;
        }
    }
    if (oid.size() < 2 || oid.size() > 128) {
        return std::nullopt;
    }
    return oid;
}

std::string formatOid(std::span<const uint32_t> oid) {
    std::string out;
    out.reserve(oid.size() * 4);
    char buf[16];
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i) {
            out.push_back('.');
        }
        auto [p, ec] = std::to_chars(buf, buf + sizeof buf, oid[i]);
        out.append(buf, p);
    }
    return out;
}

std::optional<Value> parseValue(std::string_view type, std::string_view text) {
    bool hex = !type.empty() && type.back() == 'x';
    if (hex) {
        type.remove_suffix(1);
    }
    int tag = 0;
    if (!parseNumber(type, tag) || !isKnownTag(tag)) {
        return std::nullopt;
    }
    Value v;
    v.tag = static_cast<uint8_t>(tag);
    switch (tag) {
        case kInteger: {
            int32_t n = 0;
            if (hex || !parseNumber(text, n)) {
                return std::nullopt;
            }
            v.num = static_cast<uint64_t>(static_cast<int64_t>(n));
            return v;
        }
        case kCounter32:
        case kGauge32:
        case kTimeTicks: {
            uint32_t n = 0;
            if (size_t plus = text.find('+', 1); tag == kCounter32 && plus != text.npos) {
                if (!parseRate(text.substr(plus + 1), v.perSecond)) {
                    return std::nullopt;
                }
                text = text.substr(0, plus);
            }
            if (hex || !parseNumber(text, n)) {
                return std::nullopt;
            }
            v.num = n;
            return v;
        }
        case kCounter64:
            if (size_t plus = text.find('+', 1); plus != text.npos) {
                if (!parseRate(text.substr(plus + 1), v.perSecond)) {
                    return std::nullopt;
                }
                text = text.substr(0, plus);
            }
            if (hex || !parseNumber(text, v.num)) {
                return std::nullopt;
            }
            return v;
        case kOctetString:
            if (hex) {
                if (!parseHex(text, v.bytes)) {
                    return std::nullopt;
                }
            } else {
                v.bytes.assign(text);
            }
            return v;
        case kIpAddress:
            if (hex ? !(parseHex(text, v.bytes) && v.bytes.size() == 4) : !parseIp(text, v.bytes)) {
                return std::nullopt;
            }
            return v;
        case kObjectId: {
            if (hex) {
                return std::nullopt;
            }
            auto oid = parseOid(text);
            if (!oid) {
                return std::nullopt;
            }
            v.bytes = formatOid(*oid);
            return v;
        }
        case kNull:
            return v;
    }
    return std::nullopt;
}

std::string formatValue(const Value& v, char sep) {
    std::string out = std::to_string(v.tag);
    switch (v.tag) {
        case kInteger:
            return out + sep + std::to_string(v.asInt());
        case kCounter32:
        case kGauge32:
        case kTimeTicks:
        case kCounter64:
            return out + sep + std::to_string(v.num);
        case kIpAddress:
            if (v.bytes.size() == 4) {
                char buf[20];
                std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", uint8_t(v.bytes[0]),
                              uint8_t(v.bytes[1]), uint8_t(v.bytes[2]), uint8_t(v.bytes[3]));
                return out + sep + buf;
            }
            break;
        case kObjectId:
            return out + sep + v.bytes;
        case kNull:
            return out + sep;
        case kOctetString:
            if (isPlainText(v.bytes)) {
                return out + sep + v.bytes;
            }
            break;
    }
    out += 'x';
    out += sep;
    static const char digits[] = "0123456789abcdef";
    for (unsigned char c : v.bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

std::optional<Store> loadSnmprec(const std::string& path, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + " is a folder, not a profile file";
        return std::nullopt;
    }
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    Store store;
    std::string line;
    size_t lineNo = 0;
    auto hint = store.end();
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::string_view sv(line);
        size_t bar1 = sv.find('|');
        size_t bar2 = bar1 == std::string_view::npos ? bar1 : sv.find('|', bar1 + 1);
        std::optional<Oid> oid;
        std::optional<Value> value;
        if (bar2 != std::string_view::npos) {
            oid = parseOid(sv.substr(0, bar1));
            value = parseValue(sv.substr(bar1 + 1, bar2 - bar1 - 1), sv.substr(bar2 + 1));
        }
        if (!oid || !value) {
            error = path + ":" + std::to_string(lineNo) + ": bad line";
            return std::nullopt;
        }
        if (std::string problem = profileLineProblem(*oid, *value); !problem.empty()) {
            error = path + ":" + std::to_string(lineNo) + ": " + problem;
            return std::nullopt;
        }
        // Recorded walks are sorted, so the end is usually the right place.
        hint = store.insert_or_assign(hint, std::move(*oid), std::move(*value));
        ++hint;
    }
    if (in.bad()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (store.empty()) {
        error = path + " holds no objects";
        return std::nullopt;
    }
    return store;
}

}  // namespace corvane::sim
