// The project's own SNMP value and variable-binding types. Everything above src/snmp
// works with these; only the session layer converts them to and from Net-SNMP.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Oid = std::vector<std::uint32_t>;

// Type codes are the BER tags, so a value's type reads like the wire.
enum class SnmpType : std::uint8_t {
    Null = 0x05,
    Integer = 0x02,
    OctetString = 0x04,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,  // also Unsigned32
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};

struct SnmpValue {
    SnmpType type = SnmpType::Null;
    std::int64_t integer = 0;         // Integer
    std::uint64_t unsignedValue = 0;  // Counter32, Gauge32, TimeTicks, Counter64
    std::string octets;               // OctetString, Opaque, IpAddress (4 octets)
    Oid oid;                          // ObjectId

    static SnmpValue null() { return {}; }
    static SnmpValue fromInteger(std::int32_t v);
    static SnmpValue fromUnsigned(SnmpType t,
                                  std::uint64_t v);  // Counter32, Gauge32, TimeTicks, Counter64
    static SnmpValue fromOctets(std::string v, SnmpType t = SnmpType::OctetString);
    static SnmpValue fromOid(Oid v);
    static SnmpValue fromIpAddress(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);
    static SnmpValue exception(SnmpType t);  // NoSuchObject, NoSuchInstance, EndOfMibView

    bool isException() const {
        return type == SnmpType::NoSuchObject || type == SnmpType::NoSuchInstance ||
               type == SnmpType::EndOfMibView;
    }
    bool operator==(const SnmpValue&) const = default;
};

struct VarBind {
    Oid oid;
    SnmpValue value;
    bool operator==(const VarBind&) const = default;
};

// "1.3.6.1" <-> {1,3,6,1}. A leading dot is accepted; parseOid returns false on anything else
// that is not a dotted list of 32-bit sub-identifiers.
std::string oidToString(const Oid& oid);
bool parseOid(const std::string& text, Oid& out);
Oid oidFromString(const std::string& text);  // empty on a malformed text
