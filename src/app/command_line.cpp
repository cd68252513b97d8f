// Command-line parsing. Each argument is taken by the first switch, in a fixed order, whose two
// characters occur anywhere in it; the value is the rest of the argument.
#include "command_line.h"

#include <charconv>
#include <cstdint>

#include "snmp_types.h"

std::string DeviceAddress;

namespace {

std::int32_t toInteger(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    std::int32_t v = 0;
    auto [p, ec] = std::from_chars(first, last, v);
    if (text.empty() || first == last || ec != std::errc() || p != last)
        throw CommandLineError("'" + text + "' is not a valid integer value");
    return v;
}

// The value of --max-repetitions: rows per get-bulk of a table walk, 0 for get-next walks.
std::int32_t maxRepetitions(const std::string* value) {
    std::int32_t n = -1;
    if (value) {
        const char* first = value->data();
        const char* last = first + value->size();
        auto [p, ec] = std::from_chars(first, last, n);
        if (ec != std::errc() || p != last || value->empty())
            n = -1;
    }
    if (n < 0 || n > kMostMaxRepetitions)
        throw CommandLineError("--max-repetitions wants a whole number from 0 to " +
                               std::to_string(kMostMaxRepetitions) + ", not '" +
                               (value ? *value : std::string()) + "'");
    return n;
}

// Value after the switch when it occurs in the argument.
bool match(const std::string& arg, const char* sw, std::string& value) {
    const std::size_t p = arg.find(sw);
    if (p == std::string::npos)
        return false;
    value = arg.substr(p + 2);
    return true;
}

}  // namespace

void ParseCommandLine(const std::vector<std::string>& args, LaunchParameters& kept) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--max-repetitions") {
            DefaultMaxRepetitions = maxRepetitions(i + 1 < args.size() ? &args[i + 1] : nullptr);
            ++i;
            continue;
        }
        std::string v;
        if (match(arg, "/I", v)) {
            DefaultDevice.Address = v;
            DeviceAddress = v;
            kept.Address = v;
        } else if (match(arg, "/R", v)) {
            DefaultSecurity.ReadCommunity = v;
            kept.ReadCommunity = v;
        } else if (match(arg, "/W", v)) {
            DefaultSecurity.WriteCommunity = v;
            kept.WriteCommunity = v;
        } else if (match(arg, "/v", v)) {
            DefaultSecurity.Version = static_cast<std::uint8_t>(toInteger(v));
            kept.Version = v;
        } else if (DefaultSecurity.Version != 3) {
            continue;  // the remaining switches are SNMPv3 ones
        } else if (match(arg, "/t", v)) {
            DefaultDevice.Port = static_cast<std::uint16_t>(toInteger(v));
            kept.Port = std::to_string(DefaultDevice.Port);
        } else if (match(arg, "/c", v)) {
            DefaultScope.ContextName = v;
            if (!v.empty())
                kept.ContextName = v;
        } else if (match(arg, "/d", v)) {
            DefaultScope.ContextEngineID = v;
            kept.ContextEngineID = v;
        } else if (match(arg, "/m", v)) {
            DefaultSecurity.SecurityModel = toInteger(v);
            kept.SecurityModel = std::to_string(DefaultSecurity.SecurityModel);
        } else if (match(arg, "/l", v)) {
            DefaultSecurity.SecurityLevel = toInteger(v);
            if (DefaultSecurity.SecurityLevel != 0)
                kept.SecurityLevel = std::to_string(DefaultSecurity.SecurityLevel);
        } else if (match(arg, "/n", v)) {
            DefaultSecurity.SecurityName = v;
            kept.SecurityName = v;
        } else if (match(arg, "/A", v)) {
            DefaultSecurity.AuthPassword = v;
            if (!v.empty())
                kept.AuthPassword = v;
        } else if (match(arg, "/P", v)) {
            DefaultSecurity.PrivPassword = v;
            if (!v.empty())
                kept.PrivPassword = v;
        } else if (match(arg, "/a", v)) {
            DefaultSecurity.AuthProtocol = toInteger(v);
            kept.AuthProtocol = std::to_string(DefaultSecurity.AuthProtocol);
        } else if (match(arg, "/p", v)) {
            DefaultSecurity.PrivProtocol = toInteger(v);
            kept.PrivProtocol = std::to_string(DefaultSecurity.PrivProtocol);
        }
    }
}

std::vector<TakenSwitch> TakenSwitches(const std::vector<std::string>& args) {
    static const char* const always[] = {"/I", "/R", "/W", "/v"};
    static const char* const v3[] = {"/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p"};
    std::vector<TakenSwitch> taken;
    bool version3 = false;
    for (const std::string& arg : args) {
        TakenSwitch t;
        std::string v;
        for (const char* sw : always) {
            if (t.Switch.empty() && match(arg, sw, v))
                t = {sw, v};
        }
        for (const char* sw : v3) {
            if (t.Switch.empty() && version3 && match(arg, sw, v))
                t = {sw, v};
        }
        if (t.Switch == "/v") {
            try {
                version3 = static_cast<std::uint8_t>(toInteger(t.Value)) == 3;
            } catch (const CommandLineError&) {
                // ParseCommandLine stops on it; until then the version stays
            }
        }
        taken.push_back(t);
    }
    return taken;
}

std::string CommandLineHelp() {
    return "Usage: corvane [switch ...]\n"
           "Manages one Corvane chassis switch over SNMP. Each switch is a slash, a letter and\n"
           "its value in the same argument, with nothing between them (/I192.0.2.10, /v3).\n"
           "\n"
           "  /I<address>    agent address, dotted IPv4 or host name (default 127.0.0.1)\n"
           "  /R<community>  read community (default meadow)\n"
           "  /W<community>  write community (default thistle)\n"
           "  /v<version>    0 SNMPv1 (default), 1 SNMPv2c, 3 SNMPv3\n"
           "\n"
           "Only after /v3:\n"
           "  /t<port>       agent UDP port (default 161)\n"
           "  /c<name>       context name\n"
           "  /d<engine id>  context engine ID\n"
           "  /m<model>      security model (3 user-based)\n"
           "  /l<level>      security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
           "  /n<user>       user name\n"
           "  /A<phrase>     authentication pass phrase\n"
           "  /P<phrase>     privacy pass phrase\n"
           "  /a<protocol>   authentication: 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256,\n"
           "                 6 SHA-384, 7 SHA-512\n"
           "  /p<protocol>   privacy: 1 none, 2 DES, 4 AES-128, 20 AES-192, 21 AES-256\n"
           "\n"
           "  --max-repetitions N\n"
           "                 rows asked per get-bulk request of a table read with SNMPv2c\n"
           "                 and SNMPv3 (default: as many as fit one Ethernet frame);\n"
           "                 0 reads tables with get-next, a row per request\n"
           "  --help         print this text and exit\n"
           "  --version      print the version and exit\n"
           "\n"
           "corvane --demo [a|b] [switch ...]\n"
           "  starts the simulated switch corvane-sim (4-slot a or 8-slot b, default b) on\n"
           "  127.0.0.1 and manages it\n"
           "corvane --export \"MENU / PATH\" [--page TITLE] [switch ...]\n"
           "  reads the window of a menu entry (its captions joined by \" / \", as\n"
           "  corvane-catalogue --json lists them) without showing it and prints it as CSV:\n"
           "  a table as captions and rows, a scalar group as caption,value lines, the first\n"
           "  page of a window with pages unless --page names another\n"
           "corvane [--demo [a|b]] --screenshot FILE [switch ...]\n"
           "  saves a PNG picture of the main window once the chassis panel is drawn, and exits\n";
}
