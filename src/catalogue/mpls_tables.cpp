// Descriptor tables: MPLS label switching, LDP, pseudowires and VPLS.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtMplsOutSegmentTable[] = {
    {"1.3.6.1.2.1.10.166.2.1.7.1.1", "Index", 0x06, 0x01},
    {"1.3.6.1.2.1.10.166.2.1.7.1.2", "Interface", 0x02, 0x02},
    {"1.3.6.1.2.1.10.166.2.1.7.1.3", "Push Top Label", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.10.166.2.1.7.1.4", "Top Label", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.2.1.7.1.6", "Next Hop Address Type", 0x02, 0x02, &olIpv4AddressType},
    {"1.3.6.1.2.1.10.166.2.1.7.1.7", "Next Hop Address", 0x51, 0x02},
    {"1.3.6.1.2.1.10.166.2.1.7.1.9", "Owner", 0x02, 0x02, &olMplsOwner},
    {"1.3.6.1.2.1.10.166.2.1.7.1.11", "Row Status", 0x02, 0x02, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtMplsInSegmentTable[] = {
    {"1.3.6.1.2.1.10.166.2.1.4.1.1", "Index", 0x06, 0x01},
    {"1.3.6.1.2.1.10.166.2.1.4.1.3", "Label", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.2.1.4.1.6", "Address Family", 0x02, 0x02, &olMplsAddressFamily},
    {"1.3.6.1.2.1.10.166.2.1.4.1.8", "Owner", 0x02, 0x02, &olMplsOwner},
    {"1.3.6.1.2.1.10.166.2.1.4.1.10", "Row Status", 0x02, 0x02, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtMplsXcTable[] = {
    {"1.3.6.1.2.1.10.166.2.1.10.1.1", "Index", 0x06, 0x01},
    {"1.3.6.1.2.1.10.166.2.1.10.1.2", "In Segment Index", 0x06, 0x01},
    {"1.3.6.1.2.1.10.166.2.1.10.1.3", "Out Segment Index", 0x06, 0x01},
    {"1.3.6.1.2.1.10.166.2.1.10.1.6", "Owner", 0x02, 0x02, &olMplsOwner},
    {"1.3.6.1.2.1.10.166.2.1.10.1.7", "Row Status", 0x02, 0x02, &olRowStatus},
    {"1.3.6.1.2.1.10.166.2.1.10.1.10", "Operational Status", 0x02, 0x02, &olIfOperStatus},
    {},
};

const SNMPVarDescriptor dtMplsFtnTable[] = {
    {"1.3.6.1.2.1.10.166.8.1.3.1.1", "Index", 0x42, 0x01},
    {"1.3.6.1.2.1.10.166.8.1.3.1.2", "Row Status", 0x02, 0x02, &olRowStatus},
    {"1.3.6.1.2.1.10.166.8.1.3.1.4", "Mask", 0x04, 0x02},
    {"1.3.6.1.2.1.10.166.8.1.3.1.5", "Address Type", 0x02, 0x02, &olIpv4AddressType},
    {},
};

const SNMPVarDescriptor dtLdpLsrInformation[] = {
    {"1.3.6.1.2.1.10.166.4.1.1.1", "LSR ID", 0x40, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.1.2", "Loop Detection Capable", 0x02, 0x02, &olLdpLoopDetection},
    {},
};

const SNMPVarDescriptor dtLdpEntityInformationTable[] = {
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.1", "Entity LDP ID", 0x49, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.2", "Entity Index", 0x42, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.3", "Protocol Version", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.4", "Admin State", 0x02, 0x06, &olEnableDisable},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.6", "Tcp Port", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.7", "UDP Discovery  Port", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.8", "Max. PDU Length", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.9", "Keep Alive Hold Timer", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.12", "Label Distribution Method", 0x02, 0x02, &olLdpLabelDistribution},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.13", "Label Retention Mode", 0x02, 0x06, &olLdpLabelRetention},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.14", "Path Vector Limit", 0x02, 0x06},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.15", "Hop Count Limit", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtLdpEntityStatisticsTable[] = {
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.1", "Entity LDP ID", 0x49, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.2", "Entity Index", 0x42, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.2.4.1.12", "Shutdown Received Notifications", 0x41, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.2.4.1.13", "Shutdown Sent Notifications", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtLdpPeerInformationTable[] = {
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.1", "Entity LDP ID", 0x49, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.2", "Entity Index", 0x42, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.3.2.1.1", "LDP ID", 0x49, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.3.2.1.2", "Label Distribution Method", 0x02, 0x02, &olLdpLabelDistribution},
    {"1.3.6.1.2.1.10.166.4.1.3.2.1.3", "Path Vector Limit", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLdpSessionInformationTable[] = {
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.1", "Entity LDP ID", 0x49, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.2.3.1.2", "Entity Index", 0x42, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.3.2.1.1", "LDP ID", 0x49, 0x01},
    {"1.3.6.1.2.1.10.166.4.1.3.3.1.2", "State", 0x02, 0x02, &olLdpSessionState},
    {"1.3.6.1.2.1.10.166.4.1.3.3.1.3", "Role", 0x02, 0x02, &olLdpSessionRole},
    {"1.3.6.1.2.1.10.166.4.1.3.3.1.5", "Keep Alive Hold Time Remaining", 0x02, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.3.3.1.6", "Keep Alive Time", 0x42, 0x02},
    {"1.3.6.1.2.1.10.166.4.1.3.3.1.7", "Max. PDU Length", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtPwMplsInformationTable[] = {
    {" ", "PW Index", 0x42, 0x01},
    {"1.3.6.1.2.1.181.1.1.1.1", "MPLS Type", 0x04, 0x02},
    {"1.3.6.1.2.1.181.1.1.1.5", "Local LDP ID", 0x04, 0x06},
    {"1.3.6.1.2.1.181.1.1.1.7", "Peer LDP ID", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtPwEthernetTable[] = {
    {" ", "PW Index", 0x42, 0x01},
    {"1.3.6.1.2.1.180.1.1.1.1", "PW Instance", 0x42, 0x01},
    {"1.3.6.1.2.1.180.1.1.1.3", "VLAN Mode", 0x02, 0x06, &olPwEnetVlanMode},
    {"1.3.6.1.2.1.180.1.1.1.4", "Port VLAN", 0x02, 0x06},
    {"1.3.6.1.2.1.180.1.1.1.5", "Port IF Index", 0x02, 0x06},
    {"1.3.6.1.2.1.180.1.1.1.7", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtVplsConfigureTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.1", "Index", 0x42, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.2", "Name", 0x4c, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.12", "Row Status", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.13", "MTU", 0x42, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.14", "VPN ID", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtVplsStatusTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.1", "Configure Index", 0x42, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.3.1.1", "Operation Status", 0x02, 0x02, &olVplsOperStatus},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.3.1.2", "Peer Count", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtVplsPwBindingTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.2.1.1", "Configure Index", 0x42, 0x01},
    {" ", "PW Index", 0x42, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.4.1.1", "Configure Type", 0x02, 0x06, &olVplsPwBindConfigType},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.4.1.2", "Type", 0x02, 0x06, &olVplsPwBindType},
    {"1.3.6.1.4.1.32473.10.120.100.4.1.1.4.1.3", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtPwInformationTable[] = {
    {"1.3.6.1.2.1.10.246.1.2.1.1", "Index", 0x42, 0x01},
    {"1.3.6.1.2.1.10.246.1.2.1.2", "Type", 0x02, 0x06, &olPwType},
    {"1.3.6.1.2.1.10.246.1.2.1.3", "Owner", 0x02, 0x02, &olPwOwner},
    {"1.3.6.1.2.1.10.246.1.2.1.4", "PSN Type", 0x02, 0x02, &olPwPsnType},
    {"1.3.6.1.2.1.10.246.1.2.1.8", "Peer Address Type", 0x02, 0x02, &olIpv4AddressType},
    {"1.3.6.1.2.1.10.246.1.2.1.9", "Peer Address", 0x51, 0x06},
    {"1.3.6.1.2.1.10.246.1.2.1.12", "ID", 0x42, 0x06},
    {"1.3.6.1.2.1.10.246.1.2.1.18", "Local IF MTU", 0x42, 0x02},
    {"1.3.6.1.2.1.10.246.1.2.1.23", "Remote IF MTU", 0x42, 0x02},
    {"1.3.6.1.2.1.10.246.1.2.1.30", "Out bound Label", 0x42, 0x02},
    {"1.3.6.1.2.1.10.246.1.2.1.31", "In bound Label", 0x42, 0x02},
    {"1.3.6.1.2.1.10.246.1.2.1.38", "Operational State", 0x02, 0x02, &olPwOperStatus},
    {"1.3.6.1.2.1.10.246.1.2.1.44", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};
// clang-format on
