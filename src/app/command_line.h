// The suite's command line: switches such as /I192.0.2.10 or /v3 fill the default agent target
// and the kept texts passed on to the sibling tools.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The switch values as they are to be handed on, one text per switch.
struct LaunchParameters {
    std::string Address;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::string Version;
    std::string Port;
    std::string ContextName;
    std::string ContextEngineID;
    std::string SecurityModel;
    std::string SecurityLevel;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocol;
    std::string PrivProtocol;

    void clear() { *this = LaunchParameters{}; }
};

// A numeric switch whose value is not a decimal integer; ends start-up.
class CommandLineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The agent address given with /I, read by windows that show it.
extern std::string DeviceAddress;

// The largest value --max-repetitions takes.
inline constexpr std::int32_t kMostMaxRepetitions = 1000;

// Parses the arguments (program name excluded) into DefaultDevice, DefaultScope,
// DefaultSecurity, DeviceAddress and the kept texts. Unknown arguments are ignored;
// "--max-repetitions N" sets DefaultMaxRepetitions.
void ParseCommandLine(const std::vector<std::string>& args, LaunchParameters& kept);

// The switch ("/I", "/R", ...) that takes each argument, in the order and with the version
// gate of ParseCommandLine, and its value; an empty switch for an argument none takes.
struct TakenSwitch {
    std::string Switch;
    std::string Value;
};
std::vector<TakenSwitch> TakenSwitches(const std::vector<std::string>& args);

// The text printed by --help.
std::string CommandLineHelp();
