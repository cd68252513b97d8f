// Value conversions per syntax code: wire value, display text, instance OID, octet image.
#include "value_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "messages.h"
#include "nm_date_time.h"
#include "text_scan.h"

using namespace mibmodel_detail;

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kUInt32Max = std::numeric_limits<std::uint32_t>::max();

[[noreturn]] void badSyntax() {
    raiseNmSnmpError(nmBadSyntax);
}
[[noreturn]] void badKeyCount() {
    raiseNmSnmpError(nmBadKeyCount);
}
[[noreturn]] void badPartialValue() {
    raiseNmSnmpError(nmBadPartValue);
}
[[noreturn]] void partOutOfRange() {
    raiseNmSnmpError(nmBitIndexRange);
}
[[noreturn]] void badIpAddress() {
    raiseCommonError(-19);
}
[[noreturn]] void emptyValue() {
    raiseCommonError(-3);
}

// Syntaxes whose value may be empty: octet strings, DisplayString, a zero-length InetAddress.
bool hasEmptyForm(std::uint32_t s) {
    switch (s) {
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList:
        case synMacAddress:
        case synIpv6Address:
        case synDisplayString:
        case synInetAddress:
        case synNull:
            return true;
        default:
            return false;
    }
}

bool isKnownSyntax(std::uint32_t s) {
    return (s >= synBoolean && s <= synOid) || (s >= synIpAddress && s <= synPortList) ||
           s == synInetAddress || (s >= synPartBool8 && s <= synPartUInt16b);
}

std::string le32(std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
    return s;
}

std::uint32_t readLe32(const std::string& s, std::size_t at = 0) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<std::uint8_t>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

std::string be16(std::uint32_t v) {
    return std::string{static_cast<char>(v >> 8 & 0xff), static_cast<char>(v & 0xff)};
}

std::uint32_t readBe16(const std::string& s) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[0]) << 8 |
                                      static_cast<std::uint8_t>(s[1]));
}

std::string doubleOctets(double v) {
    std::string s(sizeof v, '\0');
    std::memcpy(s.data(), &v, sizeof v);
    return s;
}

double octetsDouble(const std::string& s) {
    double v = 0;
    std::memcpy(&v, s.data(), sizeof v);
    return v;
}

double doubleFromWords(std::uint32_t low, std::uint32_t high) {
    const std::uint64_t bits = static_cast<std::uint64_t>(high) << 32 | low;
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string doubleWords(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    return std::to_string(bits & 0xffffffffu) + "." + std::to_string(bits >> 32);
}

std::string be32(std::uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16 & 0xff),
                       static_cast<char>(v >> 8 & 0xff), static_cast<char>(v & 0xff)};
}

std::uint32_t readBe32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = v << 8 | static_cast<std::uint8_t>(s[at + i]);
    return v;
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

// The shortest text that reads back as the same double.
std::string exactDouble(double v) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, p) : std::string("0");
}

// A double to be sent: the whole text must be the number.
double strictDouble(const std::string& text) {
    std::string t = trimmed(text);
    if (t.empty())
        emptyValue();
    if (t[0] == '+')
        t.erase(0, 1);
    double v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size())
        badPartialValue();
    return v;
}

std::string dotted(const std::string& octets, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count && i < octets.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(static_cast<std::uint8_t>(octets[i]));
    }
    return s;
}

std::string octetsAsSubIds(const std::string& octets, bool withCount) {
    std::string s = withCount ? std::to_string(octets.size()) : std::string();
    for (unsigned char c : octets) {
        if (!s.empty())
            s += '.';
        s += std::to_string(c);
    }
    return s;
}

std::string strictIpv4Octets(const std::string& text) {
    std::uint8_t a[4];
    if (!ParseIpv4(text, a))
        badIpAddress();
    return std::string(reinterpret_cast<const char*>(a), 4);
}

// InetAddress text to octets: "" (zero length), a dotted IPv4 address, 32 hexadecimal digits
// with "%" and a decimal zone index (20 octets), or an even number of hexadecimal digits (blanks,
// ':' and '-' may separate octets): 16 or 20 octets, or any number when anyLength. False for
// anything else.
bool inetTextToOctets(const std::string& text, bool anyLength, std::string& out) {
    out.clear();
    if (text.empty())
        return true;
    if (text.find('.') != std::string::npos) {
        std::uint8_t a[4];
        if (!ParseIpv4(text, a))
            return false;
        out.assign(reinterpret_cast<const char*>(a), 4);
        return true;
    }
    const std::size_t percent = text.find('%');
    const std::string hex = text.substr(0, percent);
    // Whole octets only: an odd digit would make one up.
    if (std::count_if(hex.begin(), hex.end(), [](char c) { return hexValue(c) >= 0; }) % 2 ||
        !TryHexToOctets(hex, out))
        return false;
    if (percent == std::string::npos)
        return anyLength || out.size() == 16 || out.size() == 20;
    const std::string zone = trimmed(text.substr(percent + 1));
    std::uint32_t index = 0;
    auto [p, ec] = std::from_chars(zone.data(), zone.data() + zone.size(), index);
    if (out.size() != 16 || zone.empty() || ec != std::errc() || p != zone.data() + zone.size())
        return false;
    out += be32(index);
    return true;
}

