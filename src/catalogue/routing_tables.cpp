// Descriptor tables: Unicast routing: RIP2, OSPF, OSPFv3, VRRP, BGP4.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtRip2SettingsGlobalInformation[] = {
    {"1.3.6.1.2.1.23.1.1", "Route Changes", 0x41, 0x02},
    {"1.3.6.1.2.1.23.1.2", "Queries", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtRip2SettingsRoutingInformation[] = {
    {"1.3.6.1.2.1.23.2.1.1", "IP Address", 0x40, 0x02},
    {"1.3.6.1.2.1.23.2.1.2", "Received Bad Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.23.2.1.3", "Received Bad Routes", 0x41, 0x02},
    {"1.3.6.1.2.1.23.2.1.4", "Sent Updates", 0x41, 0x02},
    {"1.3.6.1.2.1.23.2.1.5", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtRip2SettingsRoutingConfiguration[] = {
    {"1.3.6.1.2.1.23.3.1.1", "IP Address", 0x40, 0x01},
    {"1.3.6.1.2.1.23.3.1.3", "Authentication Type", 0x02, 0x06, &olRipAuthType},
    {"1.3.6.1.2.1.23.3.1.4", "Authentication Key", 0x4c, 0x06},
    {"1.3.6.1.2.1.23.3.1.5", "Interface Send", 0x02, 0x06, &olRipSend},
    {"1.3.6.1.2.1.23.3.1.6", "Accepted RIP Version", 0x02, 0x06, &olRipReceive},
    {"1.3.6.1.2.1.23.3.1.7", "IF Configuration Default Metric", 0x02, 0x02},
    {"1.3.6.1.2.1.23.3.1.8", "IF Configuration Status", 0x02, 0x06, &olRowStatusNotInService},
    {"1.3.6.1.2.1.23.3.1.9", "Interface Source Address", 0x40, 0x02},
    {},
};

const SNMPVarDescriptor dtRip2SettingsPeerTable[] = {
    {"1.3.6.1.2.1.23.4.1.1", "Source IP Address", 0x40, 0x01},
    {"1.3.6.1.2.1.23.4.1.3", "System Up Time of Last Update", 0x43, 0x02},
    {"1.3.6.1.2.1.23.4.1.4", "Version Number", 0x02, 0x02},
    {"1.3.6.1.2.1.23.4.1.5", "Received Bad Packets", 0x41, 0x02},
    {"1.3.6.1.2.1.23.4.1.6", "Received Bad Routes", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtOspfGlobalSettings[] = {
    {"1.3.6.1.2.1.14.1.1", "Router ID", 0x40, 0x06},
    {"1.3.6.1.2.1.14.1.2", "Admin State", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.14.1.3", "Version Number", 0x02, 0x02},
    {"1.3.6.1.2.1.14.1.4", "Area Border Router State", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.14.1.5", "Autonomous System Border Router State", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.14.1.6", "Extern LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.14.1.7", "Extern LSA Checksum Sum", 0x02, 0x02},
    {"1.3.6.1.2.1.14.1.8", "ToS Support", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.14.1.9", "Originate New LSA", 0x41, 0x02},
    {"1.3.6.1.2.1.14.1.10", "Rx New LSA", 0x41, 0x02},
    {"1.3.6.1.2.1.14.1.15", "RFC1583 Compatibility", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.14.1.17", "Reference Bandwidth", 0x42, 0x06},
    {"1.3.6.1.2.1.14.1.24", "As LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.14.1.25", "As LSA CksumSum", 0x42, 0x02},
    {"1.3.6.1.2.1.14.1.26", "Stub Router Support", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtOspfAreaSettingsAreaTable[] = {
    {"1.3.6.1.2.1.14.2.1.1", "Area ID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.2.1.3", "Import As Extern", 0x02, 0x06, &olOspfImportAsExtern},
    {"1.3.6.1.2.1.14.2.1.4", "SPF Runs", 0x41, 0x02},
    {"1.3.6.1.2.1.14.2.1.5", "Border Routers reachable RTR Count", 0x42, 0x02},
    {"1.3.6.1.2.1.14.2.1.6", "As Border Routers reachable RTR Count", 0x42, 0x02},
    {"1.3.6.1.2.1.14.2.1.7", "LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.14.2.1.8", "LSA CksumSum", 0x02, 0x02},
    {"1.3.6.1.2.1.14.2.1.9", "Summary", 0x02, 0x06, &olOspfAreaSummary},
    {"1.3.6.1.2.1.14.2.1.10", "State", 0x02, 0x02, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtOspfAreaSettingsStubAreaTable[] = {
    {"1.3.6.1.2.1.14.3.1.1", "Area ID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.3.1.2", "ToS", 0x02, 0x01},
    {"1.3.6.1.2.1.14.3.1.3", "Metric", 0x02, 0x06},
    {"1.3.6.1.2.1.14.3.1.4", "Status", 0x02, 0x06, &olRowStatusNotReady},
    {"1.3.6.1.2.1.14.3.1.5", "Metric Type", 0x02, 0x02, &olOspfStubMetricType},
    {},
};

const SNMPVarDescriptor dtOspfAreaSettingsAreaLsdbTable[] = {
    {"1.3.6.1.2.1.14.4.1.1", "Area ID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.4.1.2", "Type", 0x02, 0x01, &olOspfLsdbType},
    {"1.3.6.1.2.1.14.4.1.3", "LSID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.4.1.4", "Router ID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.4.1.5", "Sequence", 0x46, 0x02},
    {"1.3.6.1.2.1.14.4.1.6", "Age", 0x02, 0x02},
    {"1.3.6.1.2.1.14.4.1.7", "Checksum", 0x02, 0x02},
    {"1.3.6.1.2.1.14.4.1.8", "Advertisement", 0x04, 0x02},
    {},
};

const SNMPVarDescriptor dtOspfAreaSettingsAreaAggregateTable[] = {
    {"1.3.6.1.2.1.14.14.1.1", "Area ID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.14.1.2", "LSDB Type", 0x02, 0x01, &olOspfAggregateLsdbType},
    {"1.3.6.1.2.1.14.14.1.3", "Net", 0x40, 0x01},
    {"1.3.6.1.2.1.14.14.1.4", "Mask", 0x40, 0x02},
    {"1.3.6.1.2.1.14.14.1.5", "State", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.2.1.14.14.1.6", "Effect", 0x02, 0x06, &olOspfAggregateEffect},
    {},
};

const SNMPVarDescriptor dtOspfHostTable[] = {
    {"1.3.6.1.2.1.14.6.1.1", "IP Address", 0x40, 0x01},
    {"1.3.6.1.2.1.14.6.1.2", "ToS", 0x02, 0x01},
    {"1.3.6.1.2.1.14.6.1.3", "Metric", 0x02, 0x06},
    {"1.3.6.1.2.1.14.6.1.4", "Status", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.2.1.14.6.1.6", "Configure Area ID", 0x40, 0x06},
    {},
};

const SNMPVarDescriptor dtOspfInterfaceTable[] = {
    {"1.3.6.1.2.1.14.7.1.1", "IP Address", 0x40, 0x01},
    {"1.3.6.1.2.1.14.7.1.2", "Address Less IF", 0x02, 0x01},
    {"1.3.6.1.2.1.14.7.1.3", "Area ID", 0x40, 0x06},
    {"1.3.6.1.2.1.14.7.1.4", "Type", 0x02, 0x02, &olOspfIfType},
    {"1.3.6.1.2.1.14.7.1.5", "Administration State", 0x02, 0x02, &olEnabledDisabled},
    {"1.3.6.1.2.1.14.7.1.6", "Rtr Priority", 0x02, 0x06},
    {"1.3.6.1.2.1.14.7.1.7", "Transit Delay", 0x02, 0x06},
    {"1.3.6.1.2.1.14.7.1.8", "Retrans Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.14.7.1.9", "Hello Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.14.7.1.10", "Rtr Dead Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.14.7.1.11", "Poll Interval", 0x02, 0x02},
    {"1.3.6.1.2.1.14.7.1.12", "State", 0x02, 0x02, &olOspfIfState},
    {"1.3.6.1.2.1.14.7.1.13", "Designated Router", 0x40, 0x02},
    {"1.3.6.1.2.1.14.7.1.14", "Backup Designated Router", 0x40, 0x02},
    {"1.3.6.1.2.1.14.7.1.15", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.14.7.1.16", "Authentication Key", 0x4c, 0x06},
    {"1.3.6.1.2.1.14.7.1.17", "Row Status", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.2.1.14.7.1.20", "Authentication Type", 0x02, 0x06, &olOspfAuthType},
    {},
};

const SNMPVarDescriptor dtOspfInterfaceMetricTable[] = {
    {"1.3.6.1.2.1.14.8.1.1", "IP Address", 0x40, 0x01},
    {"1.3.6.1.2.1.14.8.1.2", "Address Less IF", 0x02, 0x01},
    {"1.3.6.1.2.1.14.8.1.3", "ToS", 0x02, 0x01},
    {"1.3.6.1.2.1.14.8.1.4", "Value", 0x02, 0x06},
    {"1.3.6.1.2.1.14.8.1.5", "State", 0x02, 0x02, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtOspfVirtualInterfaceTable[] = {
    {"1.3.6.1.2.1.14.9.1.1", "Area ID", 0x40, 0x01},
    {"1.3.6.1.2.1.14.9.1.2", "Neighbor", 0x40, 0x01},
    {"1.3.6.1.2.1.14.9.1.3", "Transit Delay", 0x02, 0x06},
    {"1.3.6.1.2.1.14.9.1.4", "Retransmit Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.14.9.1.5", "Hello Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.14.9.1.6", "Retransmit Dead Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.14.9.1.7", "State", 0x02, 0x02, &olOspfVirtIfState},
    {"1.3.6.1.2.1.14.9.1.8", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.14.9.1.9", "Authentication Key", 0x4c, 0x06},
    {"1.3.6.1.2.1.14.9.1.10", "State", 0x02, 0x06, &olRowStatus},
    {"1.3.6.1.2.1.14.9.1.11", "Authentication Type", 0x02, 0x06, &olOspfAuthType},
    {},
};

const SNMPVarDescriptor dtOspfNeighborInformationTableNeighborTable[] = {
    {"1.3.6.1.2.1.14.10.1.1", "IP Address", 0x40, 0x02},
    {"1.3.6.1.2.1.14.10.1.2", "Address Less Index", 0x02, 0x02},
    {"1.3.6.1.2.1.14.10.1.3", "Neighbor Router ID", 0x40, 0x02},
    {"1.3.6.1.2.1.14.10.1.4", "Options", 0x02, 0x02},
    {"1.3.6.1.2.1.14.10.1.5", "Priority", 0x02, 0x02},
    {"1.3.6.1.2.1.14.10.1.6", "Relationship State", 0x02, 0x02, &olOspfNbrState},
    {"1.3.6.1.2.1.14.10.1.7", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.14.10.1.8", "Retransmission Queue Length", 0x42, 0x02},
    {"1.3.6.1.2.1.14.10.1.9", "Status", 0x02, 0x02, &olRowStatusNotInService},
    {"1.3.6.1.2.1.14.10.1.10", "Permanence", 0x02, 0x02, &olOspfNbmaPermanence},
    {"1.3.6.1.2.1.14.10.1.11", "Hello Suppressed", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtOspfNeighborInformationTableVirtualNeighborTable[] = {
    {"1.3.6.1.2.1.14.11.1.1", "Transit Area ID", 0x40, 0x02},
    {"1.3.6.1.2.1.14.11.1.2", "Neighbor Router ID", 0x40, 0x02},
    {"1.3.6.1.2.1.14.11.1.3", "Vitural Neighbor IP Address", 0x40, 0x02},
    {"1.3.6.1.2.1.14.11.1.4", "Options", 0x02, 0x02},
    {"1.3.6.1.2.1.14.11.1.5", "State", 0x02, 0x02, &olOspfNbrState},
    {"1.3.6.1.2.1.14.11.1.6", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.14.11.1.7", "Retranmission Queue Length", 0x42, 0x02},
    {"1.3.6.1.2.1.14.11.1.8", "Hello Suppressed", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtOspfv3GlobalSettings[] = {
    {"1.3.6.1.2.1.191.1.1.1", "Router ID", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.1.2", "Admin State", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.191.1.1.3", "Version Number", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.1.4", "Area Border Router State", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.191.1.1.5", "AS Border Router State", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.191.1.1.6", "AS Scope LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.1.7", "AS Scope LSA Checksum ", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.1.8", "Originate New LSAS", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.1.9", "RX New LSAS", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.1.10", "External LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.1.11", "External Area LSDB Limit", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.1.14", "Reference Bandwidth", 0x42, 0x06},
    {},
};

const SNMPVarDescriptor dtOspfv3AreaTable[] = {
    {"1.3.6.1.2.1.191.1.2.1.1", "Area ID ", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.2.1.2", "Import AS Extern", 0x02, 0x06, &olOspfv3ImportAsExtern},
    {"1.3.6.1.2.1.191.1.2.1.3", "SPF Runs", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.2.1.4", "Border Router Count", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.2.1.5", "AS Border Router Count", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.2.1.6", "Scope LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.2.1.7", "Scope LSA Checksum", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.2.1.8", "Summary", 0x02, 0x06, &olOspfAreaSummary},
    {"1.3.6.1.2.1.191.1.2.1.9", "Row Status", 0x02, 0x02, &olRowStatus},
    {"1.3.6.1.2.1.191.1.2.1.10", "Stub Metric", 0x02, 0x06},
    {"1.3.6.1.2.1.191.1.2.1.15", "Stub Metric Type", 0x02, 0x02, &olOspfv3StubMetricType},
    {},
};

const SNMPVarDescriptor dtOspfv3AsLsdbTable[] = {
    {"1.3.6.1.2.1.191.1.3.1.1", "Type", 0x02, 0x01, &olOspfv3LsaType},
    {"1.3.6.1.2.1.191.1.3.1.2", "Router ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.3.1.3", "LS ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.3.1.4", "Sequence", 0x46, 0x02},
    {"1.3.6.1.2.1.191.1.3.1.5", "Age", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.3.1.6", "Checksum", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.3.1.7", "Advertisement", 0x04, 0x02},
    {"1.3.6.1.2.1.191.1.3.1.8", "Type Known", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtOspfv3AreaLsdbTable[] = {
    {"1.3.6.1.2.1.191.1.4.1.1", "Area ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.4.1.2", "Type", 0x02, 0x01, &olOspfv3LsaType},
    {"1.3.6.1.2.1.191.1.4.1.3", "Router ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.4.1.4", "LS ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.4.1.5", "Sequence", 0x46, 0x02},
    {"1.3.6.1.2.1.191.1.4.1.6", "Age", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.4.1.7", "Checksum", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.4.1.8", "Advertisement", 0x04, 0x02},
    {"1.3.6.1.2.1.191.1.4.1.9", "Type Known", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtOspfv3LinkLsdbTable[] = {
    {"1.3.6.1.2.1.191.1.5.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.191.1.5.1.2", "Instance ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.5.1.3", "Type", 0x02, 0x01, &olOspfv3LsaType},
    {"1.3.6.1.2.1.191.1.5.1.4", "Router ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.5.1.5", "LS ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.5.1.6", "Sequence", 0x46, 0x02},
    {"1.3.6.1.2.1.191.1.5.1.7", "Age", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.5.1.8", "Checksum", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.5.1.9", "Advertisement", 0x04, 0x02},
    {"1.3.6.1.2.1.191.1.5.1.10", "Type Known", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtOspfv3InterfaceTable[] = {
    {"1.3.6.1.2.1.191.1.7.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.191.1.7.1.2", "Instance ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.7.1.3", "Area ID", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.4", "Type", 0x02, 0x02, &olOspfIfType},
    {"1.3.6.1.2.1.191.1.7.1.5", "Admin State", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.191.1.7.1.6", "Router Priority", 0x02, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.7", "Transit Delay", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.8", "Retransmission Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.9", "Hello Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.10", "Router Dead Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.12", "State", 0x02, 0x02, &olOspfv3IfState},
    {"1.3.6.1.2.1.191.1.7.1.13", "Designated Router", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.7.1.14", "Backup Designated Router", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.7.1.15", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.7.1.16", "Row Status", 0x02, 0x02, &olRowStatus},
    {"1.3.6.1.2.1.191.1.7.1.18", "Metric Value", 0x02, 0x06},
    {"1.3.6.1.2.1.191.1.7.1.19", "Link Scope LSA Count", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.7.1.20", "Link LSA Checksum", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtOspfv3VirtualInterfaceTable[] = {
    {"1.3.6.1.2.1.191.1.8.1.1", "Area ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.8.1.2", "Neighbor", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.8.1.3", "Index", 0x46, 0x02},
    {"1.3.6.1.2.1.191.1.8.1.4", "Instance  ID", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.8.1.5", "Transit Delay", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.8.1.6", "Retransmission Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.8.1.7", "Hello Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.191.1.8.1.8", "Rtr Dead Interval", 0x42, 0x06},
    {"1.3.6.1.2.1.191.1.8.1.9", "State", 0x02, 0x02, &olOspfVirtIfState},
    {"1.3.6.1.2.1.191.1.8.1.10", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.8.1.11", "Row Status", 0x02, 0x02, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtOspfv3NeighborTable[] = {
    {"1.3.6.1.2.1.191.1.9.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.191.1.9.1.2", "Instance ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.9.1.3", "Router ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.9.1.4", "Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.191.1.9.1.5", "Address", 0x51, 0x02},
    {"1.3.6.1.2.1.191.1.9.1.6", "Options", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.9.1.7", "Priority", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.9.1.8", "State", 0x02, 0x02, &olOspfNbrState},
    {"1.3.6.1.2.1.191.1.9.1.9", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.9.1.10", "Retransmission Queue Length", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.9.1.11", "Hello Suppressed", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.191.1.9.1.12", "Interface ID", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtOspfv3ConfigureNeighborTable[] = {
    {"1.3.6.1.2.1.191.1.10.1.1", "Interface Index", 0x02, 0x01},
    {"1.3.6.1.2.1.191.1.10.1.2", "Interface Instance ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.10.1.3", "Address Type", 0x02, 0x01, &olInetAddressType},
    {"1.3.6.1.2.1.191.1.10.1.4", "Address", 0x4d, 0x01},
    {"1.3.6.1.2.1.191.1.10.1.5", "Priority", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.10.1.6", "Row Status", 0x02, 0x02, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtOspfv3VirtualNeighborTable[] = {
    {"1.3.6.1.2.1.191.1.11.1.1", "Area", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.11.1.2", "Router ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.11.1.3", "Interface Index", 0x46, 0x02},
    {"1.3.6.1.2.1.191.1.11.1.4", "Interface Instance ID", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.11.1.5", "Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.2.1.191.1.11.1.6", "Address", 0x51, 0x02},
    {"1.3.6.1.2.1.191.1.11.1.7", "Options", 0x02, 0x02},
    {"1.3.6.1.2.1.191.1.11.1.8", "State", 0x02, 0x02, &olOspfNbrState},
    {"1.3.6.1.2.1.191.1.11.1.9", "Events", 0x41, 0x02},
    {"1.3.6.1.2.1.191.1.11.1.10", "Retransmission Queue Length", 0x42, 0x02},
    {"1.3.6.1.2.1.191.1.11.1.11", "Hello Suppressed", 0x02, 0x02, &olTrueFalse},
    {"1.3.6.1.2.1.191.1.11.1.12", "Interface ID", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtOspfv3AreaAggregateTable[] = {
    {"1.3.6.1.2.1.191.1.12.1.1", "Area ID", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.12.1.2", "Area LSDB Type", 0x02, 0x01, &olOspfv3AggregateLsdbType},
    {"1.3.6.1.2.1.191.1.12.1.3", "Prefix Type", 0x02, 0x01, &olOspfv3PrefixType},
    {"1.3.6.1.2.1.191.1.12.1.4", "Prefix", 0x4d, 0x01},
    {"1.3.6.1.2.1.191.1.12.1.5", "Prefix Length", 0x42, 0x01},
    {"1.3.6.1.2.1.191.1.12.1.6", "Row Status", 0x02, 0x02, &olRowStatus},
    {"1.3.6.1.2.1.191.1.12.1.7", "Effect", 0x02, 0x02, &olOspfAggregateEffect},
    {},
};

const SNMPVarDescriptor dtVrrpGlobalSettings[] = {
    {"1.3.6.1.2.1.68.1.1", "VRRP Node Version", 0x02, 0x02},
    {},
};

const SNMPVarDescriptor dtVrrpOperationTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", 0x02, 0x01},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", 0x49, 0x02},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", 0x02, 0x02, &olVrrpState},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", 0x02, 0x06, &olUpDown},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority [0..255]", 0x02, 0x06},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", 0x02, 0x02},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", 0x40, 0x02},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", 0x40, 0x02},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", 0x02, 0x02, &olVrrpAuthType},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", 0x4c, 0x02},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval [1..255]", 0x02, 0x06},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", 0x43, 0x02},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", 0x02, 0x06, &olVrrpProtocol},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtVrrpVirtualRouteAddressTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", 0x02, 0x01},
    {"1.3.6.1.2.1.68.1.3.1.1", "Operation VRID", 0x02, 0x01},
    {"1.3.6.1.2.1.68.1.4.1.1", "Associated IP Address", 0x40, 0x01},
    {"1.3.6.1.2.1.68.1.4.1.2", "Row Status", 0x02, 0x06, &olRowStatus},
    {},
};

const SNMPVarDescriptor dtVrrpErrorStatisticsInformation[] = {
    {"1.3.6.1.2.1.68.2.1", "Checksum Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.68.2.2", "Version Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.68.2.3", "VRID Errors", 0x41, 0x02},
    {},
};

const SNMPVarDescriptor dtBgp4GlobalInformation[] = {
    {"1.3.6.1.2.1.15.1", "Version", 0x04, 0x02},
    {"1.3.6.1.2.1.15.2", "Local Autonomous System Number", 0x02, 0x02},
    {"1.3.6.1.2.1.15.4", "Identifier", 0x40, 0x02},
    {},
};

const SNMPVarDescriptor dtBgp4PeerTable[] = {
    {"1.3.6.1.2.1.15.3.1.7", "Remote Address", 0x40, 0x01},
    {"1.3.6.1.2.1.15.3.1.1", "Identifier", 0x40, 0x02},
    {"1.3.6.1.2.1.15.3.1.2", "State", 0x02, 0x02, &olBgpPeerState},
    {"1.3.6.1.2.1.15.3.1.3", "Admin State", 0x02, 0x06, &olBgpPeerAdminStatus},
    {"1.3.6.1.2.1.15.3.1.4", "Negotiated Version", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.5", "Local Address", 0x40, 0x02},
    {"1.3.6.1.2.1.15.3.1.6", "Local Port", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.8", "Remote Port", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.9", "Remote Autonomous System Number", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.10", "In Updates", 0x41, 0x02},
    {"1.3.6.1.2.1.15.3.1.11", "Out Updates", 0x41, 0x02},
    {"1.3.6.1.2.1.15.3.1.12", "In Total Messages", 0x41, 0x02},
    {"1.3.6.1.2.1.15.3.1.13", "Out Total Messages", 0x41, 0x02},
    {"1.3.6.1.2.1.15.3.1.14", "Last Error", 0x04, 0x02},
    {"1.3.6.1.2.1.15.3.1.15", "FSM Established Transitions", 0x41, 0x02},
    {"1.3.6.1.2.1.15.3.1.16", "FSM Established Time", 0x42, 0x02},
    {"1.3.6.1.2.1.15.3.1.17", "Connect Retry Interval", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.18", "Hold Time", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.19", "Keep Alive", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.20", "Hold Time Configured", 0x02, 0x06},
    {"1.3.6.1.2.1.15.3.1.21", "Keep Alive Configured", 0x02, 0x06},
    {"1.3.6.1.2.1.15.3.1.22", "Min AS Origination Interval", 0x02, 0x02},
    {"1.3.6.1.2.1.15.3.1.23", "Min Route Advertisement Interval", 0x02, 0x06},
    {"1.3.6.1.2.1.15.3.1.24", "In Update Elapsed Time", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtBgp4PathAttributeTable[] = {
    {"1.3.6.1.2.1.15.6.1.3", "IP Address Prefix", 0x40, 0x01},
    {"1.3.6.1.2.1.15.6.1.2", "IP Address Prefix Length", 0x02, 0x01},
    {"1.3.6.1.2.1.15.6.1.1", "Peer", 0x40, 0x01},
    {"1.3.6.1.2.1.15.6.1.4", "Origin", 0x02, 0x02, &olBgpPathOrigin},
    {"1.3.6.1.2.1.15.6.1.5", "AS Path Segment", 0x04, 0x02},
    {"1.3.6.1.2.1.15.6.1.6", "Next Hop", 0x40, 0x02},
    {"1.3.6.1.2.1.15.6.1.7", "Multiple Exit Discriminate", 0x02, 0x02},
    {"1.3.6.1.2.1.15.6.1.8", "Local Preference", 0x02, 0x02},
    {"1.3.6.1.2.1.15.6.1.9", "Atomic Aggregate", 0x02, 0x02, &olBgpAtomicAggregate},
    {"1.3.6.1.2.1.15.6.1.10", "Aggregator AS", 0x02, 0x02},
    {"1.3.6.1.2.1.15.6.1.11", "Aggregator Address", 0x40, 0x02},
    {"1.3.6.1.2.1.15.6.1.12", "Calculate Local Preference", 0x02, 0x02},
    {"1.3.6.1.2.1.15.6.1.13", "Best Route", 0x02, 0x02, &olFalseTrue},
    {"1.3.6.1.2.1.15.6.1.14", "Unknown Path", 0x04, 0x02},
    {},
};
// clang-format on
