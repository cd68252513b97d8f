// The rule logic of edit-field constraints: the format grammar, the typing filter, the exit
// check and the address checks, free of any widget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::uint8_t ecAutoAdvance = 0x01;
inline constexpr std::uint8_t ecFixedLength = 0x02;
inline constexpr std::uint8_t ecRequired = 0x04;

inline constexpr std::uint8_t amNone = 0;
inline constexpr std::uint8_t amIpv4 = 1;
inline constexpr std::uint8_t amMulticastIpv4 = 2;
inline constexpr std::uint8_t amIpv6 = 3;
inline constexpr std::uint8_t amMulticastIpv6 = 4;
inline constexpr std::uint8_t amMac = 5;
inline constexpr std::uint8_t amMulticastMac = 6;
inline constexpr std::uint8_t amUnicastMac = 7;
// "Ia": an InetAddress (IPv4, IPv6 as 32 hexadecimal digits, zoned IPv6 with "%" and a zone
// index); the empty text is the zero-length address.
inline constexpr std::uint8_t amInetAddress = 8;

// One parsed format piece such as "%i{n1x65535l5}".
struct EditConstraintRule {
    char Type = 's';       // s, h, i, u, f or n
    char Delimiter = '.';  // type n only
    double Min = 0;
    double Max = 0;
    int MaxLength = 0;  // characters, or the count of numbers for type n; 0 for none
    std::uint8_t AddrMode = amNone;
    std::uint8_t Flags = 0;
    char EndChar = 0;  // 0 for none
    int Width = 0;     // pixels; 0 leaves the width alone
};

// Raises " Bad format specifier of edit's constraint!" (code -2) on a malformed piece.
EditConstraintRule ParseConstraintPiece(const std::string& piece);
// One piece per edit: every "%" after the first character starts a new piece.
std::vector<std::string> SplitConstraintFormat(const std::string& format);
// The number of edits a format needs: each "%" followed by s, h, i, u, f or n.
int CountConstraintConversions(const std::string& format);

// Length in characters of UTF-8 text.
int TextLength(const std::string& text);

struct TypingOutcome {
    enum Kind { Unchanged, EndCharTyped, CharRemoved };
    Kind kind = Unchanged;
    std::string text;  // the corrected text for EndCharTyped and CharRemoved
};

// Checks a changed text; removes the end character, or the first character the type does
// not allow.
TypingOutcome FilterTyping(const EditConstraintRule& rule, const std::string& text);
bool ShouldAutoAdvance(const EditConstraintRule& rule, const std::string& text);

struct ConstraintMessage {
    std::string text;
    bool plain = false;  // the address check's own dialog rather than the owner's box
};

struct ExitOutcome {
    enum Verdict { Skip, Accept, Reject };
    Verdict verdict = Accept;
    std::vector<ConstraintMessage> messages;
};

// The check when the field is left. Skip: nothing more to do (placeholder texts, or an empty
// value that is not required); Accept: the value passes; Reject: show the messages.
ExitOutcome CheckExit(const EditConstraintRule& rule, const std::string& text);

// Address checks on the field's text.
bool IsValidIpv4Text(const std::string& text);
bool IsMulticastIpv4Text(const std::string& text);
bool IsValidIpv6Text(const std::string& text);
bool IsMulticastIpv6Text(const std::string& text);  // ff00::/8
bool IsValidMacText(const std::string& text);
bool IsMulticastMacText(const std::string& text);
bool IsUnicastMacText(const std::string& text);
