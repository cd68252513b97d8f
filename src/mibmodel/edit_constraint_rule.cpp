// Edit-constraint grammar, typing filter, exit check and address checks.
#include "edit_constraint_rule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "messages.h"
#include "nm_num_list.h"
#include "text_scan.h"
#include "value_conversion.h"

using mibmodel_detail::hexValue;
using mibmodel_detail::isDigit;

namespace {

[[noreturn]] void badFormat() {
    raiseCommonError(-2);
}

// Bytes in the UTF-8 sequence that starts with c (1 for stray continuation bytes).
std::size_t sequenceLength(unsigned char c) {
    if (c >= 0xf0)
        return 4;
    if (c >= 0xe0)
        return 3;
    if (c >= 0xc0)
        return 2;
    return 1;
}

std::string generalNumber(double v) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buf, p) : std::string();
}

// The integer part of a bound as an unsigned 32-bit number, clamped.
unsigned int unsignedBound(double v) {
    if (!(v > 0))
        return 0;
    if (v >= 4294967295.0)
        return 4294967295u;
    return static_cast<unsigned int>(v);
}

bool parseWholeDouble(const std::string& text, double& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [p, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && p == last && first != last;
}

// The twelve hexadecimal digits of a valid MAC text (the first two of every group when it
// has a separator); empty when the text is not a MAC address.
std::string macDigits(const std::string& text) {
    char separator = 0;
    if (text.find('-') != std::string::npos)
        separator = '-';
    else if (text.find('.') != std::string::npos)
        separator = '.';
    std::string digits;
    if (!separator) {
        if (text.size() != 12)
            return {};
        for (char c : text)
            if (hexValue(c) < 0)
                return {};
        return text;
    }
    std::size_t start = 0;
    int groups = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (++groups > 6)
            return {};
        if (end - start < 2 || hexValue(text[start]) < 0 || hexValue(text[start + 1]) < 0)
            return {};
        digits.append(text, start, 2);
        if (end == text.size())
            break;
        start = end + 1;
    }
    return groups == 6 ? digits : std::string();
}

ExitOutcome reject(std::string text, bool plain = false) {
    ExitOutcome r;
    r.verdict = ExitOutcome::Reject;
    r.messages.push_back({std::move(text), plain});
    return r;
}

std::string fill(int code, const std::vector<std::pair<std::string, std::string>>& fills) {
    std::string text = commonText(code);
    for (const auto& [from, to] : fills)
        text = replaceAll(text, from, to);
    return text;
}

const char* const kIpv4Own = "Please input a valid IP.";
const char* const kIpv6Own = "Please enter a valid IPv6 address whose length is 32 without ':'.";

}  // namespace

EditConstraintRule ParseConstraintPiece(const std::string& piece) {
    if (piece.size() < 2 || piece[0] != '%')
        badFormat();
    EditConstraintRule r;
    r.Type = piece[1];
    std::size_t pos = 2;
    switch (r.Type) {
        case 'i':
            r.Min = std::numeric_limits<std::int32_t>::min();
            r.Max = std::numeric_limits<std::int32_t>::max();
            break;
        case 'u':
            r.Min = 0;
            r.Max = std::numeric_limits<std::uint32_t>::max();
            break;
        case 'n':
            if (piece.size() < 3)
                badFormat();
            r.Delimiter = piece[pos++];
            [[fallthrough]];
        case 'f':
        case 's':
        case 'h':
            r.Min = std::numeric_limits<double>::min();
            r.Max = std::numeric_limits<double>::max();
            break;
        default:
            badFormat();
    }
    if (pos == piece.size())
        return r;
    if (piece[pos] != '{' || piece.back() != '}' || piece.size() - pos < 2)
        badFormat();
    const std::string options = piece.substr(pos + 1, piece.size() - pos - 2);
    std::size_t i = 0;
    const auto run = [&](const char* allowed) {
        const std::size_t start = i;
        while (i < options.size() && options[i] && std::strchr(allowed, options[i]))
            ++i;
        if (i == start)
            badFormat();
        return options.substr(start, i - start);
    };
    const auto number = [&] {
        double v = 0;
        if (!parseWholeDouble(run("-0123456789."), v))
            badFormat();
        return v;
    };
    const auto digits = [&] {
        const std::string d = run("0123456789");
        int v = 0;
        auto [p, ec] = std::from_chars(d.data(), d.data() + d.size(), v);
        if (ec != std::errc() || p != d.data() + d.size())
            badFormat();
        return v;
    };
    const auto startsNumber = [&](std::size_t at) {
        return at < options.size() && options[at] && std::strchr("-0123456789.", options[at]);
    };
    while (i < options.size()) {
        const char option = options[i++];
        switch (option) {
            case 'n':
                r.Min = number();
                break;
            case 'x':
                r.Max = number();
                break;
            case 'l':
                r.MaxLength = digits();
                // "n" right before a number is the lower bound, not the modifier.
                for (int k = 0; k < 3 && i < options.size(); ++k) {
                    const char m = options[i];
                    if (m == 'a')
                        r.Flags |= ecAutoAdvance;
                    else if (m == 'f')
                        r.Flags |= ecFixedLength;
                    else if (m == 'n' && !startsNumber(i + 1))
                        r.Flags |= ecRequired;
                    else
                        break;
                    ++i;
                }
                break;
            case 'w':
                r.Width = digits();
                break;
            case 'e':
                if (i >= options.size())
                    badFormat();
                r.EndChar = options[i++];
                break;
            case 'I':
                r.AddrMode = amIpv4;
                if (i < options.size() && options[i] == 'm') {
                    r.AddrMode = amMulticastIpv4;
                    ++i;
                } else if (i < options.size() && options[i] == 'a') {
                    r.AddrMode = amInetAddress;
                    ++i;
                } else if (i < options.size() && options[i] == '6') {
                    r.AddrMode = amIpv6;
                    ++i;
                    if (i < options.size() && options[i] == 'm') {
                        r.AddrMode = amMulticastIpv6;
                        ++i;
                    }
                }
                break;
            case 'M':
                r.AddrMode = amMac;
                if (i < options.size() && options[i] == 'm') {
                    r.AddrMode = amMulticastMac;
                    ++i;
                } else if (i < options.size() && options[i] == 'u') {
                    r.AddrMode = amUnicastMac;
                    ++i;
                }
                break;
            case 'Z':
                break;
            default:
                badFormat();
        }
    }
    return r;
}

