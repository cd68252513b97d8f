// Conversions of every syntax code between wire value, display text, instance OID text
// and octet image. Failures raise NmSNMPException with the library's codes.
#pragma once

#include <cstdint>
#include <string>

#include "nm_snmp_var_list.h"
#include "snmp_value.h"

// Text forms.
std::string OctetsToHex(const std::string& octets);  // upper case, no separators
// Blanks are ignored; an odd digit count makes the first digit an octet of its own; a
// 35 to 37 character text with "%" after 32 digits drops the "%". Other characters count
// as the digit 0.
std::string HexToOctets(const std::string& text);
std::string TimeTicksToText(std::uint32_t ticks);
std::uint32_t TextToTimeTicks(const std::string& text);
std::string Counter64ToText(std::uint64_t value);
std::string DoubleToText(double value);
// Calendar date-time as a day count since 1899-12-30, shown "yyyy/mm/dd hh:nn:ss". Values
// outside years 1 to 9999 raise "Bad value of the associated SNMP variable's (partial) data!".
std::string DateTimeValueToText(double days);
double TextToDateTimeValue(const std::string& text);  // 0 for a text that does not parse

// Decimal texts with range care: text that is not a number gives 0, a number outside
// [min, max] raises " Please enter a number between [MIN] and [MAX]!".
std::int64_t DecimalInRange(const std::string& text, std::int64_t min, std::int64_t max);
std::uint64_t Counter64FromText(const std::string& text);
// Strict dotted-decimal IPv4 ("a.b.c.d", each 0 to 255), blanks around allowed.
bool ParseIpv4(const std::string& text, std::uint8_t (&out)[4]);

// Octet images.
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
std::string DecodeIndex(NmSNMPVarList& list, int position, const std::string& instance);
std::string EncodeIndex(const NmSNMPVarList& list, int position);
// All index columns of a row: DecodeRow also sets the Cursor of index columns that are not
// fetched; EncodeRow joins the columns' encodings with ".".
void DecodeRow(NmSNMPVarList& list, const std::string& instance);
std::string EncodeRow(const NmSNMPVarList& list);
