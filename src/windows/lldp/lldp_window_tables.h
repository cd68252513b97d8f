// The descriptor tables of the hand-built LLDP windows, and the position of each bit-map column.
#pragma once

#include "nm_snmp_var_list.h"

extern const SNMPVarDescriptor dtLldpPortConfig[];                 // kind 3, 1 index
extern const SNMPVarDescriptor dtLldpDot3PortConfig[];             // kind 3, 1 index
extern const SNMPVarDescriptor dtLldpMedPortConfig[];              // kind 3, 1 index
extern const SNMPVarDescriptor dtLldpDot1ConfigProtocol[];         // kind 3, 2 index
extern const SNMPVarDescriptor dtLldpDot1ConfigProtocolVlan[];     // kind 3, 2 index
extern const SNMPVarDescriptor dtLldpDot3LocalLinkAggregation[];   // kind 2, 1 index
extern const SNMPVarDescriptor dtLldpDot3RemoteLinkAggregation[];  // kind 2, 3 index
extern const SNMPVarDescriptor dtLldpMedRemoteCapabilities[];      // kind 2, 3 index
extern const SNMPVarDescriptor dtLldpRemoteSystems[];              // kind 2, 3 index
extern const SNMPVarDescriptor dtLldpLocalSystemData[];            // kind 0
extern const SNMPVarDescriptor dtLldpBasicSettings[];              // kind 0
