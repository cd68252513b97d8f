// Capability bits to names.
#include "capability_names.h"

#include <array>
#include <cctype>
#include <vector>

namespace {

constexpr std::array<const char*, 3> kPortCapabilities = {
    "Dot1qTagging", "ConfigurableAcceptableFrameTypes", "IngressFiltering"};

constexpr std::array<const char*, 8> kDeviceCapabilities = {"dot1dExtendedFilteringServices",
                                                            "dot1dTrafficClasses",
                                                            "dot1qStaticEntryIndividualPort",
                                                            "dot1qIVLCapable",
                                                            "dot1qSVLCapable",
                                                            "dot1qHybridCapable",
                                                            "dot1qConfigurablePvidTagging",
                                                            "dot1dLocalVlanCapable"};

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
}

// The octets of a hexadecimal text of whole octets; false for anything else.
bool toOctets(const std::string& hex, std::vector<unsigned char>& octets) {
    if (hex.empty() || hex.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = hexDigit(hex[i]);
        const int low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        octets.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return true;
}

template <std::size_t N>
std::string namesOfBits(const std::vector<unsigned char>& octets,
                        const std::array<const char*, N>& names) {
    std::string text;
    for (std::size_t bit = 0; bit < N && bit / 8 < octets.size(); ++bit) {
        if (!(octets[bit / 8] & (0x80 >> (bit % 8))))
            continue;
        if (!text.empty())
            text += ',';
        text += names[bit];
    }
    return text;
}

}  // namespace

std::string PortCapabilityNames(const std::string& hex) {
    std::vector<unsigned char> octets;
    return toOctets(hex, octets) ? namesOfBits(octets, kPortCapabilities) : std::string();
}

std::string DeviceCapabilityNames(const std::string& hex) {
    std::vector<unsigned char> octets;
    return toOctets(hex, octets) ? namesOfBits(octets, kDeviceCapabilities) : std::string();
}
