// DateAndTime values (8 or 11 octets) and their text form.
#pragma once

#include <cstdint>
#include <string>

class NmDateTime {
  public:
    std::uint16_t Year = 0;  // host order
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint8_t DeciSeconds = 0;
    char Direction = '+';
    std::uint8_t UtcHours = 0;
    std::uint8_t UtcMinutes = 0;

    // The current local date and time, deci-seconds 0, offset +0:0.
    NmDateTime();

    // Octets in wire order; 8-octet values have no UTC offset. Fewer than 8 octets raise
    // "Bad value of the associated SNMP variable's (partial) data!".
    static NmDateTime FromOctets(const std::string& octets);
    static NmDateTime FromText(const std::string& text);

    std::string ToOctets() const;  // always 11 octets
    std::string ToText() const;
};
