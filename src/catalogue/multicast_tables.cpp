// Descriptor tables: Multicast: IGMP, DVMRP, PIM, multicast routes, MSDP.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtIgmpRouterInterfaceTable[] = {
    {"1.3.6.1.2.1.185.1.2.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.185.1.2.1.2", "Querier Type", 0x02, 0x01, &olIpv4Ipv6},
    {"1.3.6.1.2.1.185.1.2.1.3", "Querier", 0x51, 0x02},
    {"1.3.6.1.2.1.185.1.2.1.4", "Query Interval (1-31744)seconds", 0x42, 0x06},
    {"1.3.6.1.2.1.185.1.2.1.5", "State", 0x02, 0x02, &olRowStatus},
    {"1.3.6.1.2.1.185.1.2.1.6", "Interface Version", 0x42, 0x06},
    {"1.3.6.1.2.1.185.1.2.1.7", "Query Max. Response Time (10-250)tenths of seconds", 0x42, 0x06},
    {"1.3.6.1.2.1.185.1.2.1.9", "Querier Expiry Time", 0x43, 0x02},
    {"1.3.6.1.2.1.185.1.2.1.14", "Robustness", 0x42, 0x06},
    {"1.3.6.1.2.1.185.1.2.1.15", "Last Member Query Interval (10-250)tenths of seconds", 0x42, 0x06},
    {"1.3.6.1.2.1.185.1.2.1.16", "Last Member Query Count", 0x42, 0x02},
    {"1.3.6.1.2.1.185.1.2.1.17", "Start Up Query Count", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtIgmpRouterCacheTable[] = {
    {"1.3.6.1.2.1.185.1.4.1.1", "Address Type", 0x02, 0x01, &olIpv4Ipv6},
    {"1.3.6.1.2.1.185.1.4.1.2", "Address", 0x51, 0x01},
    {"1.3.6.1.2.1.185.1.4.1.3", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.185.1.4.1.4", "Last Reporter", 0x51, 0x02},
    {"1.3.6.1.2.1.185.1.4.1.5", "Up Time", 0x43, 0x02},
    {"1.3.6.1.2.1.185.1.4.1.6", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.2.1.185.1.4.1.10", "Source Filter Mode", 0x02, 0x02, &olIgmpSourceFilterMode},
    {},
};

const SNMPVarDescriptor dtIgmpInverseRouterCacheTable[] = {
    {"1.3.6.1.2.1.185.1.6.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.185.1.6.1.2", "Address Type", 0x02, 0x01, &olIpv4Ipv6},
    {"1.3.6.1.2.1.185.1.6.1.3", "Address", 0x51, 0x02},
    {},
};

const SNMPVarDescriptor dtIgmpRouterSourceListTable[] = {
    {"1.3.6.1.2.1.185.1.8.1.1", "Address Type", 0x02, 0x01, &olIpv4Ipv6},
    {"1.3.6.1.2.1.185.1.8.1.2", "Address", 0x51, 0x01},
    {"1.3.6.1.2.1.185.1.8.1.3", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.185.1.8.1.4", "Host Address", 0x40, 0x01},
    {"1.3.6.1.2.1.185.1.8.1.5", "Expire", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtDvmrpInformationTableGeneralInformation[] = {
    {"1.3.6.1.3.62.1.1.1.1", "Version String", 0x4c, 0x02},
    {"1.3.6.1.3.62.1.1.1.3", "Number Routes", 0x42, 0x02},
    {"1.3.6.1.3.62.1.1.1.4", "Reachable Routes", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtDvmrpInformationTableInterfaceTable[] = {
    {"1.3.6.1.3.62.1.1.2.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.3.62.1.1.2.1.2", "Local Address", 0x40, 0x02},
    {"1.3.6.1.3.62.1.1.2.1.3", "Metric", 0x02, 0x06},
    {"1.3.6.1.3.62.1.1.2.1.4", "Row Satus", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.3.62.1.1.2.1.5", "Receive Bad Packtes", 0x41, 0x02},
    {"1.3.6.1.3.62.1.1.2.1.6", "Receive Bad Routes", 0x41, 0x02},
    {"1.3.6.1.3.62.1.1.2.1.7", "Sent Routes", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtDvmrpInformationTableDvmrpNeighborTable[] = {
    {"1.3.6.1.3.62.1.1.3.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.3.62.1.1.3.1.2", "Address", 0x40, 0x01},
    {"1.3.6.1.3.62.1.1.3.1.3", "Up Time", 0x43, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.4", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.5", "Generation ID", 0x02, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.6", "Major Version", 0x02, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.7", "Minor Version", 0x02, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.8", "Capabilities", 0x04, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.9", "Receive Routes", 0x41, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.10", "Receive Bad Packtes", 0x41, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.11", "Receive Bad Routes", 0x41, 0x02},
    {"1.3.6.1.3.62.1.1.3.1.12", "State", 0x02, 0x02, &olDvmrpNeighborState},
    {},
};

const SNMPVarDescriptor dtDvmrpInformationTableRouteTable[] = {
    {"1.3.6.1.3.62.1.1.4.1.1", "Source", 0x40, 0x01},
    {"1.3.6.1.3.62.1.1.4.1.2", "Source Mask", 0x40, 0x01},
    {"1.3.6.1.3.62.1.1.4.1.3", "Upstream Neighbor", 0x40, 0x02},
    {"1.3.6.1.3.62.1.1.4.1.4", "IF Index", 0x02, 0x02},
    {"1.3.6.1.3.62.1.1.4.1.5", "Metric", 0x02, 0x02},
    {"1.3.6.1.3.62.1.1.4.1.6", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.3.62.1.1.4.1.7", "Up Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtDvmrpInformationTablePruneTable[] = {
    {"1.3.6.1.3.62.1.1.6.1.1", "Group", 0x40, 0x01},
    {"1.3.6.1.3.62.1.1.6.1.2", "Source", 0x40, 0x01},
    {"1.3.6.1.3.62.1.1.6.1.3", "Source Mask", 0x40, 0x01},
    {"1.3.6.1.3.62.1.1.6.1.4", "Expiry Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtPimRfc2934InterfaceTable[] = {
    {"1.3.6.1.3.61.1.1.2.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.3.61.1.1.2.1.2", "Address", 0x40, 0x02},
    {"1.3.6.1.3.61.1.1.2.1.3", "Net Mask", 0x40, 0x02},
    {"1.3.6.1.3.61.1.1.2.1.4", "Mode", 0x02, 0x06, &olPimDmMode},
    {"1.3.6.1.3.61.1.1.2.1.6", "Hello Interval", 0x02, 0x06},
    {"1.3.6.1.3.61.1.1.2.1.7", "State", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtPimRfc2934NeighborTable[] = {
    {"1.3.6.1.3.61.1.1.3.1.1", "Address", 0x40, 0x01},
    {"1.3.6.1.3.61.1.1.3.1.2", "IF Index", 0x02, 0x02},
    {"1.3.6.1.3.61.1.1.3.1.3", "Up Time", 0x43, 0x02},
    {"1.3.6.1.3.61.1.1.3.1.4", "Expiry Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtPimBasicInformationSettings[] = {
    {"1.3.6.1.2.1.157.1.15", "PIM Register Suppression Time", 0x42, 0x06},
    {},
};

const SNMPVarDescriptor dtPimInterfaceTable[] = {
    {"1.3.6.1.2.1.157.1.1.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.157.1.1.1.2", "IP Version", 0x02, 0x01, &olInetVersion},
    {"1.3.6.1.2.1.157.1.1.1.3", "Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.1.1.4", "Address", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.5", "Generation ID Value", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.6", "DR", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.7", "DR Priority", 0x42, 0x06},
    {"1.3.6.1.2.1.157.1.1.1.8", "DR Priority Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.9", "Hello Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.157.1.1.1.10", "Trig Hello Interval", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.11", "Hello Holdtime", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.12", "Join Prune Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.157.1.1.1.13", "Join Prune Holdtime", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.15", "LAN Delay Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.16", "Propagation Delay", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.17", "Override Interval", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.18", "Effect Propag Delay", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.19", "Effect Override Interval", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.20", "Suppression Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.21", "BIDIR Capable", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.22", "Domain Border", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.23", "Stub Interface", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.24", "Prune Limit Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.157.1.1.1.25", "Graft Retry Interval", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.1.1.26", "SR Priority Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.1.1.27", "Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtPimNeighborTable[] = {
    {"1.3.6.1.2.1.157.1.2.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.157.1.2.1.2", "Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.2.1.3", "Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.2.1.4", "Generation ID Present", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.2.1.5", "Generation ID Value", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.2.1.6", "Up Time", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.2.1.7", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.2.1.8", "DR Priority Present", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.2.1.9", "DR Priority", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.2.1.10", "LAN Prune Delay Present", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.2.1.11", "T Bit", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.2.1.12", "Propagation Delay", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.2.1.13", "Override Interval", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.2.1.14", "BIDIR Capable", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.2.1.15", "SR Capable", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtPimStarGroupTable[] = {
    {"1.3.6.1.2.1.157.1.4.1.1", "Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.4.1.2", "Gruop Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.4.1.3", "Up Time", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.4.1.4", "PIM Mode", 0x02, 0x02, &olPimStarGroupMode},
    {"1.3.6.1.2.1.157.1.4.1.5", "Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.4.1.6", "RP Address", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.4.1.9", "Upstream Join State", 0x02, 0x02, &olPimUpstreamJoinState},
    {"1.3.6.1.2.1.157.1.4.1.10", "Upstream Join Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.4.1.11", "Upstream Neighbor Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.4.1.12", "Upstream Neighbor", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.4.1.13", "IF Index", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtPimStarGroupInterfaceTable[] = {
    {" ", "Address Type", 0x02, 0x01},
    {" ", "Group Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.5.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.157.1.5.1.4", "Join Prune State", 0x02, 0x02, &olPimJoinPruneState},
    {"1.3.6.1.2.1.157.1.5.1.5", "Prune Pending Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.5.1.6", "Join Expiry Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.5.1.7", "Assert State", 0x02, 0x02, &olPimAssertState},
    {"1.3.6.1.2.1.157.1.5.1.8", "Assert Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.5.1.9", "Assert Winner Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.5.1.10", "Assert Winner Address", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.5.1.11", "Assert Winner Metric Preference", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.5.1.12", "Assert Winner Metric", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtPimSourceGroupTable[] = {
    {"1.3.6.1.2.1.157.1.6.1.1", "Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.6.1.2", "Group Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.6.1.3", "Source Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.6.1.4", "Up Time", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.5", "PIM Mode", 0x02, 0x02, &olPimSourceGroupMode},
    {"1.3.6.1.2.1.157.1.6.1.6", "Upstream Join State", 0x02, 0x02, &olPimUpstreamJoinState},
    {"1.3.6.1.2.1.157.1.6.1.7", "Upstream Join Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.8", "Upstream Neighbor", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.9", "RPF IF Index", 0x02, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.17", "SPT Bit", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.157.1.6.1.18", "Keepalive Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.19", "DR Register State", 0x02, 0x02, &olPimDrRegisterState},
    {"1.3.6.1.2.1.157.1.6.1.20", "DR Register Stop Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.23", "Upstream Prune State", 0x02, 0x02, &olPimUpstreamPruneState},
    {"1.3.6.1.2.1.157.1.6.1.24", "Upstream Prune Limit Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.25", "Originator State", 0x02, 0x02, &olPimOriginatorState},
    {"1.3.6.1.2.1.157.1.6.1.26", "Source Active Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.6.1.27", "State Refresh Timer", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtPimSourceGroupInterfaceTable[] = {
    {" ", "Address Type", 0x02, 0x01},
    {" ", "Group Address", 0x51, 0x01},
    {" ", "Source Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.7.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.157.1.7.1.4", "Join Prune State", 0x02, 0x02, &olPimJoinPruneState},
    {"1.3.6.1.2.1.157.1.7.1.5", "Prune Pending Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.7.1.6", "Join Expiry Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.7.1.7", "Assert State", 0x02, 0x02, &olPimAssertState},
    {"1.3.6.1.2.1.157.1.7.1.8", "Assert Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.7.1.9", "Assert Winner Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.7.1.10", "Assert Winner Address", 0x51, 0x02},
    {"1.3.6.1.2.1.157.1.7.1.11", "Assert Winner Metric Preference", 0x42, 0x02},
    {"1.3.6.1.2.1.157.1.7.1.12", "Assert Winner Metric", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtPimSourceGroupRptTable[] = {
    {" ", "Address Type", 0x02, 0x01},
    {" ", "Group Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.8.1.1", "Source Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.8.1.2", "Up Time", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.8.1.3", "Upstream Prune State", 0x02, 0x02, &olPimRptUpstreamPruneState},
    {"1.3.6.1.2.1.157.1.8.1.4", "Upstream Override Timer", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtPimSourceGroupRptInterfaceTable[] = {
    {" ", "Address Type", 0x02, 0x01},
    {" ", "Group Address", 0x51, 0x01},
    {" ", "Source Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.9.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.157.1.9.1.4", "Join Prune State", 0x02, 0x02, &olPimRptJoinPruneState},
    {"1.3.6.1.2.1.157.1.9.1.5", "Prune Pending Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.157.1.9.1.6", "Prune Expiry Timer", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtPimGroupMappingTable[] = {
    {"1.3.6.1.2.1.157.1.13.1.1", "Origin", 0x02, 0x01, &olPimGroupMappingOrigin},
    {"1.3.6.1.2.1.157.1.13.1.2", "Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.13.1.3", "Group Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.13.1.4", "Group Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.157.1.13.1.5", "RP Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.157.1.13.1.6", "RP Address", 0x51, 0x01},
    {"1.3.6.1.2.1.157.1.13.1.7", "PIM Mode", 0x02, 0x02, &olPimGroupMappingMode},
    {"1.3.6.1.2.1.157.1.13.1.8", "Precedence", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtPimBsrElectedBsrRpSetTable[] = {
    {"1.3.6.1.2.1.172.1.2.1.2", "Group Mapping Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.172.1.2.1.3", "Group Mapping Group Address", 0x51, 0x01},
    {"1.3.6.1.2.1.172.1.2.1.4", "Group Mapping Group Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.172.1.2.1.5", "Group Mapping RP Address", 0x51, 0x01},
    {"1.3.6.1.2.1.172.1.2.1.6", "Priority", 0x42, 0x02},
    {"1.3.6.1.2.1.172.1.2.1.7", "Hold Time", 0x42, 0x02},
    {"1.3.6.1.2.1.172.1.2.1.8", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.2.1.172.1.2.1.9", "BIDIR-PIM", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtPimBsrCandidateBsrTable[] = {
    {"1.3.6.1.2.1.172.1.3.1.1", "Zone Index", 0x42, 0x01},
    {"1.3.6.1.2.1.172.1.3.1.2", "Address Type", 0x02, 0x06, &olInetAddressType},
    {"1.3.6.1.2.1.172.1.3.1.3", "Address", 0x51, 0x06},
    {"1.3.6.1.2.1.172.1.3.1.4", "Priority", 0x42, 0x06},
    {"1.3.6.1.2.1.172.1.3.1.5", "Hash Mask Length", 0x42, 0x06},
    {"1.3.6.1.2.1.172.1.3.1.6", "Elected BSR", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.172.1.3.1.7", "Bootstrap Timer", 0x43, 0x02},
    {"1.3.6.1.2.1.172.1.3.1.8", "Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtIpMulticastRouteGlobalStateSettings[] = {
    {"1.3.6.1.2.1.168.1.1", "Enabled", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.168.1.2", "Route Entry Count", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtIpMulticastRouteTable[] = {
    {"1.3.6.1.2.1.168.1.5.1.1", "Group Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.168.1.5.1.2", "Group", 0x51, 0x01},
    {"1.3.6.1.2.1.168.1.5.1.3", "Group Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.168.1.5.1.4", "Source Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.168.1.5.1.5", "Source", 0x51, 0x01},
    {"1.3.6.1.2.1.168.1.5.1.6", "Source Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.168.1.5.1.9", "IF Index", 0x02, 0x02},
    {"1.3.6.1.2.1.168.1.5.1.10", "Time Stamp", 0x43, 0x02},
    {"1.3.6.1.2.1.168.1.5.1.11", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.2.1.168.1.5.1.12", "Protocol", 0x02, 0x02, &olMrouteProtocol},
    {},
};

const SNMPVarDescriptor dtIpMulticastRouteNextHopTable[] = {
    {"1.3.6.1.2.1.168.1.6.1.1", "Group Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.168.1.6.1.2", "Group", 0x51, 0x01},
    {"1.3.6.1.2.1.168.1.6.1.3", "Group Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.168.1.6.1.4", "Source Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.168.1.6.1.5", "Source", 0x51, 0x01},
    {"1.3.6.1.2.1.168.1.6.1.6", "Source Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.168.1.6.1.7", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.168.1.6.1.10", "State", 0x02, 0x02, &olMrouteNextHopState},
    {},
};

const SNMPVarDescriptor dtIpMulticastRouteInterfaceTable[] = {
    {"1.3.6.1.2.1.168.1.3.1.1", "IP Version", 0x02, 0x01, &olInetVersion},
    {"1.3.6.1.2.1.168.1.3.1.2", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.168.1.3.1.3", "TTL", 0x42, 0x02},
    {"1.3.6.1.2.1.168.1.3.1.4", "Rate Limit", 0x42, 0x02},
    {"1.3.6.1.2.1.168.1.3.1.5", "Storage Type", 0x02, 0x02, &olStorageType},
    {},
};

const SNMPVarDescriptor dtMsdpBasicInformation[] = {
    {"1.3.6.1.3.92.1.1.1", "MSDP Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.3.92.1.1.2", "Cache Lifetime", 0x43, 0x02},
    {"1.3.6.1.3.92.1.1.3", "SA Cache Entries", 0x42, 0x02},
    {"1.3.6.1.3.92.1.1.11", "RP Address", 0x40, 0x02},
    {},
};

const SNMPVarDescriptor dtMsdpPeerTable[] = {
    {"1.3.6.1.3.92.1.1.5.1.1", "Remote Address", 0x40, 0x01},
    {"1.3.6.1.3.92.1.1.5.1.3", "State", 0x02, 0x02, &olMsdpPeerState},
    {"1.3.6.1.3.92.1.1.5.1.4", "RPF Failures", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.5", "In SAs", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.6", "Out SAs", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.11", "In Control Messages", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.12", "Out Control Messages", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.13", "In Data Packets", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.15", "FSM Established Transitions", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.16", "FSM Established Time", 0x43, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.17", "In Message Time", 0x43, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.18", "Local Address", 0x40, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.20", "Connect Retry Interval", 0x02, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.21", "Hold Time Configured", 0x02, 0x06},
    {"1.3.6.1.3.92.1.1.5.1.22", "Keep Alive Configured", 0x02, 0x06},
    {"1.3.6.1.3.92.1.1.5.1.23", "Data TTL", 0x02, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.25", "Status", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.3.92.1.1.5.1.26", "Remote Port", 0x02, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.27", "Local Port", 0x02, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.29", "Encapsulation Type", 0x02, 0x02, &olMsdpEncapsulation},
    {"1.3.6.1.3.92.1.1.5.1.30", "Connection Attempts", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.5.1.34", "Discontinuity Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtMsdpSaCacheTable[] = {
    {"1.3.6.1.3.92.1.1.6.1.1", "Group Address", 0x40, 0x01},
    {"1.3.6.1.3.92.1.1.6.1.2", "Source Address", 0x40, 0x01},
    {"1.3.6.1.3.92.1.1.6.1.3", "Origin RP", 0x40, 0x01},
    {"1.3.6.1.3.92.1.1.6.1.4", "Learned From", 0x40, 0x02},
    {"1.3.6.1.3.92.1.1.6.1.5", "RPF Peer", 0x40, 0x02},
    {"1.3.6.1.3.92.1.1.6.1.6", "In SAs", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.6.1.7", "In Data Packets", 0x41, 0x02},
    {"1.3.6.1.3.92.1.1.6.1.8", "Up Time", 0x43, 0x02},
    {"1.3.6.1.3.92.1.1.6.1.9", "Expiry Time", 0x43, 0x02},
    {"1.3.6.1.3.92.1.1.6.1.10", "Status", 0x02, 0x06, &olActiveDestroy},
    {},
};

const SNMPVarDescriptor dtMsdpMeshGroupTable[] = {
    {"1.3.6.1.3.92.1.1.12.1.1", "Group Name", 0x4c, 0x01},
    {"1.3.6.1.3.92.1.1.12.1.2", "Peer Address", 0x40, 0x01},
    {"1.3.6.1.3.92.1.1.12.1.3", "Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};
// clang-format on
