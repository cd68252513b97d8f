// Descriptor tables: RMON statistics and history.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtRmonStatisticsTable[] = {
    {"1.3.6.1.2.1.16.1.1.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.16.1.1.1.2", "Data Source", 0x06, 0x06},
    {"1.3.6.1.2.1.16.1.1.1.3", "Drop Events", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.4", "Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.5", "Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.6", "Broadcast Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.7", "Multicast Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.8", "CRC Align Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.9", "Undersize Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.10", "Oversize Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.11", "Fragments", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.12", "Jabbers", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.13", "Collisions", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.14", "Packets 64 Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.15", "Packets 65 to 127 Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.16", "Packets 128 to 255 Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.17", "Packets 256 to 511O ctets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.18", "Packets 512 to 1023 Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.19", "Packets 1024 to 1518 Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.1.1.1.20", "etherStatsOwner", 0x4c, 0x06},
    {"1.3.6.1.2.1.16.1.1.1.21", "Status", 0x02, 0x06, &olRmonEntryStatus},
    {},
};

const SNMPVarDescriptor dtRmonHistoryTableControlTable[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.16.2.1.1.2", "Data Source", 0x06, 0x06},
    {"1.3.6.1.2.1.16.2.1.1.3", "Buckets Requested", 0x02, 0x06},
    {"1.3.6.1.2.1.16.2.1.1.4", "Buckets Granted", 0x02, 0x02},
    {"1.3.6.1.2.1.16.2.1.1.5", "Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.16.2.1.1.6", "Owner", 0x4c, 0x06},
    {"1.3.6.1.2.1.16.2.1.1.7", "Status", 0x02, 0x06, &olRmonEntryStatus},
    {},
};

const SNMPVarDescriptor dtRmonHistoryTableHistoryTable[] = {
    {"1.3.6.1.2.1.16.2.2.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.16.2.2.1.2", "Sample Index", 0x02, 0x01},
    {"1.3.6.1.2.1.16.2.2.1.3", "Interval Start", 0x43, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.4", "Drop Events", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.5", "Octets", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.6", "Packtes", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.7", "Broadcast Packtes", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.8", "Multicast Packtes", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.9", "CRC Align Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.10", "Undersize Packtes", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.11", "Oversize Packtes", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.12", "Fragments", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.13", "Jabbers", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.14", "Collisions", 0x41, 0x02},
    {"1.3.6.1.2.1.16.2.2.1.15", "Utilization", 0x02, 0x02},
    {},
};
// clang-format on
