// Small lenient text scanners shared by the model's conversions (internal header).
#pragma once

#include <cctype>
#include <climits>
#include <cstdint>
#include <string>

namespace mibmodel_detail {

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// atol without its undefined overflow: leading white space, a sign, digits; saturates.
inline std::int64_t atolLike(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    std::uint64_t v = 0;
    bool saturated = false;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        if (v > (static_cast<std::uint64_t>(LLONG_MAX) - 9) / 10) {
            saturated = true;
        } else {
            v = v * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        }
    }
    if (saturated)
        return negative ? LLONG_MIN : LLONG_MAX;
    return negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
}

// Matches a pattern of "%d" fields and literal characters as scanf would (a "%d" skips
// leading white space); returns the number of fields read. Numbers saturate at int range.
inline int scanPattern(const std::string& text, const char* pattern, int* fields) {
    std::size_t pos = 0;
    int count = 0;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == 'd') {
            ++p;
            while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
                ++pos;
            bool negative = false;
            if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
                negative = text[pos++] == '-';
            if (pos >= text.size() || !isDigit(text[pos]))
                return count;
            long long v = 0;
            for (; pos < text.size() && isDigit(text[pos]); ++pos)
                if (v <= INT_MAX)
                    v = v * 10 + (text[pos] - '0');
            if (v > INT_MAX)
                v = INT_MAX;
            fields[count++] = static_cast<int>(negative ? -v : v);
        } else {
            if (pos >= text.size() || text[pos] != *p)
                return count;
            ++pos;
        }
    }
    return count;
}

}  // namespace mibmodel_detail
