// Descriptor tables: Utilization and equipment of the switch family's own MIB.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtCpuUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.1.1", "Utilization In 5 sec", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.1.2", "Utilization In 1 min", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.1.3", "Utilization In 5 min", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtDramUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.2.1.1", "Unit ID", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.2.1.2", "Total DRAM", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.2.1.3", "Used DRAM", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.2.1.4", "Utilization", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtFlashUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.3.1.1", "Unit ID", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.3.1.2", "Total Flash", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.3.1.3", "Used Flash", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.1.1.3.1.4", "Utilization", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtPowerTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.2", "Exist", 0x02, 0x02, &olPowerExist},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.3", "Power Type", 0x02, 0x02, &olPowerType},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.4", "Alive", 0x02, 0x02, &olPowerAlive},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.5", "Voltage", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.6", "Current", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.7", "Power Watt", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.8", "Fan Speed", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtFanTrayState[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.3.1", "State", 0x02, 0x02, &olFanTrayState},
    {},
};

const SNMPVarDescriptor dtFanTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.3.2.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.3.2.1.2", "Status", 0x02, 0x02, &olFanStatus},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.3.2.1.3", "Speed", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtSlotTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.2", "State", 0x02, 0x02, &olSlotState},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.3", "LED PoE Mode Enabled", 0x02, 0x02, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.4", "Model Name", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.5", "Serial Number", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.6", "HW Version", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.7", "PCBA Version", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.8", "Boot loader Version", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.9", "Runtime Version", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.10", "CPLD Version", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.11", "Firts MAC Address", 0x49, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.12", "Number Of MAC Address", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtTemperatureTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.1", "Slot Index", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.2", "Inlet Current", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.3", "Inlet Overheat", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.4", "Inlet Heatdown", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.5", "Center Current", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.6", "Center Overheat", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.7", "Center Heatdown", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.8", "Outlet Current", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.9", "Outlet Overheat", 0x4c, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.5.1.1.10", "Outlet Heatdown", 0x4c, 0x02},
    {},
};
// clang-format on
