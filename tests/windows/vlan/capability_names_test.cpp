// The names the bridge windows show for capability octets.
#include <gtest/gtest.h>

#include "capability_names.h"

namespace {

TEST(CapabilityNames, PortCapabilitiesAreTheNamedBitsOfTheFirstOctet) {
    const struct {
        const char* hex;
        const char* names;
    } cases[] = {
        {"E0", "Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"C0", "Dot1qTagging,ConfigurableAcceptableFrameTypes"},
        {"A0", "Dot1qTagging,IngressFiltering"},
        {"80", "Dot1qTagging"},
        {"60", "ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"40", "ConfigurableAcceptableFrameTypes"},
        {"20", "IngressFiltering"},
        {"00", ""},
        {"e0", "Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering"},
        // A switch that sends two octets: the second names nothing.
        {"A0FF", "Dot1qTagging,IngressFiltering"},
        {"00E0", ""},
        // Bits without a name are left out.
        {"F8", "Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"1F", ""},
        {"", ""},
        {"(NULL)", ""},
        {"E", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortCapabilityNames(c.hex), c.names) << c.hex;
}

TEST(CapabilityNames, DeviceCapabilitiesAreTheSetBitsInBitOrder) {
    const struct {
        const char* hex;
        const char* names;
    } cases[] = {
        {"D2",
         "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qIVLCapable,"
         "dot1qConfigurablePvidTagging"},
        {"F6",
         "dot1dExtendedFilteringServices,dot1dTrafficClasses,"
         "dot1qStaticEntryIndividualPort,dot1qIVLCapable,dot1qHybridCapable,"
         "dot1qConfigurablePvidTagging"},
        {"FF",
         "dot1dExtendedFilteringServices,dot1dTrafficClasses,"
         "dot1qStaticEntryIndividualPort,dot1qIVLCapable,dot1qSVLCapable,"
         "dot1qHybridCapable,dot1qConfigurablePvidTagging,dot1dLocalVlanCapable"},
        {"01", "dot1dLocalVlanCapable"},
        {"1200", "dot1qIVLCapable,dot1qConfigurablePvidTagging"},
        {"0080", ""},
        {"00", ""},
        {"", ""},
        {"XY", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeviceCapabilityNames(c.hex), c.names) << c.hex;
}

}  // namespace
