// Constructors and OID text helpers of the project's SNMP value type.
#include "snmp_value.h"

#include <charconv>

SnmpValue SnmpValue::fromInteger(std::int32_t v) {
    SnmpValue r;
    r.type = SnmpType::Integer;
    r.integer = v;
    return r;
}

SnmpValue SnmpValue::fromUnsigned(SnmpType t, std::uint64_t v) {
    SnmpValue r;
    r.type = t;
    r.unsignedValue = t == SnmpType::Counter64 ? v : (v & 0xffffffffu);
    return r;
}

SnmpValue SnmpValue::fromOctets(std::string v, SnmpType t) {
    SnmpValue r;
    r.type = t;
    r.octets = std::move(v);
    return r;
}

SnmpValue SnmpValue::fromOid(Oid v) {
    SnmpValue r;
    r.type = SnmpType::ObjectId;
    r.oid = std::move(v);
    return r;
}

SnmpValue SnmpValue::fromIpAddress(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    SnmpValue r;
    r.type = SnmpType::IpAddress;
    r.octets = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                static_cast<char>(d)};
    return r;
}

SnmpValue SnmpValue::exception(SnmpType t) {
    SnmpValue r;
    r.type = t;
    return r;
}

std::string oidToString(const Oid& oid) {
    std::string s;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(oid[i]);
    }
    return s;
}

bool parseOid(const std::string& text, Oid& out) {
    out.clear();
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '.')
        pos = 1;
    if (pos >= text.size())
        return false;
    while (pos <= text.size()) {
        std::size_t end = text.find('.', pos);
        if (end == std::string::npos)
            end = text.size();
        if (end == pos)
            return false;
        std::uint32_t v = 0;
        auto [p, ec] = std::from_chars(text.data() + pos, text.data() + end, v);
        if (ec != std::errc() || p != text.data() + end)
            return false;
        out.push_back(v);
        pos = end + 1;
    }
    return true;
}

Oid oidFromString(const std::string& text) {
    Oid o;
    if (!parseOid(text, o))
        o.clear();
    return o;
}
