// Codecs as tables: a value shown in several fields and the fields read back, per part
// syntax, and bits shown in check boxes; no widgets.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "messages.h"
#include "nm_date_time.h"
#include "nm_snmp_var_list.h"
#include "part_codecs.h"
#include "value_conversion.h"

namespace {

using Fields = std::vector<std::string>;

std::string octets(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

// Arcs as the model keeps an OID's octet image: 32 bits each, least significant octet first.
std::string arcs(std::initializer_list<std::uint32_t> values) {
    std::string s;
    for (std::uint32_t v : values)
        for (int k = 0; k < 4; ++k)
            s += static_cast<char>((v >> (8 * k)) & 0xff);
    return s;
}

std::string days(double d) {
    std::string s(sizeof d, '\0');
    std::memcpy(s.data(), &d, sizeof d);
    return s;
}

std::string dateAndTime() {
    NmDateTime dt;
    dt.Year = 2024;
    dt.Month = 2;
    dt.Day = 29;
    dt.Hour = 13;
    dt.Minutes = 5;
    dt.Seconds = 7;
    dt.DeciSeconds = 3;
    dt.Direction = '-';
    dt.UtcHours = 5;
    dt.UtcMinutes = 30;
    return dt.ToOctets();
}

// The code a call raised, or none.
template <class F>
std::optional<int> raised(F f) {
    try {
        f();
    } catch (const NmSNMPException& e) {
        return e.code();
    }
    return std::nullopt;
}

TEST(PartCodec, ShowsAValueInItsFields) {
    const struct {
        const char* name;
        std::uint32_t syntax;
        std::string text;
        std::string image;
        std::size_t fields;
        Fields shown;  // empty when the fields are too few
    } cases[] = {
        {"octets", synOctets, "", octets({0x00, 0x40}), 3, {"00", "40", ""}},
        {"octets, too few fields", synOctets, "", octets({1, 2, 3, 4}), 3, {}},
        {"MAC",
         synMacAddress,
         "",
         octets({0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}),
         6,
         {"00", "1A", "2B", "3C", "4D", "5E"}},
        {"MAC in five fields", synMacAddress, "", octets({0, 1, 2, 3, 4, 5}), 5, {}},
        {"IPv6",
         synIpv6Address,
         "",
         std::string(15, '\0') + '\x01',
         16,
         {"00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00",
          "01"}},
        {"OID", synOid, "", arcs({1, 3, 6, 70000}), 6, {"1", "3", "6", "70000", "", ""}},
        {"OID longer than its fields", synOid, "", arcs({1, 3, 6}), 2, {}},
        {"IP address", synIpAddress, "", octets({10, 1, 2, 3}), 4, {"10", "1", "2", "3"}},
        {"IP address, three fields", synIpAddress2, "", octets({10, 1, 2, 3}), 3, {}},
        {"InetAddress in four fields",
         synInetAddress,
         "",
         octets({192, 0, 2, 1}),
         4,
         {"192", "0", "2", "1"}},
        {"InetAddress in sixteen fields",
         synInetAddress,
         "",
         octets({0xfe, 0x80}),
         16,
         {"FE", "80", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}},
        {"TimeTicks", synTimeTicks, TimeTicksToText(8640123), "", 5, {"1", "0", "0", "1", "23"}},
        {"TimeTicks, four fields", synTimeTicks, TimeTicksToText(1), "", 4, {}},
        {"DateAndTime",
         synDateAndTime,
         "",
         dateAndTime(),
         10,
         {"2024", "2", "29", "13", "5", "7", "3", "-", "5", "30"}},
        {"date-time value",
         synDateTimeValue,
         "",
         days(45000.5),
         7,
         {"2023", "3", "15", "12", "0", "0", "0"}},
        {"other syntax", synInteger, "7", "", 3, {"7"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PartCodec& codec = PartCodecFor(c.syntax, c.fields);
        if (c.shown.empty()) {
            EXPECT_EQ(raised([&] { codec.Show(c.text, c.image, c.fields); }), nmTooFewControls);
            continue;
        }
        EXPECT_EQ(codec.Show(c.text, c.image, c.fields), c.shown);
    }
}

TEST(PartCodec, ReadsTheTypedFieldsOrRefusesThem) {
    const struct {
        const char* name;
        std::uint32_t syntax;
        Fields typed;
        std::string text;  // the value read; empty when refused
        int code = 0;      // the code of the refusal
    } cases[] = {
        {"octets, short fields padded", synOctets, {"0", "a", "", "FF"}, "000a00FF"},
        {"octets, three digits", synOctets, {"123"}, "", nmBadPartValue},
        {"octets, not hexadecimal", synBits, {"zz"}, "", nmBadPartValue},
        {"MAC", synMacAddress, {"00", "1a", "2b", "3c", "4d", "5e"}, "001a2b3c4d5e"},
        {"MAC, five fields", synMacAddress, {"00", "1a", "2b", "3c", "4d"}, "", nmTooFewControls},
        {"OID", synOid, {"1", "3", "6", "1"}, "1.3.6.1"},
        {"IP address", synIpAddress, {"10", "1", "2", "3"}, "10.1.2.3"},
        {"IP address, three fields", synIpAddress, {"10", "1", "2"}, "", nmTooFewControls},
        {"InetAddress in four fields", synInetAddress, {"192", "0", "2", "1"}, "192.0.2.1"},
        {"InetAddress in sixteen fields",
         synInetAddress,
         {"fe", "80", "", "", "", "", "", "", "", "", "", "", "", "", "", "1"},
         "fe80" + std::string(26, '0') + "01"},
        {"TimeTicks", synTimeTicks, {"1", "0", "0", " 1 ", "23"}, TimeTicksToText(8640123)},
        {"TimeTicks, hours out of range", synTimeTicks, {"0", "24", "0", "0", "0"}, "", -8},
        {"TimeTicks past 32 bits", synTimeTicks, {"497", "23", "59", "59", "99"}, "", -8},
        {"TimeTicks, empty field", synTimeTicks, {"1", "", "0", "0", "0"}, "", -3},
        {"DateAndTime",
         synDateAndTime,
         {"2024", "2", "29", "13", "5", "7", "3", "-", "5", "30"},
         NmDateTime::FromOctets(dateAndTime()).ToText()},
        {"DateAndTime, no direction",
         synDateAndTime,
         {"2024", "2", "29", "13", "5", "7", "3", "x", "5", "30"},
         "",
         nmBadPartValue},
        {"date-time value",
         synDateTimeValue,
         {"2024", "1", "2", "3", "4", "5", "600"},
         "2024/01/02 03:04:05"},
        {"other syntax", synInteger, {"7", "8"}, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PartCodec& codec = PartCodecFor(c.syntax, c.typed.size());
        if (c.code) {
            EXPECT_EQ(raised([&] { codec.Read(c.typed); }), c.code);
            continue;
        }
        EXPECT_EQ(codec.Read(c.typed), c.text);
    }
}

// A value shown and read back is the same value.
TEST(PartCodec, ShowThenReadGivesTheValueBack) {
    const struct {
        std::uint32_t syntax;
        std::string text;
        std::size_t fields;
    } cases[] = {
        {synMacAddress, "001A2B3C4D5E", 6},
        {synIpAddress, "10.1.2.3", 4},
        {synOid, "1.3.6.1.4.1.32473", 7},
        {synTimeTicks, TimeTicksToText(4294967295u), 5},
        {synDateAndTime, NmDateTime::FromOctets(dateAndTime()).ToText(), 10},
        {synOctets, "00FF7E", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const PartCodec& codec = PartCodecFor(c.syntax, c.fields);
        const std::string image = TextToOctets(c.text, c.syntax);
        EXPECT_EQ(codec.Read(codec.Show(c.text, image, c.fields)), c.text);
    }
}

// Only the empty-string syntaxes show "(NULL)" as empty fields.
TEST(PartCodec, NullLeavesTheFieldsOfValuesWithoutOctets) {
    for (std::uint32_t s : {synBits, synOctets, synOid, synOpaque})
        EXPECT_FALSE(PartCodecFor(s, 4).KeepsOnNull()) << s;
    for (std::uint32_t s :
         {synIpAddress, synMacAddress, synTimeTicks, synDateAndTime, synInetAddress, synInteger})
        EXPECT_TRUE(PartCodecFor(s, 16).KeepsOnNull()) << s;
}

TEST(PartCodec, BitsInCheckBoxes) {
    EXPECT_EQ(BitsShown(octets({0x80, 0x01}), {0, 15, 7}), std::vector<bool>({true, true, false}));
    EXPECT_EQ(raised([] { BitsShown(octets({0x80}), {8}); }), nmBitIndexRange);
    EXPECT_EQ(raised([] { BitsShown(octets({0x80}), {-1}); }), nmBitIndexRange);
    EXPECT_EQ(BitsRead({0, 9, 2}, {true, true, false}), octets({0x80, 0x40}));
    EXPECT_EQ(BitsRead({3}, {false}), octets({0x00}));
    EXPECT_EQ(raised([] { BitsRead({-1}, {true}); }), nmBitIndexRange);
}

}  // namespace