// The text of an InetAddress index: "" for zero length, dotted IPv4, the zoned IPv6 form for 20
// octets, hexadecimal otherwise. inetTextToOctets reads each back to the same octets.
std::string inetIndexText(const std::string& octets) {
    if (octets.empty())
        return {};
    if (octets.size() == 4)
        return dotted(octets, 4);
    if (octets.size() == 20)
        return OctetsToHex(octets.substr(0, 16)) + "%" + std::to_string(readBe32(octets, 16));
    return OctetsToHex(octets);
}

// Rows of the days-from-civil algorithm (proleptic Gregorian calendar).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

constexpr std::int64_t kDayZero = -25569;  // 1899-12-30 counted from 1970-01-01

// The instance text cut into sub-identifiers, remembering where each one starts.
struct Instance {
    explicit Instance(const std::string& text) : text(text) {
        if (text.empty())
            return;
        std::size_t start = 0;
        for (;;) {
            starts.push_back(start);
            std::uint32_t v = 0;
            for (std::size_t i = start; i < text.size() && isDigit(text[i]); ++i)
                v = v * 10u + static_cast<std::uint32_t>(text[i] - '0');
            subIds.push_back(v);
            const std::size_t dot = text.find('.', start);
            if (dot == std::string::npos)
                break;
            start = dot + 1;
        }
    }
    std::size_t size() const { return subIds.size(); }
    std::uint32_t operator[](std::size_t i) const { return subIds[i]; }
    // A sub-identifier above 255 is no octet: such an instance would not encode back.
    std::string octets(std::size_t from, std::size_t count) const {
        std::string s;
        for (std::size_t i = from; i < from + count; ++i) {
            if (subIds[i] > 0xff)
                badKeyCount();
            s += static_cast<char>(subIds[i]);
        }
        return s;
    }
    std::string rest(std::size_t taken) const {
        if (taken > size())
            badKeyCount();
        return taken == size() ? std::string() : text.substr(starts[taken]);
    }

    const std::string& text;
    std::vector<std::uint32_t> subIds;
    std::vector<std::size_t> starts;
};

std::int64_t asSigned(const SnmpValue& v) {
    switch (v.type) {
        case SnmpType::Integer:
            return v.integer;
        case SnmpType::Counter32:
        case SnmpType::Gauge32:
        case SnmpType::TimeTicks:
        case SnmpType::Counter64:
            return static_cast<std::int64_t>(v.unsignedValue);
        default:
            return 0;
    }
}

std::uint64_t asUnsigned(const SnmpValue& v) {
    switch (v.type) {
        case SnmpType::Integer:
            return static_cast<std::uint64_t>(v.integer);
        case SnmpType::Counter32:
        case SnmpType::Gauge32:
        case SnmpType::TimeTicks:
        case SnmpType::Counter64:
            return v.unsignedValue;
        default:
            return 0;
    }
}

const std::string& asOctets(const SnmpValue& v) {
    static const std::string none;
    switch (v.type) {
        case SnmpType::OctetString:
        case SnmpType::Opaque:
        case SnmpType::IpAddress:
            return v.octets;
        default:
            return none;
    }
}

bool printableIsEmpty(const SnmpValue& v) {
    switch (v.type) {
        case SnmpType::Null:
            return true;
        case SnmpType::OctetString:
        case SnmpType::Opaque:
            return v.octets.empty();
        case SnmpType::ObjectId:
            return v.oid.empty();
        default:
            return v.isException();
    }
}

}  // namespace

// ---- text forms ----

std::string OctetsToHex(const std::string& octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        s += digits[c >> 4];
        s += digits[c & 0x0f];
    }
    return s;
}

bool TryHexToOctets(const std::string& text, std::string& out) {
    const bool zoned = text.size() >= 35 && text.size() <= 37 && text[32] == '%';
    const bool grouped = text.find_first_of(":-.") != std::string::npos;
    std::vector<std::vector<int>> groups(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c) || (zoned && i == 32))
            continue;
        if (c == ':' || c == '-' || c == '.') {
            groups.emplace_back();
            continue;
        }
        const int v = hexValue(c);
        if (v < 0)
            return false;
        groups.back().push_back(v);
    }
    std::string octets;
    for (const std::vector<int>& g : groups) {
        // Between separators one digit is an octet, and so are two; three are neither.
        if (grouped && (g.empty() || (g.size() > 1 && g.size() % 2)))
            return false;
        std::size_t i = 0;
        if (g.size() % 2)
            octets += static_cast<char>(g[i++]);
        for (; i < g.size(); i += 2)
            octets += static_cast<char>(g[i] << 4 | g[i + 1]);
    }
    out = std::move(octets);
    return true;
}

std::string HexToOctets(const std::string& text) {
    std::string out;
    if (!TryHexToOctets(text, out))
        badPartialValue();
    return out;
}

