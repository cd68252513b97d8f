// Equipment objects under 1.3.6.1.4.1.32473.10.120.100: module, LED, management-module and power
// tables, fan state and spanning-tree version, and sysObjectID.
#include "chassis_tables.h"

#include "option_lists.h"

// clang-format off
const SNMPVarDescriptor dtChassisModuleTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.4.1.1.4", "Model", synDisplayString, vfRead},
    {nullptr}};

const SNMPVarDescriptor dtChassisStpVersion[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.2", "STP Version", synInteger, vfRead | vfWrite, &olStpVersion},
    {nullptr}};

const SNMPVarDescriptor dtChassisLedTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.1", "LED Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.2", "LED Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.3", "LED Status", synInteger, vfRead, &olLedStatus},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.4", "LED Mode", synInteger, vfRead, &olLedMode},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.5", "Medium Type", synInteger, vfRead, &olMediumType},
    {nullptr}};

const SNMPVarDescriptor dtChassisCpuCardTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.1.1.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.1.1.1.2", "Console", synInteger, vfRead, &olMgmtConsole},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.1.1.1.3", "Master", synInteger, vfRead, &olMgmtMaster},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.1.1.1.4", "CPU Utilization", synInteger, vfRead, &olMgmtCpuLeds},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.1.1.1.5", "Management Port Status", synInteger, vfRead, &olMgmtPortStatus},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.1.1.1.6", "Management Port Speed", synInteger, vfRead, &olMgmtPortSpeed},
    {nullptr}};

const SNMPVarDescriptor dtChassisSysObjectId[] = {
    {"1.3.6.1.2.1.1.2", "sysObjectID", synOid, vfRead},
    {nullptr}};

// Alive comes before Power Type: the chassis view reads the columns in this order.
const SNMPVarDescriptor dtChassisPowerTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.2", "Exist", synInteger, vfRead, &olPowerExist},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.4", "Alive", synInteger, vfRead, &olPowerAlive},
    {"1.3.6.1.4.1.32473.10.120.100.1.2.2.1.1.3", "Power Type", synInteger, vfRead, &olPowerType},
    {nullptr}};

// clang-format on
