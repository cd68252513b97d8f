// Descriptor tables of the hand-built LLDP windows: OID, caption, syntax, flags, option list.
#include "lldp_window_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtLldpPortConfig[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration State", 0x02, 0x06, &olLldpAdminStatus},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", 0x04, 0x06},
    {},
};

const SNMPVarDescriptor dtLldpDot3PortConfig[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", 0x04, 0x06},
    {},
};

const SNMPVarDescriptor dtLldpMedPortConfig[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.1", "Capability Supported", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.2", "TLVs TX Enabled", 0x04, 0x06},
    {},
};

const SNMPVarDescriptor dtLldpDot1ConfigProtocol[] = {
    {" ", "Port Number", 0x02, 0x01},
    {" ", "Protocol Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", 0x02, 0x06, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpDot1ConfigProtocolVlan[] = {
    {" ", "Port Number", 0x02, 0x01},
    {" ", "VLAN ID", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", 0x02, 0x06, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtLldpDot3LocalLinkAggregation[] = {
    {" ", "Local Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation State", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpDot3RemoteLinkAggregation[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation State", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpMedRemoteCapabilities[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.1", "Capability Supported", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.2", "Capability Current", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.3", "Device Class", 0x02, 0x02, &olLldpMedDeviceClass},
    {},
};

const SNMPVarDescriptor dtLldpRemoteSystems[] = {
    {" ", "Time Mark", 0x43, 0x01},
    {" ", "Local Port Number", 0x02, 0x01},
    {" ", "Index", 0x02, 0x01},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Chassis ID Subtype", 0x02, 0x02, &olLldpChassisIdSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Chassis ID", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Port ID Subtype", 0x02, 0x02, &olLldpPortIdSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Port ID", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Port Description", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.4.1.1.9", "System Name", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.4.1.1.10", "System Description", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpLocalSystemData[] = {
    {"1.0.8802.1.1.2.1.3.1", "Local Chassis ID Subtype", 0x02, 0x02, &olLldpChassisIdSubtype},
    {"1.0.8802.1.1.2.1.3.2", "Local Chassis ID", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.3.3", "Local System Name", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.3.4", "Local System Description", 0x4c, 0x02},
    {"1.0.8802.1.1.2.1.3.5", "Local System Capabilities Supported", 0x04, 0x02},
    {"1.0.8802.1.1.2.1.3.6", "Local System Capabilities Enabled", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtLldpBasicSettings[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", 0x02, 0x06},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", 0x02, 0x06},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", 0x02, 0x06},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", 0x02, 0x06},
    {},
};

// clang-format on