std::vector<std::string> SplitConstraintFormat(const std::string& format) {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i > 0) {
            pieces.push_back(piece);
            piece.clear();
        }
        piece += format[i];
    }
    if (!format.empty())
        pieces.push_back(piece);
    return pieces;
}

int CountConstraintConversions(const std::string& format) {
    int n = 0;
    for (std::size_t i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%' && format[i + 1] && std::strchr("shiufn", format[i + 1]))
            ++n;
    return n;
}

int TextLength(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xc0) != 0x80)
            ++n;
    return n;
}

TypingOutcome FilterTyping(const EditConstraintRule& rule, const std::string& text) {
    TypingOutcome out;
    if (text.empty() || text == "(NOTDONE)" || text == "(NULL)")
        return out;
    if (rule.EndChar) {
        const std::size_t at = text.find(rule.EndChar);
        if (at != std::string::npos) {
            out.kind = TypingOutcome::EndCharTyped;
            out.text = text;
            out.text.erase(at, 1);
            return out;
        }
    }
    if (rule.Type == 's')
        return out;
    bool seenPoint = false;
    int index = 0;
    for (std::size_t pos = 0; pos < text.size(); ++index) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        const std::size_t length = std::min(sequenceLength(c), text.size() - pos);
        bool allowed = false;
        if (c < 0x80) {
            const char ch = static_cast<char>(c);
            switch (rule.Type) {
                case 'i':
                    allowed = isDigit(ch) || (ch == '-' && index == 0);
                    break;
                case 'u':
                    allowed = isDigit(ch);
                    break;
                case 'f':
                    allowed = isDigit(ch) || (ch == '-' && index == 0) || (ch == '.' && !seenPoint);
                    seenPoint = seenPoint || ch == '.';
                    break;
                case 'h':
                    allowed = hexValue(ch) >= 0;
                    break;
                case 'n':
                    allowed = isDigit(ch) || (ch == rule.Delimiter && index > 0 &&
                                              text[pos - 1] != rule.Delimiter);
                    break;
                default:
                    allowed = true;
            }
        }
        if (!allowed) {
            out.kind = TypingOutcome::CharRemoved;
            out.text = text;
            out.text.erase(pos, length);
            return out;
        }
        pos += length;
    }
    return out;
}

bool ShouldAutoAdvance(const EditConstraintRule& rule, const std::string& text) {
    return (rule.Flags & ecAutoAdvance) && rule.MaxLength > 0 && TextLength(text) == rule.MaxLength;
}

