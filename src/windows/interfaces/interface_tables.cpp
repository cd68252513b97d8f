// Descriptor tables of the interface and MIB-II windows (OID, caption, syntax, flags, options).
#include "interface_tables.h"

#include "option_lists.h"

// clang-format off

// The captions with trailing blanks are column headings as the window shows them.
const SNMPVarDescriptor dtIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", 0x02, 0x02},
    {"1.3.6.1.2.1.2.2.1.2", "Description", 0x4c, 0x02},
    {"1.3.6.1.2.1.2.2.1.3", "Type  ", 0x02, 0x02, &olIanaIfType},
    {"1.3.6.1.2.1.2.2.1.4", "Maximum Transmission Unit", 0x02, 0x02},
    {"1.3.6.1.2.1.2.2.1.5", "Speed  ", 0x42, 0x02},
    {"1.3.6.1.2.1.2.2.1.6", "Physical Address    ", 0x49, 0x02},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", 0x02, 0x06, &olIfAdminStatus},
    {"1.3.6.1.2.1.2.2.1.8", "Operate Status", 0x02, 0x02, &olIfOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtMibIIInfo[] = {
    {"1.3.6.1.2.1.1.1", "System Description", 0x4c, 0x02},
    {"1.3.6.1.2.1.1.2", "System Object ID", 0x06, 0x02},
    {"1.3.6.1.2.1.1.3", "System Uptime", 0x43, 0x02},
    {"1.3.6.1.2.1.1.4", "System Contact", 0x4c, 0x06},
    {"1.3.6.1.2.1.1.5", "System Name", 0x4c, 0x06},
    {"1.3.6.1.2.1.1.6", "System Location", 0x4c, 0x06},
    {"1.3.6.1.2.1.1.7", "System Service", 0x02, 0x02},
    {"1.3.6.1.2.1.1.8", "OR Last Change", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtSnmpCounters[] = {
    {"1.3.6.1.2.1.11.1.0", "SNMP In Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.11.2.0", "SNMP Out Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.11.3.0", "SNMP In Bad Versions", 0x41, 0x02},
    {"1.3.6.1.2.1.11.4.0", "SNMP In Bad Community Names", 0x41, 0x02},
    {"1.3.6.1.2.1.11.5.0", "SNMP In Bad Community Uses", 0x41, 0x02},
    {"1.3.6.1.2.1.11.6.0", "SNMP In ASN Parse Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.11.8.0", "SNMP In Too Bigs", 0x41, 0x02},
    {"1.3.6.1.2.1.11.9.0", "SNMP In No Such Names", 0x41, 0x02},
    {"1.3.6.1.2.1.11.10.0", "SNMP In Bad Values", 0x41, 0x02},
    {"1.3.6.1.2.1.11.11.0", "SNMP In Read Onlys", 0x41, 0x02},
    {"1.3.6.1.2.1.11.12.0", "SNMP In Generated Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.11.13.0", "SNMP In Total Request Variables", 0x41, 0x02},
    {"1.3.6.1.2.1.11.14.0", "SNMP In Total Set Variables", 0x41, 0x02},
    {"1.3.6.1.2.1.11.15.0", "SNMP In Get Requests", 0x41, 0x02},
    {"1.3.6.1.2.1.11.16.0", "SNMP In Get Nexts", 0x41, 0x02},
    {"1.3.6.1.2.1.11.17.0", "SNMP In Set Requests", 0x41, 0x02},
    {"1.3.6.1.2.1.11.18.0", "SNMP In Get Responses", 0x41, 0x02},
    {"1.3.6.1.2.1.11.19.0", "SNMP In Traps", 0x41, 0x02},
    {"1.3.6.1.2.1.11.20.0", "SNMP Out Too Bigs", 0x41, 0x02},
    {"1.3.6.1.2.1.11.21.0", "SNMP Out No Such Names", 0x41, 0x02},
    {"1.3.6.1.2.1.11.22.0", "SNMP Out Bad Values", 0x41, 0x02},
    {"1.3.6.1.2.1.11.24.0", "SNMP Out Generated Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.11.25.0", "SNMP Out Get Requests", 0x41, 0x02},
    {"1.3.6.1.2.1.11.26.0", "SNMP Out Get Nexts", 0x41, 0x02},
    {"1.3.6.1.2.1.11.27.0", "SNMP Out Set Requests", 0x41, 0x02},
    {"1.3.6.1.2.1.11.28.0", "SNMP Out Get Responses", 0x41, 0x02},
    {"1.3.6.1.2.1.11.29.0", "SNMP Out Traps", 0x41, 0x02},
    {"1.3.6.1.2.1.11.31.0", "SNMP Silent Drops", 0x41, 0x02},
    {},
};

const std::array<const char*, kSnmpCounterCount> kSnmpCounterNames = {
    "In Packets", "Out Packets", "In Bad Versions", "In Bad Community Names",
    "In Bad Community Uses", "In ASN Parse Errors", "In Too Bigs", "In No Such Names",
    "In Bad Values", "In Read Onlys", "In Generated Errors", "In Total Request Variables",
    "In Total Set Variables", "In Get Requests", "In Get Nexts", "In Set Requests",
    "In Get Responses", "In Traps", "Out Too Bigs", "Out No Such Names", "Out Bad Values",
    "Out Generated Errors", "Out Get Requests", "Out Get Nexts", "Out Set Requests",
    "Out Get Responses", "Out Traps", "Silent Drops",
};

// The index column belongs to the Ethernet statistics table; it is decoded from each row's
// instance and never asked for.
const SNMPVarDescriptor dtDot3ControlFunctions[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", 0x03, 0x02},
    {},
};

const SNMPVarDescriptor dtDot3ControlCounter[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", 0x41, 0x02},
    {},
};
