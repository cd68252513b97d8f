// Descriptor tables of the generic MIB windows, one source file per MIB area.
#pragma once

#include "nm_snmp_var_list.h"

// System group, SNMP, interfaces and IP of MIB-II and IF-MIB.
extern const SNMPVarDescriptor dtSystemOrTable[];
extern const SNMPVarDescriptor dtTrapSettings[];
extern const SNMPVarDescriptor dtIfNumber[];
extern const SNMPVarDescriptor dtIfxTable[];
extern const SNMPVarDescriptor dtIpInformationSettings[];
extern const SNMPVarDescriptor dtIpCountersTable[];

// ENTITY-MIB and POWER-ETHERNET-MIB.
extern const SNMPVarDescriptor dtEntityLastChangeTimeInformation[];
extern const SNMPVarDescriptor dtEntityPhysicalTable[];
extern const SNMPVarDescriptor dtPowerEthernetPsePortTable[];
extern const SNMPVarDescriptor dtPowerEthernetMainPsePortTable[];

// EtherLike-MIB.
extern const SNMPVarDescriptor dtDot3StatisticsTable[];
extern const SNMPVarDescriptor dtDot3PauseTable[];
extern const SNMPVarDescriptor dtDot3HcStatisticsTable[];

// SNMPv3 framework: engine, targets, notifications, USM, VACM, community.
extern const SNMPVarDescriptor dtSnmpv3EngineInformation[];
extern const SNMPVarDescriptor dtSnmpv3MessageProcessingAndDispatchingInformation[];
extern const SNMPVarDescriptor dtSnmpv3TargetGeneralInformation[];
extern const SNMPVarDescriptor dtSnmpv3TargetAddressTable[];
extern const SNMPVarDescriptor dtSnmpv3TargetParametersTable[];
extern const SNMPVarDescriptor dtSnmpv3UserBasedSecurityModelGeneralInformation[];
extern const SNMPVarDescriptor dtSnmpv3UserBasedSecurityModelStatisticsInformation[];
extern const SNMPVarDescriptor dtSnmpv3UserBasedSecurityModelUserTable[];
extern const SNMPVarDescriptor dtSnmpv3VacmContextName[];
extern const SNMPVarDescriptor dtSnmpv3VacmGeneralInformation[];
extern const SNMPVarDescriptor dtSnmpv3VacmSecurityGroupTable[];
extern const SNMPVarDescriptor dtSnmpv3VacmAccessTable[];
extern const SNMPVarDescriptor dtSnmpv3VacmMibTreeFamilyTable[];
extern const SNMPVarDescriptor dtSnmpv3NotificationsInformationTable[];
extern const SNMPVarDescriptor dtSnmpv3CommunityStringTable[];
extern const SNMPVarDescriptor dtSnmpv3CommunityTargetAddressTable[];

// MPLS label switching, LDP, pseudowires and VPLS.
extern const SNMPVarDescriptor dtMplsOutSegmentTable[];
extern const SNMPVarDescriptor dtMplsInSegmentTable[];
extern const SNMPVarDescriptor dtMplsXcTable[];
extern const SNMPVarDescriptor dtMplsFtnTable[];
extern const SNMPVarDescriptor dtLdpLsrInformation[];
extern const SNMPVarDescriptor dtLdpEntityInformationTable[];
extern const SNMPVarDescriptor dtLdpEntityStatisticsTable[];
extern const SNMPVarDescriptor dtLdpPeerInformationTable[];
extern const SNMPVarDescriptor dtLdpSessionInformationTable[];
extern const SNMPVarDescriptor dtPwMplsInformationTable[];
extern const SNMPVarDescriptor dtPwEthernetTable[];
extern const SNMPVarDescriptor dtVplsConfigureTable[];
extern const SNMPVarDescriptor dtVplsStatusTable[];
extern const SNMPVarDescriptor dtVplsPwBindingTable[];
extern const SNMPVarDescriptor dtPwInformationTable[];

