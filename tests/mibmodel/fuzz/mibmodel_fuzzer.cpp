// libFuzzer target: index decoding and encoding, hexadecimal parsing, octet images and port
// lists must neither crash nor break their round trips on any input. A row instance that decodes
// encodes back to itself, so that a write to a row reaches that row.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "messages.h"
#include "value_conversion.h"

namespace {

constexpr std::uint32_t kSyntaxes[] = {synBoolean,       synInteger,     synBits,
                                       synOctets,        synNull,        synOid,
                                       synIpAddress,     synCounter32,   synGauge32,
                                       synTimeTicks,     synOpaque,      synIpAddress2,
                                       synCounter64,     synUInteger32,  synDouble,
                                       synMacAddress,    synDateAndTime, synDateTimeValue,
                                       synDisplayString, synIpv6Address, synPortList,
                                       synInetAddress,   synPartBool8,   synPartInt8,
                                       synPartUInt8,     synPartBool16,  synPartUInt16,
                                       synPartUInt16b,   0x07,           0xFF};

void check(bool ok) {
    if (!ok)
        __builtin_trap();
}

// Instance texts are mostly digits and dots, with a little of anything else.
std::string instanceText(FuzzedDataProvider& in) {
    std::string text = in.ConsumeRandomLengthString(256);
    for (char& c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u % 8 == 0)
            c = '.';
        else if (u % 8 != 7)
            c = static_cast<char>('0' + u % 10);
    }
    return text;
}

const OptionEntry kWords[] = {{0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {0, nullptr}};
const NmOptionList kWordList(kWords);

// Index columns as the descriptor tables declare them: plain, implied, or readable.
void indexColumns(FuzzedDataProvider& in, SNMPVarDescriptor (&table)[8], int columns) {
    for (int i = 0; i < columns; ++i) {
        table[i].Oid = "1.3.6.1.4.1.32473.1";
        table[i].Caption = "Index";
        table[i].Syntax = in.PickValueInArray(kSyntaxes);
        table[i].Flags = in.ConsumeBool() ? 0x41 : in.PickValueInArray({0x01u, 0x02u, 0x06u});
        if (table[i].Syntax == synInteger && in.ConsumeBool())
            table[i].Options = &kWordList;
    }
}

// A well-formed instance: sub-identifiers, mostly small, in dotted text.
std::string instanceSubIds(FuzzedDataProvider& in) {
    const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, 48);
    std::string text;
    for (std::size_t i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        std::uint32_t v = 0;
        switch (in.ConsumeIntegralInRange(0, 7)) {
            case 0:
                v = in.ConsumeIntegral<std::uint32_t>();
                break;
            case 1:
                v = in.ConsumeIntegralInRange<std::uint32_t>(0, 1000);
                break;
            default:
                v = in.ConsumeIntegralInRange<std::uint32_t>(0, 255);
        }
        if (i)
            text += '.';
        text += std::to_string(v);
    }
    return text;
}

// Decoding a row and encoding it again gives the instance back, unless the decoding refused.
void roundTrip(FuzzedDataProvider& in) {
    const int columns = in.ConsumeIntegralInRange(1, 7);
    SNMPVarDescriptor table[8] = {};
    indexColumns(in, table, columns);
    NmSNMPVarList list(table, in.ConsumeBool() ? vlTable : vlTableRows, columns);
    const std::string instance = instanceSubIds(in);
    try {
        DecodeRow(list, instance);
    } catch (const NmSNMPException&) {
        return;
    }
    std::string encoded;
    try {
        encoded = EncodeRow(list);
    } catch (const NmSNMPException& e) {
        encoded = std::string("raised ") + e.what();
    }
    if (encoded != instance) {
        std::fprintf(stderr, "instance %s encodes as %s; columns:", instance.c_str(),
                     encoded.c_str());
        for (int i = 0; i < columns; ++i)
            std::fprintf(stderr, " 0x%x/0x%x '%s'", table[i].Syntax, table[i].Flags,
                         list.Item(i).Value.c_str());
        std::fprintf(stderr, "\n");
        check(false);
    }
}

void decodeAndEncode(FuzzedDataProvider& in) {
    const int columns = in.ConsumeIntegralInRange(1, 7);
    SNMPVarDescriptor table[8] = {};
    indexColumns(in, table, columns);
    NmSNMPVarList list(table, in.ConsumeBool() ? vlTable : vlTableRows, columns);
    const std::string instance = instanceText(in);
    try {
        DecodeRow(list, instance);
    } catch (const NmSNMPException&) {
    }
    for (int i = 0; i < columns; ++i) {
        try {
            DecodeIndex(list, i, instance);
        } catch (const NmSNMPException&) {
        }
    }
    try {
        EncodeRow(list);
    } catch (const NmSNMPException&) {
    }
}

void hexAndImages(FuzzedDataProvider& in) {
    const std::uint32_t syntax = in.PickValueInArray(kSyntaxes);
    const std::size_t offset = in.ConsumeIntegralInRange<std::size_t>(0, 40);
    const std::string text = in.ConsumeRandomLengthString(128);
    const std::string octets = in.ConsumeRemainingBytesAsString();

    check(HexToOctets(OctetsToHex(octets)) == octets);
    std::string parsed;
    const bool hexOk = TryHexToOctets(text, parsed);
    try {
        check(HexToOctets(text) == parsed && hexOk);
    } catch (const NmSNMPException&) {
        check(!hexOk);
    }
    // An address that is sent is one: zero length, IPv4, IPv6 or zoned IPv6.
    try {
        const std::size_t n = TextToSentValue(text, synInetAddress).octets.size();
        check(n == 0 || n == 4 || n == 16 || n == 20);
    } catch (const NmSNMPException&) {
    }
    try {
        OctetsToText(octets, syntax);
    } catch (const NmSNMPException&) {
    }
    try {
        OctetsToText(TextToOctets(text, syntax), syntax);
    } catch (const NmSNMPException&) {
    }
    try {
        const std::string part = ExtractPart(octets, offset, syntax);
        check(part.size() <= octets.size());
    } catch (const NmSNMPException&) {
    }
    try {
        ReceivedValueToText(SnmpValue::fromOctets(octets), syntax);
        TextToSentValue(text, syntax);
    } catch (const NmSNMPException&) {
    }

    // A port list shown from a bit map reads back to the same bit map.
    const std::string hex = OctetsToHex(octets.substr(0, 64));
    std::string back;
    check(PortListToOctets(OctetsToPortList(hex, false), hex, back));
    check(HexToOctets(back) == HexToOctets(hex));
    check(PortListHex(OctetsToPortList(hex, true)) == hex);
    std::string unused;
    PortListToOctets(text, hex, unused);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
            roundTrip(in);
            break;
        case 1:
            decodeAndEncode(in);
            break;
        default:
            hexAndImages(in);
    }
    return 0;
}
