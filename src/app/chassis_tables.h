// Descriptor tables of the equipment objects the main window and the chassis view read.
#pragma once

#include "nm_snmp_var_list.h"

extern const SNMPVarDescriptor dtChassisModuleTable[];
extern const SNMPVarDescriptor dtChassisStpVersion[];
extern const SNMPVarDescriptor dtChassisLedTable[];
extern const SNMPVarDescriptor dtChassisCpuCardTable[];
extern const SNMPVarDescriptor dtChassisSysObjectId[];
extern const SNMPVarDescriptor dtChassisPowerTable[];
extern const SNMPVarDescriptor dtChassisFanState[];
