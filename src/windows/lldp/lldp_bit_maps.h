// The six LLDP name tables and the two conversions between a bit-map column's hexadecimal text
// and the comma-separated names the LLDP windows show and the TLV dialogs compose.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct LldpBitName {
    std::uint32_t Bit;
    const char* Name;
};

// A name table, in test order (the order names appear in a decoded text).
using LldpBitMap = std::span<const LldpBitName>;

LldpBitMap BasicTlvNames();           // 0x80 "Port Description" ... 0x10 "System Capabilities"
LldpBitMap Dot3TlvNames();            // 0x80 "macPhyConfigStatus" ... 0x10 "maxFrameSize"
LldpBitMap MedTlvNames();             // 0x80 "capabilities" ... 0x04 "inventory"
LldpBitMap MedCapabilityNames();      // 0x01 "capabilities" ... 0x20 "inventory"
LldpBitMap SystemCapabilityNames();   // 0x01 "Other" ... 0x80 "StationOnly"
LldpBitMap AggregationStatusNames();  // 0x01 "aggCapable", 0x02 "aggEnabled"

// The column's hexadecimal text read as one number: its leading hexadecimal digits, either case,
// up to the first other character; no digit gives 0. The last octet is the low byte.
std::uint32_t BitMapNumber(const std::string& hex);

// The names of the set bits, in table order: a single blank first, then the names joined with
// "," (" Bridge,Router"); a single blank when no bit of the table is set.
std::string DecodeBitNames(LldpBitMap map, const std::string& hex);
// The same text for a list of chosen names (a TLV dialog's checked boxes), in table order.
std::string ComposeBitNames(LldpBitMap map, const std::vector<std::string>& chosen);
// The OR of the bits of every name that occurs in the text (case-sensitive substring), as
// upper-case hexadecimal without leading zeros; "0" when no name occurs.
std::string EncodeBitNames(LldpBitMap map, const std::string& text);
