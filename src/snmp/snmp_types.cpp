// The process-wide default agent target.
#include "snmp_types.h"

namespace {
const NmSNMPDevice kStartDevice{"127.0.0.1", 161};
const NmSNMPSecurity kStartSecurity{0, "meadow", "thistle", 1, 1, "", "", "", 1, 1};
constexpr std::int32_t kStartTimeout = 100;
constexpr std::int32_t kStartMaxRepetitions = -1;
}  // namespace

NmSNMPDevice DefaultDevice = kStartDevice;
NmSNMPScope DefaultScope;
NmSNMPSecurity DefaultSecurity = kStartSecurity;
std::int32_t DefaultTimeout = kStartTimeout;
std::int32_t DefaultMaxRepetitions = kStartMaxRepetitions;

void ResetDefaultTarget() {
    DefaultDevice = kStartDevice;
    DefaultScope = NmSNMPScope{};
    DefaultSecurity = kStartSecurity;
    DefaultTimeout = kStartTimeout;
    DefaultMaxRepetitions = kStartMaxRepetitions;
}