std::string TimeTicksToText(std::uint32_t t) {
    const std::uint32_t d = t / 8640000, h = t % 8640000 / 360000, m = t % 360000 / 6000,
                        s = t % 6000 / 100, c = t % 100;
    char buf[64];
    if (d == 0)
        std::snprintf(buf, sizeof buf, "%u:%02u:%02u.%02u", h, m, s, c);
    else if (d == 1)
        std::snprintf(buf, sizeof buf, "1 day %u:%02u:%02u.%02u", h, m, s, c);
    else
        std::snprintf(buf, sizeof buf, "%u days, %u:%02u:%02u.%02u", d, h, m, s, c);
    return buf;
}

std::uint32_t TextToTimeTicks(const std::string& text) {
    // The forms TimeTicksToText writes, with or without the hundredths; nothing else, so that
    // the value written is the one typed.
    std::size_t pos = 0;
    const auto blanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    // Up to maxDigits digits (at least one); false when there are none or too many.
    const auto number = [&](std::size_t maxDigits, std::uint64_t& value) {
        const std::size_t from = pos;
        value = 0;
        while (pos < text.size() && isDigit(text[pos]) && pos - from < maxDigits)
            value = value * 10 + static_cast<std::uint64_t>(text[pos++] - '0');
        return pos > from && !(pos < text.size() && isDigit(text[pos]));
    };
    const auto literal = [&](const char* word) {
        const std::size_t n = std::strlen(word);
        if (text.compare(pos, n, word) != 0)
            return false;
        pos += n;
        return true;
    };
    std::uint64_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    blanks();
    std::uint64_t first = 0;
    if (!number(10, first))
        badPartialValue();
    if (pos < text.size() && isBlank(text[pos])) {
        days = first;
        blanks();
        if (!literal("days") && !literal("day"))
            badPartialValue();
        literal(",");
        blanks();
        if (!number(10, hours))
            badPartialValue();
    } else {
        hours = first;
    }
    if (!literal(":") || !number(2, minutes) || !literal(":") || !number(2, seconds) ||
        minutes > 59 || seconds > 59)
        badPartialValue();
    if (literal(".")) {
        const std::size_t from = pos;
        if (!number(2, hundredths) || pos - from != 2)
            badPartialValue();
    }
    blanks();
    if (pos != text.size())
        badPartialValue();
    const std::uint64_t total =
        days * 8640000u + hours * 360000u + minutes * 6000u + seconds * 100u + hundredths;
    if (total > 0xffffffffu)
        badPartialValue();
    return static_cast<std::uint32_t>(total);
}

std::string Counter64ToText(std::uint64_t value) {
    return std::to_string(value);
}

std::string DoubleToText(double value) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buf, p) : std::string("0");
}

std::string DateTimeValueToText(double days) {
    if (!std::isfinite(days) || days < -693594.0 || days >= 2958466.0)
        badPartialValue();
    const std::int64_t totalSeconds = std::llround(days * 86400.0);
    std::int64_t day = totalSeconds / 86400;
    std::int64_t second = totalSeconds % 86400;
    if (second < 0) {
        second += 86400;
        --day;
    }
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(day + kDayZero, y, m, d);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02d:%02d:%02d", static_cast<int>(y), m, d,
                  static_cast<int>(second / 3600), static_cast<int>(second % 3600 / 60),
                  static_cast<int>(second % 60));
    return buf;
}

// False for a text that is no date (with an optional time) of years 1 to 9999.
static bool parseDateTimeValue(const std::string& text, double& days) {
    int f[6] = {};
    const int n = scanPattern(text, "%d/%d/%d %d:%d:%d", f);
    if (n < 3 || f[0] < 1 || f[0] > 9999 || f[1] < 1 || f[1] > 12 || f[2] < 1 || f[2] > 31)
        return false;
    for (int i = 3; i < 6; ++i)
        if (f[i] < 0 || f[i] > 59 || (i == 3 && f[i] > 23))
            return false;
    const std::int64_t day =
        daysFromCivil(f[0], static_cast<unsigned>(f[1]), static_cast<unsigned>(f[2])) - kDayZero;
    days = static_cast<double>(day) + (f[3] * 3600 + f[4] * 60 + f[5]) / 86400.0;
    return true;
}

// A date-time value to be sent.
static double strictDateTimeValue(const std::string& text) {
    double days = 0;
    if (trimmed(text).empty())
        emptyValue();
    if (!parseDateTimeValue(text, days))
        badPartialValue();
    return days;
}

static std::string strictDateAndTime(const std::string& text) {
    NmDateTime dt;
    if (trimmed(text).empty())
        emptyValue();
    if (!NmDateTime::Parse(text, dt))
        badPartialValue();
    return dt.ToOctets();
}

static Oid strictOid(const std::string& text) {
    Oid oid;
    if (trimmed(text).empty())
        emptyValue();
    if (!parseOid(trimmed(text), oid))
        badPartialValue();
    return oid;
}

double TextToDateTimeValue(const std::string& text) {
    double days = 0;
    return parseDateTimeValue(text, days) ? days : 0.0;
}

