// Built-in message texts, message-file loading, status translation and status lines.
#include "messages.h"

#include <cstdio>
#include <ctime>
#include <map>

namespace {

const MessageTable kCommon = {
    " Ok!",
    " Bad logic operand!",
    " Bad format specifier of edit's constraint!",
    " Empty value is not allowed!",
    " Please enter a string whose length is less than [MAXLEN]!",
    " Please enter a string whose length is [LEN]!",
    " Please enter a hex string whose length is less than [MAXLEN]!",
    " Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number is less than [MAXCOUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number is equal to [COUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is "
    "between [MIN] and [MAX]!",
    " Out of range at index of array or list!",
    " Destination buffer is undersize!",
    " The source to dncrypt is not encrypted!",
    " Fail to read data from file([FILENAME])!",
    " Fail to write data to file([FILENAME])!",
    " Fail to write value in ini file([FILENAME])!",
    " Fail to read option data from file([FILENAME])!",
    " Please enter a valid IP address!",
    " Please enter a valid multicast IP address!",
    " Please enter a valid IPV6 address!",
    " Please enter a valid multicast IPV6 address!",
    " Please enter a valid MAC address!",
    " Please enter a valid multicast MAC address!",
    " Please enter a valid unicast MAC address!",
};

const MessageTable kSnmp = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const MessageTable kSnmpV3 = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const MessageTable kUsm = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const MessageTable kSnmpClass = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const MessageTable kNmSnmp = {
    "Ok.",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global NmSNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Null value in the expression!",
    "Bad SNMP syntax in the expression!",
    "Bad key count of SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional "
    "visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the time whose data source is the SNMP variable's (partial) data "
    "with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
    "Walk stopped: the agent's answer [ANSWER] does not come after [ASKED]!",
    "The agent's answer does not match the request!",
    "Walk stopped after [COUNT] rows!",
    "Stop, SNMP Request is not active.",
};

const MessageTable kStatus = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

bool isBlank(const std::string& line) {
    for (unsigned char c : line)
        if (c > ' ')
            return false;
    return true;
}

// Reads the file as the fixed 1024-byte line buffer would: longer lines come as pieces.
bool readPieces(const std::string& path, std::vector<std::string>& pieces) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (!f)
        return false;
    char buf[1024];
    while (std::fgets(buf, sizeof buf, f))
        pieces.emplace_back(buf);
    std::fclose(f);
    return true;
}

}  // namespace

MessageTable CommonTexts = kCommon;
MessageTable SnmpTexts = kSnmp;
MessageTable SnmpV3Texts = kSnmpV3;
MessageTable UsmTexts = kUsm;
MessageTable SnmpClassTexts = kSnmpClass;
MessageTable NmSnmpTexts = kNmSnmp;
MessageTable StatusTemplates = kStatus;

const MessageTable& builtInTexts(const MessageTable& table) {
    if (&table == &CommonTexts)
        return kCommon;
    if (&table == &SnmpTexts)
        return kSnmp;
    if (&table == &SnmpV3Texts)
        return kSnmpV3;
    if (&table == &UsmTexts)
        return kUsm;
    if (&table == &SnmpClassTexts)
        return kSnmpClass;
    if (&table == &NmSnmpTexts)
        return kNmSnmp;
    if (&table == &StatusTemplates)
        return kStatus;
    return table;
}

std::string messageText(const MessageTable& table, std::size_t position) {
    if (position < table.size())
        return table[position];
    const MessageTable& builtIn = builtInTexts(table);
    return position < builtIn.size() ? builtIn[position] : std::string();
}

void LoadLines(MessageTable& table, const std::string& path) {
    std::vector<std::string> pieces;
    if (!readPieces(path, pieces))
        return;
    MessageTable loaded;
    for (std::string& line : pieces) {
        if (isBlank(line))
            continue;
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        loaded.push_back(std::move(line));
    }
    if (loaded.empty())
        return;
    table = std::move(loaded);
}

void LoadMessageFiles(const std::string& folder) {
    const std::string base = folder.empty() ? std::string("errmsg/") : folder + "/errmsg/";
    LoadLines(CommonTexts, base + "common.err");
    LoadLines(SnmpTexts, base + "snmp.err");
    LoadLines(SnmpV3Texts, base + "snmpv3.err");
    LoadLines(UsmTexts, base + "snmpusm.err");
    LoadLines(SnmpClassTexts, base + "snmpclass.err");
    LoadLines(NmSnmpTexts, base + "nmsnmp.err");
    LoadLines(StatusTemplates, base + "snmp.msg");
}

void TranslateStatus(int status, int& code, std::string& text) {
    if (status == 0 || status == usmOk || status == mpOk) {
        code = nmOk;
        text = messageText(NmSnmpTexts, 0);
    } else if (status >= 1 && status <= 18) {
        code = -(100 + status);
        text = messageText(SnmpTexts, status - 1);
    } else if (status >= usmError && status <= usmAddressError) {
        code = 1100 - status;
        text = messageText(UsmTexts, status - usmError);
    } else if (status >= mpReportSent && status <= mpUnsupportedSecurityModel) {
        code = status + 1201;
        text = messageText(SnmpV3Texts, mpUnsupportedSecurityModel - status);
    } else if (status >= -23 && status <= ssFailed) {
        code = status - 400;
        text = messageText(SnmpClassTexts, -status - 1);
    } else {
        code = nmUnknownCode;
        text = nmSnmpText(nmUnknownCode);
    }
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty())
        return text;
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        std::size_t hit = text.find(from, pos);
        if (hit == std::string::npos)
            break;
        out.append(text, pos, hit - pos);
        out += to;
        pos = hit + from.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

std::string ComposeStatusLine(int k, const std::string& listName, const std::string& errorText) {
    std::string line = messageText(StatusTemplates, static_cast<std::size_t>(k));
    if (listName.empty()) {
        const std::size_t a = line.find("[ERROR]");
        const std::size_t v = line.find("[VARLIST]");
        if (a != std::string::npos && v != std::string::npos && v >= a) {
            const std::size_t from = a + 7;
            std::size_t to = v + 9 + 1;  // the one character after "[VARLIST]"
            if (to > line.size())
                to = line.size();
            line.erase(from, to - from);
        }
    } else {
        line = replaceAll(line, "[VARLIST]", listName);
    }
    line = replaceAll(line, "[ERROR]", errorText);
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char hms[16];
    std::snprintf(hms, sizeof hms, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return replaceAll(line, "[TIME]", hms);
}

std::string nmSnmpText(int code) {
    if (code == nmOk)
        return messageText(NmSnmpTexts, 0);
    if (code <= nmVarFileRead && code >= -kLastNmSnmpCode)
        return messageText(NmSnmpTexts, static_cast<std::size_t>(-(code + 500)));
    return messageText(NmSnmpTexts, static_cast<std::size_t>(-(nmUnknownCode + 500)));
}

std::string commonText(int code) {
    if (code <= 0 && code >= -25)
        return messageText(CommonTexts, -code);
    return nmSnmpText(nmUnknownCode);
}

void raiseNmSnmpError(int code) {
    throw NmSNMPException(nmSnmpText(code), code);
}

void raiseCommonError(int code, const std::vector<std::pair<std::string, std::string>>& fills) {
    std::string text = commonText(code);
    for (const auto& [from, to] : fills)
        text = replaceAll(text, from, to);
    throw NmSNMPException(text, code);
}
