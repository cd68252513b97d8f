// Descriptor tables of the equipment objects the main window and the chassis view read (the
// fan state is the catalogue's dtFanTrayState).
#pragma once

#include "nm_snmp_var_list.h"

extern const SNMPVarDescriptor dtChassisModuleTable[];
extern const SNMPVarDescriptor dtChassisStpVersion[];
extern const SNMPVarDescriptor dtChassisLedTable[];
extern const SNMPVarDescriptor dtChassisCpuCardTable[];
extern const SNMPVarDescriptor dtChassisSysObjectId[];
extern const SNMPVarDescriptor dtChassisPowerTable[];
