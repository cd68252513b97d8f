// Conversions of every syntax code between wire value, display text, instance OID text
// and octet image. Failures raise NmSNMPException with the library's codes.
#pragma once

#include <cstdint>
#include <string>

#include "nm_snmp_var_list.h"
#include "snmp_value.h"

// Text forms.
std::string OctetsToHex(const std::string& octets);  // upper case, no separators
// Blanks are ignored. With ':', '-' or '.' between the digits every group between them is
// one octet (one or two digits) or several (an even number of digits); without them an odd
// digit count makes the first digit an octet of its own. A 35 to 37 character text with "%"
// after 32 digits drops the "%". Any other character, an empty group or a group of an odd
// number of digits other than one raises "Bad value of the associated SNMP variable's
// (partial) data!"; TryHexToOctets returns false instead (and leaves out alone).
std::string HexToOctets(const std::string& text);
bool TryHexToOctets(const std::string& text, std::string& out);
std::string TimeTicksToText(std::uint32_t ticks);
// Reads "h:mm:ss.cc", "1 day h:mm:ss.cc" and "N days, h:mm:ss.cc", the hundredths optional;
// any other text raises "Bad value of the associated SNMP variable's (partial) data!".
std::uint32_t TextToTimeTicks(const std::string& text);
std::string Counter64ToText(std::uint64_t value);
std::string DoubleToText(double value);
// Calendar date-time as a day count since 1899-12-30, shown "yyyy/mm/dd hh:nn:ss". Values
// outside years 1 to 9999 raise "Bad value of the associated SNMP variable's (partial) data!".
std::string DateTimeValueToText(double days);
double TextToDateTimeValue(const std::string& text);  // 0 for a text that does not parse

// Decimal texts of values to be sent: an empty text raises " Empty value is not allowed!", a
// text that is not a number or a number outside [min, max] raises " Please enter a number
// between [MIN] and [MAX]!". Blanks around the number are allowed.
std::int64_t DecimalInRange(const std::string& text, std::int64_t min, std::int64_t max);
// As DecimalInRange; fractions and exponent forms are cut to whole numbers.
std::uint64_t Counter64FromText(const std::string& text);
// Strict dotted-decimal IPv4 ("a.b.c.d", each 0 to 255), blanks around allowed.
bool ParseIpv4(const std::string& text, std::uint8_t (&out)[4]);
// A text that an InetAddress value can be sent from: empty (zero length), IPv4, IPv6 as 32
// hexadecimal digits (':' or '-' may separate octets), or that followed by "%" and a decimal
// zone index.
bool IsInetAddressText(const std::string& text);

// Octet images. Texts go through the same checks as values to be sent: an empty text of a
// syntax that has no empty value raises " Empty value is not allowed!", an address that is not
// one " Please enter a valid IP address!".
std::string TextToOctets(const std::string& text, std::uint32_t syntax);
std::string OctetsToText(const std::string& image, std::uint32_t syntax);
std::string ExtractPart(const std::string& image, std::size_t offset, std::uint32_t partSyntax);

// Port lists: a bit map with port 1 in the most significant bit of the first octet.
std::string OctetsToPortList(const std::string& hexText, bool withBrackets);
std::string PortListHex(const std::string& text);
// False (and out unchanged) when a port is outside 1 .. 4 x template length or a range runs
// backwards. "all" sets every port; "0" or an empty text clears them all.
bool PortListToOctets(const std::string& text, const std::string& templateHex, std::string& out);

// Wire value and display text of one list item, through its option list.
std::string ReceivedValueToText(const SnmpValue& value, std::uint32_t syntax);
SnmpValue TextToSentValue(const std::string& text, std::uint32_t syntax);
void ReceivedToText(NmSNMPVarList& list, int item, const VarBind& received);
SnmpValue TextToSent(const NmSNMPVarList& list, int item);

// Table indexes. DecodeIndex sets the index column's Value from the front of the instance
// text and returns the rest; EncodeIndex gives the column's sub-identifiers as dotted text.
// An instance that DecodeRow accepts, EncodeRow gives back unchanged; one that would not come
// back unchanged raises "Bad key count of SNMP variable list!".
std::string DecodeIndex(NmSNMPVarList& list, int position, const std::string& instance);
std::string EncodeIndex(const NmSNMPVarList& list, int position);
// All index columns of a row: DecodeRow also sets the Cursor of index columns that are not
// fetched; EncodeRow joins the columns' encodings with ".".
void DecodeRow(NmSNMPVarList& list, const std::string& instance);
std::string EncodeRow(const NmSNMPVarList& list);