ExitOutcome CheckExit(const EditConstraintRule& rule, const std::string& text) {
    ExitOutcome ok;
    if (text == "(NOTDONE)" || text == "(NULL)") {
        ok.verdict = ExitOutcome::Skip;
        return ok;
    }
    if (text.empty()) {
        if (rule.Flags & ecRequired)
            return reject(commonText(-3));
        ok.verdict = ExitOutcome::Skip;
        return ok;
    }
    switch (rule.Type) {
        case 'i':
        case 'u':
        case 'f': {
            double v = 0;
            if (!parseWholeDouble(text, v) || std::isnan(v) || v < rule.Min || v > rule.Max)
                return reject(fill(
                    -8, {{"[MIN]", generalNumber(rule.Min)}, {"[MAX]", generalNumber(rule.Max)}}));
            return ok;
        }
        case 'n': {
            NmNumList<unsigned int> numbers;
            numbers.Delimiter = rule.Delimiter;
            numbers.Parse(text);
            const std::string delimiter(1, rule.Delimiter);
            const std::string count = std::to_string(rule.MaxLength);
            if (rule.MaxLength > 0) {
                if ((rule.Flags & ecFixedLength) && numbers.Count() != rule.MaxLength)
                    return reject(fill(-10, {{"[DELIMITER]", delimiter}, {"[COUNT]", count}}));
                if (!(rule.Flags & ecFixedLength) && numbers.Count() > rule.MaxLength)
                    return reject(fill(-9, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", count}}));
            }
            const unsigned int min = unsignedBound(rule.Min), max = unsignedBound(rule.Max);
            if (!numbers.AllInRange(min, max))
                return reject(fill(-11, {{"[DELIMITER]", delimiter},
                                         {"[MIN]", std::to_string(min)},
                                         {"[MAX]", std::to_string(max)}}));
            return ok;
        }
        default:
            break;
    }
    switch (rule.AddrMode) {
        case amIpv4:
            return IsValidIpv4Text(text) ? ok : reject(kIpv4Own, true);
        case amMulticastIpv4:
            return IsMulticastIpv4Text(text) ? ok : reject(commonText(-20));
        case amIpv6:
            if (IsValidIpv6Text(text))
                return ok;
            {
                ExitOutcome r = reject(kIpv6Own, true);
                r.messages.push_back({commonText(-21), false});
                return r;
            }
        case amMulticastIpv6:
            return IsMulticastIpv6Text(text) ? ok : reject(commonText(-22));
        case amMac:
            return IsValidMacText(text) ? ok : reject(commonText(-23));
        case amMulticastMac:
            return IsMulticastMacText(text) ? ok : reject(commonText(-24));
        case amUnicastMac:
            return IsUnicastMacText(text) ? ok : reject(commonText(-25));
        case amInetAddress:
            return IsInetAddressText(text) ? ok : reject(commonText(-19));
        default:
            break;
    }
    if (rule.MaxLength >= 1) {
        const bool hex = rule.Type == 'h';
        const int length = TextLength(text);
        const std::string limit = std::to_string(rule.MaxLength);
        if ((rule.Flags & ecFixedLength) && length != rule.MaxLength)
            return reject(fill(hex ? -7 : -5, {{"[LEN]", limit}}));
        if (!(rule.Flags & ecFixedLength) && length > rule.MaxLength)
            return reject(fill(hex ? -6 : -4, {{"[MAXLEN]", limit}}));
    }
    return ok;
}

bool IsValidIpv4Text(const std::string& text) {
    if (text.size() > 16)
        return false;
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('.', start), text.size());
        if (++parts > 4)
            return false;
        if (end == start || end - start > 3)
            return false;
        unsigned v = 0;
        for (std::size_t i = start; i < end; ++i) {
            if (!isDigit(text[i]))
                return false;
            v = v * 10 + static_cast<unsigned>(text[i] - '0');
        }
        if (v > 255)
            return false;
        if (end == text.size())
            break;
        start = end + 1;
    }
    return parts == 4;
}

bool IsMulticastIpv4Text(const std::string& text) {
    if (!IsValidIpv4Text(text))
        return false;
    const int first = static_cast<int>(mibmodel_detail::atolLike(text));
    return first >= 224 && first <= 239;
}

bool IsValidIpv6Text(const std::string& text) {
    if (text.size() != 32)
        return false;
    for (char c : text)
        if (hexValue(c) < 0)
            return false;
    return true;
}

bool IsMulticastIpv6Text(const std::string& text) {
    return IsValidIpv6Text(text) && hexValue(text[0]) == 15 && hexValue(text[1]) == 15;
}

bool IsValidMacText(const std::string& text) {
    return !macDigits(text).empty();
}

bool IsMulticastMacText(const std::string& text) {
    const std::string d = macDigits(text);
    if (d.empty())
        return false;
    if (std::all_of(d.begin(), d.end(), [](char c) { return c == 'F' || c == 'f'; }))
        return false;
    if (std::count(d.begin() + 2, d.end(), '0') > 9)
        return false;
    return hexValue(d[1]) % 2 == 1;
}

bool IsUnicastMacText(const std::string& text) {
    const std::string d = macDigits(text);
    if (d.empty() || d == "000000000000")
        return false;
    return hexValue(d[1]) % 2 == 0;
}
