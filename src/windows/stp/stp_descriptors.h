// Descriptor tables of the spanning-tree windows (the switch family's STP group) and the
// positions of the columns the windows address.
#pragma once

#include "nm_snmp_var_list.h"

extern const SNMPVarDescriptor dtStpState[];
extern const SNMPVarDescriptor dtStpVersion[];
extern const SNMPVarDescriptor dtStpBridgeTimers[];
extern const SNMPVarDescriptor dtStpHelloTime[];
extern const SNMPVarDescriptor dtMstpInstanceTable[];
extern const SNMPVarDescriptor dtMstpPortTable[];

// dtStpBridgeTimers
inline constexpr int kTimerMaxAge = 0;
inline constexpr int kTimerForwardDelay = 1;
inline constexpr int kTimerMaxHops = 2;
inline constexpr int kTimerTxHoldCount = 3;

// dtMstpInstanceTable
inline constexpr int kInstanceId = 0;
inline constexpr int kFirstRange = 1;  // range column k (1..8) is at kFirstRange + k - 1
inline constexpr int kRangeCount = 8;
inline constexpr int kInstanceType = 9;
inline constexpr int kInstancePriority = 10;
inline constexpr int kFirstStatusColumn = 11;  // the eleven read-only columns shown in "Other"
inline constexpr int kStatusColumnCount = 11;
inline constexpr int kInstanceRowStatus = 22;
inline constexpr int kInstanceColumns = 23;

// dtMstpPortTable, in table order
inline constexpr int kPortIndex = 0;
inline constexpr int kPortOperHelloTime = 1;
inline constexpr int kPortAdminHelloTime = 2;
inline constexpr int kPortEnable = 3;
inline constexpr int kPortExtPathCost = 4;
inline constexpr int kPortMigration = 5;
inline constexpr int kPortAdminEdge = 6;
inline constexpr int kPortOperEdge = 7;
inline constexpr int kPortAdminP2P = 8;
inline constexpr int kPortOperP2P = 9;
inline constexpr int kPortRestrictedRole = 10;
inline constexpr int kPortRestrictedTcn = 11;
inline constexpr int kPortColumns = 12;
