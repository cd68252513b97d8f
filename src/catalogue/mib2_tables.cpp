// Descriptor tables: System group, SNMP, interfaces and IP of MIB-II and IF-MIB.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtSystemOrTable[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.1.9.1.2", "ID", 0x06, 0x02},
    {"1.3.6.1.2.1.1.9.1.3", "Description", 0x4c, 0x02},
    {"1.3.6.1.2.1.1.9.1.4", "Up Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtTrapSettings[] = {
    {"1.3.6.1.2.1.11.30", "Authenticate Traps", 0x02, 0x06, &olEnabledDisabled},
    {},
};

const SNMPVarDescriptor dtIfNumber[] = {
    {"1.3.6.1.2.1.2.1", "Interface Number", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtIfxTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", 0x02, 0x01},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", 0x4c, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", 0x41, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", 0x41, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Send", 0x41, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Send", 0x41, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Send", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Send", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Send", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Send", 0x46, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", 0x42, 0x02},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", 0x4c, 0x06},
    {},
};

const SNMPVarDescriptor dtIpInformationSettings[] = {
    {"1.3.6.1.2.1.4.1", "IP Forwarding", 0x02, 0x02, &olIpForwarding},
    {"1.3.6.1.2.1.4.2", "IP Default TTL", 0x02, 0x06},
    {"1.3.6.1.2.1.4.13", "IP Reasm Timeout", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtIpCountersTable[] = {
    {"1.3.6.1.2.1.4.31.1.1.1", "IP Version", 0x02, 0x01, &olInetVersion},
    {"1.3.6.1.2.1.4.31.1.1.3", "In Receives", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.7", "In Headers Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.10", "In Unknown Protocols", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.14", "Reassembled Requests", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.15", "Reassembled OKs", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.16", "Reassembled Fails", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.17", "In Discards", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.18", "In Delivers", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.20", "Out Requests", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.25", "Out Discards", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.27", "Out Fragment OKs", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.28", "Out Fragment Fails", 0x41, 0x02},
    {"1.3.6.1.2.1.4.31.1.1.29", "Out Fragment Creates", 0x41, 0x02},
    {},
};
// clang-format on