// Bridge MIBs: 802.1Q VLANs and forwarding, 802.1D, 802.3ad, 802.1p.
extern const SNMPVarDescriptor dtDot1qBridgeBasicInformationSettings[];
extern const SNMPVarDescriptor dtPortInformationTable[];
extern const SNMPVarDescriptor dtDot1qUnicastForwardingInformation[];
extern const SNMPVarDescriptor dtDot1qFilteringDatabaseTable[];
extern const SNMPVarDescriptor dtDot1qVlanBasicInformation[];
extern const SNMPVarDescriptor dtDot1qStaticVlanTable[];
extern const SNMPVarDescriptor dtDot1qCurrentVlanTable[];
extern const SNMPVarDescriptor dtProtocolVlanPortTable[];
extern const SNMPVarDescriptor dtDot3adAggregatorTable[];
extern const SNMPVarDescriptor dtDot3adAggregatorPortListTable[];
extern const SNMPVarDescriptor dtDot1pPortPrioritiesTable[];
extern const SNMPVarDescriptor dtDot1pRegeneratedUserPrioritiesTable[];
extern const SNMPVarDescriptor dtDot1pGarpTimer[];

// Spanning tree of the switch family's own MIB.
extern const SNMPVarDescriptor dtStpConfigurationIdentificationSettings[];
extern const SNMPVarDescriptor dtStpPortMstpTable[];
extern const SNMPVarDescriptor dtDot1dInformationSettings[];
extern const SNMPVarDescriptor dtDot1dTransparentBridgeForwardingTable[];

// LLDP and its 802.1, 802.3 and MED extensions.
extern const SNMPVarDescriptor dtLldpManagementAddressConfiguration[];
extern const SNMPVarDescriptor dtLldpStatisticsInformation[];
extern const SNMPVarDescriptor dtLldpTxPortTable[];
extern const SNMPVarDescriptor dtLldpRxPortTable[];
extern const SNMPVarDescriptor dtLldpPortTable[];
extern const SNMPVarDescriptor dtLldpManagementAddressTable[];
extern const SNMPVarDescriptor dtLldpRemoteManagementAddressTable[];
extern const SNMPVarDescriptor dtLldpRemoteUnknownTlvTable[];
extern const SNMPVarDescriptor dtLldpRemoteOrDefaultInformationTable[];
extern const SNMPVarDescriptor dtLldpdot1PortVlanStatus[];
extern const SNMPVarDescriptor dtLldpdot1LocalDataTable[];
extern const SNMPVarDescriptor dtLldpdot1LocalProtocolVlanTable[];
extern const SNMPVarDescriptor dtLldpdot1LocalProtocolTable[];
extern const SNMPVarDescriptor dtLldpdot1RemoteData[];
extern const SNMPVarDescriptor dtLldpdot1RemoteVlanName[];
extern const SNMPVarDescriptor dtLldpdot1RemoteProtocolVlanTable[];
extern const SNMPVarDescriptor dtLldpdot1RemoteProtocolTable[];
extern const SNMPVarDescriptor dtLldpdot3LocalPortTable[];
extern const SNMPVarDescriptor dtLldpdot3LocalPowerTable[];
extern const SNMPVarDescriptor dtLldpdot3LocalMaxFrameSizeTable[];
extern const SNMPVarDescriptor dtLldpdot3RemotePortTable[];
extern const SNMPVarDescriptor dtLldpdot3RemotePowerTable[];
extern const SNMPVarDescriptor dtLldpdot3RemoteMaxFrameSizeTable[];
extern const SNMPVarDescriptor dtLldpmedSystemSettings[];
extern const SNMPVarDescriptor dtLldpmedLocalDataMediaPolicyTable[];
extern const SNMPVarDescriptor dtLldpmedLocalDataPoePsePortTable[];
extern const SNMPVarDescriptor dtLldpmedRemoteDataMediaPolicyTable[];
extern const SNMPVarDescriptor dtLldpmedRemoteDataInventoryTable[];
extern const SNMPVarDescriptor dtLldpmedRemoteDataLocationTable[];
extern const SNMPVarDescriptor dtLldpmedRemoteDataPoeTable[];
extern const SNMPVarDescriptor dtLldpmedRemoteDataPoePseTable[];
extern const SNMPVarDescriptor dtLldpmedRemoteDataPoePdTable[];

// IP-MIB addressing and ICMP, CIDR routes.
extern const SNMPVarDescriptor dtIpv4InterfaceTable[];
extern const SNMPVarDescriptor dtIpAddressPrefixTable[];
extern const SNMPVarDescriptor dtIpControlTable[];
extern const SNMPVarDescriptor dtIpNetToPhysicalTable[];
extern const SNMPVarDescriptor dtIcmpStatisticsTable[];
extern const SNMPVarDescriptor dtIcmpMessageStatisticsTable[];
extern const SNMPVarDescriptor dtCidrRouteInformation[];
extern const SNMPVarDescriptor dtCidrRouteTable[];

