// The names of the dot3 OAM functions-supported bits, from the octets shown as hexadecimal text.
#pragma once

#include <string>

// For each hexadecimal digit in turn: "Variable Request" (8), "Link Monitoring" (4), "Remote
// Loopback" (2), "Unidirection" (1), joined with ", ".
std::string OamFunctionNames(const std::string& hex);
