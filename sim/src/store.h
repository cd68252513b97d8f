// Object store of the simulated agent: OIDs, typed values and the .snmprec reader.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::sim {

// SNMP arcs are 32 bits wide; keeping them narrow halves the memory of big profiles.
using Oid = std::vector<uint32_t>;

// Orders OIDs lexicographically; transparent so the agent can look up with the
// library's own arc arrays without copying them.
struct OidLess {
    using is_transparent = void;
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
        return std::lexicographical_compare(std::begin(a), std::end(a), std::begin(b), std::end(b));
    }
};

template <class A, class B>
bool hasPrefix(const A& oid, const B& prefix) {
    return std::size(oid) >= std::size(prefix) &&
           std::equal(std::begin(prefix), std::end(prefix), std::begin(oid));
}

// BER type tags of the .snmprec convention.
enum Tag : uint8_t {
    kInteger = 2,
    kOctetString = 4,
    kNull = 5,
    kObjectId = 6,
    kIpAddress = 64,
    kCounter32 = 65,
    kGauge32 = 66,
    kTimeTicks = 67,
    kCounter64 = 70,
};

bool isKnownTag(int tag);
bool isNumericTag(int tag);

struct Value {
    uint8_t tag = kNull;
    uint64_t num = 0;   // INTEGER (as two's complement), Counter32, Gauge32, TimeTicks, Counter64
    std::string bytes;  // OCTET STRING, IpAddress (4 octets), OBJECT IDENTIFIER (dotted text)
    double perSecond = 0;  // a Counter32 or Counter64 that grows while the agent runs

    int64_t asInt() const { return static_cast<int64_t>(num); }
    // The number after the agent has run for seconds: a growing counter has gained
    // perSecond each second and wraps as its type does.
    uint64_t numAfter(double seconds) const;
    bool operator==(const Value&) const = default;
};

using Store = std::map<Oid, Value, OidLess>;

std::optional<Oid> parseOid(std::string_view text);
std::string formatOid(std::span<const uint32_t> oid);

// Why an OID cannot travel in a message (BER packs the first two arcs into one number),
// or empty when it can.
std::string oidEncodingProblem(std::span<const uint32_t> oid);

// Parses the TYPE and VALUE fields of one .snmprec line ("4x", "0a0b"; "65", "1200+2.5/s"
// for a counter that grows by 2.5 a second).
std::optional<Value> parseValue(std::string_view type, std::string_view text);

// "TYPE|VALUE" in .snmprec form, with sep in place of '|'; octet strings that are not
// plain printable text are written in hexadecimal with the 'x' suffix.
std::string formatValue(const Value& v, char sep = '|');

// Reads a whole .snmprec file; on failure returns nullopt and fills error.
std::optional<Store> loadSnmprec(const std::string& path, std::string& error);

}  // namespace corvane::sim
