// Descriptor tables: Spanning tree of the switch family's own MIB.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtStpConfigurationIdentificationSettings[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.1", "Name", 0x4c, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.2", "Revision Level", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtStpPortMstpTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.1", "Port", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.2", "Instance ID", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.3", "Designated Bridge", 0x04, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.4", "Internal Path Cost", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.5", "Priority", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.6", "State", 0x02, 0x02, &olStpPortState},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.5.1.7", "Role", 0x02, 0x02, &olStpPortRole},
    {},
};

const SNMPVarDescriptor dtDot1dInformationSettings[] = {
    {"1.3.6.1.2.1.17.4.2", "Aging Time", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtDot1dTransparentBridgeForwardingTable[] = {
    {" ", "FDB ID", 0x42, 0x01},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", 0x49, 0x01},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", 0x02, 0x02},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", 0x02, 0x02, &olFdbStatusLearned},
    {},
};
// clang-format on
