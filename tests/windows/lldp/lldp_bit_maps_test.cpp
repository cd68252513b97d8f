// The LLDP name tables: decoding a column's octets to names and encoding names back to octets.
#include <gtest/gtest.h>

#include "lldp_bit_maps.h"

namespace {

struct MapCase {
    const char* map;
    LldpBitMap (*names)();
};
const MapCase kMaps[] = {{"basic TLVs", BasicTlvNames},
                         {"802.3 TLVs", Dot3TlvNames},
                         {"MED TLVs", MedTlvNames},
                         {"MED capabilities", MedCapabilityNames},
                         {"system capabilities", SystemCapabilityNames},
                         {"aggregation status", AggregationStatusNames}};

}  // namespace

TEST(LldpBitMaps, DecodesOctetsToNamesInTableOrder) {
    struct Case {
        LldpBitMap (*names)();
        const char* hex;
        const char* text;
    } cases[] = {
        {BasicTlvNames, "F0",
         " Port Description,System Name,System Description,System Capabilities"},
        {BasicTlvNames, "50", " System Name,System Capabilities"},
        {BasicTlvNames, "00", " "},
        {BasicTlvNames, "f0",
         " Port Description,System Name,System Description,System Capabilities"},
        {BasicTlvNames, "0F", " "},  // bits the table does not name
        {BasicTlvNames, "", " "},
        {BasicTlvNames, "(NULL)", " "},
        {BasicTlvNames, "4", " "},                 // one digit is the number 4
        {BasicTlvNames, "0140", " System Name"},   // the last octet is the low byte
        {BasicTlvNames, "40 80", " System Name"},  // digits up to the first other character
        {Dot3TlvNames, "90", " macPhyConfigStatus,maxFrameSize"},
        {MedTlvNames, "E4", " capabilities,networkPolicy,location,inventory"},
        {MedTlvNames, "F4", " capabilities,networkPolicy,location,extendedPSE,inventory"},
        {MedCapabilityNames, "2F", " capabilities,networkPolicy,location,extendedPSE,inventory"},
        {MedCapabilityNames, "21", " capabilities,inventory"},
        {SystemCapabilityNames, "14", " Bridge,Router"},
        {SystemCapabilityNames, "03", " Other,Repeater"},
        {SystemCapabilityNames, "FF",
         " Other,Repeater,Bridge,WLANAccessPoint,Router,Telphone,docsisCableDevice,StationOnly"},
        {AggregationStatusNames, "03", " aggCapable,aggEnabled"},
        {AggregationStatusNames, "01", " aggCapable"},
        {AggregationStatusNames, "00", " "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeBitNames(c.names(), c.hex), c.text) << c.hex;
}

TEST(LldpBitMaps, EncodesNamesToUpperCaseHexWithoutLeadingZeros) {
    struct Case {
        LldpBitMap (*names)();
        const char* text;
        const char* hex;
    } cases[] = {
        {BasicTlvNames, " System Name", "40"},
        {BasicTlvNames, " Port Description,System Name,System Description,System Capabilities",
         "F0"},
        {BasicTlvNames, " System Name,System Capabilities", "50"},
        {BasicTlvNames, " ", "0"},
        {BasicTlvNames, "", "0"},
        {BasicTlvNames, "no such TLV", "0"},
        {BasicTlvNames, " system name", "0"},                           // names are case-sensitive
        {BasicTlvNames, "System Capabilities;Port Description", "90"},  // anywhere in the text
        {MedTlvNames, " capabilities,location,inventory", "A4"},
        {MedTlvNames, " inventory", "4"},
        {MedCapabilityNames, " capabilities,networkPolicy", "3"},
        {SystemCapabilityNames, " Bridge,Router", "14"},
        {SystemCapabilityNames, " Other,Repeater", "3"},
        {AggregationStatusNames, " aggCapable,aggEnabled", "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeBitNames(c.names(), c.text), c.hex) << c.text;
}

// Every octet decodes to names that encode back to the bits the table names.
TEST(LldpBitMaps, EveryOctetSurvivesTheRoundTrip) {
    for (const MapCase& m : kMaps) {
        SCOPED_TRACE(m.map);
        std::uint32_t named = 0;
        for (const LldpBitName& n : m.names())
            named |= n.Bit;
        for (unsigned v = 0; v < 256; ++v) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", v);
            char expected[8];
            std::snprintf(expected, sizeof expected, "%X", v & named);
            EXPECT_EQ(EncodeBitNames(m.names(), DecodeBitNames(m.names(), hex)), expected) << hex;
        }
    }
}

TEST(LldpBitMaps, ComposesChosenNamesInTableOrder) {
    EXPECT_EQ(ComposeBitNames(BasicTlvNames(), {"System Capabilities", "Port Description"}),
              " Port Description,System Capabilities");
    EXPECT_EQ(ComposeBitNames(BasicTlvNames(), {}), " ");
    EXPECT_EQ(ComposeBitNames(MedTlvNames(), {"inventory", "extendedPD"}), " extendedPD,inventory");
}