std::int64_t DecimalInRange(const std::string& text, std::int64_t min, std::int64_t max) {
    const std::string t = trimmed(text);
    if (t.empty())
        emptyValue();
    const std::size_t digits = t[0] == '-' || t[0] == '+' ? 1 : 0;
    const bool number =
        digits < t.size() && std::all_of(t.begin() + static_cast<long>(digits), t.end(),
                                         [](char c) { return isDigit(c); });
    const std::int64_t v = atolLike(t);
    if (!number || v < min || v > max)
        raiseCommonError(-8, {{"[MIN]", std::to_string(min)}, {"[MAX]", std::to_string(max)}});
    return v;
}

std::uint64_t Counter64FromText(const std::string& text) {
    const auto outOfRange = [] {
        raiseCommonError(-8, {{"[MIN]", "0"}, {"[MAX]", "18446744073709551615"}});
    };
    std::string t = trimmed(text);
    if (t.empty())
        emptyValue();
    std::size_t pos = 0;
    bool negative = false;
    if (t[pos] == '-' || t[pos] == '+')
        negative = t[pos++] == '-';
    if (pos < t.size() && std::all_of(t.begin() + static_cast<long>(pos), t.end(),
                                      [](char c) { return isDigit(c); })) {
        std::uint64_t v = 0;
        bool nonZero = false;
        for (; pos < t.size(); ++pos) {
            const std::uint64_t digit = static_cast<std::uint64_t>(t[pos] - '0');
            if (v > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
                outOfRange();
            v = v * 10 + digit;
            nonZero = nonZero || digit != 0;
        }
        if (negative && nonZero)
            outOfRange();
        return v;
    }
    // Fractions and exponent forms go through a double; the whole text must be the number.
    if (t[0] == '+')
        t.erase(0, 1);
    double d = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), d);
    d = std::trunc(d);
    if (ec != std::errc() || p != t.data() + t.size() || std::isnan(d) || d < 0 ||
        d >= 18446744073709551616.0)
        outOfRange();
    return static_cast<std::uint64_t>(d);
}

bool ParseIpv4(const std::string& text, std::uint8_t (&out)[4]) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::size_t pos = begin;
    for (int part = 0; part < 4; ++part) {
        if (part) {
            if (pos >= end || text[pos] != '.')
                return false;
            ++pos;
        }
        unsigned v = 0;
        int digits = 0;
        for (; pos < end && isDigit(text[pos]) && digits < 4; ++pos, ++digits)
            v = v * 10 + static_cast<unsigned>(text[pos] - '0');
        if (digits == 0 || digits > 3 || v > 255)
            return false;
        out[part] = static_cast<std::uint8_t>(v);
    }
    return pos == end;
}

bool IsInetAddressText(const std::string& text) {
    std::string octets;
    return inetTextToOctets(text, false, octets);
}

// ---- octet images ----

std::string TextToOctets(const std::string& text, std::uint32_t syntax) {
    if (!isKnownSyntax(syntax))
        badSyntax();
    if (text == "(NULL)")
        return {};
    if (text.empty() && !hasEmptyForm(syntax) && syntax != synIpAddress && syntax != synIpAddress2)
        emptyValue();
    switch (syntax) {
        case synBoolean:
            return le32(text == "true" ? 1 : 0);
        case synInteger:
            return le32(static_cast<std::uint32_t>(DecimalInRange(text, kInt32Min, kInt32Max)));
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            return le32(static_cast<std::uint32_t>(DecimalInRange(text, 0, kUInt32Max)));
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList:
        case synMacAddress:
        case synIpv6Address:
            return HexToOctets(text);
        case synNull:
            return {};
        case synOid: {
            std::string out;
            for (std::uint32_t sub : strictOid(text))
                out += le32(sub);
            return out;
        }
        case synIpAddress:
        case synIpAddress2:
            return strictIpv4Octets(text);
        case synTimeTicks:
            return le32(TextToTimeTicks(text));
        case synCounter64: {
            const std::uint64_t v = Counter64FromText(text);
            return le32(static_cast<std::uint32_t>(v)) + le32(static_cast<std::uint32_t>(v >> 32));
        }
        case synDouble:
            return doubleOctets(strictDouble(text));
        case synDateAndTime:
            return strictDateAndTime(text);
        case synDateTimeValue:
            return doubleOctets(strictDateTimeValue(text));
        case synDisplayString:
            return text;
        case synInetAddress: {
            std::string out;
            if (!inetTextToOctets(text, false, out))
                badIpAddress();
            return out;
        }
        case synPartBool8:
            return std::string(1, text == "true" ? '\1' : '\0');
        case synPartInt8:
            return std::string(1, static_cast<char>(DecimalInRange(text, -128, 127)));
        case synPartUInt8:
            return std::string(1, static_cast<char>(DecimalInRange(text, 0, 255)));
        case synPartBool16:
            return be16(text == "true" ? 1 : 0);
        default:  // synPartUInt16, synPartUInt16b
            return be16(static_cast<std::uint32_t>(DecimalInRange(text, 0, 65535)));
    }
}

