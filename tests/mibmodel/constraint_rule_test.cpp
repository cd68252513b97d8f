// Edit-constraint grammar, typing filter, exit checks with their messages, address checks.
#include <gtest/gtest.h>

#include "edit_constraint_rule.h"
#include "messages.h"

namespace {

TEST(Constraint, ParsesTheFormatsOfTheWindows) {
    const struct {
        const char* piece;
        char type;
        double min, max;
        int maxLength;
        std::uint8_t flags, addrMode;
    } cases[] = {
        {"%i{n1x65535l5}", 'i', 1, 65535, 5, 0, amNone},
        {"%i{n6x40l2a}", 'i', 6, 40, 2, ecAutoAdvance, amNone},
        {"%i", 'i', -2147483648.0, 2147483647.0, 0, 0, amNone},
        {"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0, amNone},
        {"%u", 'u', 0, 4294967295.0, 0, 0, amNone},
        {"%s{l16}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 16, 0, amNone},
        {"%h{l4f}", 'h', 2.2250738585072014e-308, 1.7976931348623157e308, 4, ecFixedLength, amNone},
        {"%s{l5n}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 5, ecRequired, amNone},
        {"%n.{l4fn0x255}", 'n', 0, 255, 4, ecFixedLength, amNone},
        {"%s{l3afnZ}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 3,
         ecAutoAdvance | ecFixedLength | ecRequired, amNone},
        {"%s{I}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amIpv4},
        {"%s{Im}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amMulticastIpv4},
        {"%h{I6}", 'h', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amIpv6},
        {"%h{I6m}", 'h', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amMulticastIpv6},
        {"%s{Ia}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amInetAddress},
        {"%s{M}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amMac},
        {"%s{Mm}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amMulticastMac},
        {"%s{Mu}", 's', 2.2250738585072014e-308, 1.7976931348623157e308, 0, 0, amUnicastMac},
        {"%f{n-1.5x2.5}", 'f', -1.5, 2.5, 0, 0, amNone},
        {"%i{n148810x100000000l9}", 'i', 148810, 100000000, 9, 0, amNone},
    };
    for (const auto& c : cases) {
        const EditConstraintRule r = ParseConstraintPiece(c.piece);
        EXPECT_EQ(r.Type, c.type) << c.piece;
        EXPECT_EQ(r.Min, c.min) << c.piece;
        EXPECT_EQ(r.Max, c.max) << c.piece;
        EXPECT_EQ(r.MaxLength, c.maxLength) << c.piece;
        EXPECT_EQ(r.Flags, c.flags) << c.piece;
        EXPECT_EQ(r.AddrMode, c.addrMode) << c.piece;
    }
    const EditConstraintRule r = ParseConstraintPiece("%n,{w120e;l3}");
    EXPECT_EQ(r.Delimiter, ',');
    EXPECT_EQ(r.Width, 120);
    EXPECT_EQ(r.EndChar, ';');
    EXPECT_EQ(r.MaxLength, 3);
}

TEST(Constraint, MalformedFormatsRaiseTheFormatError) {
    for (const char* piece :
         {"%i{n1x10l2", "%q", "", "%", "i{n1}", "%n", "%i{n}", "%i{x}", "%i{l}", "%i{w}", "%i{e}",
          "%i{k}", "%ix", "%i}{", "%i{n1.2.3}", "%s{l5 }", "%i{1}", "%s{l99999999999}"}) {
        try {
            ParseConstraintPiece(piece);
            ADD_FAILURE() << "accepted " << piece;
        } catch (const NmSNMPException& e) {
            EXPECT_EQ(e.code(), -2) << piece;
            EXPECT_EQ(e.text(), " Bad format specifier of edit's constraint!");
        }
    }
}

TEST(Constraint, SplitsFormatsIntoPieces) {
    EXPECT_EQ(SplitConstraintFormat("%i{n0x255l3}%i{n0x255l3}%s"),
              (std::vector<std::string>{"%i{n0x255l3}", "%i{n0x255l3}", "%s"}));
    // Text between conversions stays with the piece before it.
    EXPECT_EQ(SplitConstraintFormat("%i-%i"), (std::vector<std::string>{"%i-", "%i"}));
    EXPECT_TRUE(SplitConstraintFormat("").empty());
    EXPECT_EQ(CountConstraintConversions("%i{n0x255l3}%i%s%q%"), 3);
}

struct TypingCase {
    const char* piece;
    const char* text;
    TypingOutcome::Kind kind;
    const char* corrected;
};

TEST(Constraint, TypingFilterRemovesTheFirstDisallowedCharacter) {
    const TypingCase cases[] = {
        {"%i{n1x65535l5}", "12a4", TypingOutcome::CharRemoved, "124"},
        {"%i", "-12", TypingOutcome::Unchanged, ""},
        {"%i", "1-2", TypingOutcome::CharRemoved, "12"},
        {"%u", "-1", TypingOutcome::CharRemoved, "1"},
        {"%f", "-1.5", TypingOutcome::Unchanged, ""},
        {"%f", "1.5.2", TypingOutcome::CharRemoved, "1.52"},
        {"%h{l4f}", "ABG", TypingOutcome::CharRemoved, "AB"},
        {"%h", "09afAF", TypingOutcome::Unchanged, ""},
        {"%n.{l4}", "10.1.2", TypingOutcome::Unchanged, ""},
        {"%n.{l4}", ".1", TypingOutcome::CharRemoved, "1"},
        {"%n.{l4}", "1..2", TypingOutcome::CharRemoved, "1.2"},
        {"%n,", "1,x", TypingOutcome::CharRemoved, "1,"},
        {"%s", "any text!", TypingOutcome::Unchanged, ""},
        {"%i", "1\xc3\xa9", TypingOutcome::CharRemoved, "1"},  // the whole UTF-8 character
        {"%i", "(NULL)", TypingOutcome::Unchanged, ""},
        {"%i", "(NOTDONE)", TypingOutcome::Unchanged, ""},
        {"%i", "", TypingOutcome::Unchanged, ""},
        {"%i{e;}", "12;3", TypingOutcome::EndCharTyped, "123"},
        {"%s{e.}", "a.b.", TypingOutcome::EndCharTyped, "ab."},
    };
    for (const TypingCase& c : cases) {
        const TypingOutcome out = FilterTyping(ParseConstraintPiece(c.piece), c.text);
        EXPECT_EQ(out.kind, c.kind) << c.piece << " " << c.text;
        if (c.kind != TypingOutcome::Unchanged) {
            EXPECT_EQ(out.text, c.corrected) << c.text;
        }
    }
}

TEST(Constraint, AutoAdvanceAtMaximumLength) {
    const EditConstraintRule advance = ParseConstraintPiece("%i{n6x40l2a}");
    EXPECT_FALSE(ShouldAutoAdvance(advance, "1"));
    EXPECT_TRUE(ShouldAutoAdvance(advance, "12"));
    EXPECT_FALSE(ShouldAutoAdvance(ParseConstraintPiece("%i{n6x40l2}"), "12"));
}

struct ExitCase {
    const char* piece;
    const char* text;
    ExitOutcome::Verdict verdict;
    const char* message;  // the last message of a rejection
};

TEST(Constraint, ExitChecksPassAndFailWithTheirMessages) {
    const ExitCase cases[] = {
        {"%i{n1x65535l5}", "0", ExitOutcome::Reject, " Please enter a number between 1 and 65535!"},
        {"%i{n1x65535l5}", "65535", ExitOutcome::Accept, ""},
        {"%i{n1x65535l5}", "-", ExitOutcome::Reject, " Please enter a number between 1 and 65535!"},
        {"%i", "2147483648", ExitOutcome::Reject,
         " Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967295", ExitOutcome::Accept, ""},
        {"%f", "nan", ExitOutcome::Reject,
         " Please enter a number between 2.2250738585072e-308 and 1.79769313486232e+308!"},
        {"%f{n-1.5x2.5}", "2.6", ExitOutcome::Reject,
         " Please enter a number between -1.5 and 2.5!"},
        {"%s{l16}", "12345678901234567", ExitOutcome::Reject,
         " Please enter a string whose length is less than 16!"},
        {"%s{l16}", "1234567890123456", ExitOutcome::Accept, ""},
        {"%s{l3f}", "ab", ExitOutcome::Reject, " Please enter a string whose length is 3!"},
        {"%h{l4f}", "ABC", ExitOutcome::Reject, " Please enter a hex string whose length is 4!"},
        {"%h{l4f}", "ABCD", ExitOutcome::Accept, ""},
        {"%h{l4}", "ABCDE", ExitOutcome::Reject,
         " Please enter a hex string whose length is less than 4!"},
        {"%s{l2}", "\xc3\xa9\xc3\xa9", ExitOutcome::Accept, ""},  // characters, not bytes
        {"%n.{l4fn0x255}", "10.1.2.3", ExitOutcome::Accept, ""},
        {"%n.{l4fn0x255}", "10.1.2", ExitOutcome::Reject,
         " Please enter a delimited number string with delimiter '.'.\nHere,the count of the "
         "number is equal to 4!"},
        {"%n.{l4fn0x255}", "10.1.2.300", ExitOutcome::Reject,
         " Please enter a delimited number string with delimiter '.'.\nHere,each number is "
         "between 0 and 255!"},
        {"%n,{l2}", "1,2,3", ExitOutcome::Reject,
         " Please enter a delimited number string with delimiter ','.\nHere,the count of the "
         "number is less than 2!"},
        {"%n,", "4294967295,0", ExitOutcome::Accept, ""},
        {"%s{l5n}", "", ExitOutcome::Reject, " Empty value is not allowed!"},
        {"%s{l5}", "", ExitOutcome::Skip, ""},
        {"%i{n1x10}", "(NULL)", ExitOutcome::Skip, ""},
        {"%i{n1x10}", "(NOTDONE)", ExitOutcome::Skip, ""},
        {"%s{I}", "192.168.1.300", ExitOutcome::Reject, "Please input a valid IP."},
        {"%s{I}", "10.0.0.1", ExitOutcome::Accept, ""},
        {"%s{I}", "1.2.3", ExitOutcome::Reject, "Please input a valid IP."},
        {"%s{Im}", "239.1.1.1", ExitOutcome::Accept, ""},
        {"%s{Im}", "10.1.1.1", ExitOutcome::Reject, " Please enter a valid multicast IP address!"},
        {"%h{I6}", "FE800000000000000000000000000001", ExitOutcome::Accept, ""},
        {"%h{I6}", "FE80::1", ExitOutcome::Reject, " Please enter a valid IPV6 address!"},
        {"%h{I6m}", "ff020000000000000000000000000001", ExitOutcome::Accept, ""},
        {"%h{I6m}", "FE800000000000000000000000000001", ExitOutcome::Reject,
         " Please enter a valid multicast IPV6 address!"},
        // An InetAddress: IPv4, IPv6 as hexadecimal (octets may be separated), zoned IPv6.
        {"%s{Ia}", "192.0.2.1", ExitOutcome::Accept, ""},
        {"%s{Ia}", "FE800000000000000000000000000001", ExitOutcome::Accept, ""},
        {"%s{Ia}", "FE80:0000:0000:0000:0000:0000:0000:0001", ExitOutcome::Accept, ""},
        {"%s{Ia}", "FE800000000000000000000000000001%5", ExitOutcome::Accept, ""},
        {"%s{Ia}", "", ExitOutcome::Skip, ""},
        {"%s{Ia}", "300.1.1.1", ExitOutcome::Reject, " Please enter a valid IP address!"},
        {"%s{Ia}", "1.2.3.4.5", ExitOutcome::Reject, " Please enter a valid IP address!"},
        {"%s{Ia}", "-1.0.0.1", ExitOutcome::Reject, " Please enter a valid IP address!"},
        {"%s{Ia}", "abc", ExitOutcome::Reject, " Please enter a valid IP address!"},
        {"%s{Ia}", "FE80::1", ExitOutcome::Reject, " Please enter a valid IP address!"},
        {"%s{M}", "00-1A-2B-3C-4D-5E", ExitOutcome::Accept, ""},
        {"%s{M}", "001A2B3C4D5", ExitOutcome::Reject, " Please enter a valid MAC address!"},
        {"%s{Mm}", "01005E000001", ExitOutcome::Accept, ""},
        {"%s{Mm}", "001A2B3C4D5E", ExitOutcome::Reject,
         " Please enter a valid multicast MAC address!"},
        {"%s{Mm}", "junk", ExitOutcome::Reject, " Please enter a valid multicast MAC address!"},
        {"%s{Mu}", "001A2B3C4D5E", ExitOutcome::Accept, ""},
        {"%s{Mu}", "000000000000", ExitOutcome::Reject,
         " Please enter a valid unicast MAC address!"},
        {"%s{Mu}", "01005E000001", ExitOutcome::Reject,
         " Please enter a valid unicast MAC address!"},
    };
    for (const ExitCase& c : cases) {
        const ExitOutcome out = CheckExit(ParseConstraintPiece(c.piece), c.text);
        EXPECT_EQ(out.verdict, c.verdict) << c.piece << " " << c.text;
        if (c.verdict == ExitOutcome::Reject) {
            ASSERT_FALSE(out.messages.empty()) << c.piece << " " << c.text;
            EXPECT_EQ(out.messages.back().text, c.message) << c.piece << " " << c.text;
        } else {
            EXPECT_TRUE(out.messages.empty()) << c.piece << " " << c.text;
        }
    }
}

TEST(Constraint, AddressChecksOwnMessagesUseThePlainDialog) {
    const ExitOutcome ipv4 = CheckExit(ParseConstraintPiece("%s{I}"), "1.2.3");
    ASSERT_EQ(ipv4.messages.size(), 1u);
    EXPECT_TRUE(ipv4.messages[0].plain);
    const ExitOutcome ipv6 = CheckExit(ParseConstraintPiece("%h{I6}"), "12");
    ASSERT_EQ(ipv6.messages.size(), 2u);
    EXPECT_EQ(ipv6.messages[0].text,
              "Please enter a valid IPv6 address whose length is 32 without ':'.");
    EXPECT_TRUE(ipv6.messages[0].plain);
    EXPECT_FALSE(ipv6.messages[1].plain);
    const ExitOutcome number = CheckExit(ParseConstraintPiece("%i{n1x2}"), "3");
    EXPECT_FALSE(number.messages.at(0).plain);
}

TEST(Constraint, AddressChecks) {
    const struct {
        bool (*check)(const std::string&);
        const char* text;
        bool valid;
    } cases[] = {
        {IsValidIpv4Text, "255.255.255.255", true},
        {IsValidIpv4Text, "1.2.3.4.5", false},
        {IsValidIpv4Text, "1..3.4", false},
        {IsValidIpv4Text, "a.2.3.4", false},
        {IsValidIpv4Text, "1.2.3.", false},
        {IsValidIpv4Text, "-1.2.3.4", false},
        {IsMulticastIpv4Text, "224.0.0.1", true},
        {IsMulticastIpv4Text, "240.0.0.1", false},
        {IsValidIpv6Text, "0123456789abcdefABCDEF0123456789", true},
        {IsValidIpv6Text, "0123456789abcdefABCDEF012345678g", false},
        {IsValidMacText, "001A2B3C4D5E", true},
        {IsValidMacText, "00.1A.2B.3C.4D.5E", true},
        {IsValidMacText, "00-1A-2B-3C-4D", false},
        {IsValidMacText, "00-1A-2B-3C-4D-5", false},
        {IsValidMacText, "00-1A-2B-3C-4D-5E-6F", false},
        {IsValidMacText, "001A2B3C4D5G", false},
        {IsMulticastMacText, "FFFFFFFFFFFF", false},
        {IsMulticastMacText, "010000000000", false},  // ten zeros after the first octet
        {IsMulticastMacText, "01-80-C2-00-00-00", true},
        {IsUnicastMacText, "02-00-00-00-00-01", true},
        {IsUnicastMacText, "FFFFFFFFFFFF", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.check(c.text), c.valid) << c.text;
}

}  // namespace
