// Descriptor tables of the equipment objects the main window and the chassis view read.
#pragma once

#include "nm_snmp_var_list.h"

extern const SNMPVarDescriptor dtModuleTable[];
extern const SNMPVarDescriptor dtStpVersion[];
extern const SNMPVarDescriptor dtLedTable[];
extern const SNMPVarDescriptor dtCpuCardTable[];
extern const SNMPVarDescriptor dtSysObjectId[];
extern const SNMPVarDescriptor dtPowerTable[];
extern const SNMPVarDescriptor dtFanState[];