std::string OctetsToText(const std::string& image, std::uint32_t syntax) {
    if (!isKnownSyntax(syntax))
        badSyntax();
    if (image.empty())
        return syntax == synDisplayString ? std::string() : std::string("(NULL)");
    const auto need = [&](std::size_t n) {
        if (image.size() < n)
            badPartialValue();
    };
    switch (syntax) {
        case synBoolean:
            need(4);
            return readLe32(image) ? "true" : "false";
        case synInteger:
            need(4);
            return std::to_string(static_cast<std::int32_t>(readLe32(image)));
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            need(4);
            return std::to_string(readLe32(image));
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList:
            return OctetsToHex(image);
        case synNull:
            return "(NULL)";
        case synOid: {
            Oid oid;
            for (std::size_t i = 0; i + 4 <= image.size(); i += 4)
                oid.push_back(readLe32(image, i));
            return oidToString(oid);
        }
        case synIpAddress:
        case synIpAddress2:
            need(4);
            return dotted(image, 4);
        case synTimeTicks:
            need(4);
            return TimeTicksToText(readLe32(image));
        case synCounter64:
            need(8);
            return Counter64ToText(static_cast<std::uint64_t>(readLe32(image, 4)) << 32 |
                                   readLe32(image));
        case synDouble:
            need(8);
            return DoubleToText(octetsDouble(image));
        case synMacAddress:
            need(6);
            return OctetsToHex(image);
        case synDateAndTime:
            need(11);
            return NmDateTime::FromOctets(image).ToText();
        case synDateTimeValue:
            need(8);
            return DateTimeValueToText(octetsDouble(image));
        case synDisplayString:
            return image;
        case synIpv6Address:
            need(16);
            return OctetsToHex(image);
        case synInetAddress:
            if (image.size() >= 16)
                return OctetsToHex(image);
            need(4);
            return dotted(image, 4);
        case synPartBool8:
            return image[0] ? "true" : "false";
        case synPartInt8:
            return std::to_string(static_cast<signed char>(image[0]));
        case synPartUInt8:
            return std::to_string(static_cast<unsigned char>(image[0]));
        case synPartBool16:
            need(2);
            return readBe16(image) ? "true" : "false";
        default:  // synPartUInt16, synPartUInt16b
            need(2);
            return std::to_string(readBe16(image));
    }
}

std::string ExtractPart(const std::string& image, std::size_t offset, std::uint32_t partSyntax) {
    std::size_t size = 0;
    bool toEnd = false;
    switch (partSyntax) {
        case synBoolean:
        case synInteger:
        case synIpAddress:
        case synCounter32:
        case synGauge32:
        case synTimeTicks:
        case synIpAddress2:
        case synUInteger32:
            size = 4;
            break;
        case synCounter64:
        case synDouble:
        case synDateTimeValue:
            size = 8;
            break;
        case synMacAddress:
            size = 6;
            break;
        case synDateAndTime:
            size = 11;
            break;
        case synIpv6Address:
            size = 16;
            break;
        case synPartBool8:
        case synPartInt8:
        case synPartUInt8:
            size = 1;
            break;
        case synPartBool16:
        case synPartUInt16:
        case synPartUInt16b:
            size = 2;
            break;
        case synInetAddress:
            size = image.size() > 15 ? 16 : 4;
            break;
        case synBits:
        case synOctets:
        case synOid:
        case synOpaque:
        case synDisplayString:
        case synPortList:
            toEnd = true;
            break;
        case synNull:
            return {};
        default:
            badSyntax();
    }
    if (image.empty())
        return {};
    if (offset > image.size() || (!toEnd && image.size() - offset < size))
        partOutOfRange();
    return toEnd ? image.substr(offset) : image.substr(offset, size);
}

// ---- port lists ----

std::string OctetsToPortList(const std::string& hexText, bool withBrackets) {
    const std::string octets = HexToOctets(hexText);
    const std::size_t ports = octets.size() * 8;
    std::string out;
    bool inRun = false;
    bool previousSet = false;
    for (std::size_t p = 1; p <= ports; ++p) {
        const bool set = static_cast<std::uint8_t>(octets[(p - 1) / 8]) >> (7 - (p - 1) % 8) & 1;
        if (set) {
            if (out.empty()) {
                out = std::to_string(p);
            } else if (previousSet) {
                if (!inRun) {
                    out += '-';
                    inRun = true;
                }
                if (p == ports)
                    out += std::to_string(p);
            } else {
                out += "," + std::to_string(p);
            }
        } else if (!out.empty() && inRun) {
            out += std::to_string(p - 1);
            inRun = false;
        }
        previousSet = set;
    }
    if (out.empty())
        out = "0";
    if (withBrackets)
        out += "[" + hexText + "]";
    return out;
}

