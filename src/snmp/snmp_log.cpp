// The logging category of the session layer: sessions opened, and every request and its answer
// (OIDs, types and numbers; never a community, a pass phrase or the octets of a string).
#include "snmp_log.h"

Q_LOGGING_CATEGORY(lcSnmp, "corvane.snmp", QtWarningMsg)
