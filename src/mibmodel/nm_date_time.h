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
    // FromText for a value to be sent: false unless one of the text forms matches in full and
    // every field is in its range (month 1 to 12, day 1 to 31, hour 0 to 23, minutes 0 to 59,
    // seconds 0 to 60, deci-seconds 0 to 9, hours from UTC 0 to 13, minutes from UTC 0 to 59).
    static bool Parse(const std::string& text, NmDateTime& out);

    std::string ToOctets() const;  // always 11 octets
    std::string ToText() const;
};
