// Codecs of values spread over line edits: one small class per way of spreading a value.
#include "part_codecs.h"

#include <QDate>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "messages.h"
#include "nm_date_time.h"
#include "nm_snmp_var_list.h"
#include "value_conversion.h"

namespace {

void need(std::size_t fields, std::size_t count) {
    if (fields < count)
        raiseNmSnmpError(nmTooFewControls);
}

std::string trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().toStdString();
}

// One field of a value spread over several edits: a decimal number from min to max. An empty
// field raises " Empty value is not allowed!", anything else " Please enter a number between
// [MIN] and [MAX]!", so that no field is cut or wrapped into another value.
std::uint32_t number(const std::string& text, std::uint32_t min, std::uint32_t max) {
    return static_cast<std::uint32_t>(DecimalInRange(trimmed(text), min, max));
}

// One octet in hexadecimal: a one-digit field gets a leading "0", an empty one counts as "00";
// more than two digits would shift every octet after it.
std::string hexField(const std::string& text) {
    const std::string t = trimmed(text);
    std::string octet;
    if (t.size() > 2 || !TryHexToOctets(t, octet))
        raiseNmSnmpError(nmBadPartValue);
    if (t.empty())
        return "00";
    return t.size() == 1 ? "0" + t : t;
}

std::string hex2(unsigned char octet) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", octet);
    return buf;
}

std::string field(const std::vector<std::string>& fields, std::size_t i) {
    return i < fields.size() ? fields[i] : std::string();
}

// One octet per field in hexadecimal: octet strings, bit strings and opaque values (as many
// fields as there are), MAC addresses (6), IPv6 addresses (16).
class HexOctets : public PartCodec {
  public:
    HexOctets(std::size_t count, bool keepsOnNull) : count_(count), keepsOnNull_(keepsOnNull) {}
    std::vector<std::string> Show(const std::string&, const std::string& image,
                                  std::size_t fields) const override {
        need(fields, image.size());
        need(fields, count_);
        std::vector<std::string> out(fields);
        for (std::size_t i = 0; i < image.size(); ++i)
            out[i] = hex2(static_cast<unsigned char>(image[i]));
        return out;
    }
    std::string Read(const std::vector<std::string>& fields) const override {
        const std::size_t n = count_ ? count_ : fields.size();
        need(fields.size(), n);
        std::string text;
        for (std::size_t i = 0; i < n; ++i)
            text += hexField(fields[i]);
        return text;
    }
    bool KeepsOnNull() const override { return keepsOnNull_; }

  private:
    std::size_t count_;  // 0: one per field
    bool keepsOnNull_;
};

// An object identifier, one sub-identifier per field.
class OidArcs : public PartCodec {
  public:
    std::vector<std::string> Show(const std::string&, const std::string& image,
                                  std::size_t fields) const override {
        const std::size_t arcs = image.size() / 4;
        need(fields, arcs);
        std::vector<std::string> out(fields);
        for (std::size_t i = 0; i < arcs; ++i) {
            std::uint32_t v = 0;
            for (std::size_t k = 0; k < 4; ++k)
                v |= static_cast<std::uint32_t>(static_cast<unsigned char>(image[i * 4 + k]))
                     << (8 * k);
            out[i] = std::to_string(v);
        }
        return out;
    }
    std::string Read(const std::vector<std::string>& fields) const override {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i)
            text += (i ? "." : "") + fields[i];
        return text;
    }
    bool KeepsOnNull() const override { return false; }
};

// An IPv4 address, one decimal octet per field (also an InetAddress in four fields).
class DottedQuad : public PartCodec {
  public:
    std::vector<std::string> Show(const std::string&, const std::string& image,
                                  std::size_t fields) const override {
        need(fields, 4);
        std::vector<std::string> out(4, "0");
        for (std::size_t i = 0; i < 4 && i < image.size(); ++i)
            out[i] = std::to_string(static_cast<unsigned char>(image[i]));
        return out;
    }
    std::string Read(const std::vector<std::string>& fields) const override {
        need(fields.size(), 4);
        return fields[0] + "." + fields[1] + "." + fields[2] + "." + fields[3];
    }
};

// An InetAddress in sixteen or more fields: hexadecimal octets, one per field.
class InetHex : public HexOctets {
  public:
    InetHex() : HexOctets(0, true) {}
    std::string Read(const std::vector<std::string>& fields) const override {
        need(fields.size(), 4);
        return HexOctets::Read(fields);
    }
};

// TimeTicks as days, hours, minutes, seconds and hundredths.
class TimeTicksFields : public PartCodec {
  public:
    std::vector<std::string> Show(const std::string& text, const std::string&,
                                  std::size_t fields) const override {
        need(fields, 5);
        const std::uint32_t t = TextToTimeTicks(text);
        return {std::to_string(t / 8640000), std::to_string(t % 8640000 / 360000),
                std::to_string(t % 360000 / 6000), std::to_string(t % 6000 / 100),
                std::to_string(t % 100)};
    }
    std::string Read(const std::vector<std::string>& f) const override {
        need(f.size(), 5);
        const std::uint64_t t = std::uint64_t{number(f[0], 0, 497)} * 8640000 +
                                number(f[1], 0, 23) * 360000 + number(f[2], 0, 59) * 6000 +
                                number(f[3], 0, 59) * 100 + number(f[4], 0, 99);
        if (t > 0xffffffffu)  // beyond 497 days, 2:27:52.95
            raiseCommonError(-8, {{"[MIN]", "0"}, {"[MAX]", "496"}});
        return TimeTicksToText(static_cast<std::uint32_t>(t));
    }
};

