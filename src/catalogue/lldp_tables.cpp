// Descriptor tables: LLDP and its 802.1, 802.3 and MED extensions.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtLldpManagementAddressConfiguration[] = {
    {" ", "Management Address Subtype", 0x02, 0x01},
    {" ", "Management Address", 0x51, 0x01},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", 0x04, 0x06},
    {},
};

const SNMPVarDescriptor dtLldpStatisticsInformation[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", 0x43, 0x02},
    {"1.0.8802.1.1.2.1.2.2", "Inserts", 0x42, 0x02},
    {"1.0.8802.1.1.2.1.2.3", "Deletes", 0x42, 0x02},
    {"1.0.8802.1.1.2.1.2.4", "Drops", 0x42, 0x02},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpTxPortTable[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpRxPortTable[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total", 0x41, 0x02},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors", 0x41, 0x02},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total", 0x41, 0x02},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total", 0x41, 0x02},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", 0x41, 0x02},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpPortTable[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype", 0x02, 0x02, &olLldpPortIdSubtype},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", 0x4c, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpManagementAddressTable[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype", 0x02, 0x01, &olLldpLocManAddrSubtype},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address", 0x51, 0x01},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.3.8.1.4", "IF Subtype", 0x02, 0x02, &olLldpManAddrIfSubtype},
    {"1.0.8802.1.1.2.1.3.8.1.5", "IF ID", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", 0x06, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpRemoteManagementAddressTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype", 0x02, 0x01, &olLldpRemManAddrSubtype},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address", 0x04, 0x01},
    {"1.0.8802.1.1.2.1.4.2.1.3", "IF Subtype", 0x02, 0x02, &olLldpManAddrIfSubtype},
    {"1.0.8802.1.1.2.1.4.2.1.4", "IF ID", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", 0x06, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpRemoteUnknownTlvTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpRemoteOrDefaultInformationTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.4.1.1", "OUI", 0x04, 0x01},
    {"1.0.8802.1.1.2.1.4.4.1.2", "Subtype", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.4.1.3", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.4.1.4", "Information", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot1PortVlanStatus[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled", 0x02, 0x06, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpdot1LocalDataTable[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot1LocalProtocolVlanTable[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpdot1LocalProtocolTable[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot1RemoteData[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot1RemoteVlanName[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", 0x4c, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot1RemoteProtocolVlanTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpdot1RemoteProtocolTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot3LocalPortTable[] = {
    {" ", "Local Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot3LocalPowerTable[] = {
    {" ", "Local Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", 0x02, 0x02, &olLldpPowerPortClass},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot3LocalMaxFrameSizeTable[] = {
    {" ", "Local Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max. Frame Size", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot3RemotePortTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot3RemotePowerTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", 0x02, 0x02, &olLldpPowerPortClass},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpdot3RemoteMaxFrameSizeTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max. Frame Size", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpmedSystemSettings[] = {
    {"1.0.8802.1.1.2.1.5.4795.1.1.1", "Device Class", 0x02, 0x02, &olLldpMedDeviceClass},
    {"1.0.8802.1.1.2.1.5.4795.1.1.3", "Fast Start Repeat Count", 0x42, 0x06},
    {"1.0.8802.1.1.2.1.5.4795.1.2.2", "Hardware Revision", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.3", "Firmware Revision", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.4", "Software Revision", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.5", "Serial Number", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.6", "Manufacturer Name", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.7", "Model Name", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.10", "PoE Device Type", 0x02, 0x02, &olLldpMedPoeDeviceType},
    {"1.0.8802.1.1.2.1.5.4795.1.2.12", "PoE PSE Power Source", 0x02, 0x02, &olLldpMedPsePowerSource},
    {},
};

const SNMPVarDescriptor dtLldpmedLocalDataMediaPolicyTable[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.1", "Application Type", 0x02, 0x01, &olLldpMedAppType},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.2", "VLAN ID", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.3", "Priority", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.4", "Differentiated Service Code Point", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.5", "Unknown", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.6", "Tagged", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpmedLocalDataPoePsePortTable[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.2.11.1.1", "Power Available ", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpmedRemoteDataMediaPolicyTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.1", "Application Type", 0x02, 0x01, &olLldpMedAppType},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.2", "VLAN ID", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.3", "Priority", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.4", "Differentiated Service Code Point", 0x02, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.5", "Unknown", 0x02, 0x02, &olTrueFalse},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.6", "Tagged", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpmedRemoteDataInventoryTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.1", "Hardware Revision", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.2", "Firmware Revision", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.3", "Software Revision", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.4", "Serial Number", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.5", "Manufacturer Name", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.6", "Model Name", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.7", "Asset ID", 0x4c, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpmedRemoteDataLocationTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.4.1.1", "Subtype", 0x02, 0x01, &olLldpMedLocationSubtype},
    {"1.0.8802.1.1.2.1.5.4795.1.3.4.1.2", "Information", 0x4c, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpmedRemoteDataPoeTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.5.1.1", "Device Type", 0x02, 0x02, &olLldpMedPoeDeviceType},
    {},
};

const SNMPVarDescriptor dtLldpmedRemoteDataPoePseTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.1", "Power Available", 0x42, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.2", "Power Source", 0x02, 0x02, &olLldpMedPsePowerSource},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.3", "Priority", 0x02, 0x02, &olLldpMedPowerPriority},
    {},
};

const SNMPVarDescriptor dtLldpmedRemoteDataPoePdTable[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.1", "Required", 0x42, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.2", "Source", 0x02, 0x02, &olLldpMedPdPowerSource},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.3", "Priority", 0x02, 0x02, &olLldpMedPowerPriority},
    {},
};
// clang-format on
