// Value conversions per syntax code: text forms, wire values both ways, table indexes,
// octet images and port lists.
#include <gtest/gtest.h>

#include <functional>

#include "messages.h"
#include "nm_date_time.h"
#include "value_conversion.h"

namespace {

const OptionEntry kAdmin[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const NmOptionList kAdminList(kAdmin);

const std::string kIpv6Hex = "FE800000000000000000000000000001";
const std::string kIpv6Dotted = "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";
const std::string kIpv6Zoned = kIpv6Hex + "%5";

std::string bytes(const std::string& hex) {
    return HexToOctets(hex);
}

// Runs f and expects an NmSNMPException with the code (and the text when given).
void expectError(const std::function<void()>& f, int code, const std::string& text = {}) {
    try {
        f();
        ADD_FAILURE() << "no exception, expected code " << code;
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), code) << e.what();
        if (!text.empty()) {
            EXPECT_EQ(e.text(), text);
        }
    }
}

TEST(Conversion, HexTextBothWays) {
    EXPECT_EQ(OctetsToHex(std::string("\x00\x1a\x2b", 3)), "001A2B");
    EXPECT_EQ(OctetsToHex(""), "");
    const struct {
        const char* text;
        std::string octets;
    } cases[] = {
        {"1A2B", std::string("\x1a\x2b")},
        {"1a 2b", std::string("\x1a\x2b")},
        {"ABC", std::string("\x0a\xbc")},
        {"", ""},
        {"FE800000000000000000000000000001%12", bytes("FE800000000000000000000000000001") + "\x12"},
        // Separators between octets, as a MAC or IPv6 address is often written.
        {"00:1A:2B:3C:4D:5E", bytes("001A2B3C4D5E")},
        {"00-1a-2b-3c-4d-5e", bytes("001A2B3C4D5E")},
        {"001a.2b3c.4d5e", bytes("001A2B3C4D5E")},
        {"0:1a:2:3c", bytes("001A023C")},
        {"FE80:0000:0000:0000:0000:0000:0000:0001", bytes("FE800000000000000000000000000001")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexToOctets(c.text), c.octets) << c.text;
    for (const char* bad : {"G1", "00:1A::2B", ":1A", "1A:", "1A2:3B", "12%", "0x1A"}) {
        expectError([&] { HexToOctets(bad); }, -518,
                    "Bad value of the associated SNMP variable's (partial) data!");
        std::string out = "kept";
        EXPECT_FALSE(TryHexToOctets(bad, out)) << bad;
        EXPECT_EQ(out, "kept");
    }
}

TEST(Conversion, TimeTicksBothWays) {
    const struct {
        std::uint32_t ticks;
        const char* text;
    } shown[] = {{8640000, "1 day 0:00:00.00"},
                 {17280123, "2 days, 0:00:01.23"},
                 {12345, "0:02:03.45"},
                 {0, "0:00:00.00"},
                 {4294967295u, "497 days, 2:27:52.95"}};
    for (const auto& c : shown) {
        EXPECT_EQ(TimeTicksToText(c.ticks), c.text);
        EXPECT_EQ(TextToTimeTicks(c.text), c.ticks) << c.text;
    }
    // Every text shown reads back as its value.
    for (std::uint64_t t = 0; t <= 0xffffffffu; t += 429497 + t / 7) {
        const auto ticks = static_cast<std::uint32_t>(t);
        EXPECT_EQ(TextToTimeTicks(TimeTicksToText(ticks)), ticks) << TimeTicksToText(ticks);
    }
    const struct {
        const char* text;
        std::uint32_t ticks;
    } parsed[] = {{"1:02:03", 372300},
                  {" 0:00:07.05 ", 705},
                  {"1 day 1:02:03", 8640000 + 372300},
                  {"3 days, 0:00:00", 25920000},
                  {"0:1:2.03", 6203}};
    for (const auto& c : parsed)
        EXPECT_EQ(TextToTimeTicks(c.text), c.ticks) << c.text;
    // What cannot be read whole is refused, never written as another value.
    for (const char* bad : {"42", "100", "", "5.07", "3 days", "1:02", "1:60:00", "1:00:60",
                            "1:02:03.4", "1:02:03.456", "1:02:03x", "-1:00:00.00",
                            "497 days, 2:27:52.96", "1 week 0:00:00.00", "1 day, x"}) {
        EXPECT_THROW(
            {
                try {
                    TextToTimeTicks(bad);
                } catch (const NmSNMPException& e) {
                    EXPECT_EQ(e.code(), -518) << bad;
                    throw;
                }
            },
            NmSNMPException)
            << bad;
    }
}

TEST(Conversion, DateAndTimeWithAndWithoutOffset) {
    const struct {
        const char* text;
        const char* octets;
        const char* shown;
    } cases[] = {
        {"2009-6-15,13:30:15.0,+8:0", "07D9060F0D1E0F002B0800", "2009-6-15,13:30:15.0,+8:0"},
        {"2009-6-15,13:30:15.3,-5:30", "07D9060F0D1E0F032D051E", "2009-6-15,13:30:15.3,-5:30"},
        {"2009-6-15,13:30:15.0", "07D9060F0D1E0F002B0000", "2009-6-15,13:30:15.0"},
        {"2009-6-15,13:30:15.0,+0:0", "07D9060F0D1E0F002B0000", "2009-6-15,13:30:15.0"},
        {"2009-6-15", "07D9060F000000002B0000", "2009-6-15,0:0:0.0"},
        {"garbage", "00000000000000002B0000", "0-0-0,0:0:0.0"},
    };
    for (const auto& c : cases) {
        const NmDateTime d = NmDateTime::FromText(c.text);
        EXPECT_EQ(OctetsToHex(d.ToOctets()), OctetsToHex(bytes(c.octets))) << c.text;
        EXPECT_EQ(d.ToText(), c.shown);
        EXPECT_EQ(NmDateTime::FromOctets(bytes(c.octets)).ToText(), c.shown);
    }
    // The 8-octet form carries no offset.
    EXPECT_EQ(NmDateTime::FromOctets(bytes("07D9060F0D1E0F00")).ToText(), "2009-6-15,13:30:15.0");
    expectError([] { NmDateTime::FromOctets(bytes("07D9060F")); }, -518);
    const NmDateTime now;
    EXPECT_EQ(now.DeciSeconds, 0);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_GT(now.Year, 2000);
}

TEST(Conversion, ReceivedValueToTextPerSyntax) {
    const std::string ipv6 = bytes(kIpv6Hex);
    const struct {
        std::uint32_t syntax;
        SnmpValue value;
        const char* text;
    } cases[] = {
        {synBoolean, SnmpValue::fromInteger(5), "true"},
        {synBoolean, SnmpValue::fromInteger(0), "false"},
        {synInteger, SnmpValue::fromInteger(-5), "-5"},
        {synInteger, SnmpValue::exception(SnmpType::NoSuchInstance), "(NULL)"},
        {synInteger, SnmpValue::null(), "(NULL)"},
        {synCounter32, SnmpValue::fromUnsigned(SnmpType::Counter32, 4294967295u), "4294967295"},
        {synGauge32, SnmpValue::fromInteger(-1), "4294967295"},
        {synOctets, SnmpValue::fromOctets(std::string("\x00\x1a\x2b", 3)), "001A2B"},
        {synOctets, SnmpValue::exception(SnmpType::NoSuchObject), ""},
        {synMacAddress, SnmpValue::fromOctets(bytes("001A2B3C4D5E")), "001A2B3C4D5E"},
        {synNull, SnmpValue::fromInteger(3), "(NULL)"},
        {synOid, SnmpValue::fromOid({1, 3, 6, 1, 2, 1}), "1.3.6.1.2.1"},
        {synOid, SnmpValue::fromOid({}), "(NULL)"},
        {synIpAddress, SnmpValue::fromIpAddress(10, 0, 0, 1), "10.0.0.1"},
        {synIpAddress, SnmpValue::exception(SnmpType::EndOfMibView), "(NULL)"},
        {synTimeTicks, SnmpValue::fromUnsigned(SnmpType::TimeTicks, 12345), "0:02:03.45"},
        {synCounter64, SnmpValue::fromUnsigned(SnmpType::Counter64, 18446744073709551615u),
         "18446744073709551615"},
        {synDouble, SnmpValue::fromOctets(bytes("000000000000F83F")), "1.5"},
        {synDateAndTime, SnmpValue::fromOctets(bytes("07D9060F0D1E0F002B0800")),
         "2009-6-15,13:30:15.0,+8:0"},
        {synDateTimeValue, SnmpValue::fromOctets(bytes("000000007085E340")), "2009/06/15 12:00:00"},
        {synDisplayString, SnmpValue::fromOctets("abc"), "abc"},
        {synDisplayString, SnmpValue::fromOctets(""), ""},
        {synDisplayString, SnmpValue::exception(SnmpType::NoSuchInstance), ""},
        {synIpv6Address, SnmpValue::fromOctets(ipv6), kIpv6Hex.c_str()},
        {synInetAddress, SnmpValue::fromOctets(bytes("C0A80001")), "192.168.0.1"},
        {synInetAddress, SnmpValue::fromOctets(ipv6 + bytes("00000005")),
         "FE80000000000000000000000000000100000005"},
        {synInetAddress, SnmpValue::fromOctets(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReceivedValueToText(c.value, c.syntax), c.text)
            << "syntax " << c.syntax << " text " << c.text;
    expectError([] { ReceivedValueToText(SnmpValue::fromInteger(1), 0x07); }, -511,
                "Bad SNMP syntax!");
    expectError([] { ReceivedValueToText(SnmpValue::fromOctets("abc"), synDouble); }, -518);
}

TEST(Conversion, ReceivedToTextMapsThroughTheOptionList) {
    const SNMPVarDescriptor table[] = {
        {"1.3.6.1.2.1.2.2.1.7", "Admin Status", synInteger, 0x06, &kAdminList}, {nullptr}};
    NmSNMPVarList list(table, vlTable, 0);
    ReceivedToText(list, 0, {{1, 3}, SnmpValue::fromInteger(1)});
    EXPECT_EQ(list.Item(0).Value, "up");
    ReceivedToText(list, 0, {{1, 3}, SnmpValue::fromInteger(7)});
    EXPECT_EQ(list.Item(0).Value, "7");
    ReceivedToText(list, 0, {{1, 3}, SnmpValue::exception(SnmpType::NoSuchInstance)});
    EXPECT_EQ(list.Item(0).Value, "(NULL)");
}

TEST(Conversion, TextToSentValuePerSyntax) {
    const struct {
        std::uint32_t syntax;
        const char* text;
        SnmpValue value;
    } cases[] = {
        {synInteger, "(NULL)", SnmpValue::null()},
        {synDisplayString, "(NULL)", SnmpValue::null()},
        {synBoolean, "true", SnmpValue::fromInteger(1)},
        {synBoolean, "yes", SnmpValue::fromInteger(0)},
        {synInteger, "-2147483648", SnmpValue::fromInteger(-2147483647 - 1)},
        {synInteger, " 12 ", SnmpValue::fromInteger(12)},
        {synCounter32, "7", SnmpValue::fromUnsigned(SnmpType::Gauge32, 7)},
        {synGauge32, "4294967295", SnmpValue::fromUnsigned(SnmpType::Gauge32, 4294967295u)},
        {synUInteger32, "+5", SnmpValue::fromUnsigned(SnmpType::Gauge32, 5)},
        {synOctets, "1A 2B", SnmpValue::fromOctets(bytes("1A2B"))},
        {synBits, "ABC", SnmpValue::fromOctets(bytes("0ABC"))},
        {synOpaque, "FF", SnmpValue::fromOctets(bytes("FF"))},
        {synNull, "x", SnmpValue::null()},
        {synOid, "1.3.6.1", SnmpValue::fromOid({1, 3, 6, 1})},
        {synIpAddress, "10.0.0.1", SnmpValue::fromIpAddress(10, 0, 0, 1)},
        {synIpAddress2, " 192.168.1.254 ", SnmpValue::fromIpAddress(192, 168, 1, 254)},
        {synTimeTicks, "1:02:03", SnmpValue::fromUnsigned(SnmpType::TimeTicks, 372300)},
        {synCounter64, "18446744073709551615",
         SnmpValue::fromUnsigned(SnmpType::Counter64, 18446744073709551615u)},
        {synCounter64, "12.9", SnmpValue::fromUnsigned(SnmpType::Counter64, 12)},
        {synCounter64, "1e3", SnmpValue::fromUnsigned(SnmpType::Counter64, 1000)},
        {synDouble, "1.5", SnmpValue::fromOctets(bytes("000000000000F83F"))},
        {synDateAndTime, "2009-6-15,13:30:15.0,+8:0",
         SnmpValue::fromOctets(bytes("07D9060F0D1E0F002B0800"))},
        {synDateTimeValue, "2009/06/15 12:00:00", SnmpValue::fromOctets(bytes("000000007085E340"))},
        {synDisplayString, "", SnmpValue::fromOctets("")},
        {synDisplayString, "a b", SnmpValue::fromOctets("a b")},
        {synMacAddress, "001A2B3C4D5E", SnmpValue::fromOctets(bytes("001A2B3C4D5E"))},
        {synInetAddress, "192.168.0.1", SnmpValue::fromOctets(bytes("C0A80001"))},
        {synInetAddress, kIpv6Hex.c_str(), SnmpValue::fromOctets(bytes(kIpv6Hex))},
        {synInetAddress, "", SnmpValue::fromOctets("")},
        {synInetAddress, kIpv6Zoned.c_str(), SnmpValue::fromOctets(bytes(kIpv6Hex + "00000005"))},
        {synInetAddress, "FE80:0000:0000:0000:0000:0000:0000:0001",
         SnmpValue::fromOctets(bytes(kIpv6Hex))},
        {synMacAddress, "00:1A:2B:3C:4D:5E", SnmpValue::fromOctets(bytes("001A2B3C4D5E"))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToSentValue(c.text, c.syntax), c.value)
            << "syntax " << c.syntax << " text " << c.text;
}

TEST(Conversion, TextToSentRejectsOutOfRangeAndBadAddresses) {
    const struct {
        std::uint32_t syntax;
        const char* text;
        int code;
        const char* message;
    } cases[] = {
        {synGauge32, "4294967296", -8, " Please enter a number between 0 and 4294967295!"},
        {synCounter32, "-1", -8, " Please enter a number between 0 and 4294967295!"},
        {synInteger, "2147483648", -8,
         " Please enter a number between -2147483648 and 2147483647!"},
        {synInteger, "99999999999999999999999", -8, nullptr},
        {synCounter64, "18446744073709551616", -8,
         " Please enter a number between 0 and 18446744073709551615!"},
        {synCounter64, "-3", -8, nullptr},
        {synInetAddress, "not an address", -19, " Please enter a valid IP address!"},
        {synInetAddress, "10.0.0", -19, nullptr},
        {synInetAddress, "10.0.0.256", -19, nullptr},
        {synInetAddress, "FE80000000000000000000000000000X", -19, nullptr},
        {synIpAddress, "1.2.3.400", -19, nullptr},
        {synIpAddress, "", -19, nullptr},
        // What was typed goes out as it is, or not at all.
        {synInetAddress, "300.1.1.1", -19, nullptr},
        {synInetAddress, "1.2.3.4.5", -19, nullptr},
        {synInetAddress, "-1.0.0.1", -19, nullptr},
        {synInetAddress, "abc", -19, nullptr},
        {synInetAddress, "0A0B", -19, nullptr},
        {synInetAddress, "FE80000000000000000000000000000%5", -19, nullptr},
        {synIpAddress, "300.1.1.1", -19, nullptr},
        {synInteger, "abc", -8, nullptr},
        {synInteger, " 12xyz", -8, nullptr},
        {synInteger, "", -3, " Empty value is not allowed!"},
        {synUInteger32, " ", -3, nullptr},
        {synTimeTicks, "", -3, nullptr},
        {synTimeTicks, "100", -518, nullptr},
        {synTimeTicks, "1:02", -518, nullptr},
        {synCounter64, "", -3, nullptr},
        {synCounter64, "12abc", -8, nullptr},
        {synOid, "", -3, nullptr},
        {synOid, "1.3.x", -518, "Bad value of the associated SNMP variable's (partial) data!"},
        {synOctets, "00:1A::2B", -518, nullptr},
        {synMacAddress, "00:1A:2B:3C:4D:5G", -518, nullptr},
        {synDouble, "1.5x", -518, nullptr},
        {synDouble, "", -3, nullptr},
        {synDateAndTime, "2009-13-15,13:30:15.0", -518, nullptr},
        {synDateAndTime, "yesterday", -518, nullptr},
        {synDateTimeValue, "yesterday", -518, nullptr},
        {0x07, "1", -511, "Bad SNMP syntax!"},
        {synPartUInt8, "1", -511, nullptr},
    };
    for (const auto& c : cases)
        expectError([&] { TextToSentValue(c.text, c.syntax); }, c.code, c.message ? c.message : "");
}

TEST(Conversion, TextToSentMapsThroughTheOptionList) {
    const SNMPVarDescriptor table[] = {
        {"1.3.6.1.2.1.2.2.1.7", "Admin Status", synInteger, 0x06, &kAdminList}, {nullptr}};
    NmSNMPVarList list(table, vlScalar, 0);
    list.Item(0).Value = "up";
    EXPECT_EQ(TextToSent(list, 0), SnmpValue::fromInteger(1));
    list.Item(0).Value = "(NULL)";
    EXPECT_EQ(TextToSent(list, 0), SnmpValue::null());
    list.Item(0).Value = "5";
    EXPECT_EQ(TextToSent(list, 0), SnmpValue::fromInteger(5));
}

// A list of `columns` index columns; the tested one at `position`, the others INTEGER.
NmSNMPVarList indexList(std::uint32_t syntax, std::uint32_t flags, int columns, int position) {
    NmSNMPVarList list;
    std::vector<SNMPVarDescriptor> table;
    for (int i = 0; i < columns; ++i)
        table.push_back(i == position ? SNMPVarDescriptor{"1.2.3", "Tested", syntax, flags}
                                      : SNMPVarDescriptor{"1.2.4", "Other", synInteger, vfIndex});
    table.push_back({nullptr});
    list = NmSNMPVarList(table.data(), vlTableRows, columns);
    return list;
}

struct DecodeCase {
    std::uint32_t syntax;
    std::uint32_t flags;
    int columns;
    int position;
    std::string instance;
    std::string value;
    std::string rest;
};

TEST(Conversion, DecodeIndexPerSyntax) {
    const DecodeCase cases[] = {
        {synDisplayString, vfIndex, 2, 0, "4.116.101.115.116.7", "test", "7"},
        {synDisplayString, 0x41, 1, 0, "116.101.115.116", "test", ""},
        {synDisplayString, 0x41, 2, 0, "4.116.101.115.116.7", "test", "7"},  // not last
        {synDisplayString, vfIndex, 1, 0, "0", "", ""},
        {synInteger, vfIndex, 2, 0, "4294967295.3", "-1", "3"},
        {synGauge32, vfIndex, 1, 0, "4294967295", "4294967295", ""},
        {synBoolean, vfIndex, 1, 0, "1", "true", ""},
        {synTimeTicks, vfIndex, 1, 0, "12345", "0:02:03.45", ""},
        {synNull, vfIndex, 2, 0, "1.2", "(NULL)", "1.2"},
        {synCounter64, vfIndex, 1, 0, "1.2", "4294967298", ""},
        {synDouble, vfIndex, 1, 0, "0.1073217536", "1.5", ""},
        {synDateTimeValue, vfIndex, 1, 0, "0.1088652656", "2009/06/15 12:00:00", ""},
        {synIpAddress, vfIndex, 2, 0, "10.0.0.1.5", "10.0.0.1", "5"},
        {synMacAddress, vfIndex, 2, 0, "0.26.43.60.77.94.1", "001A2B3C4D5E", "1"},
        {synDateAndTime, vfIndex, 1, 0, "7.217.6.15.13.30.15.0.43.8.0", "2009-6-15,13:30:15.0,+8:0",
         ""},
        {synIpv6Address, vfIndex, 2, 0, kIpv6Dotted + ".5", kIpv6Hex, "5"},
        {synIpv6Address, 0x41, 1, 0, kIpv6Dotted, kIpv6Hex, ""},
        {synOid, vfIndex, 2, 0, "3.1.3.6.9", "1.3.6", "9"},
        {synOid, 0x41, 1, 0, "1.3.6.1", "1.3.6.1", ""},
        {synOctets, 0x41, 2, 0, "1.2", "0102", ""},  // implied takes all
        {synOctets, vfIndex, 1, 0, "2.1.2", "0102", ""},
        {synOctets, vfIndex, 3, 1, "1.2.3.4.5.6.7.8.9", "0102030405060708", "9"},
        {synBits, vfIndex, 3, 1, "1.2.3.4.5.6.7.8.9", "02", "3.4.5.6.7.8.9"},
        {synOctets, vfIndex, 2, 0, "2.1.2.7", "0102", "7"},
        {synInetAddress, vfIndex, 1, 0, "4.10.0.0.1", "10.0.0.1", ""},
        {synInetAddress, vfIndex, 1, 0, "16." + kIpv6Dotted, kIpv6Hex, ""},
        {synInetAddress, vfIndex, 1, 0, "20." + kIpv6Dotted + ".0.0.0.5", kIpv6Hex + "%5", ""},
        {synInetAddress, vfIndex, 1, 0, "0", "", ""},
        {synInetAddress, vfIndex, 1, 0, "8.10.0.0.1.0.0.0.5", "0A00000100000005", ""},
        {synInetAddress, 0x41, 1, 0, "10.0.0.1", "10.0.0.1", ""},
        {synInetAddress, 0x41, 1, 0, kIpv6Dotted, kIpv6Hex, ""},
        {synInetAddress, vfIndex, 2, 0, "4.10.0.0.1.7", "10.0.0.1", "7"},
        {synInetAddress, vfIndex, 2, 0, "16." + kIpv6Dotted + ".9", kIpv6Hex, "9"},
        {synInetAddress, vfIndex, 2, 0, "0.9", "", "9"},
        // The length decides, not the number of sub-identifiers left.
        {synInetAddress, vfIndex, 2, 0, "4.1.2.3.4.16." + kIpv6Dotted + ".1", "1.2.3.4",
         "16." + kIpv6Dotted + ".1"},
    };
    for (const DecodeCase& c : cases) {
        NmSNMPVarList list = indexList(c.syntax, c.flags, c.columns, c.position);
        EXPECT_EQ(DecodeIndex(list, c.position, c.instance), c.rest)
            << "syntax " << c.syntax << " instance " << c.instance;
        EXPECT_EQ(list.Item(c.position).Value, c.value)
            << "syntax " << c.syntax << " instance " << c.instance;
    }
}

TEST(Conversion, DecodeIndexRunningOutRaisesKeyCount) {
    const DecodeCase cases[] = {
        {synIpAddress, vfIndex, 2, 0, "10.0.0", "", ""},
        {synDisplayString, vfIndex, 2, 0, "200.65.66", "", ""},
        {synOid, vfIndex, 2, 0, "4294967295.1", "", ""},
        {synCounter64, vfIndex, 1, 0, "1", "", ""},
        {synInteger, vfIndex, 1, 0, "", "", ""},
        {synInetAddress, vfIndex, 1, 0, "5.1.2", "", ""},
        {synInetAddress, vfIndex, 2, 0, "17.1.2.3", "", ""},
    };
    for (const DecodeCase& c : cases) {
        NmSNMPVarList list = indexList(c.syntax, c.flags, c.columns, c.position);
        expectError([&] { DecodeIndex(list, c.position, c.instance); }, -514,
                    "Bad key count of SNMP variable list!");
    }
    // Instances that would not encode back to themselves are refused the same way.
    const DecodeCase inexact[] = {
        {synBoolean, vfIndex, 1, 0, "2", "", ""},
        {synIpAddress2, vfIndex, 1, 0, "266.0.0.1", "", ""},
        {synMacAddress, vfIndex, 1, 0, "0.26.43.60.77.300", "", ""},
        {synDisplayString, vfIndex, 1, 0, "1.256", "", ""},
        {synIpv6Address, 0x41, 1, 0, "1.2", "", ""},
        {synInteger, vfIndex, 1, 0, "1.2", "", ""},   // left over after the last column
        {synOctets, vfIndex, 1, 0, "3.1.2", "", ""},  // the length does not match
        {synOctets, vfIndex, 3, 1, "8.1.2.3.4.5.6.7.8.9", "", ""},  // reads as the 9-left form
        {synInetAddress, vfIndex, 1, 0, "10.0.0.1", "", ""},        // IPv4 without its length
        {synInetAddress, vfIndex, 1, 0, "4.10.0.0.300", "", ""},
        {synDouble, vfIndex, 1, 0, "0.2146959360", "", ""},         // NaN
        {synDateTimeValue, vfIndex, 1, 0, "1.1088652656", "", ""},  // not a whole second
        {synDateAndTime, vfIndex, 1, 0, "7.217.13.15.13.30.15.0.43.8.0", "", ""},  // month 13
        {synDateAndTime, vfIndex, 1, 0, "7.217.6.15.13.30.15.0.45.0.0", "", ""},   // "-" 0:0
    };
    for (const DecodeCase& c : inexact) {
        NmSNMPVarList list = indexList(c.syntax, c.flags, c.columns, c.position);
        expectError([&] { DecodeIndex(list, c.position, c.instance); }, -514);
    }
    NmSNMPVarList list = indexList(0x07, vfIndex, 1, 0);
    expectError([&] { DecodeIndex(list, 0, "1"); }, -511);
}

// A write to a row goes to the instance the row was read from: for every index syntax, and the
// forms each takes (counted, last, implied), decoding a row and encoding it gives it back.
TEST(Conversion, EveryIndexSyntaxEncodesBackWhatItDecoded) {
    const struct {
        std::uint32_t syntax;
        std::uint32_t flags;
        int columns;
        int position;
        std::string instance;
    } cases[] = {
        {synBoolean, vfIndex, 2, 0, "0.7"},
        {synInteger, vfIndex, 1, 0, "4294967295"},
        {synBits, vfIndex, 2, 0, "2.224.128.7"},
        {synOctets, vfIndex, 1, 0, "3.1.2.3"},
        {synOctets, 0x41, 1, 0, "1.2.3"},
        {synOctets, vfIndex, 3, 1, "7.1.2.3.4.5.6.7.8.9"},
        {synOctets, vfIndex, 4, 1, "5.8.1.2.3.4.5.6.7.8.9.10"},
        {synNull, vfIndex, 2, 0, "5"},
        {synOid, vfIndex, 2, 0, "3.1.3.6.9"},
        {synOid, vfIndex, 2, 0, "0.9"},
        {synOid, 0x41, 1, 0, "1.3.6.1.4294967295"},
        {synIpAddress, vfIndex, 2, 0, "10.0.0.1.5"},
        {synCounter32, vfIndex, 1, 0, "0"},
        {synGauge32, vfIndex, 1, 0, "4294967295"},
        {synTimeTicks, vfIndex, 2, 0, "4294967295.1"},
        {synTimeTicks, vfIndex, 1, 0, "8640000"},
        {synOpaque, vfIndex, 1, 0, "0"},
        {synIpAddress2, vfIndex, 1, 0, "255.255.255.255"},
        {synCounter64, vfIndex, 1, 0, "4294967295.4294967295"},
        {synUInteger32, vfIndex, 1, 0, "7"},
        {synDouble, vfIndex, 1, 0, "2576980378.1069128089"},  // 0.1
        {synDouble, vfIndex, 1, 0, "0.2146435072"},           // infinity
        {synDouble, vfIndex, 1, 0, "0.2147483648"},           // -0
        {synDouble, vfIndex, 1, 0, "1.0"},                    // the smallest denormal
        {synMacAddress, vfIndex, 2, 0, "0.26.43.60.77.94.1"},
        {synDateAndTime, vfIndex, 1, 0, "7.217.6.15.13.30.15.0.43.8.0"},
        {synDateAndTime, vfIndex, 1, 0, "7.217.6.15.13.30.15.0.45.5.30"},
        {synDateTimeValue, vfIndex, 1, 0, "0.1088652656"},
        {synDisplayString, vfIndex, 2, 0, "4.116.101.115.116.7"},
        {synDisplayString, 0x41, 1, 0, "116.101.115.116"},
        {synIpv6Address, vfIndex, 2, 0, kIpv6Dotted + ".3"},
        {synPortList, vfIndex, 1, 0, "2.255.0"},
        {synInetAddress, vfIndex, 2, 0, "0.3"},
        {synInetAddress, vfIndex, 1, 0, "0"},
        {synInetAddress, vfIndex, 1, 0, "4.192.0.2.1"},
        {synInetAddress, vfIndex, 1, 0, "8.192.0.2.1.0.0.0.7"},
        {synInetAddress, vfIndex, 2, 0, "16." + kIpv6Dotted + ".9"},
        {synInetAddress, vfIndex, 1, 0, "20." + kIpv6Dotted + ".0.0.0.5"},
        {synInetAddress, vfIndex, 1, 0, "20." + kIpv6Dotted + ".255.255.255.255"},
        {synInetAddress, vfIndex, 1, 0, "3.119.119.119"},  // a dns name
        {synInetAddress, 0x41, 1, 0, "192.0.2.1"},
        {synInetAddress, 0x41, 1, 0, kIpv6Dotted + ".0.0.0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("syntax " + std::to_string(c.syntax) + " instance " + c.instance);
        NmSNMPVarList list = indexList(c.syntax, c.flags, c.columns, c.position);
        try {
            DecodeRow(list, c.instance);
            const std::string shown = list.Item(c.position).Value;
            EXPECT_EQ(EncodeRow(list), c.instance) << "shown as " << shown;
        } catch (const NmSNMPException& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

struct EncodeCase {
    std::uint32_t syntax;
    std::uint32_t flags;
    std::string value;
    std::string encoded;
};

TEST(Conversion, EncodeIndexPerSyntax) {
    const EncodeCase cases[] = {
        {synInteger, vfIndex, "-1", "4294967295"},
        {synGauge32, vfIndex, "5", "5"},
        {synBoolean, vfIndex, "true", "1"},
        {synBoolean, vfIndex, "false", "0"},
        {synNull, vfIndex, "(NULL)", ""},
        {synOctets, vfIndex, "0102", "2.1.2"},
        {synOctets, 0x41, "0102", "1.2"},
        {synDisplayString, vfIndex, "test", "4.116.101.115.116"},
        {synDisplayString, 0x41, "test", "116.101.115.116"},
        {synDisplayString, vfIndex, "", "0"},
        {synOid, vfIndex, "1.3.6", "3.1.3.6"},
        {synOid, 0x41, "1.3.6", "1.3.6"},
        {synIpAddress, vfIndex, "10.0.0.1", "10.0.0.1"},
        {synTimeTicks, vfIndex, "0:02:03.45", "12345"},
        {synCounter64, vfIndex, "4294967298", "1.2"},
        {synDouble, vfIndex, "1.5", "0.1073217536"},
        {synDateTimeValue, vfIndex, "2009/06/15 12:00:00", "0.1088652656"},
        {synMacAddress, vfIndex, "001A2B3C4D5E", "0.26.43.60.77.94"},
        {synMacAddress, vfIndex, "00:1A:2B:3C:4D:5E", "0.26.43.60.77.94"},
        {synIpv6Address, vfIndex, kIpv6Hex, kIpv6Dotted},
        {synDateAndTime, vfIndex, "2009-6-15,13:30:15.0,+8:0", "7.217.6.15.13.30.15.0.43.8.0"},
        {synInetAddress, vfIndex, "10.0.0.1", "4.10.0.0.1"},
        {synInetAddress, vfIndex, kIpv6Hex, "16." + kIpv6Dotted},
        {synInetAddress, 0x41, kIpv6Hex, kIpv6Dotted},
        {synInetAddress, vfIndex, kIpv6Hex + "%5", "20." + kIpv6Dotted + ".0.0.0.5"},
        {synInetAddress, vfIndex, "", "0"},
        {synInetAddress, 0x41, "10.0.0.1", "10.0.0.1"},
        {synInetAddress, vfIndex, "0A00000100000005", "8.10.0.0.1.0.0.0.5"},
        {synDouble, vfIndex, "0.1", "2576980378.1069128089"},
    };
    for (const EncodeCase& c : cases) {
        NmSNMPVarList list = indexList(c.syntax, c.flags, 1, 0);
        list.Item(0).Value = c.value;
        EXPECT_EQ(EncodeIndex(list, 0), c.encoded) << "syntax " << c.syntax << " " << c.value;
    }
    const EncodeCase failures[] = {
        {synIpAddress, vfIndex, "10.0.0", "-19"},
        {synIpAddress, vfIndex, "", "-19"},
        {synInetAddress, vfIndex, "bad", "-19"},
        {synInetAddress, vfIndex, "300.1.1.1", "-19"},
        {synInetAddress, vfIndex, kIpv6Hex + "%x", "-19"},
        {synInteger, vfIndex, "", "-3"},
        {synGauge32, vfIndex, "7a", "-8"},
        {synBoolean, vfIndex, "yes", "-518"},
        {synOctets, vfIndex, "00:1A::2B", "-518"},
        {synOid, vfIndex, "1..3", "-518"},
        {synMacAddress, vfIndex, "0102", "-23"},
        {synMacAddress, vfIndex, "001A2B3C4D5E6F", "-23"},
        {synIpv6Address, vfIndex, "0102", "-21"},
        {synGauge32, vfIndex, "-1", "-8"},
        {synInteger, vfIndex, "2147483648", "-8"},
        {0x07, vfIndex, "1", "-511"},
    };
    for (const EncodeCase& c : failures) {
        NmSNMPVarList list = indexList(c.syntax, c.flags, 1, 0);
        list.Item(0).Value = c.value;
        expectError([&] { EncodeIndex(list, 0); }, std::stoi(c.encoded));
    }
}

TEST(Conversion, RowOfIpAddressAndIntegerRoundTrips) {
    const OptionEntry types[] = {{5, "five"}, {0, nullptr}};
    const NmOptionList typeList(types);
    const SNMPVarDescriptor table[] = {
        {"1.3.6.1.2.1.4.20.1.1", "Address", synIpAddress, vfRead},
        {"1.3.6.1.2.1.4.20.1.9", "Type", synInteger, vfIndex, &typeList},
        {"1.3.6.1.2.1.4.20.1.2", "Value", synInteger, vfRead},
        {nullptr}};
    NmSNMPVarList list(table, vlTable, 2);
    list.InstanceSuffix = "";
    DecodeRow(list, "10.0.0.1.5");
    EXPECT_EQ(list.Item(0).Value, "10.0.0.1");
    EXPECT_EQ(list.Item(1).Value, "five");
    EXPECT_EQ(list.Item(0).Cursor, "");  // fetched columns keep their own cursor
    EXPECT_EQ(list.Item(1).Cursor, "1.3.6.1.2.1.4.20.1.9.10.0.0.1.5");
    EXPECT_EQ(EncodeRow(list), "10.0.0.1.5");
    expectError([&] { DecodeRow(list, "10.0.0.1"); }, -514);
}

struct ImageCase {
    std::uint32_t syntax;
    std::string text;
    std::string image;  // hexadecimal
    std::string back;
};

TEST(Conversion, OctetImagesBothWays) {
    const ImageCase cases[] = {
        {synBoolean, "true", "01000000", "true"},
        {synInteger, "-2", "FEFFFFFF", "-2"},
        {synGauge32, "4294967295", "FFFFFFFF", "4294967295"},
        {synOctets, "1A2B", "1A2B", "1A2B"},
        {synPortList, "E080", "E080", "E080"},
        {synInteger, "(NULL)", "", "(NULL)"},
        {synNull, "x", "", "(NULL)"},
        {synOid, "1.3", "0100000003000000", "1.3"},
        {synIpAddress, "10.0.0.1", "0A000001", "10.0.0.1"},
        {synTimeTicks, "0:02:03.45", "39300000", "0:02:03.45"},
        {synCounter64, "4294967298", "0200000001000000", "4294967298"},
        {synDouble, "1.5", "000000000000F83F", "1.5"},
        {synMacAddress, "001A2B3C4D5E", "001A2B3C4D5E", "001A2B3C4D5E"},
        {synDateAndTime, "2009-6-15,13:30:15.0", "07D9060F0D1E0F002B0000", "2009-6-15,13:30:15.0"},
        {synDateTimeValue, "2009/06/15 12:00:00", "000000007085E340", "2009/06/15 12:00:00"},
        {synDisplayString, "abc", "616263", "abc"},
        {synDisplayString, "", "", ""},
        {synIpv6Address, kIpv6Hex, kIpv6Hex, kIpv6Hex},
        {synInetAddress, "10.0.0.1", "0A000001", "10.0.0.1"},
        {synInetAddress, kIpv6Hex, kIpv6Hex, kIpv6Hex},
        {synPartBool8, "true", "01", "true"},
        {synPartInt8, "-1", "FF", "-1"},
        {synPartUInt8, "255", "FF", "255"},
        {synPartBool16, "true", "0001", "true"},
        {synPartUInt16, "258", "0102", "258"},
        {synPartUInt16b, "65535", "FFFF", "65535"},
    };
    for (const ImageCase& c : cases) {
        EXPECT_EQ(OctetsToHex(TextToOctets(c.text, c.syntax)), c.image)
            << "syntax " << c.syntax << " " << c.text;
        EXPECT_EQ(OctetsToText(bytes(c.image), c.syntax), c.back) << "syntax " << c.syntax;
    }
}

TEST(Conversion, OctetImageFailures) {
    const struct {
        std::uint32_t syntax;
        const char* image;
    } shortImages[] = {{synInteger, "0102"},
                       {synMacAddress, "0102030405"},
                       {synDateAndTime, "07D9060F0D1E0F002B08"},
                       {synIpv6Address, "000102030405060708090A0B0C0D0E"},
                       {synInetAddress, "0A0000"},
                       {synPartUInt16, "01"},
                       {synCounter64, "01020304"}};
    for (const auto& c : shortImages)
        expectError([&] { OctetsToText(bytes(c.image), c.syntax); }, -518,
                    "Bad value of the associated SNMP variable's (partial) data!");
    expectError([] { TextToOctets("256", synPartUInt8); }, -8);
    expectError([] { TextToOctets("1", 0x50); }, -511);
    expectError([] { OctetsToText("1", 0xC7); }, -511);
}

TEST(Conversion, ExtractPartSizes) {
    const std::string image = bytes("0102030405060708");
    EXPECT_EQ(OctetsToHex(ExtractPart(image, 2, synPartUInt16)), "0304");
    EXPECT_EQ(OctetsToHex(ExtractPart(image, 7, synPartUInt8)), "08");
    EXPECT_EQ(OctetsToHex(ExtractPart(image, 4, synInteger)), "05060708");
    EXPECT_EQ(OctetsToHex(ExtractPart(image, 3, synOctets)), "0405060708");
    EXPECT_EQ(OctetsToHex(ExtractPart(image, 8, synDisplayString)), "");
    EXPECT_EQ(OctetsToHex(ExtractPart(image, 0, synInetAddress)), "01020304");
    EXPECT_EQ(ExtractPart(bytes(kIpv6Hex), 0, synInetAddress).size(), 16u);
    EXPECT_EQ(ExtractPart(image, 5, synNull), "");
    EXPECT_EQ(ExtractPart("", 3, synInteger), "");
    const struct {
        std::size_t offset;
        std::uint32_t syntax;
    } outside[] = {{7, synPartUInt16}, {1, synCounter64}, {9, synOctets}, {0, synDateAndTime}};
    for (const auto& c : outside)
        expectError([&] { ExtractPart(image, c.offset, c.syntax); }, -519,
                    "Out of range for the bit(byte) index of the associated SNMP variable's "
                    "(partial) data!");
    expectError([&] { ExtractPart(image, 0, 0x07); }, -511);
}

TEST(Conversion, PortListToText) {
    const struct {
        const char* hex;
        const char* text;
    } cases[] = {{"E080", "1-3,9"},     {"0000", "0"}, {"FFFF", "1-16"}, {"8001", "1,16"},
                 {"C003", "1-2,15-16"}, {"A0", "1,3"}, {"", "0"},        {"7E", "2-7"}};
    for (const auto& c : cases)
        EXPECT_EQ(OctetsToPortList(c.hex, false), c.text) << c.hex;
    EXPECT_EQ(OctetsToPortList("E080", true), "1-3,9[E080]");
    EXPECT_EQ(PortListHex("1-3,9[E080]"), "E080");
    EXPECT_EQ(PortListHex("E080"), "E080");
    EXPECT_EQ(PortListHex("[AB"), "AB");
    EXPECT_EQ(PortListHex("x]y[C]"), "C");
}

TEST(Conversion, PortListFromText) {
    const struct {
        const char* text;
        const char* templateHex;
        const char* hex;  // nullptr: the conversion fails
    } cases[] = {
        {"all", "0000", "ffff"}, {"1-3,9", "0000", "e080"}, {"3-1", "0000", nullptr},
        {"17", "0000", nullptr}, {"16", "0000", "0001"},    {"0", "FFFF", "0000"},
        {"", "FFFF", "0000"},    {"2", "000", "400"},       {"x", "00", nullptr},
        {"1,,2", "00", nullptr}, {"1, 2", "00", "c0"},      {"1-8", "00", "ff"},
    };
    for (const auto& c : cases) {
        std::string out = "unchanged";
        const bool ok = PortListToOctets(c.text, c.templateHex, out);
        EXPECT_EQ(ok, c.hex != nullptr) << c.text;
        EXPECT_EQ(out, c.hex ? c.hex : "unchanged") << c.text;
    }
}

}  // namespace