std::string PortListHex(const std::string& text) {
    std::size_t start = text.find('[');
    start = start == std::string::npos ? 0 : start + 1;
    const std::size_t end = text.find(']', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool PortListToOctets(const std::string& text, const std::string& templateHex, std::string& out) {
    const std::size_t digits = templateHex.size();
    const std::int64_t ports = static_cast<std::int64_t>(digits) * 4;
    std::vector<std::uint8_t> octets((digits + 1) / 2, 0);
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string trimmed = text.substr(begin, end - begin);
    const auto setPort = [&](std::int64_t p) {
        octets[static_cast<std::size_t>((p - 1) / 8)] |=
            static_cast<std::uint8_t>(1u << (7 - (p - 1) % 8));
    };
    if (trimmed == "all") {
        for (std::int64_t p = 1; p <= ports; ++p)
            setPort(p);
    } else if (!trimmed.empty() && trimmed != "0") {
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = trimmed.find(',', start);
            const std::string item =
                trimmed.substr(start, comma == std::string::npos ? comma : comma - start);
            const std::size_t dash = item.find('-');
            const std::int64_t first = atolLike(item.substr(0, dash));
            const std::int64_t last =
                dash == std::string::npos ? first : atolLike(item.substr(dash + 1));
            if (first < 1 || last > ports || last < first)
                return false;
            for (std::int64_t p = first; p <= last; ++p)
                setPort(p);
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    static const char hex[] = "0123456789abcdef";
    std::string result;
    result.reserve(digits);
    for (std::size_t i = 0; i < digits; ++i) {
        const std::uint8_t octet = octets[i / 2];
        result += hex[i % 2 ? octet & 0x0f : octet >> 4];
    }
    out = std::move(result);
    return true;
}

// ---- wire values ----

std::string ReceivedValueToText(const SnmpValue& value, std::uint32_t syntax) {
    std::string text;
    const std::string& octets = asOctets(value);
    switch (syntax) {
        case synBoolean:
            text = asSigned(value) ? "true" : "false";
            break;
        case synInteger:
            text = std::to_string(asSigned(value));
            break;
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            text = std::to_string(static_cast<std::uint32_t>(asUnsigned(value)));
            break;
        case synBits:
        case synOctets:
        case synOpaque:
        case synMacAddress:
        case synIpv6Address:
        case synPortList:
            return OctetsToHex(octets);
        case synNull:
            text = "(NULL)";
            break;
        case synOid:
            if (value.type == SnmpType::ObjectId)
                text = oidToString(value.oid);
            break;
        case synIpAddress:
        case synIpAddress2:
            if (octets.size() >= 4)
                text = dotted(octets, 4);
            break;
        case synTimeTicks:
            text = TimeTicksToText(static_cast<std::uint32_t>(asUnsigned(value)));
            break;
        case synCounter64:
            text = Counter64ToText(asUnsigned(value));
            break;
        case synDouble:
            if (!octets.empty()) {
                if (octets.size() < 8)
                    badPartialValue();
                text = DoubleToText(octetsDouble(octets));
            }
            break;
        case synDateAndTime:
            if (!octets.empty())
                text = NmDateTime::FromOctets(octets).ToText();
            break;
        case synDateTimeValue:
            if (!octets.empty()) {
                if (octets.size() < 8)
                    badPartialValue();
                text = DateTimeValueToText(octetsDouble(octets));
            }
            break;
        case synDisplayString:
            text = octets;
            break;
        case synInetAddress:
            if (octets.size() > 15)
                return OctetsToHex(octets);
            return octets.size() >= 4 ? dotted(octets, 4) : std::string();
        default:
            badSyntax();
    }
    if (printableIsEmpty(value))
        text = syntax == synDisplayString ? "" : "(NULL)";
    return text;
}

SnmpValue TextToSentValue(const std::string& text, std::uint32_t syntax) {
    if (text == "(NULL)")
        return SnmpValue::null();
    if (text.empty() && isKnownSyntax(syntax) && !hasEmptyForm(syntax) && syntax != synIpAddress &&
        syntax != synIpAddress2)
        emptyValue();
    switch (syntax) {
        case synBoolean:
            return SnmpValue::fromInteger(text == "true" ? 1 : 0);
        case synInteger:
            return SnmpValue::fromInteger(
                static_cast<std::int32_t>(DecimalInRange(text, kInt32Min, kInt32Max)));
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            return SnmpValue::fromUnsigned(
                SnmpType::Gauge32, static_cast<std::uint64_t>(DecimalInRange(text, 0, kUInt32Max)));
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList:
        case synMacAddress:
        case synIpv6Address:
            return SnmpValue::fromOctets(HexToOctets(text));
        case synNull:
            return SnmpValue::null();
        case synOid:
            return SnmpValue::fromOid(strictOid(text));
        case synIpAddress:
        case synIpAddress2: {
            std::uint8_t a[4];
            if (!ParseIpv4(text, a))
                badIpAddress();
            return SnmpValue::fromIpAddress(a[0], a[1], a[2], a[3]);
        }
        case synTimeTicks:
            return SnmpValue::fromUnsigned(SnmpType::TimeTicks, TextToTimeTicks(text));
        case synCounter64:
            return SnmpValue::fromUnsigned(SnmpType::Counter64, Counter64FromText(text));
        case synDouble:
            return SnmpValue::fromOctets(doubleOctets(strictDouble(text)));
        case synDateAndTime:
            return SnmpValue::fromOctets(strictDateAndTime(text));
        case synDateTimeValue:
            return SnmpValue::fromOctets(doubleOctets(strictDateTimeValue(text)));
        case synDisplayString:
            return SnmpValue::fromOctets(text);
        case synInetAddress: {
            // An empty text is the zero-length address of an unknown address type.
            std::string octets;
            if (!inetTextToOctets(text, false, octets))
                badIpAddress();
            return SnmpValue::fromOctets(octets);
        }
        default:
            badSyntax();
    }
}

void ReceivedToText(NmSNMPVarList& list, int item, const VarBind& received) {
    SNMPVarItem& it = list.Item(item);
    it.Value = MapValueToLabel(it.Options, ReceivedValueToText(received.value, it.Syntax));
}

SnmpValue TextToSent(const NmSNMPVarList& list, int item) {
    const SNMPVarItem& it = list.Item(item);
    return TextToSentValue(MapLabelToValue(it.Options, it.Value), it.Syntax);
}

// ---- table indexes ----

// Every index column decodes only what it encodes back to the same sub-identifiers, so that a
// write to a row reaches that row: an instance that would not (an octet above 255, a length that
// does not match, sub-identifiers left after the last column) raises "Bad key count".
std::string DecodeIndex(NmSNMPVarList& list, int position, const std::string& instance) {
    SNMPVarItem& item = list.Item(position);
    const Instance in(instance);
    const std::size_t left = in.size();
    const bool last = position == list.IndexCount - 1;
    const bool implied = (item.Flags & vfImplied) != 0;
    std::size_t taken = 0;
    const auto take = [&](std::size_t n) {
        if (n > left)
            badKeyCount();
        taken = n;
    };
    // A length sub-identifier followed by that many sub-identifiers.
    const auto takeCounted = [&] {
        if (left == 0)
            badKeyCount();
        const std::uint64_t n = in[0];
        if (n > left - 1)
            badKeyCount();
        take(static_cast<std::size_t>(n) + 1);
        return static_cast<std::size_t>(n);
    };
    std::string text;
    switch (item.Syntax) {
        case synBoolean:
            take(1);
            if (in[0] > 1)
                badKeyCount();
            text = in[0] ? "true" : "false";
            break;
        case synInteger:
            take(1);
            text = std::to_string(static_cast<std::int32_t>(in[0]));
            break;
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            take(1);
            text = std::to_string(in[0]);
            break;
        case synTimeTicks:
            take(1);
            text = TimeTicksToText(in[0]);
            break;
        case synNull:
            text = "(NULL)";
            break;
        case synCounter64:
            take(2);
            text = Counter64ToText(static_cast<std::uint64_t>(in[0]) << 32 | in[1]);
            break;
        case synDouble: {
            take(2);
            const double v = doubleFromWords(in[0], in[1]);
            if (std::isnan(v))
                badKeyCount();
            text = exactDouble(v);
            break;
        }
        case synDateTimeValue:
            take(2);
            text = DateTimeValueToText(doubleFromWords(in[0], in[1]));
            // The text shows whole seconds; other values would come back changed.
            if (doubleWords(TextToDateTimeValue(text)) !=
                std::to_string(in[0]) + "." + std::to_string(in[1]))
                badKeyCount();
            break;
        case synIpAddress:
        case synIpAddress2:
            take(4);
            text = dotted(in.octets(0, 4), 4);
            break;
        case synMacAddress:
            take(6);
            text = OctetsToHex(in.octets(0, 6));
            break;
        case synDateAndTime: {
            take(11);
            const std::string octets = in.octets(0, 11);
            text = NmDateTime::FromOctets(octets).ToText();
            NmDateTime back;
            if (!NmDateTime::Parse(text, back) || back.ToOctets() != octets)
                badKeyCount();
            break;
        }
        case synIpv6Address:
            take(16);
            text = OctetsToHex(in.octets(0, 16));
            break;
        case synDisplayString:
            if (last && implied) {
                take(left);
                text = in.octets(0, left);
            } else {
                text = in.octets(1, takeCounted());
            }
            break;
        case synOid:
            if (last && implied) {
                take(left);
                text = instance;
            } else {
                const std::size_t n = takeCounted();
                Oid oid(in.subIds.begin() + 1, in.subIds.begin() + 1 + static_cast<long>(n));
                text = oidToString(oid);
            }
            break;
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList:
            if (implied) {
                take(left);
                text = OctetsToHex(in.octets(0, left));
            } else if (last) {
                // The first sub-identifier is the length of the rest.
                if (left == 0 || in[0] != left - 1)
                    badKeyCount();
                take(left);
                text = OctetsToHex(in.octets(1, left - 1));
            } else if (position == 1 && item.Syntax == synOctets && left == 9) {
                take(8);
                text = OctetsToHex(in.octets(0, 8));
            } else {
                const std::size_t n = takeCounted();
                // Eight counted octets and one sub-identifier after them would encode back
                // without the count, as the case above.
                if (position == 1 && item.Syntax == synOctets && n == 8 && left - taken == 1)
                    badKeyCount();
                text = OctetsToHex(in.octets(1, n));
            }
            break;
        case synInetAddress:
            // Without IMPLIED the address carries its length (none for an unknown address
            // type, 4 for IPv4, 16 for IPv6, 20 for a zoned IPv6 address).
            if (implied) {
                take(left);
                if (left == 0)
                    badKeyCount();
                text = inetIndexText(in.octets(0, left));
            } else {
                text = inetIndexText(in.octets(1, takeCounted()));
            }
            break;
        default:
            badSyntax();
    }
    if (last && taken != left)
        badKeyCount();
    item.Value = MapValueToLabel(item.Options, text);
    return in.rest(taken);
}

namespace {

std::size_t subIdCount(const std::string& dottedText) {
    return dottedText.empty()
               ? 0
               : static_cast<std::size_t>(std::count(dottedText.begin(), dottedText.end(), '.')) +
                     1;
}

// The sub-identifiers of the index columns from position on.
std::string encodeFrom(const NmSNMPVarList& list, int position) {
    std::string row;
    for (int i = position; i < std::min(list.IndexCount, list.Count()); ++i) {
        const std::string part = EncodeIndex(list, i);
        if (!part.empty())
            row += (row.empty() ? "" : ".") + part;
    }
    return row;
}

}  // namespace

std::string EncodeIndex(const NmSNMPVarList& list, int position) {
    const SNMPVarItem& item = list.Item(position);
    const std::string text = MapLabelToValue(item.Options, item.Value);
    const bool last = position == list.IndexCount - 1;
    const bool implied = (item.Flags & vfImplied) != 0;
    const bool lastImplied = last && implied;
    switch (item.Syntax) {
        case synBoolean:
            if (text == "true")
                return "1";
            if (text == "false")
                return "0";
            if (trimmed(text).empty())
                emptyValue();
            badPartialValue();
        case synInteger:
            return std::to_string(
                static_cast<std::uint32_t>(DecimalInRange(text, kInt32Min, kInt32Max)));
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            return std::to_string(DecimalInRange(text, 0, kUInt32Max));
        case synNull:
            return {};
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList: {
            const std::string octets = HexToOctets(text);
            // The mirror of the eight octets without a length that DecodeIndex reads.
            const bool eightBare = position == 1 && item.Syntax == synOctets && !last && !implied &&
                                   octets.size() == 8 && subIdCount(encodeFrom(list, 2)) == 1;
            return octetsAsSubIds(octets, !implied && !eightBare);
        }
        case synDisplayString:
            return octetsAsSubIds(text, !lastImplied);
        case synOid: {
            Oid oid;
            if (!trimmed(text).empty() && !parseOid(trimmed(text), oid))
                badPartialValue();
            std::string s = lastImplied ? std::string() : std::to_string(oid.size());
            const std::string subs = oidToString(oid);
            if (!s.empty() && !subs.empty())
                s += '.';
            return s + subs;
        }
        case synIpAddress:
        case synIpAddress2:
            return dotted(strictIpv4Octets(text), 4);
        case synTimeTicks:
            if (trimmed(text).empty())
                emptyValue();
            return std::to_string(TextToTimeTicks(text));
        case synCounter64: {
            const std::uint64_t v = Counter64FromText(text);
            return std::to_string(v >> 32) + "." + std::to_string(v & 0xffffffffu);
        }
        case synDouble:
            return doubleWords(strictDouble(text));
        case synDateTimeValue:
            return doubleWords(strictDateTimeValue(text));
        case synMacAddress: {
            const std::string o = HexToOctets(text);
            if (o.size() != 6)
                raiseCommonError(-23);
            return dotted(o, 6);
        }
        case synIpv6Address: {
            const std::string o = HexToOctets(text);
            if (o.size() != 16)
                raiseCommonError(-21);
            return dotted(o, 16);
        }
        case synDateAndTime:
            return dotted(strictDateAndTime(text), 11);
        case synInetAddress: {
            std::string octets;
            if (!inetTextToOctets(text, true, octets))
                badIpAddress();
            return octetsAsSubIds(octets, !implied);
        }
        default:
            badSyntax();
    }
}

void DecodeRow(NmSNMPVarList& list, const std::string& instance) {
    const int columns = std::min(list.IndexCount, list.Count());
    std::string rest = instance;
    for (int i = 0; i < columns; ++i) {
        if (rest.empty())
            badKeyCount();
        if (!list.IsReadable(i))
            list.Item(i).Cursor = list.BaseOid(i) + "." + instance;
        rest = DecodeIndex(list, i, rest);
    }
}

std::string EncodeRow(const NmSNMPVarList& list) {
    const int columns = std::min(list.IndexCount, list.Count());
    std::string row;
    for (int i = 0; i < columns; ++i) {
        const std::string part = EncodeIndex(list, i);
        if (part.empty())
            continue;
        if (!row.empty())
            row += '.';
        row += part;
    }
    return row;
}
