// Hand-written BER for SNMPv1/v2c messages: strict enough to read what a manager sends, free to
// write what no agent should. Test tree only; the program never uses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test::ber {

using Arcs = std::vector<uint32_t>;

enum Tag : uint8_t {
    kInteger = 0x02,
    kOctetString = 0x04,
    kNull = 0x05,
    kObjectId = 0x06,
    kSequence = 0x30,
    kIpAddress = 0x40,
    kCounter32 = 0x41,
    kGauge32 = 0x42,
    kTimeTicks = 0x43,
    kCounter64 = 0x46,
    kNoSuchObject = 0x80,
    kNoSuchInstance = 0x81,
    kEndOfMibView = 0x82,
};

enum PduType : uint8_t {
    kGet = 0xA0,
    kGetNext = 0xA1,
    kResponse = 0xA2,
    kSet = 0xA3,
    kGetBulk = 0xA5,
};

struct VarBind {
    Arcs name;
    uint8_t tag = kNull;
    std::string content;  // the value's content octets as on the wire
    bool operator==(const VarBind&) const = default;
};

struct Message {
    int64_t version = 1;  // 0 SNMPv1, 1 SNMPv2c
    std::string community;
    uint8_t pduType = kGet;
    int64_t requestId = 0;
    int64_t errorStatus = 0;  // non-repeaters in a get-bulk
    int64_t errorIndex = 0;   // max-repetitions in a get-bulk
    std::vector<VarBind> varbinds;
    bool operator==(const Message&) const = default;
};

// One TLV: tag, definite length, content.
std::string tlv(uint8_t tag, std::string_view content);

std::string integerContent(int64_t v);
std::string unsignedContent(uint64_t v);
// Empty when the OID cannot be encoded (fewer than two arcs, first arc above 2, ...).
std::optional<std::string> oidContent(const Arcs& arcs);

std::optional<int64_t> integerOf(std::string_view content);
std::optional<uint64_t> unsignedOf(std::string_view content);
std::optional<Arcs> oidOf(std::string_view content);

std::string encode(const Message& m);
// nullopt for anything that is not one well-formed SNMPv1/v2c message.
std::optional<Message> decode(std::string_view datagram);

// "1.3.6.1" <-> arcs.
std::string oidText(const Arcs& arcs);
std::optional<Arcs> parseOidText(std::string_view text);

}  // namespace corvane::test::ber
