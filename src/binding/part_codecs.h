// Codecs of values spread over several line edits, one per part syntax (octets, MAC, IPv6, OID,
// IP address, InetAddress, TimeTicks, DateAndTime, date-time value), and of bits shown in check
// boxes. Show gives the texts of the fields for a value, Read the value's display text for the
// texts typed; no widget is involved, so each codec is tested as a table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class PartCodec {
  public:
    virtual ~PartCodec() = default;
    // The texts of the first fields for a value, given as display text and octet image; fields
    // beyond the result keep their texts. Raises "Count of the associated visual controls is
    // not enough!" when the value needs more than the fields there are.
    virtual std::vector<std::string> Show(const std::string& text, const std::string& image,
                                          std::size_t fields) const = 0;
    // The display text of the typed fields; raises the input error of a field that is not
    // part of a valid value.
    virtual std::string Read(const std::vector<std::string>& fields) const = 0;
    // "(NULL)" leaves the fields as they are (a value without octets); false where the empty
    // string shows as empty fields.
    virtual bool KeepsOnNull() const { return true; }
};

// The codec for a part syntax shown in that many fields; syntaxes without one of their own show
// the whole text in the first field.
const PartCodec& PartCodecFor(std::uint32_t partSyntax, std::size_t fields);

// Bits of an octet image, one per check box: bit 0 is the most significant bit of the first
// octet. Raises "Out of range for the bit(byte) index ..." for a bit beyond the image.
std::vector<bool> BitsShown(const std::string& image, const std::vector<int>& bits);
// The image with the bits set as checked, as long as the highest bit needs.
std::string BitsRead(const std::vector<int>& bits, const std::vector<bool>& checked);