// DateAndTime: year, month, day, hour, minutes, seconds, deci-seconds, direction from UTC,
// hours and minutes from UTC.
class DateAndTimeFields : public PartCodec {
  public:
    std::vector<std::string> Show(const std::string&, const std::string& image,
                                  std::size_t fields) const override {
        need(fields, 10);
        const NmDateTime dt = NmDateTime::FromOctets(image);
        return {std::to_string(dt.Year),        std::to_string(dt.Month),
                std::to_string(dt.Day),         std::to_string(dt.Hour),
                std::to_string(dt.Minutes),     std::to_string(dt.Seconds),
                std::to_string(dt.DeciSeconds), std::string(1, dt.Direction),
                std::to_string(dt.UtcHours),    std::to_string(dt.UtcMinutes)};
    }
    std::string Read(const std::vector<std::string>& f) const override {
        need(f.size(), 10);
        NmDateTime dt;
        dt.Year = static_cast<std::uint16_t>(number(f[0], 0, 65535));
        dt.Month = static_cast<std::uint8_t>(number(f[1], 1, 12));
        dt.Day = static_cast<std::uint8_t>(number(f[2], 1, 31));
        dt.Hour = static_cast<std::uint8_t>(number(f[3], 0, 23));
        dt.Minutes = static_cast<std::uint8_t>(number(f[4], 0, 59));
        dt.Seconds = static_cast<std::uint8_t>(number(f[5], 0, 60));
        dt.DeciSeconds = static_cast<std::uint8_t>(number(f[6], 0, 9));
        const std::string direction = trimmed(f[7]);
        if (direction != "+" && direction != "-")
            raiseNmSnmpError(nmBadPartValue);
        dt.Direction = direction[0];
        dt.UtcHours = static_cast<std::uint8_t>(number(f[8], 0, 13));
        dt.UtcMinutes = static_cast<std::uint8_t>(number(f[9], 0, 59));
        return dt.ToText();
    }
};

// A date-time value (days since 1899-12-30 as a real): year, month, day, hour, minutes,
// seconds and milliseconds; read back to the second.
class DateTimeValueFields : public PartCodec {
  public:
    std::vector<std::string> Show(const std::string&, const std::string& image,
                                  std::size_t fields) const override {
        need(fields, 7);
        double days = 0;
        if (image.size() >= sizeof days)
            std::memcpy(&days, image.data(), sizeof days);
        const auto ms = static_cast<std::int64_t>(std::llround(days * 86400000.0));
        std::int64_t day = ms / 86400000, rest = ms % 86400000;
        if (rest < 0) {
            rest += 86400000;
            --day;
        }
        const QDate date = QDate(1899, 12, 30).addDays(day);
        return {std::to_string(date.year()),
                std::to_string(date.month()),
                std::to_string(date.day()),
                std::to_string(rest / 3600000),
                std::to_string(rest % 3600000 / 60000),
                std::to_string(rest % 60000 / 1000),
                std::to_string(rest % 1000)};
    }
    std::string Read(const std::vector<std::string>& f) const override {
        need(f.size(), 7);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%04u/%02u/%02u %02u:%02u:%02u", number(f[0], 1, 9999),
                      number(f[1], 1, 12), number(f[2], 1, 31), number(f[3], 0, 23),
                      number(f[4], 0, 59), number(f[5], 0, 59));
        return buf;
    }
};

// Any other syntax: the whole text in the first field.
class WholeText : public PartCodec {
  public:
    std::vector<std::string> Show(const std::string& text, const std::string&,
                                  std::size_t) const override {
        return {text};
    }
    std::string Read(const std::vector<std::string>& fields) const override {
        return field(fields, 0);
    }
};

}  // namespace

const PartCodec& PartCodecFor(std::uint32_t partSyntax, std::size_t fields) {
    static const HexOctets octets(0, false), mac(6, true), ipv6(16, true);
    static const OidArcs oid;
    static const DottedQuad quad;
    static const InetHex inetHex;
    static const TimeTicksFields ticks;
    static const DateAndTimeFields dateAndTime;
    static const DateTimeValueFields dateTimeValue;
    static const WholeText whole;
    switch (partSyntax) {
        case synBits:
        case synOctets:
        case synOpaque:
            return octets;
        case synMacAddress:
            return mac;
        case synIpv6Address:
            return ipv6;
        case synOid:
            return oid;
        case synIpAddress:
        case synIpAddress2:
            return quad;
        case synInetAddress:
            if (fields > 15)
                return inetHex;
            return quad;
        case synTimeTicks:
            return ticks;
        case synDateAndTime:
            return dateAndTime;
        case synDateTimeValue:
            return dateTimeValue;
        default:
            return whole;
    }
}

std::vector<bool> BitsShown(const std::string& image, const std::vector<int>& bits) {
    std::vector<bool> checked;
    for (int bit : bits) {
        if (bit < 0 || static_cast<std::size_t>(bit / 8) >= image.size())
            raiseNmSnmpError(nmBitIndexRange);
        const auto octet = static_cast<unsigned char>(image[static_cast<std::size_t>(bit / 8)]);
        checked.push_back((octet & (0x80u >> (bit % 8))) != 0);
    }
    return checked;
}

std::string BitsRead(const std::vector<int>& bits, const std::vector<bool>& checked) {
    std::string image;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        const int bit = bits[i];
        if (bit < 0)
            raiseNmSnmpError(nmBitIndexRange);
        const auto at = static_cast<std::size_t>(bit / 8);
        if (image.size() <= at)
            image.resize(at + 1, '\0');
        const auto mask = static_cast<unsigned char>(0x80u >> (bit % 8));
        auto octet = static_cast<unsigned char>(image[at]);
        octet = i < checked.size() && checked[i] ? (octet | mask) : (octet & ~mask);
        image[at] = static_cast<char>(octet);
    }
    return image;
}
