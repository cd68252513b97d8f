// The process-wide default agent target.
#include "snmp_types.h"

NmSNMPDevice DefaultDevice{"127.0.0.1", 161};
NmSNMPScope DefaultScope;
NmSNMPSecurity DefaultSecurity{0, "meadow", "thistle", 1, 1, "", "", "", 1, 1};
std::int32_t DefaultTimeout = 100;
