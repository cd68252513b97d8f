// Descriptor tables: ENTITY-MIB and POWER-ETHERNET-MIB.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtEntityLastChangeTimeInformation[] = {
    {"1.3.6.1.2.1.47.1.4.1", "Last Change Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtEntityPhysicalTable[] = {
    {"1.3.6.1.2.1.47.1.1.1.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.47.1.1.1.1.2", "Description", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.4", "Contained In", 0x02, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.5", "Class", 0x02, 0x02, &olPhysicalClass},
    {"1.3.6.1.2.1.47.1.1.1.1.6", "Parent Relative Position", 0x02, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.7", "Name", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.8", "Hardware Revision", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.9", "Firmware Revision", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.10", "Software Revision", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.11", "Serial Number", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.12", "Manufacturer Name", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.13", "Model Name", 0x4c, 0x02},
    {"1.3.6.1.2.1.47.1.1.1.1.16", "Is FRU", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtPowerEthernetPsePortTable[] = {
    {"1.3.6.1.2.1.105.1.1.1.1", "Group Index", 0x02, 0x01},
    {"1.3.6.1.2.1.105.1.1.1.2", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.105.1.1.1.3", "Admin Enable", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.105.1.1.1.4", "Power Pairs Control Ability", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.105.1.1.1.5", "Power Pairs", 0x02, 0x02, &olPsePowerPairs},
    {"1.3.6.1.2.1.105.1.1.1.6", "Detection Status", 0x02, 0x02, &olPseDetectionStatus},
    {"1.3.6.1.2.1.105.1.1.1.7", "Power Priority", 0x02, 0x06, &olPsePowerPriority},
    {"1.3.6.1.2.1.105.1.1.1.8", "MPS Absent Counter", 0x41, 0x02},
    {"1.3.6.1.2.1.105.1.1.1.9", "Type", 0x4c, 0x06},
    {"1.3.6.1.2.1.105.1.1.1.10", "Power Classifications", 0x02, 0x02, &olPsePowerClassification},
    {"1.3.6.1.2.1.105.1.1.1.11", "Invalid Signature Counter", 0x41, 0x02},
    {"1.3.6.1.2.1.105.1.1.1.12", "Power Denied Counter", 0x41, 0x02},
    {"1.3.6.1.2.1.105.1.1.1.13", "Over Load Counter", 0x41, 0x02},
    {"1.3.6.1.2.1.105.1.1.1.14", "Short Counter", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtPowerEthernetMainPsePortTable[] = {
    {"1.3.6.1.2.1.105.1.3.1.1.1", "Group Index", 0x02, 0x01},
    {"1.3.6.1.2.1.105.1.3.1.1.2", "Power", 0x42, 0x02},
    {"1.3.6.1.2.1.105.1.3.1.1.3", "Operate Status", 0x02, 0x02, &olPseMainOperStatus},
    {"1.3.6.1.2.1.105.1.3.1.1.4", "Consumption Power", 0x42, 0x02},
    {},
};
// clang-format on
