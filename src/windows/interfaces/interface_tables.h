// Descriptor tables of the interface and MIB-II windows, and the fixed names of the SNMP
// counter rows.
#pragma once

#include <array>

#include "nm_snmp_var_list.h"

// Interface table: a table with one index column (Index); Admin Status is column 6.
extern const SNMPVarDescriptor dtIfTable[];
inline constexpr int kIfIndexColumn = 0;
inline constexpr int kIfAdminStatusColumn = 6;

// System group scalars, in table order: Description, Object ID, Uptime, Contact, Name,
// Location, Service, OR Last Change.
extern const SNMPVarDescriptor dtMibIIInfo[];

// The 28 counters of the SNMP group, each with its ".0" instance, in display order.
inline constexpr int kSnmpCounterCount = 28;
extern const SNMPVarDescriptor dtSnmpCounters[];
extern const std::array<const char*, kSnmpCounterCount> kSnmpCounterNames;

// MAC control functions: the interface index and its supported functions (a bit string).
extern const SNMPVarDescriptor dtDot3ControlFunctions[];
// MAC control counter: unknown opcodes received, read at the selected interface's instance.
extern const SNMPVarDescriptor dtDot3ControlCounter[];
