// libFuzzer target: index decoding and encoding, hexadecimal parsing, octet images and port
// lists must neither crash nor break their round trips on any input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
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

void decodeAndEncode(FuzzedDataProvider& in) {
    const int columns = in.ConsumeIntegralInRange(1, 7);
    SNMPVarDescriptor table[8] = {};
    for (int i = 0; i < columns; ++i) {
        table[i].Oid = "1.3.6.1.4.1.32473.1";
        table[i].Caption = "Index";
        table[i].Syntax = in.PickValueInArray(kSyntaxes);
        table[i].Flags = in.ConsumeBool() ? 0x41 : in.PickValueInArray({0x01u, 0x02u, 0x06u});
    }
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
    HexToOctets(text);
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
    if (in.ConsumeBool())
        decodeAndEncode(in);
    else
        hexAndImages(in);
    return 0;
}
