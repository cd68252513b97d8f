// The seven replaceable message tables, status translation, status lines and the
// exception that carries a message text and a program code.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "snmp_types.h"

using MessageTable = std::vector<std::string>;

// Process-wide tables; they hold the built-in texts until LoadLines replaces them.
extern MessageTable CommonTexts;      // code -k at position k
extern MessageTable SnmpTexts;        // code -(101 + k)
extern MessageTable SnmpV3Texts;      // code -(201 + k)
extern MessageTable UsmTexts;         // code -(301 + k)
extern MessageTable SnmpClassTexts;   // code -(401 + k)
extern MessageTable NmSnmpTexts;      // 0 at position 0, code -(500 + k) at k >= 1
extern MessageTable StatusTemplates;  // 0 after a read, 1 after a write

// The built-in copy of a table, for lookups past the end of a shorter loaded file.
const MessageTable& builtInTexts(const MessageTable& table);

// Text at a position; falls back to the built-in text when a loaded file was shorter.
std::string messageText(const MessageTable& table, std::size_t position);

// Replaces a table from a file: the n-th non-blank line becomes text n-1. A missing or
// blank file leaves the table as it is.
void LoadLines(MessageTable& table, const std::string& path);

// Loads the seven files from "errmsg/" below the given folder (the working directory when empty).
void LoadMessageFiles(const std::string& folder = {});

// Maps a session status or an agent error-status onto a program code and text.
void TranslateStatus(int status, int& code, std::string& text);

// Fills status template k (0 read, 1 write) with the list name, error text and local time.
std::string ComposeStatusLine(int k, const std::string& listName, const std::string& errorText);

// Replaces every occurrence, left to right, without rescanning inserted text.
std::string replaceAll(std::string text, const std::string& from, const std::string& to);

// An error that stops an operation: a message text and a program code.
class NmSNMPException : public std::runtime_error {
  public:
    NmSNMPException(const std::string& text, int code) : std::runtime_error(text), code_(code) {}
    int code() const { return code_; }
    std::string text() const { return what(); }

  private:
    int code_;
};

// The access layer's own codes, the texts of NmSnmpTexts. Those after -528 ("Unknown error
// code!") are the walk's: -529 an answer that does not increase ([ANSWER], [ASKED]), -530 an
// answer that does not fit its request, -531 the row bound of a walk ([COUNT]), -532 a request
// made inactive.
enum NmSnmpCode : int {
    nmOk = 0,
    nmVarFileRead = -501,
    nmVarFileFormat = -502,
    nmVarFileItemType = -503,
    nmVarFileSyntax = -504,
    nmVarFileAccess = -505,
    nmSessionNotCreated = -506,
    nmBootCounterLoad = -507,
    nmBootCounterSave = -508,
    nmBadAddress = -509,
    nmGetNextOnScalars = -510,
    nmBadSyntax = -511,
    nmNullInExpression = -512,
    nmBadExpressionSyntax = -513,
    nmBadKeyCount = -514,
    nmBadListKind = -515,
    nmBadBoundListKind = -516,
    nmBadPartSyntax = -517,
    nmBadPartValue = -518,
    nmBitIndexRange = -519,
    nmNoOptionList = -520,
    nmBadControlType = -521,
    nmTooFewControls = -522,
    nmNoStartTime = -523,
    nmShortChartHistory = -524,
    nmLogNotConnected = -525,
    nmLogFieldMissing = -526,
    nmBadChartSyntax = -527,
    nmUnknownCode = -528,
    nmWalkNotIncreasing = -529,
    nmAnswerMismatch = -530,
    nmWalkTooLong = -531,
    nmRequestInactive = -532,
};
inline constexpr int kLastNmSnmpCode = -nmRequestInactive;
inline constexpr int kWalkNotIncreasing = nmWalkNotIncreasing;
inline constexpr int kAnswerMismatch = nmAnswerMismatch;
inline constexpr int kWalkTooLong = nmWalkTooLong;
inline constexpr int kRequestInactive = nmRequestInactive;

// Status values of the session layer that TranslateStatus maps onto program codes: the
// session's own, the user-based security model's and SNMPv3 message processing's.
enum SessionStatus : int {
    ssFailed = -1,
    ssTimeout = -5,
    ssClosedWithRequests = -8,
    ssBadPdu = -11,
    ssBadAddress = -18,
    ssTransportFailed = -22,
};
enum UsmStatus : int {
    usmOk = 1400,
    usmError = 1401,
    usmConfigWriteError = 1402,
    usmUnsupportedSecurityLevel = 1403,
    usmUnknownSecurityName = 1404,
    usmEncryptionError = 1405,
    usmDecryptionError = 1406,
    usmAuthenticationError = 1407,
    usmAuthenticationFailure = 1408,
    usmParseError = 1409,
    usmUnknownEngineId = 1410,
    usmNotInTimeWindow = 1411,
    usmUnsupportedAuthProtocol = 1412,
    usmUnsupportedPrivProtocol = 1413,
    usmAddressError = 1414,
};
enum MpStatus : int {
    mpOk = -1401,
    mpUnsupportedSecurityModel = -1402,
    mpReportSent = -1418,
};

// Raises code c of NmSnmpTexts (NmSnmpCode).
[[noreturn]] void raiseNmSnmpError(int code);
// Raises code c of CommonTexts (-1 … -25), after applying placeholder substitutions.
[[noreturn]] void raiseCommonError(
    int code, const std::vector<std::pair<std::string, std::string>>& fills = {});
// The text of a CommonTexts or NmSnmpTexts code, without raising.
std::string commonText(int code);
std::string nmSnmpText(int code);
