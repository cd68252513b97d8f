// Descriptor tables: SNMPv3 framework: engine, targets, notifications, USM, VACM, community.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtSnmpv3EngineInformation[] = {
    {"1.3.6.1.6.3.10.2.1.1", "ID", 0x04, 0x02},
    {"1.3.6.1.6.3.10.2.1.2", "Boot Numbers", 0x02, 0x02},
    {"1.3.6.1.6.3.10.2.1.3", "Time", 0x02, 0x02},
    {"1.3.6.1.6.3.10.2.1.4", "Max. Message Size", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtSnmpv3MessageProcessingAndDispatchingInformation[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", 0x41, 0x02},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", 0x41, 0x02},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtSnmpv3TargetGeneralInformation[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", 0x02, 0x06},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtSnmpv3TargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", 0x4c, 0x41},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", 0x06, 0x06},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", 0x04, 0x06},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", 0x02, 0x06},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", 0x02, 0x06},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", 0x4c, 0x06},
    {"1.3.6.1.6.3.12.1.2.1.7", "Parameters", 0x4c, 0x06},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3TargetParametersTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", 0x4c, 0x41},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", 0x02, 0x06},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", 0x02, 0x06},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", 0x02, 0x06, &olSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3UserBasedSecurityModelGeneralInformation[] = {
    {"1.3.6.1.6.3.15.1.2.1", "Spin Lock", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtSnmpv3UserBasedSecurityModelStatisticsInformation[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", 0x41, 0x02},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", 0x41, 0x02},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", 0x41, 0x02},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", 0x41, 0x02},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", 0x41, 0x02},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtSnmpv3UserBasedSecurityModelUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", 0x04, 0x01},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", 0x4c, 0x01},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", 0x4c, 0x02},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", 0x06, 0x06},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", 0x06, 0x06, &olUsmAuthProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", 0x4c, 0x06},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", 0x4c, 0x06},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", 0x06, 0x06, &olUsmPrivProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", 0x4c, 0x06},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", 0x4c, 0x06},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", 0x4c, 0x06},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3VacmContextName[] = {
    {"1.3.6.1.6.3.16.1.1.1.1", "Context Name", 0x4c, 0x02},
    {},
};

const SNMPVarDescriptor dtSnmpv3VacmGeneralInformation[] = {
    {"1.3.6.1.6.3.16.1.5.1", "Spin Lock", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtSnmpv3VacmSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Model", 0x02, 0x01},
    {"1.3.6.1.6.3.16.1.2.1.2", "Name", 0x4c, 0x01},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3VacmAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", 0x4c, 0x01},
    {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix", 0x02, 0x01},
    {"1.3.6.1.6.3.16.1.4.1.2", "Security Model", 0x02, 0x01},
    {"1.3.6.1.6.3.16.1.4.1.3", "Security Level", 0x02, 0x01, &olSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Context Match", 0x02, 0x06, &olContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Read View Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.16.1.4.1.6", "Write View Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.16.1.4.1.7", "Notify View Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.16.1.4.1.8", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3VacmMibTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name", 0x4c, 0x01},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Sub Tree", 0x06, 0x01},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", 0x04, 0x06},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Family Type", 0x02, 0x06, &olIncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Family Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3NotificationsInformationTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", 0x4c, 0x41},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", 0x4c, 0x06},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", 0x02, 0x06, &olNotifyType},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3CommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", 0x4c, 0x41},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", 0x04, 0x06},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", 0x4c, 0x06},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", 0x4c, 0x06},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", 0x02, 0x06, &olStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtSnmpv3CommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", 0x4c, 0x41},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", 0x4c, 0x06},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS", 0x02, 0x06},
    {},
};
// clang-format on
