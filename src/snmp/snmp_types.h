// The agent target records, the error record and the process-wide default target.
#pragma once

#include <cstdint>
#include <string>

struct NmSNMPDevice {
    std::string Address;
    std::uint16_t Port = 161;
};

struct NmSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

struct NmSNMPSecurity {
    std::uint8_t Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::int32_t SecurityModel = 1;
    std::int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol = 1;
    std::int32_t PrivProtocol = 1;
};

struct NmSNMPError {
    std::int32_t Code = 0;
    std::int32_t ErrorIndex = 0;
    std::string Text;
    NmSNMPDevice Agent;
    bool Finished = false;
    std::uint64_t Sequence = 0;
};

// Filled by InitGlobalSession and the command line; every request copies them once.
extern NmSNMPDevice DefaultDevice;
extern NmSNMPScope DefaultScope;
extern NmSNMPSecurity DefaultSecurity;
extern std::int32_t DefaultTimeout;  // hundredths of a second
// Rows asked per get-bulk of a table walk (SNMPv2c, SNMPv3): -1 chosen from the walk's columns,
// 0 get-next walks throughout, N that many. Set by --max-repetitions; SNMPv1 always walks with
// get-next.
extern std::int32_t DefaultMaxRepetitions;

// Puts the four defaults back to their start-up values.
void ResetDefaultTarget();
