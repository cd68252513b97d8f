// Descriptor tables: Bridge MIBs: 802.1Q VLANs and forwarding, 802.1D, 802.3ad, 802.1p.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtDot1qBridgeBasicInformationSettings[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", 0x02, 0x02},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max. VLAN ID", 0x02, 0x02},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max. Supported VLANs", 0x42, 0x02},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Number of VLANs", 0x42, 0x02},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP State", 0x02, 0x06, &olEnabledDisabled},
    {},
};

const SNMPVarDescriptor dtPortInformationTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", 0x02, 0x01},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtDot1qUnicastForwardingInformation[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", 0x02, 0x01},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", 0x49, 0x01},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", 0x02, 0x02},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", 0x02, 0x02, &olFdbStatus},
    {},
};

const SNMPVarDescriptor dtDot1qFilteringDatabaseTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", 0x42, 0x01},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtDot1qVlanBasicInformation[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Num Deletes", 0x41, 0x02},
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtDot1qStaticVlanTable[] = {
    {" ", "VLAN Index", 0x42, 0x01},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", 0x4c, 0x06},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", 0x03, 0x06},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", 0x03, 0x06},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtDot1qCurrentVlanTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", 0x43, 0x01},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", 0x42, 0x01},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", 0x42, 0x02},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", 0x04, 0x02},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", 0x04, 0x02},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", 0x02, 0x02, &olVlanStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", 0x43, 0x02},
    {},
};

const SNMPVarDescriptor dtProtocolVlanPortTable[] = {
    {" ", "Port", 0x02, 0x01},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", 0x02, 0x01},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VLAN ID", 0x02, 0x06},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtDot3adAggregatorTable[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1", "Index", 0x02, 0x01},
    {"1.2.840.10006.300.43.1.1.1.1.2", "MAC Address", 0x49, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.3", "Actor System Priority", 0x02, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.4", "Actor System ID", 0x49, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.5", "Aggregate Or Individual", 0x02, 0x02, &olTrueFalse},
    {"1.2.840.10006.300.43.1.1.1.1.6", "Actor Administration Value Key", 0x02, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.7", "Actor Operational Value Key", 0x02, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.8", "Partner System ID", 0x49, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.9", "Partner System Priority", 0x02, 0x02},
    {"1.2.840.10006.300.43.1.1.1.1.10", "Partner Operational Value Key", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtDot3adAggregatorPortListTable[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1", "Index", 0x02, 0x01},
    {"1.2.840.10006.300.43.1.1.2.1.1", "Ports                ", 0x03, 0x02},
    {},
};

const SNMPVarDescriptor dtDot1pPortPrioritiesTable[] = {
    {" ", "Port", 0x02, 0x01},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtDot1pRegeneratedUserPrioritiesTable[] = {
    {" ", "Port", 0x02, 0x01},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", 0x02, 0x01},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtDot1pGarpTimer[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Join Time", 0x02, 0x06},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Leave Time", 0x02, 0x06},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Leave All Time", 0x02, 0x06},
    {},
};
// clang-format on
