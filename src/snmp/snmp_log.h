// The logging category of the session layer: the sessions opened, and every request and its answer
// (OIDs, types and numbers; never a community, a pass phrase or the octets of a string). Debug
// output is off by default; QT_LOGGING_RULES="corvane.snmp.debug=true" switches it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSnmp)
