// Descriptor tables: Ethernet OAM: CFM and dot3 OAM.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtCfmMdTable[] = {
    {"1.3.111.2.802.1.1.8.1.5.2.1.1", "MD Index", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.5.2.1.3", "Name", 0x4c, 0x06},
    {"1.3.111.2.802.1.1.8.1.5.2.1.4", "MD Level", 0x02, 0x06},
    {"1.3.111.2.802.1.1.8.1.5.2.1.5", "MHF Creation", 0x02, 0x06, &olCfmMdMhfCreation},
    {"1.3.111.2.802.1.1.8.1.5.2.1.6", "MHF ID Permission", 0x02, 0x06, &olCfmMhfIdPermission},
    {"1.3.111.2.802.1.1.8.1.5.2.1.8", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtCfmMaNetTable[] = {
    {"1.3.111.2.802.1.1.8.1.5.2.1.1", "MD Index", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.6.1.1.1", "MA Index", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.6.1.1.3", "MA Net Name", 0x4c, 0x06},
    {"1.3.111.2.802.1.1.8.1.6.1.1.4", "MA Net CCM Interval", 0x02, 0x06, &olCfmCcmInterval},
    {"1.3.111.2.802.1.1.8.1.6.1.1.5", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtCfmMaComponentTable[] = {
    {"1.3.111.2.802.1.1.8.1.6.2.1.1", "Component ID", 0x42, 0x01},
    {" ", "MD Index", 0x42, 0x01},
    {" ", "MA Index", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.6.2.1.3", "MHF Creation", 0x02, 0x06, &olCfmMhfCreation},
    {"1.3.111.2.802.1.1.8.1.6.2.1.4", "Permission", 0x02, 0x06, &olCfmMhfIdPermission},
    {"1.3.111.2.802.1.1.8.1.6.2.1.6", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtCfmMaMepListTable[] = {
    {" ", "MD Index", 0x42, 0x01},
    {" ", "MA Index", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.6.3.1.1", "Identifier", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.6.3.1.2", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtCfmMepTable[] = {
    {" ", "MD Index", 0x42, 0x01},
    {" ", "MA Index", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.1.1.1", "Identifier", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.1.1.2", "IF Index", 0x02, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.3", "Direction", 0x02, 0x06, &olCfmMpDirection},
    {"1.3.111.2.802.1.1.8.1.7.1.1.5", "Active", 0x02, 0x06, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.1.1.6", "FNG State", 0x02, 0x02, &olCfmFngState},
    {"1.3.111.2.802.1.1.8.1.7.1.1.7", "CCI Enabled", 0x02, 0x06, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.1.1.8", "CCM LTM Priority", 0x42, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.9", "MAC Address", 0x49, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.10", "Lowest Priority Defect", 0x02, 0x06, &olCfmLowestAlarmPri},
    {"1.3.111.2.802.1.1.8.1.7.1.1.11", "FNG Alarm Time", 0x02, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.12", "FNG Reset Time", 0x02, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.13", "Highest Priority Defect", 0x02, 0x02, &olCfmHighestDefect},
    {"1.3.111.2.802.1.1.8.1.7.1.1.17", "CCM Sequence Errors", 0x41, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.18", "CCI Sent CCMs", 0x41, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.19", "Next Loopback Message Transmit ID", 0x42, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.20", "In-order Loopback Replies Received", 0x41, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.21", "Out-of-order Loopback Replies Received", 0x41, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.23", "Next Sequence Number of Linktrace Message", 0x42, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.24", "Unexpected Linktrace Message Received", 0x41, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.25", "Loopback Replies Transmitted", 0x41, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.26", "Transmit LBM Status", 0x02, 0x06, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.1.1.27", "Transmit LBM Destination MAC Address", 0x49, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.30", "Transmit LBM Messages", 0x02, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.31", "Transmit LBM Data TLV", 0x4c, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.32", "Transmit LBM VLAN Priority", 0x02, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.34", "Transmit LBM Result OK", 0x02, 0x02, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.1.1.35", "Transmit LBM Sequence Number", 0x42, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.41", "Transmit LTM TTL", 0x42, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.36", "Transmit LTM State", 0x02, 0x02, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.1.1.37", "Transmit LTM Flags", 0x04, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.38", "Transmit LTM Target MAC Address", 0x49, 0x06},
    {"1.3.111.2.802.1.1.8.1.7.1.1.42", "Transmit LTM Result", 0x02, 0x02, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.1.1.43", "Transmit LTM Sequence Number", 0x42, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.1.1.45", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtCfmLinktraceRepliesTable[] = {
    {" ", "MD Index", 0x42, 0x01},
    {" ", "MA Index", 0x42, 0x01},
    {" ", "MEP Identifier", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.2.1.1", "Sequence Number", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.2.1.2", "Receive Order", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.2.1.3", "TTL", 0x42, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.2.1.4", "Forwarded", 0x02, 0x02, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.2.1.5", "Terminal MEP", 0x02, 0x02, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.2.1.6", "Last Egress Identifier", 0x04, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.2.1.7", "Next Egress Identifier", 0x04, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.2.1.8", "Relay", 0x02, 0x02, &olCfmRelayAction},
    {"1.3.111.2.802.1.1.8.1.7.2.1.13", "Ingress", 0x02, 0x02, &olCfmIngressAction},
    {"1.3.111.2.802.1.1.8.1.7.2.1.14", "Ingress MAC", 0x49, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.2.1.17", "Egress", 0x02, 0x02, &olCfmEgressAction},
    {"1.3.111.2.802.1.1.8.1.7.2.1.18", "Egress MAC", 0x49, 0x02},
    {},
};

const SNMPVarDescriptor dtCfmMepDatabaseTable[] = {
    {" ", "MD Index", 0x42, 0x01},
    {" ", "MA Index", 0x42, 0x01},
    {" ", "MEP Identifier", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.3.1.1", "Remote Mep Identifier", 0x42, 0x01},
    {"1.3.111.2.802.1.1.8.1.7.3.1.2", "Remote Mep State", 0x02, 0x02, &olCfmRemoteMepState},
    {"1.3.111.2.802.1.1.8.1.7.3.1.3", "Remote Mep Failed Ok Time", 0x43, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.3.1.4", "MAC Address", 0x49, 0x02},
    {"1.3.111.2.802.1.1.8.1.7.3.1.5", "RDI", 0x02, 0x02, &olTrueFalse},
    {"1.3.111.2.802.1.1.8.1.7.3.1.6", "Port Status TLV", 0x02, 0x02, &olCfmPortStatus},
    {"1.3.111.2.802.1.1.8.1.7.3.1.7", "Interface Status TLV", 0x02, 0x02, &olCfmInterfaceStatus},
    {},
};

const SNMPVarDescriptor dtDot3OamInformationTable[] = {
    {" ", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.1.1.1", "Administration State", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.158.1.1.1.2", "Operation Status", 0x02, 0x02, &olDot3OamOperStatus},
    {"1.3.6.1.2.1.158.1.1.1.3", " Mode", 0x02, 0x06, &olDot3OamMode},
    {"1.3.6.1.2.1.158.1.1.1.4", "Max OAM PDU Size", 0x42, 0x02},
    {"1.3.6.1.2.1.158.1.1.1.5", "PDU Revision", 0x42, 0x02},
    {"1.3.6.1.2.1.158.1.1.1.6", "Functions Supported", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtDot3OamPeerTable[] = {
    {" ", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.2.1.1", "MAC Address", 0x49, 0x02},
    {"1.3.6.1.2.1.158.1.2.1.2", "Vendor OUI", 0x4c, 0x02},
    {"1.3.6.1.2.1.158.1.2.1.4", "Mode", 0x02, 0x02, &olDot3OamPeerMode},
    {"1.3.6.1.2.1.158.1.2.1.5", "Max OAM PDU Size", 0x42, 0x02},
    {"1.3.6.1.2.1.158.1.2.1.6", "PDU Revision", 0x42, 0x02},
    {"1.3.6.1.2.1.158.1.2.1.7", "Functions Supported", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtDot3OamLoopbackTable[] = {
    {" ", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.3.1.1", "Loopback Status", 0x02, 0x02, &olDot3OamLoopbackStatus},
    {"1.3.6.1.2.1.158.1.3.1.2", "Loopback Ignore RX", 0x02, 0x06, &olDot3OamLoopbackIgnoreRx},
    {},
};

const SNMPVarDescriptor dtDot3OamStatisticsTable[] = {
    {" ", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.4.1.1", "Information TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.2", "Information RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.3", "Unique Event Notification TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.4", "Unique Event Notification RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.5", "Duplicate Event Notification TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.6", "Duplicate Event Notification RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.7", "Loopback Control TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.8", "Loopback Control RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.9", "Variable Request TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.10", "Variable Request RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.11", "Variable Response TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.12", "Variable Response RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.13", "Organization Specific TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.14", "Organization Specific RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.15", "Unsupported Codes TX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.16", "Unsupported Codes RX", 0x41, 0x02},
    {"1.3.6.1.2.1.158.1.4.1.17", "Frames Lost Due To OAM", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtDot3OamEventConfigurationTable[] = {
    {" ", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.5.1.5", "Error Symbol Period Event Notification Enable", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.158.1.5.1.6", "Error Frame Period Window", 0x42, 0x06},
    {"1.3.6.1.2.1.158.1.5.1.7", "Error Frame Period Threshold", 0x42, 0x06},
    {"1.3.6.1.2.1.158.1.5.1.8", "Error Frame Period Event Notification Enable", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.158.1.5.1.9", "Error Frame Window (unit:ms)", 0x42, 0x06},
    {"1.3.6.1.2.1.158.1.5.1.10", "Error Frame Threshold", 0x42, 0x06},
    {"1.3.6.1.2.1.158.1.5.1.11", "Error Frame Event Notification Enable", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.158.1.5.1.12", "Error Frame Secs Summary Window (unit:100ms)", 0x02, 0x06},
    {"1.3.6.1.2.1.158.1.5.1.13", "Error Frame Secs Summary Threshold", 0x02, 0x06},
    {"1.3.6.1.2.1.158.1.5.1.14", "Error Frame Secs Event Notification Enable", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.158.1.5.1.15", "Dying Gasp Enable", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.158.1.5.1.16", "Critical Event Enable", 0x02, 0x06, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtDot3OamEventLogTable[] = {
    {" ", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.6.1.1", "Event Log Index", 0x02, 0x01},
    {"1.3.6.1.2.1.158.1.6.1.2", "Event Log Timestamp", 0x43, 0x02},
    {"1.3.6.1.2.1.158.1.6.1.4", "Event Log Type", 0x42, 0x02, &olDot3OamEventLogType},
    {"1.3.6.1.2.1.158.1.6.1.5", "Event Log Location", 0x02, 0x02, &olDot3OamEventLogLocation},
    {"1.3.6.1.2.1.158.1.6.1.10", "Event Log Value", 0x46, 0x02},
    {"1.3.6.1.2.1.158.1.6.1.11", "Event Log Running Total", 0x46, 0x02},
    {"1.3.6.1.2.1.158.1.6.1.12", "Event Log Event Total", 0x42, 0x02},
    {},
};
// clang-format on
