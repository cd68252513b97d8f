// Descriptor tables: IP-MIB addressing and ICMP, CIDR routes.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtIpv4InterfaceTable[] = {
    {"1.3.6.1.2.1.4.28.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.4.28.1.2", "Retransmit Max. Size", 0x02, 0x02},
    {"1.3.6.1.2.1.4.28.1.3", "Enable State", 0x02, 0x06, &olUpDown},
    {"1.3.6.1.2.1.4.28.1.4", "Retransmit Time", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtIpAddressPrefixTable[] = {
    {"1.3.6.1.2.1.4.32.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.4.32.1.2", "Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.4.32.1.3", "Prefix", 0x51, 0x01},
    {"1.3.6.1.2.1.4.32.1.4", "Length", 0x42, 0x01},
    {"1.3.6.1.2.1.4.32.1.5", "Origin", 0x02, 0x02, &olIpPrefixOrigin},
    {"1.3.6.1.2.1.4.32.1.6", "On Link Flag", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.4.32.1.7", "Autonomous Flag", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.4.32.1.8", "Preferred Lifetime", 0x42, 0x02},
    {"1.3.6.1.2.1.4.32.1.9", "Valid Lifetime", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtIpControlTable[] = {
    {"1.3.6.1.2.1.4.34.1.1", "Address Type", 0x02, 0x01, &olIpv4AddressType},
    {"1.3.6.1.2.1.4.34.1.2", "Address", 0x51, 0x01},
    {"1.3.6.1.2.1.4.34.1.3", "IF Index", 0x02, 0x06},
    {"1.3.6.1.2.1.4.34.1.4", "Type", 0x02, 0x06, &olIpAddressTypeUnicast},
    {"1.3.6.1.2.1.4.34.1.5", "Prefix", 0x06, 0x02},
    {"1.3.6.1.2.1.4.34.1.6", "Origin", 0x02, 0x02, &olIpAddressOrigin},
    {"1.3.6.1.2.1.4.34.1.7", "State", 0x02, 0x06, &olIpAddressStatus},
    {"1.3.6.1.2.1.4.34.1.10", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtIpNetToPhysicalTable[] = {
    {"1.3.6.1.2.1.4.35.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.4.35.1.2", "Net Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.4.35.1.3", "Net Address", 0x51, 0x01},
    {"1.3.6.1.2.1.4.35.1.4", "Physical Address", 0x49, 0x06},
    {"1.3.6.1.2.1.4.35.1.6", "Type", 0x02, 0x06, &olIpNetToPhysicalType},
    {"1.3.6.1.2.1.4.35.1.7", "State", 0x02, 0x02, &olIpNetToPhysicalState},
    {"1.3.6.1.2.1.4.35.1.8", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtIcmpStatisticsTable[] = {
    {"1.3.6.1.2.1.5.29.1.1", "IP Version", 0x02, 0x01, &olInetVersion},
    {"1.3.6.1.2.1.5.29.1.2", "In Messags", 0x41, 0x02},
    {"1.3.6.1.2.1.5.29.1.3", "In Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.5.29.1.4", "Out Messags", 0x41, 0x02},
    {"1.3.6.1.2.1.5.29.1.5", "Out Errors", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtIcmpMessageStatisticsTable[] = {
    {"1.3.6.1.2.1.5.30.1.1", "IP Version", 0x02, 0x01, &olInetVersion},
    {"1.3.6.1.2.1.5.30.1.2", "Type", 0x02, 0x01},
    {"1.3.6.1.2.1.5.30.1.3", "In Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.5.30.1.4", "Out Packets", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtCidrRouteInformation[] = {
    {"1.3.6.1.2.1.4.24.6", "Route Number", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtCidrRouteTable[] = {
    {"1.3.6.1.2.1.4.24.7.1.1", "Destination Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.4.24.7.1.2", "Destination Address", 0x51, 0x01},
    {"1.3.6.1.2.1.4.24.7.1.3", "Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.4.24.7.1.4", "Policy", 0x06, 0x01},
    {"1.3.6.1.2.1.4.24.7.1.5", "Next Hop Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.4.24.7.1.6", "Next Hop", 0x51, 0x01},
    {"1.3.6.1.2.1.4.24.7.1.9", "Protocol", 0x02, 0x02, &olIpRouteProto},
    {"1.3.6.1.2.1.4.24.7.1.10", "Age", 0x42, 0x02},
    {"1.3.6.1.2.1.4.24.7.1.12", "Metric 1", 0x02, 0x06},
    {"1.3.6.1.2.1.4.24.7.1.13", "Metric 2", 0x02, 0x06},
    {"1.3.6.1.2.1.4.24.7.1.17", "State", 0x02, 0x06, &olRowStatus},
    {},
};
// clang-format on