// Unicast routing: RIP2, OSPF, OSPFv3, VRRP, BGP4.
extern const SNMPVarDescriptor dtRip2SettingsGlobalInformation[];
extern const SNMPVarDescriptor dtRip2SettingsRoutingInformation[];
extern const SNMPVarDescriptor dtRip2SettingsRoutingConfiguration[];
extern const SNMPVarDescriptor dtRip2SettingsPeerTable[];
extern const SNMPVarDescriptor dtOspfGlobalSettings[];
extern const SNMPVarDescriptor dtOspfAreaSettingsAreaTable[];
extern const SNMPVarDescriptor dtOspfAreaSettingsStubAreaTable[];
extern const SNMPVarDescriptor dtOspfAreaSettingsAreaLsdbTable[];
extern const SNMPVarDescriptor dtOspfAreaSettingsAreaAggregateTable[];
extern const SNMPVarDescriptor dtOspfHostTable[];
extern const SNMPVarDescriptor dtOspfInterfaceTable[];
extern const SNMPVarDescriptor dtOspfInterfaceMetricTable[];
extern const SNMPVarDescriptor dtOspfVirtualInterfaceTable[];
extern const SNMPVarDescriptor dtOspfNeighborInformationTableNeighborTable[];
extern const SNMPVarDescriptor dtOspfNeighborInformationTableVirtualNeighborTable[];
extern const SNMPVarDescriptor dtOspfv3GlobalSettings[];
extern const SNMPVarDescriptor dtOspfv3AreaTable[];
extern const SNMPVarDescriptor dtOspfv3AsLsdbTable[];
extern const SNMPVarDescriptor dtOspfv3AreaLsdbTable[];
extern const SNMPVarDescriptor dtOspfv3LinkLsdbTable[];
extern const SNMPVarDescriptor dtOspfv3InterfaceTable[];
extern const SNMPVarDescriptor dtOspfv3VirtualInterfaceTable[];
extern const SNMPVarDescriptor dtOspfv3NeighborTable[];
extern const SNMPVarDescriptor dtOspfv3ConfigureNeighborTable[];
extern const SNMPVarDescriptor dtOspfv3VirtualNeighborTable[];
extern const SNMPVarDescriptor dtOspfv3AreaAggregateTable[];
extern const SNMPVarDescriptor dtVrrpGlobalSettings[];
extern const SNMPVarDescriptor dtVrrpOperationTable[];
extern const SNMPVarDescriptor dtVrrpVirtualRouteAddressTable[];
extern const SNMPVarDescriptor dtVrrpErrorStatisticsInformation[];
extern const SNMPVarDescriptor dtBgp4GlobalInformation[];
extern const SNMPVarDescriptor dtBgp4PeerTable[];
extern const SNMPVarDescriptor dtBgp4PathAttributeTable[];

// Multicast: IGMP, DVMRP, PIM, multicast routes, MSDP.
extern const SNMPVarDescriptor dtIgmpRouterInterfaceTable[];
extern const SNMPVarDescriptor dtIgmpRouterCacheTable[];
extern const SNMPVarDescriptor dtIgmpInverseRouterCacheTable[];
extern const SNMPVarDescriptor dtIgmpRouterSourceListTable[];
extern const SNMPVarDescriptor dtDvmrpInformationTableGeneralInformation[];
extern const SNMPVarDescriptor dtDvmrpInformationTableInterfaceTable[];
extern const SNMPVarDescriptor dtDvmrpInformationTableDvmrpNeighborTable[];
extern const SNMPVarDescriptor dtDvmrpInformationTableRouteTable[];
extern const SNMPVarDescriptor dtDvmrpInformationTablePruneTable[];
extern const SNMPVarDescriptor dtPimRfc2934InterfaceTable[];
extern const SNMPVarDescriptor dtPimRfc2934NeighborTable[];
extern const SNMPVarDescriptor dtPimBasicInformationSettings[];
extern const SNMPVarDescriptor dtPimInterfaceTable[];
extern const SNMPVarDescriptor dtPimNeighborTable[];
extern const SNMPVarDescriptor dtPimStarGroupTable[];
extern const SNMPVarDescriptor dtPimStarGroupInterfaceTable[];
extern const SNMPVarDescriptor dtPimSourceGroupTable[];
extern const SNMPVarDescriptor dtPimSourceGroupInterfaceTable[];
extern const SNMPVarDescriptor dtPimSourceGroupRptTable[];
extern const SNMPVarDescriptor dtPimSourceGroupRptInterfaceTable[];
extern const SNMPVarDescriptor dtPimGroupMappingTable[];
extern const SNMPVarDescriptor dtPimBsrElectedBsrRpSetTable[];
extern const SNMPVarDescriptor dtPimBsrCandidateBsrTable[];
extern const SNMPVarDescriptor dtIpMulticastRouteGlobalStateSettings[];
extern const SNMPVarDescriptor dtIpMulticastRouteTable[];
extern const SNMPVarDescriptor dtIpMulticastRouteNextHopTable[];
extern const SNMPVarDescriptor dtIpMulticastRouteInterfaceTable[];
extern const SNMPVarDescriptor dtMsdpBasicInformation[];
extern const SNMPVarDescriptor dtMsdpPeerTable[];
extern const SNMPVarDescriptor dtMsdpSaCacheTable[];
extern const SNMPVarDescriptor dtMsdpMeshGroupTable[];

