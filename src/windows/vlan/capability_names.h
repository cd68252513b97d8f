// Names of the capability bits that the bridge windows show instead of the octets: the port
// capabilities of the 802.1p port table and the device capabilities of the bridge.
#pragma once

#include <string>

// The names of the bits set in the first octet of a port's capabilities (hexadecimal text),
// in bit order, joined by ","; empty when none of the named bits is set or the text is no
// hexadecimal value.
std::string PortCapabilityNames(const std::string& hex);

// The names of the bits set in the bridge's device capabilities (hexadecimal text), in bit
// order over every octet, joined by ","; bit 0 is the most significant bit of the first octet.
std::string DeviceCapabilityNames(const std::string& hex);
