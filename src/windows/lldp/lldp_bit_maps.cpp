// The LLDP name tables and the decoding and encoding of bit-map columns.
#include "lldp_bit_maps.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr LldpBitName kBasicTlvs[] = {{0x80, "Port Description"},
                                      {0x40, "System Name"},
                                      {0x20, "System Description"},
                                      {0x10, "System Capabilities"}};
constexpr LldpBitName kDot3Tlvs[] = {{0x80, "macPhyConfigStatus"},
                                     {0x40, "powerViaMDI"},
                                     {0x20, "linkAggregation"},
                                     {0x10, "maxFrameSize"}};
constexpr LldpBitName kMedTlvs[] = {{0x80, "capabilities"}, {0x40, "networkPolicy"},
                                    {0x20, "location"},     {0x10, "extendedPSE"},
                                    {0x08, "extendedPD"},   {0x04, "inventory"}};
constexpr LldpBitName kMedCapabilities[] = {{0x01, "capabilities"}, {0x02, "networkPolicy"},
                                            {0x04, "location"},     {0x08, "extendedPSE"},
                                            {0x10, "extendedPD"},   {0x20, "inventory"}};
constexpr LldpBitName kSystemCapabilities[] = {{0x01, "Other"},
                                               {0x02, "Repeater"},
                                               {0x04, "Bridge"},
                                               {0x08, "WLANAccessPoint"},
                                               {0x10, "Router"},
                                               {0x20, "Telphone"},
                                               {0x40, "docsisCableDevice"},
                                               {0x80, "StationOnly"}};
constexpr LldpBitName kAggregationStatus[] = {{0x01, "aggCapable"}, {0x02, "aggEnabled"}};

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendName(std::string& text, const char* name) {
    if (text != " ")
        text += ',';
    text += name;
}

}  // namespace

LldpBitMap BasicTlvNames() {
    return kBasicTlvs;
}
LldpBitMap Dot3TlvNames() {
    return kDot3Tlvs;
}
LldpBitMap MedTlvNames() {
    return kMedTlvs;
}
LldpBitMap MedCapabilityNames() {
    return kMedCapabilities;
}
LldpBitMap SystemCapabilityNames() {
    return kSystemCapabilities;
}
LldpBitMap AggregationStatusNames() {
    return kAggregationStatus;
}

std::uint32_t BitMapNumber(const std::string& hex) {
    // Longer values keep their last octets: only the low byte carries names.
    std::uint32_t number = 0;
    for (char c : hex) {
        const int d = hexDigit(c);
        if (d < 0)
            break;
        number = (number << 4) | static_cast<std::uint32_t>(d);
    }
    return number;
}

std::string DecodeBitNames(LldpBitMap map, const std::string& hex) {
    const std::uint32_t number = BitMapNumber(hex);
    std::string text = " ";
    for (const LldpBitName& n : map)
        if (number & n.Bit)
            appendName(text, n.Name);
    return text;
}

std::string ComposeBitNames(LldpBitMap map, const std::vector<std::string>& chosen) {
    std::string text = " ";
    for (const LldpBitName& n : map)
        if (std::find(chosen.begin(), chosen.end(), n.Name) != chosen.end())
            appendName(text, n.Name);
    return text;
}

std::string EncodeBitNames(LldpBitMap map, const std::string& text) {
    std::uint32_t bits = 0;
    for (const LldpBitName& n : map)
        if (text.find(n.Name) != std::string::npos)
            bits |= n.Bit;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", bits);
    return buf;
}