// IEEE 802.1X port access control.
extern const SNMPVarDescriptor dtDot1xControlSettings[];
extern const SNMPVarDescriptor dtDot1xPortTable[];
extern const SNMPVarDescriptor dtDot1xPortConfigurationTable[];
extern const SNMPVarDescriptor dtDot1xPortStatisticsTable[];
extern const SNMPVarDescriptor dtDot1xPortSessionStatisticsTable[];

// Ethernet OAM: CFM and dot3 OAM.
extern const SNMPVarDescriptor dtCfmMdTable[];
extern const SNMPVarDescriptor dtCfmMaNetTable[];
extern const SNMPVarDescriptor dtCfmMaComponentTable[];
extern const SNMPVarDescriptor dtCfmMaMepListTable[];
extern const SNMPVarDescriptor dtCfmMepTable[];
extern const SNMPVarDescriptor dtCfmLinktraceRepliesTable[];
extern const SNMPVarDescriptor dtCfmMepDatabaseTable[];
extern const SNMPVarDescriptor dtDot3OamInformationTable[];
extern const SNMPVarDescriptor dtDot3OamPeerTable[];
extern const SNMPVarDescriptor dtDot3OamLoopbackTable[];
extern const SNMPVarDescriptor dtDot3OamStatisticsTable[];
extern const SNMPVarDescriptor dtDot3OamEventConfigurationTable[];
extern const SNMPVarDescriptor dtDot3OamEventLogTable[];

// Utilization and equipment of the switch family's own MIB.
extern const SNMPVarDescriptor dtCpuUtilizationTable[];
extern const SNMPVarDescriptor dtDramUtilizationTable[];
extern const SNMPVarDescriptor dtFlashUtilizationTable[];
extern const SNMPVarDescriptor dtPowerTable[];
extern const SNMPVarDescriptor dtFanTrayState[];
extern const SNMPVarDescriptor dtFanTable[];
extern const SNMPVarDescriptor dtSlotTable[];
extern const SNMPVarDescriptor dtTemperatureTable[];

// sFlow, ping and traceroute.
extern const SNMPVarDescriptor dtSFlowGeneralInformation[];
extern const SNMPVarDescriptor dtSFlowReceiver[];
extern const SNMPVarDescriptor dtSFlowFlowSampler[];
extern const SNMPVarDescriptor dtSFlowCounterPoller[];
extern const SNMPVarDescriptor dtPingMaxConcurrentRequests[];
extern const SNMPVarDescriptor dtPingControlTable[];
extern const SNMPVarDescriptor dtPingResultsTable[];
extern const SNMPVarDescriptor dtTraceRouteMaxConcurrentRequests[];
extern const SNMPVarDescriptor dtTraceRouteControlTable[];
extern const SNMPVarDescriptor dtTraceRouteResultsTable[];
extern const SNMPVarDescriptor dtTraceRouteHopsTable[];

// RMON statistics and history.
extern const SNMPVarDescriptor dtRmonStatisticsTable[];
extern const SNMPVarDescriptor dtRmonHistoryTableControlTable[];
extern const SNMPVarDescriptor dtRmonHistoryTableHistoryTable[];
