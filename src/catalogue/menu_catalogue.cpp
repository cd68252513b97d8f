// The menu bar of the main window: every caption and what each command opens.
// Generic windows name their pages (descriptor table, list kind, index count, row status)
// and their adjustments; dedicated windows, sibling tools, About and Refresh name their action.
#include "menu_catalogue.h"

#include "descriptor_tables.h"

namespace {

using enum MenuAction;
using enum WindowLayout;

// clang-format off

// System
const CataloguePage pgSystemOrTable[] = {{nullptr, dtSystemOrTable, vlTable, 1}};
const Adjustment adSystemOrTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgTrapSettings[] = {{nullptr, dtTrapSettings, vlScalar, 0}};
const CataloguePage pgEntityLastChangeTimeInformation[] = {{nullptr, dtEntityLastChangeTimeInformation, vlScalar, 0}};
const CataloguePage pgEntityPhysicalTable[] = {{nullptr, dtEntityPhysicalTable, vlTable, 1}};
const CataloguePage pgPowerEthernetPsePortTable[] = {{nullptr, dtPowerEthernetPsePortTable, vlTableRows, 2}};
const CataloguePage pgPowerEthernetMainPsePortTable[] = {{nullptr, dtPowerEthernetMainPsePortTable, vlTable, 1}};
const CataloguePage pgIfNumber[] = {{nullptr, dtIfNumber, vlScalar, 0}};
const CataloguePage pgIfxTable[] = {{nullptr, dtIfxTable, vlTableRows, 1}};
const Adjustment adIfxTable[] = {
    {.Kind = AdjustmentKind::SnmpV2c, .Text = "v2c"},
    {.Kind = AdjustmentKind::Height, .Text = "H450", .Height = 450},
};
const CataloguePage pgIpInformationSettings[] = {{nullptr, dtIpInformationSettings, vlScalar, 0}};
const CataloguePage pgIpCountersTable[] = {{nullptr, dtIpCountersTable, vlTableRows, 1}};
const CataloguePage pgDot3StatisticsTable[] = {{nullptr, dtDot3StatisticsTable, vlTable, 1}};
const CataloguePage pgDot3PauseTable[] = {{nullptr, dtDot3PauseTable, vlTableRows, 1}};
const Adjustment adDot3PauseTable[] = {
    {.Kind = AdjustmentKind::SnmpV2c, .Text = "v2c"},
};
const CataloguePage pgDot3HcStatisticsTable[] = {{nullptr, dtDot3HcStatisticsTable, vlTable, 1}};
const Adjustment adDot3HcStatisticsTable[] = {
    {.Kind = AdjustmentKind::SnmpV2c, .Text = "v2c"},
};

// Management
const CataloguePage pgSnmpv3EngineInformation[] = {{nullptr, dtSnmpv3EngineInformation, vlScalar, 0}};
const Adjustment adSnmpv3EngineInformation[] = {
    {.Kind = AdjustmentKind::EditWidth, .Text = "EW", .Width = 30},
};
const CataloguePage pgSnmpv3MessageProcessingAndDispatchingInformation[] = {{nullptr, dtSnmpv3MessageProcessingAndDispatchingInformation, vlScalar, 0}};
const CataloguePage pgSnmpv3TargetGeneralInformation[] = {{nullptr, dtSnmpv3TargetGeneralInformation, vlScalar, 0}};
const CataloguePage pgSnmpv3TargetAddressTable[] = {{nullptr, dtSnmpv3TargetAddressTable, vlTableRows, 1, 8, "createAndGo", 8, "destroy"}};
const Adjustment adSnmpv3TargetAddressTable[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 4 %i{n0x255l3}", .Column = 4, .Format = "%i{n0x255l3}"},
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 8", .Column = 8},
};
const CataloguePage pgSnmpv3TargetParametersTable[] = {{nullptr, dtSnmpv3TargetParametersTable, vlTableRows, 1, 6, "createAndGo", 6, "destroy"}};
const Adjustment adSnmpv3TargetParametersTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 6", .Column = 6},
};
const CataloguePage pgSnmpv3UserBasedSecurityModelGeneralInformation[] = {{nullptr, dtSnmpv3UserBasedSecurityModelGeneralInformation, vlScalar, 0}};
const CataloguePage pgSnmpv3UserBasedSecurityModelStatisticsInformation[] = {{nullptr, dtSnmpv3UserBasedSecurityModelStatisticsInformation, vlScalar, 0}};
const CataloguePage pgSnmpv3UserBasedSecurityModelUserTable[] = {{nullptr, dtSnmpv3UserBasedSecurityModelUserTable, vlTableRows, 2, 12, "createAndGo", 12, "destroy"}};
const Adjustment adSnmpv3UserBasedSecurityModelUserTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 12", .Column = 12},
};
const CataloguePage pgSnmpv3VacmContextName[] = {{nullptr, dtSnmpv3VacmContextName, vlTable, 1}};
const CataloguePage pgSnmpv3VacmGeneralInformation[] = {{nullptr, dtSnmpv3VacmGeneralInformation, vlScalar, 0}};
const CataloguePage pgSnmpv3VacmSecurityGroupTable[] = {{nullptr, dtSnmpv3VacmSecurityGroupTable, vlTableRows, 2, 4, "createAndGo", 4, "destroy"}};
const Adjustment adSnmpv3VacmSecurityGroupTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 4", .Column = 4},
};
const CataloguePage pgSnmpv3VacmAccessTable[] = {{nullptr, dtSnmpv3VacmAccessTable, vlTableRows, 4, 9, "createAndGo", 9, "destroy"}};
const Adjustment adSnmpv3VacmAccessTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 9", .Column = 9},
};
const CataloguePage pgSnmpv3VacmMibTreeFamilyTable[] = {{nullptr, dtSnmpv3VacmMibTreeFamilyTable, vlTableRows, 2, 5, "createAndGo", 5, "destroy"}};
const Adjustment adSnmpv3VacmMibTreeFamilyTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 5", .Column = 5},
};
const CataloguePage pgSnmpv3NotificationsInformationTable[] = {{nullptr, dtSnmpv3NotificationsInformationTable, vlTableRows, 1, 4, "createAndGo", 4, "destroy"}};
const Adjustment adSnmpv3NotificationsInformationTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 4", .Column = 4},
};
const CataloguePage pgSnmpv3CommunityStringTable[] = {{nullptr, dtSnmpv3CommunityStringTable, vlTableRows, 1, 7, "createAndGo", 7, "destroy"}};
const Adjustment adSnmpv3CommunityStringTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 7", .Column = 7},
};
const CataloguePage pgSnmpv3CommunityTargetAddressTable[] = {{nullptr, dtSnmpv3CommunityTargetAddressTable, vlTableRows, 1}};

// MPLS
const CataloguePage pgMplsOutSegmentTable[] = {{nullptr, dtMplsOutSegmentTable, vlTableRows, 1}};
const Adjustment adMplsOutSegmentTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};
const CataloguePage pgMplsInSegmentTable[] = {{nullptr, dtMplsInSegmentTable, vlTableRows, 1}};
const Adjustment adMplsInSegmentTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};
const CataloguePage pgMplsXcTable[] = {{nullptr, dtMplsXcTable, vlTableRows, 3}};
const CataloguePage pgMplsFtnTable[] = {{nullptr, dtMplsFtnTable, vlTableRows, 1}};
const Adjustment adMplsFtnTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};
const CataloguePage pgLdpLsrInformation[] = {{nullptr, dtLdpLsrInformation, vlScalar, 0}};
const CataloguePage pgLdpEntityInformationTable[] = {{nullptr, dtLdpEntityInformationTable, vlTableRows, 2}};
const CataloguePage pgLdpEntityStatisticsTable[] = {{nullptr, dtLdpEntityStatisticsTable, vlTable, 2}};
const Adjustment adLdpEntityStatisticsTable[] = {
    {.Kind = AdjustmentKind::SnmpV2c, .Text = "v2c"},
    {.Kind = AdjustmentKind::Height, .Text = "H450", .Height = 450},
};
const CataloguePage pgLdpPeerInformationTable[] = {{nullptr, dtLdpPeerInformationTable, vlTable, 3}};
const CataloguePage pgLdpSessionInformationTable[] = {{nullptr, dtLdpSessionInformationTable, vlTable, 3}};
const CataloguePage pgPwMplsInformationTable[] = {{nullptr, dtPwMplsInformationTable, vlTable, 1}};
const CataloguePage pgPwEthernetTable[] = {{nullptr, dtPwEthernetTable, vlTableRows, 2, 5, "createAndGo", 5, "destroy"}};
const CataloguePage pgVplsConfigureTable[] = {{nullptr, dtVplsConfigureTable, vlTableRows, 1, 2, "createAndGo", 2, "destroy"}};
const CataloguePage pgVplsStatusTable[] = {{nullptr, dtVplsStatusTable, vlTableRows, 1}};
const CataloguePage pgVplsPwBindingTable[] = {{nullptr, dtVplsPwBindingTable, vlTableRows, 2, 4, "createAndGo", 4, "destroy"}};
const CataloguePage pgPwInformationTable[] = {{nullptr, dtPwInformationTable, vlTableRows, 1, 12, "createAndGo", 12, "destroy"}};

// Layer 2
const CataloguePage pgDot1qBridgeBasicInformationSettings[] = {{nullptr, dtDot1qBridgeBasicInformationSettings, vlScalar, 0}};
const CataloguePage pgPortInformationTable[] = {{nullptr, dtPortInformationTable, vlTable, 1}};
const CataloguePage pgDot1qUnicastForwardingInformation[] = {{nullptr, dtDot1qUnicastForwardingInformation, vlTable, 2}};
const Adjustment adDot1qUnicastForwardingInformation[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgDot1qFilteringDatabaseTable[] = {{nullptr, dtDot1qFilteringDatabaseTable, vlTable, 1}};
const CataloguePage pgDot1qVlanBasicInformation[] = {{nullptr, dtDot1qVlanBasicInformation, vlScalar, 0}};
const CataloguePage pgDot1qStaticVlanTable[] = {{nullptr, dtDot1qStaticVlanTable, vlTableRows, 1, 4, "createAndGo", 4, "destroy"}};
const Adjustment adDot1qStaticVlanTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgDot1qCurrentVlanTable[] = {{nullptr, dtDot1qCurrentVlanTable, vlTableRows, 2}};
const Adjustment adDot1qCurrentVlanTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgProtocolVlanPortTable[] = {{nullptr, dtProtocolVlanPortTable, vlTableRows, 2, 3, "createAndGo", 3, "destroy"}};
const Adjustment adProtocolVlanPortTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};
const CataloguePage pgStpConfigurationIdentificationSettings[] = {{nullptr, dtStpConfigurationIdentificationSettings, vlScalar, 0}};
const Adjustment adStpConfigurationIdentificationSettings[] = {
    {.Kind = AdjustmentKind::ScaledHeightStep, .Text = "H+20s", .Height = 20},
};
const CataloguePage pgStpPortMstpTable[] = {{nullptr, dtStpPortMstpTable, vlTableRows, 2}};
const CataloguePage pgDot1dInformationSettings[] = {{nullptr, dtDot1dInformationSettings, vlScalar, 0}};
const Adjustment adDot1dInformationSettings[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 0 %i{n10x1000000l7}", .Column = 0, .Format = "%i{n10x1000000l7}"},
};
const CataloguePage pgDot1dTransparentBridgeForwardingTable[] = {{nullptr, dtDot1dTransparentBridgeForwardingTable, vlTable, 2}};
const CataloguePage pgDot3adAggregatorTable[] = {{nullptr, dtDot3adAggregatorTable, vlTable, 1}};
const CataloguePage pgDot3adAggregatorPortListTable[] = {{nullptr, dtDot3adAggregatorPortListTable, vlTable, 1}};
const Adjustment adDot3adAggregatorPortListTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgLldpManagementAddressConfiguration[] = {{nullptr, dtLldpManagementAddressConfiguration, vlTableRows, 2}};
const CataloguePage pgLldpStatisticsInformation[] = {{nullptr, dtLldpStatisticsInformation, vlScalar, 0}};
const CataloguePage pgLldpTxPortTable[] = {{nullptr, dtLldpTxPortTable, vlTable, 1}};
const CataloguePage pgLldpRxPortTable[] = {{nullptr, dtLldpRxPortTable, vlTable, 1}};
const CataloguePage pgLldpPortTable[] = {{nullptr, dtLldpPortTable, vlTable, 1}};
const CataloguePage pgLldpManagementAddressTable[] = {{nullptr, dtLldpManagementAddressTable, vlTable, 2}};
const CataloguePage pgLldpRemoteManagementAddressTable[] = {{nullptr, dtLldpRemoteManagementAddressTable, vlTable, 5}};
const CataloguePage pgLldpRemoteUnknownTlvTable[] = {{nullptr, dtLldpRemoteUnknownTlvTable, vlTable, 4}};
const CataloguePage pgLldpRemoteOrDefaultInformationTable[] = {{nullptr, dtLldpRemoteOrDefaultInformationTable, vlTable, 6}};
const CataloguePage pgLldpdot1PortVlanStatus[] = {{nullptr, dtLldpdot1PortVlanStatus, vlTableRows, 1}};
const CataloguePage pgLldpdot1LocalDataTable[] = {{nullptr, dtLldpdot1LocalDataTable, vlTable, 1}};
const CataloguePage pgLldpdot1LocalProtocolVlanTable[] = {{nullptr, dtLldpdot1LocalProtocolVlanTable, vlTable, 2}};
const CataloguePage pgLldpdot1LocalProtocolTable[] = {{nullptr, dtLldpdot1LocalProtocolTable, vlTable, 2}};
const CataloguePage pgLldpdot1RemoteData[] = {{nullptr, dtLldpdot1RemoteData, vlTable, 3}};
const CataloguePage pgLldpdot1RemoteVlanName[] = {{nullptr, dtLldpdot1RemoteVlanName, vlTable, 4}};
const CataloguePage pgLldpdot1RemoteProtocolVlanTable[] = {{nullptr, dtLldpdot1RemoteProtocolVlanTable, vlTable, 4}};
const CataloguePage pgLldpdot1RemoteProtocolTable[] = {{nullptr, dtLldpdot1RemoteProtocolTable, vlTable, 4}};
const CataloguePage pgLldpdot3LocalPortTable[] = {{nullptr, dtLldpdot3LocalPortTable, vlTable, 1}};
const CataloguePage pgLldpdot3LocalPowerTable[] = {{nullptr, dtLldpdot3LocalPowerTable, vlTable, 1}};
const CataloguePage pgLldpdot3LocalMaxFrameSizeTable[] = {{nullptr, dtLldpdot3LocalMaxFrameSizeTable, vlTable, 1}};
const CataloguePage pgLldpdot3RemotePortTable[] = {{nullptr, dtLldpdot3RemotePortTable, vlTable, 3}};
const CataloguePage pgLldpdot3RemotePowerTable[] = {{nullptr, dtLldpdot3RemotePowerTable, vlTable, 3}};
const CataloguePage pgLldpdot3RemoteMaxFrameSizeTable[] = {{nullptr, dtLldpdot3RemoteMaxFrameSizeTable, vlTable, 3}};
const CataloguePage pgLldpmedSystemSettings[] = {{nullptr, dtLldpmedSystemSettings, vlScalar, 0}};
const CataloguePage pgLldpmedLocalDataMediaPolicyTable[] = {{nullptr, dtLldpmedLocalDataMediaPolicyTable, vlTableRows, 2}};
const CataloguePage pgLldpmedLocalDataPoePsePortTable[] = {{nullptr, dtLldpmedLocalDataPoePsePortTable, vlTable, 1}};
const CataloguePage pgLldpmedRemoteDataMediaPolicyTable[] = {{nullptr, dtLldpmedRemoteDataMediaPolicyTable, vlTable, 4}};
const CataloguePage pgLldpmedRemoteDataInventoryTable[] = {{nullptr, dtLldpmedRemoteDataInventoryTable, vlTable, 3}};
const CataloguePage pgLldpmedRemoteDataLocationTable[] = {{nullptr, dtLldpmedRemoteDataLocationTable, vlTable, 4}};
const CataloguePage pgLldpmedRemoteDataPoeTable[] = {{nullptr, dtLldpmedRemoteDataPoeTable, vlTable, 3}};
const CataloguePage pgLldpmedRemoteDataPoePseTable[] = {{nullptr, dtLldpmedRemoteDataPoePseTable, vlTable, 3}};
const CataloguePage pgLldpmedRemoteDataPoePdTable[] = {{nullptr, dtLldpmedRemoteDataPoePdTable, vlTable, 3}};

// Layer 3
const CataloguePage pgIpv4InterfaceTable[] = {{nullptr, dtIpv4InterfaceTable, vlTableRows, 1}};
const Adjustment adIpv4InterfaceTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgIpAddressPrefixTable[] = {{nullptr, dtIpAddressPrefixTable, vlTableRows, 4}};
const Adjustment adIpAddressPrefixTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgIpControlTable[] = {{nullptr, dtIpControlTable, vlTableRows, 2, 7, "createAndGo", 7, "destroy"}};
const Adjustment adIpControlTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgIpNetToPhysicalTable[] = {{nullptr, dtIpNetToPhysicalTable, vlTableRows, 3, 6, "createAndGo", 6, "destroy"}};
const CataloguePage pgIcmpStatisticsTable[] = {{nullptr, dtIcmpStatisticsTable, vlTable, 1}};
const CataloguePage pgIcmpMessageStatisticsTable[] = {{nullptr, dtIcmpMessageStatisticsTable, vlTable, 2}};
const CataloguePage pgCidrRouteInformation[] = {{nullptr, dtCidrRouteInformation, vlScalar, 0}};
const CataloguePage pgCidrRouteTable[] = {{nullptr, dtCidrRouteTable, vlTableRows, 6, 10, "createAndGo", 10, "destroy"}};
const CataloguePage pgRip2Settings[] = {
    {"Global Information", dtRip2SettingsGlobalInformation, vlScalar, 0},
    {"Routing Information", dtRip2SettingsRoutingInformation, vlTableRows, 1, 4, "createAndGo", 4, "destroy"},
    {"Routing Configuration", dtRip2SettingsRoutingConfiguration, vlTableRows, 1, 6, "createAndGo", 6, "destroy"},
    {"Peer Table", dtRip2SettingsPeerTable, vlTable, 1},
};
const Adjustment adRip2Settings[] = {
    {.Kind = AdjustmentKind::Size, .Text = "W600 and H600 before the pages are added", .Width = 600, .Height = 600, .BeforePages = true},
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit on page Routing Information", .Page = "Routing Information"},
};
const CataloguePage pgOspfGlobalSettings[] = {{nullptr, dtOspfGlobalSettings, vlScalar, 0}};
const Adjustment adOspfGlobalSettings[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 11 %i{n1x4294967000l10}", .Column = 11, .Format = "%i{n1x4294967000l10}"},
};
const CataloguePage pgOspfAreaSettings[] = {
    {"Area Table", dtOspfAreaSettingsAreaTable, vlTableRows, 1},
    {"Stub Area Table", dtOspfAreaSettingsStubAreaTable, vlTableRows, 2, 3, "createAndGo", 3, "destroy"},
    {"Area LSDB Table", dtOspfAreaSettingsAreaLsdbTable, vlTableRows, 4},
    {"Area Aggregate Table", dtOspfAreaSettingsAreaAggregateTable, vlTableRows, 4, 4, "createAndGo", 4, "destroy"},
};
const Adjustment adOspfAreaSettings[] = {
    {.Kind = AdjustmentKind::Height, .Text = "H450", .Height = 450},
};
const CataloguePage pgOspfHostTable[] = {{nullptr, dtOspfHostTable, vlTableRows, 2, 3, "createAndGo", 3, "destroy"}};
const CataloguePage pgOspfInterfaceTable[] = {{nullptr, dtOspfInterfaceTable, vlTableRows, 2, 16, "createAndGo", 16, "destroy"}};
const Adjustment adOspfInterfaceTable[] = {
    {.Kind = AdjustmentKind::ScaledHeightStep, .Text = "H−50s", .Height = -50},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 5 %i{n0x255l3}", .Column = 5, .Format = "%i{n0x255l3}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 6 %i{n1x65535l5}", .Column = 6, .Format = "%i{n1x65535l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 7 %i{n1x65535l5}", .Column = 7, .Format = "%i{n1x65535l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 8 %i{n1x65535l5}", .Column = 8, .Format = "%i{n1x65535l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 9 %i{n1x65535l5}", .Column = 9, .Format = "%i{n1x65535l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 10 %i{n1x65535l5}", .Column = 10, .Format = "%i{n1x65535l5}"},
};
const CataloguePage pgOspfInterfaceMetricTable[] = {{nullptr, dtOspfInterfaceMetricTable, vlTable, 3}};
const Adjustment adOspfInterfaceMetricTable[] = {
    {.Kind = AdjustmentKind::ScaledHeightStep, .Text = "H−50s", .Height = -50},
};
const CataloguePage pgOspfVirtualInterfaceTable[] = {{nullptr, dtOspfVirtualInterfaceTable, vlTableRows, 2, 9, "createAndGo", 9, "destroy"}};
const Adjustment adOspfVirtualInterfaceTable[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 0 %s{l16}", .Column = 0, .Format = "%s{l16}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 1 %s{l16}", .Column = 1, .Format = "%s{l16}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 2 %i{n0x3600l4}", .Column = 2, .Format = "%i{n0x3600l4}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 3 %i{n0x3600l4}", .Column = 3, .Format = "%i{n0x3600l4}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 4 %i{n1x65535l5}", .Column = 4, .Format = "%i{n1x65535l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 5 %i{n0x2147483647l10}", .Column = 5, .Format = "%i{n0x2147483647l10}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 8 %s{l256}", .Column = 8, .Format = "%s{l256}"},
};
const CataloguePage pgOspfNeighborInformationTable[] = {
    {"Neighbor Table", dtOspfNeighborInformationTableNeighborTable, vlTable, 2},
    {"Virtual Neighbor Table", dtOspfNeighborInformationTableVirtualNeighborTable, vlTable, 2},
};
const CataloguePage pgOspfv3GlobalSettings[] = {{nullptr, dtOspfv3GlobalSettings, vlScalar, 0}};
const Adjustment adOspfv3GlobalSettings[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 11 %i{n1x4294967000l10}", .Column = 11, .Format = "%i{n1x4294967000l10}"},
};
const CataloguePage pgOspfv3AreaTable[] = {{nullptr, dtOspfv3AreaTable, vlTableRows, 1}};
const CataloguePage pgOspfv3AsLsdbTable[] = {{nullptr, dtOspfv3AsLsdbTable, vlTable, 3}};
const Adjustment adOspfv3AsLsdbTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgOspfv3AreaLsdbTable[] = {{nullptr, dtOspfv3AreaLsdbTable, vlTable, 4}};
const Adjustment adOspfv3AreaLsdbTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgOspfv3LinkLsdbTable[] = {{nullptr, dtOspfv3LinkLsdbTable, vlTable, 5}};
const Adjustment adOspfv3LinkLsdbTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgOspfv3InterfaceTable[] = {{nullptr, dtOspfv3InterfaceTable, vlTableRows, 2}};
const CataloguePage pgOspfv3VirtualInterfaceTable[] = {{nullptr, dtOspfv3VirtualInterfaceTable, vlTableRows, 2}};
const CataloguePage pgOspfv3NeighborTable[] = {{nullptr, dtOspfv3NeighborTable, vlTable, 3}};
const Adjustment adOspfv3NeighborTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgOspfv3ConfigureNeighborTable[] = {{nullptr, dtOspfv3ConfigureNeighborTable, vlTable, 4}};
const Adjustment adOspfv3ConfigureNeighborTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgOspfv3VirtualNeighborTable[] = {{nullptr, dtOspfv3VirtualNeighborTable, vlTable, 2}};
const Adjustment adOspfv3VirtualNeighborTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgOspfv3AreaAggregateTable[] = {{nullptr, dtOspfv3AreaAggregateTable, vlTableRows, 5}};
const CataloguePage pgVrrpGlobalSettings[] = {{nullptr, dtVrrpGlobalSettings, vlScalar, 0}};
const CataloguePage pgVrrpOperationTable[] = {{nullptr, dtVrrpOperationTable, vlTableRows, 2, 15, "createAndGo", 15, "destroy"}};
const Adjustment adVrrpOperationTable[] = {
    {.Kind = AdjustmentKind::NoAdd, .Text = "no Add"},
};
const CataloguePage pgVrrpVirtualRouteAddressTable[] = {{nullptr, dtVrrpVirtualRouteAddressTable, vlTable, 3, 3, "createAndGo", 3, "destroy"}};
const Adjustment adVrrpVirtualRouteAddressTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};
const CataloguePage pgVrrpErrorStatisticsInformation[] = {{nullptr, dtVrrpErrorStatisticsInformation, vlScalar, 0}};
const CataloguePage pgBgp4GlobalInformation[] = {{nullptr, dtBgp4GlobalInformation, vlScalar, 0}};
const CataloguePage pgBgp4PeerTable[] = {{nullptr, dtBgp4PeerTable, vlTable, 1}};
const Adjustment adBgp4PeerTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgBgp4PathAttributeTable[] = {{nullptr, dtBgp4PathAttributeTable, vlTable, 3}};
const Adjustment adBgp4PathAttributeTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgIgmpRouterInterfaceTable[] = {{nullptr, dtIgmpRouterInterfaceTable, vlTableRows, 2}};
const Adjustment adIgmpRouterInterfaceTable[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 3 %i{n1x31744l5}", .Column = 3, .Format = "%i{n1x31744l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 6 %i{n10x250l3}", .Column = 6, .Format = "%i{n10x250l3}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 9 %i{n10x250l3}", .Column = 9, .Format = "%i{n10x250l3}"},
};
const CataloguePage pgIgmpRouterCacheTable[] = {{nullptr, dtIgmpRouterCacheTable, vlTable, 3}};
const CataloguePage pgIgmpInverseRouterCacheTable[] = {{nullptr, dtIgmpInverseRouterCacheTable, vlTable, 2}};
const CataloguePage pgIgmpRouterSourceListTable[] = {{nullptr, dtIgmpRouterSourceListTable, vlTable, 4}};
const CataloguePage pgDvmrpInformationTable[] = {
    {"General Information", dtDvmrpInformationTableGeneralInformation, vlScalar, 0},
    {"Interface Table", dtDvmrpInformationTableInterfaceTable, vlTable, 1, 3, "createAndGo", 3, "destroy"},
    {"DVMRP Neighbor Table", dtDvmrpInformationTableDvmrpNeighborTable, vlTable, 2},
    {"Route Table", dtDvmrpInformationTableRouteTable, vlTable, 2},
    {"Prune Table", dtDvmrpInformationTablePruneTable, vlTable, 3},
};
const Adjustment adDvmrpInformationTable[] = {
    {.Kind = AdjustmentKind::Size, .Text = "W650 and H400 after the pages are added", .Width = 650, .Height = 400, .BeforePages = false},
};
const CataloguePage pgPimRfc2934InterfaceTable[] = {{nullptr, dtPimRfc2934InterfaceTable, vlTableRows, 1, 5, "createAndGo", 5, "destroy"}};
const CataloguePage pgPimRfc2934NeighborTable[] = {{nullptr, dtPimRfc2934NeighborTable, vlTable, 1}};
const CataloguePage pgPimBasicInformationSettings[] = {{nullptr, dtPimBasicInformationSettings, vlScalar, 0}};
const Adjustment adPimBasicInformationSettings[] = {
    {.Kind = AdjustmentKind::ScaledHeightStep, .Text = "H+20s", .Height = 20},
};
const CataloguePage pgPimInterfaceTable[] = {{nullptr, dtPimInterfaceTable, vlTableRows, 2, 25, "createAndGo", 25, "destroy"}};
const Adjustment adPimInterfaceTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgPimNeighborTable[] = {{nullptr, dtPimNeighborTable, vlTableRows, 3}};
const CataloguePage pgPimStarGroupTable[] = {{nullptr, dtPimStarGroupTable, vlTableRows, 2}};
const CataloguePage pgPimStarGroupInterfaceTable[] = {{nullptr, dtPimStarGroupInterfaceTable, vlTableRows, 3}};
const CataloguePage pgPimSourceGroupTable[] = {{nullptr, dtPimSourceGroupTable, vlTableRows, 3}};
const CataloguePage pgPimSourceGroupInterfaceTable[] = {{nullptr, dtPimSourceGroupInterfaceTable, vlTableRows, 4}};
const CataloguePage pgPimSourceGroupRptTable[] = {{nullptr, dtPimSourceGroupRptTable, vlTableRows, 3}};
const CataloguePage pgPimSourceGroupRptInterfaceTable[] = {{nullptr, dtPimSourceGroupRptInterfaceTable, vlTableRows, 4}};
const CataloguePage pgPimGroupMappingTable[] = {{nullptr, dtPimGroupMappingTable, vlTableRows, 6}};
const CataloguePage pgPimBsrElectedBsrRpSetTable[] = {{nullptr, dtPimBsrElectedBsrRpSetTable, vlTable, 4}};
const CataloguePage pgPimBsrCandidateBsrTable[] = {{nullptr, dtPimBsrCandidateBsrTable, vlTableRows, 1, 7, "createAndGo", 7, "destroy"}};
const CataloguePage pgIpMulticastRouteGlobalStateSettings[] = {{nullptr, dtIpMulticastRouteGlobalStateSettings, vlScalar, 0}};
const CataloguePage pgIpMulticastRouteTable[] = {{nullptr, dtIpMulticastRouteTable, vlTableRows, 6}};
const CataloguePage pgIpMulticastRouteNextHopTable[] = {{nullptr, dtIpMulticastRouteNextHopTable, vlTableRows, 7}};
const CataloguePage pgIpMulticastRouteInterfaceTable[] = {{nullptr, dtIpMulticastRouteInterfaceTable, vlTable, 2}};
const CataloguePage pgMsdpBasicInformation[] = {{nullptr, dtMsdpBasicInformation, vlScalar, 0}};
const CataloguePage pgMsdpPeerTable[] = {{nullptr, dtMsdpPeerTable, vlTableRows, 1, 16, "createAndGo", 16, "destroy"}};
const CataloguePage pgMsdpSaCacheTable[] = {{nullptr, dtMsdpSaCacheTable, vlTableRows, 3}};
const Adjustment adMsdpSaCacheTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 9", .Column = 9},
};
const CataloguePage pgMsdpMeshGroupTable[] = {{nullptr, dtMsdpMeshGroupTable, vlTableRows, 2, 2, "createAndGo", 2, "destroy"}};
const Adjustment adMsdpMeshGroupTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};

// QoS
const CataloguePage pgDot1pPortPrioritiesTable[] = {{nullptr, dtDot1pPortPrioritiesTable, vlTableRows, 1}};
const Adjustment adDot1pPortPrioritiesTable[] = {
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 1 %i{n0x7}", .Column = 1, .Format = "%i{n0x7}"},
};
const CataloguePage pgDot1pRegeneratedUserPrioritiesTable[] = {{nullptr, dtDot1pRegeneratedUserPrioritiesTable, vlTable, 2}};
const CataloguePage pgDot1pGarpTimer[] = {{nullptr, dtDot1pGarpTimer, vlTableRows, 1}};

// Security
const CataloguePage pgDot1xControlSettings[] = {{nullptr, dtDot1xControlSettings, vlScalar, 0}};
const CataloguePage pgDot1xPortTable[] = {{nullptr, dtDot1xPortTable, vlTableRows, 1}};
const CataloguePage pgDot1xPortConfigurationTable[] = {{nullptr, dtDot1xPortConfigurationTable, vlTableRows, 1}};
const CataloguePage pgDot1xPortStatisticsTable[] = {{nullptr, dtDot1xPortStatisticsTable, vlTable, 1}};
const CataloguePage pgDot1xPortSessionStatisticsTable[] = {{nullptr, dtDot1xPortSessionStatisticsTable, vlTable, 1}};
const Adjustment adDot1xPortSessionStatisticsTable[] = {
    {.Kind = AdjustmentKind::SnmpV2c, .Text = "v2c"},
};

// OAM
const CataloguePage pgCfmMdTable[] = {{nullptr, dtCfmMdTable, vlTableRows, 1, 5, "createAndGo", 5, "destroy"}};
const CataloguePage pgCfmMaNetTable[] = {{nullptr, dtCfmMaNetTable, vlTableRows, 2, 4, "createAndGo", 4, "destroy"}};
const CataloguePage pgCfmMaComponentTable[] = {{nullptr, dtCfmMaComponentTable, vlTableRows, 3, 5, "createAndGo", 5, "destroy"}};
const CataloguePage pgCfmMaMepListTable[] = {{nullptr, dtCfmMaMepListTable, vlTableRows, 3, 3, "createAndGo", 3, "destroy"}};
const Adjustment adCfmMaMepListTable[] = {
    {.Kind = AdjustmentKind::NoEdit, .Text = "no Edit"},
};
const CataloguePage pgCfmMepTable[] = {{nullptr, dtCfmMepTable, vlTableRows, 3, 35, "createAndGo", 35, "destroy"}};
const CataloguePage pgCfmLinktraceRepliesTable[] = {{nullptr, dtCfmLinktraceRepliesTable, vlTableRows, 5}};
const CataloguePage pgCfmMepDatabaseTable[] = {{nullptr, dtCfmMepDatabaseTable, vlTableRows, 4}};
const CataloguePage pgDot3OamInformationTable[] = {{nullptr, dtDot3OamInformationTable, vlTableRows, 1}};
const Adjustment adDot3OamInformationTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
    {.Kind = AdjustmentKind::OamBinding, .Text = "OAM 6", .Column = 6},
};
const CataloguePage pgDot3OamPeerTable[] = {{nullptr, dtDot3OamPeerTable, vlTable, 1}};
const Adjustment adDot3OamPeerTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
    {.Kind = AdjustmentKind::OamBinding, .Text = "OAM 6", .Column = 6},
};
const CataloguePage pgDot3OamLoopbackTable[] = {{nullptr, dtDot3OamLoopbackTable, vlTableRows, 1}};
const Adjustment adDot3OamLoopbackTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgDot3OamStatisticsTable[] = {{nullptr, dtDot3OamStatisticsTable, vlTable, 1}};
const Adjustment adDot3OamStatisticsTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgDot3OamEventConfigurationTable[] = {{nullptr, dtDot3OamEventConfigurationTable, vlTableRows, 1}};
const Adjustment adDot3OamEventConfigurationTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 2 %i{n148810x100000000l9}", .Column = 2, .Format = "%i{n148810x100000000l9}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 3 %i{n0x4294967295l10}", .Column = 3, .Format = "%i{n0x4294967295l10}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 5 %i{n1000x60000l5}", .Column = 5, .Format = "%i{n1000x60000l5}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 6 %i{n0x4294967295l10}", .Column = 6, .Format = "%i{n0x4294967295l10}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 8 %i{n10000x900000l6}", .Column = 8, .Format = "%i{n10000x900000l6}"},
    {.Kind = AdjustmentKind::VarFormat, .Text = "fmt 9 %i{n1x900l3}", .Column = 9, .Format = "%i{n1x900l3}"},
};
const CataloguePage pgDot3OamEventLogTable[] = {{nullptr, dtDot3OamEventLogTable, vlTable, 2}};
const Adjustment adDot3OamEventLogTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};

// Monitoring
const CataloguePage pgCpuUtilizationTable[] = {{nullptr, dtCpuUtilizationTable, vlScalar, 0}};
const CataloguePage pgDramUtilizationTable[] = {{nullptr, dtDramUtilizationTable, vlTable, 1}};
const Adjustment adDramUtilizationTable[] = {
    {.Kind = AdjustmentKind::Height, .Text = "H300", .Height = 300},
};
const CataloguePage pgFlashUtilizationTable[] = {{nullptr, dtFlashUtilizationTable, vlTable, 1}};
const Adjustment adFlashUtilizationTable[] = {
    {.Kind = AdjustmentKind::Height, .Text = "H300", .Height = 300},
};
const CataloguePage pgSFlowGeneralInformation[] = {{nullptr, dtSFlowGeneralInformation, vlScalar, 0}};
const CataloguePage pgSFlowReceiver[] = {{nullptr, dtSFlowReceiver, vlTableRows, 1}};
const CataloguePage pgSFlowFlowSampler[] = {{nullptr, dtSFlowFlowSampler, vlTableRows, 2}};
const CataloguePage pgSFlowCounterPoller[] = {{nullptr, dtSFlowCounterPoller, vlTableRows, 2}};
const Adjustment adSFlowCounterPoller[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgPingMaxConcurrentRequests[] = {{nullptr, dtPingMaxConcurrentRequests, vlScalar, 0}};
const CataloguePage pgPingControlTable[] = {{nullptr, dtPingControlTable, vlTableRows, 2, 11, "createAndGo", 11, "destroy"}};
const CataloguePage pgPingResultsTable[] = {{nullptr, dtPingResultsTable, vlTableRows, 2}};
const CataloguePage pgTraceRouteMaxConcurrentRequests[] = {{nullptr, dtTraceRouteMaxConcurrentRequests, vlScalar, 0}};
const CataloguePage pgTraceRouteControlTable[] = {{nullptr, dtTraceRouteControlTable, vlTableRows, 2, 12, "createAndGo", 12, "destroy"}};
const CataloguePage pgTraceRouteResultsTable[] = {{nullptr, dtTraceRouteResultsTable, vlTableRows, 2}};
const CataloguePage pgTraceRouteHopsTable[] = {{nullptr, dtTraceRouteHopsTable, vlTableRows, 3}};
const CataloguePage pgPowerTable[] = {{nullptr, dtPowerTable, vlTable, 1}};
const Adjustment adPowerTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgFanTrayState[] = {{nullptr, dtFanTrayState, vlScalar, 0}};
const CataloguePage pgFanTable[] = {{nullptr, dtFanTable, vlTable, 1}};
const Adjustment adFanTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgSlotTable[] = {{nullptr, dtSlotTable, vlTable, 1}};
const Adjustment adSlotTable[] = {
    {.Kind = AdjustmentKind::ScaledHeight, .Text = "H450s", .Height = 450},
};
const CataloguePage pgTemperatureTable[] = {{nullptr, dtTemperatureTable, vlTableRows, 1}};
const CataloguePage pgRmonStatisticsTable[] = {{nullptr, dtRmonStatisticsTable, vlTableRows, 1, 20, "createAndGo", 20, "invalid"}};
const Adjustment adRmonStatisticsTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 20", .Column = 20},
};
const CataloguePage pgRmonHistoryTable[] = {
    {"Control Table", dtRmonHistoryTableControlTable, vlTable, 1, 6, "createAndGo", 6, "invalid"},
    {"Histroy Table", dtRmonHistoryTableHistoryTable, vlTable, 2},
};
const Adjustment adRmonHistoryTable[] = {
    {.Kind = AdjustmentKind::StatusInEdit, .Text = "keep 6 on page Control Table", .Column = 6, .Page = "Control Table"},
};

const MenuEntry menuTable[] = {
    {0, "System"},
      {1, "System Information Settings", Dedicated, "System Information: ", None, {}, {}, "TMIBII_Info", true},
      {1, "System OR Table", Generic, "System OR Table: ", List, pgSystemOrTable, adSystemOrTable},
      {1, "Agent Management"},
        {2, "Trap Settings", Generic, "Trap Settings: ", Editor, pgTrapSettings},
      {1, "Entity"},
        {2, "Last Change Time Information", Generic, "Entity Last Change Time Information: ", Editor, pgEntityLastChangeTimeInformation},
        {2, "Physical Table", Generic, "Entity Physical Table: ", List, pgEntityPhysicalTable},
      {1, "Power Ethernet "},
        {2, "PSE Port Table", Generic, "Power Ethernet PSE Port Table: ", List, pgPowerEthernetPsePortTable},
        {2, "Main PSE Port Table", Generic, "Power Ethernet Main PSE Port Table: ", List, pgPowerEthernetMainPsePortTable},
      {1, "IF-MIB"},
        {2, "IF Number", Generic, "IF Number: ", Editor, pgIfNumber},
        {2, "IfX Table", Generic, "IfX Table: ", List, pgIfxTable, adIfxTable},
      {1, "MIB II"},
        {2, "IF Table", Dedicated, "IF Table: ", None, {}, {}, "TIF_Table"},
        {2, "IF Counter Table", Tool, nullptr, None, {}, {}, nullptr, false, "/TMIB_IFCounters"},
        {2, "IP Information Settings", Generic, "IP Information Settings: ", Editor, pgIpInformationSettings},
        {2, "IP Counters Table", Generic, "IP Counters Table: ", List, pgIpCountersTable},
        {2, "SNMP Counter Information", Dedicated, "SNMP Counter Information: ", None, {}, {}, "TSNMP_Counters", true},
      {1, "EtherLike-MIB"},
        {2, "Dot3 Statistics Table", Generic, "Dot3 Statistics Table: ", List, pgDot3StatisticsTable},
        {2, "Dot3 Pause Table", Generic, "Dot3 Pause Table: ", List, pgDot3PauseTable, adDot3PauseTable},
        {2, "Dot3 HC Statistics Table", Generic, "Dot3 HC Statistics Table: ", List, pgDot3HcStatisticsTable, adDot3HcStatisticsTable},
        {2, "Dot3 Control Table", Dedicated, "Dot3 Control Table: ", None, {}, {}, "Tdot3ControlForm"},
    {0, "Management"},
      {1, "SNMPv3"},
        {2, "Engine Information", Generic, "SNMPv3 Engine Information: ", Editor, pgSnmpv3EngineInformation, adSnmpv3EngineInformation},
        {2, "Message Processing and Dispatching Information", Generic, "SNMPv3 Message Processing and Dispatching Information: ", Editor, pgSnmpv3MessageProcessingAndDispatchingInformation},
        {2, "Target Management"},
          {3, "General Information", Generic, "SNMPv3 Target General Information: ", Editor, pgSnmpv3TargetGeneralInformation},
          {3, "Address Table", Generic, "SNMPv3 Target Address Table: ", List, pgSnmpv3TargetAddressTable, adSnmpv3TargetAddressTable},
          {3, "Parameters Table", Generic, "SNMPv3 Target Parameters Table: ", List, pgSnmpv3TargetParametersTable, adSnmpv3TargetParametersTable},
        {2, "User-based Security Model"},
          {3, "General Information", Generic, "SNMPv3 User-based Security Model General Information: ", Editor, pgSnmpv3UserBasedSecurityModelGeneralInformation},
          {3, "Statistics Information", Generic, "SNMPv3 User-based Security Model Statistics Information: ", Editor, pgSnmpv3UserBasedSecurityModelStatisticsInformation},
          {3, "User Table", Generic, "SNMPv3 User-based Security Model User Table: ", List, pgSnmpv3UserBasedSecurityModelUserTable, adSnmpv3UserBasedSecurityModelUserTable},
        {2, "View-based Access Control Model (VACM)"},
          {3, "Context Name", Generic, "SNMPv3 VACM Context Name: ", List, pgSnmpv3VacmContextName},
          {3, "General Information", Generic, "SNMPv3 VACM General Information: ", Editor, pgSnmpv3VacmGeneralInformation},
          {3, "Security Group Table", Generic, "SNMPv3 VACM Security Group Table: ", List, pgSnmpv3VacmSecurityGroupTable, adSnmpv3VacmSecurityGroupTable},
          {3, "Access Table", Generic, "SNMPv3 VACM Access Table: ", List, pgSnmpv3VacmAccessTable, adSnmpv3VacmAccessTable},
          {3, "MIB Tree Family Table", Generic, "SNMPv3 VACM MIB Tree Family Table: ", List, pgSnmpv3VacmMibTreeFamilyTable, adSnmpv3VacmMibTreeFamilyTable},
        {2, "Notifications"},
          {3, "Information Table", Generic, "SNMPv3 Notifications Information Table: ", List, pgSnmpv3NotificationsInformationTable, adSnmpv3NotificationsInformationTable},
        {2, "Community"},
          {3, "String Table", Generic, "SNMPv3 Community String Table: ", List, pgSnmpv3CommunityStringTable, adSnmpv3CommunityStringTable},
          {3, "Target Address Table", Generic, "SNMPv3 Community Target Address Table: ", List, pgSnmpv3CommunityTargetAddressTable},
    {0, "MPLS"},
      {1, "Out Segment Table", Generic, "MPLS Out Segment Table: ", List, pgMplsOutSegmentTable, adMplsOutSegmentTable},
      {1, "In Segment Table", Generic, "MPLS In Segment Table: ", List, pgMplsInSegmentTable, adMplsInSegmentTable},
      {1, "XC Table", Generic, "MPLS XC Table: ", List, pgMplsXcTable},
      {1, "FTN Table", Generic, "MPLS FTN Table: ", List, pgMplsFtnTable, adMplsFtnTable},
      {1, "LDP"},
        {2, "LSR Information", Generic, "LDP LSR Information: ", Editor, pgLdpLsrInformation},
        {2, "Entity"},
          {3, "Information Table", Generic, "LDP Entity Information Table: ", List, pgLdpEntityInformationTable},
          {3, "Statistics Table", Generic, "LDP Entity Statistics Table: ", List, pgLdpEntityStatisticsTable, adLdpEntityStatisticsTable},
        {2, "Peer"},
          {3, "Information Table", Generic, "LDP Peer Information Table: ", List, pgLdpPeerInformationTable},
        {2, "Session"},
          {3, "Information Table", Generic, "LDP Session Information Table: ", List, pgLdpSessionInformationTable},
      {1, "VPN"},
        {2, "VPWS"},
          {3, "MPLS PW"},
            {4, "Information Table", Generic, "PW MPLS Information Table: ", List, pgPwMplsInformationTable},
          {3, "PW Ethernet Table", Generic, "PW Ethernet Table: ", List, pgPwEthernetTable},
        {2, "VPLS"},
          {3, "Configure Table", Generic, "VPLS Configure Table: ", List, pgVplsConfigureTable},
          {3, "Status Table", Generic, "VPLS Status Table: ", List, pgVplsStatusTable},
          {3, "PW Binding Table", Generic, "VPLS PW Binding Table: ", List, pgVplsPwBindingTable},
        {2, "PW"},
          {3, "Informaiton Table", Generic, "PW Information Table: ", List, pgPwInformationTable},
    {0, "Layer 2 "},
      {1, "VLAN"},
        {2, "802.1Q"},
          {3, "Bridge"},
            {4, "Basic Information Settings", Generic, "802.1Q Bridge Basic Information Settings: ", Editor, pgDot1qBridgeBasicInformationSettings},
            {4, "Port Information Table", Generic, "Port Informaiton Table: ", List, pgPortInformationTable},
          {3, "Forwarding/Filtering"},
            {4, "Unicast Forwarding Table", Generic, "802.1Q Unicast Forwarding Information: ", List, pgDot1qUnicastForwardingInformation, adDot1qUnicastForwardingInformation},
            {4, "Filtering Database Table", Generic, "802.1Q Filtering Database Table: ", List, pgDot1qFilteringDatabaseTable},
          {3, "VLAN "},
            {4, "Basic Information", Generic, "802.1Q VLAN Basic Information: ", Editor, pgDot1qVlanBasicInformation},
            {4, "Static VLAN", Generic, "802.1Q Static VLAN Table: ", List, pgDot1qStaticVlanTable, adDot1qStaticVlanTable},
            {4, "Current Table", Generic, "802.1Q Current VLAN Table: ", List, pgDot1qCurrentVlanTable, adDot1qCurrentVlanTable},
            {4, "Port Information Table", Dedicated, "802.1Q VLAN Port Information Table: ", None, {}, {}, "TVLanPortInfomationForm"},
        {2, "Protocol VLAN"},
          {3, "Group Table", Dedicated, "Protocol VLAN Group Table: ", None, {}, {}, "TProtocolVLANGroupForm"},
          {3, "Port Table", Generic, "Protocol VLAN Port Table: ", List, pgProtocolVlanPortTable, adProtocolVlanPortTable},
      {1, "Spanning Tree (STP)"},
        {2, "Global Settings", Dedicated, "STP Global Settings: ", None, {}, {}, "TSpanningTreeAlgorithmForm"},
        {2, "Information Settings", Dedicated, "STP Information Settings: ", None, {}, {}, "TSTP_Info"},
        {2, "Configuration Identification Settings", Generic, "STP Configuration Identification Settings: ", Editor, pgStpConfigurationIdentificationSettings, adStpConfigurationIdentificationSettings},
        {2, "Instance Control Table", Dedicated, "STP Instance Control Table: ", None, {}, {}, "TMSTPVLANUnitForm"},
        {2, "Port State Table", Dedicated, "STP Port State Table: ", None, {}, {}, "TMSTPPortStateForm"},
        {2, "Port MSTP Table", Generic, "STP Port MSTP Table: ", List, pgStpPortMstpTable},
        {2, "802.1D"},
          {3, "Information Settings", Generic, "802.1D Information Settings: ", Editor, pgDot1dInformationSettings, adDot1dInformationSettings},
          {3, "Transparent Bridge Forwding Table", Generic, "802.1D Transparent Bridge Forwarding Table: ", List, pgDot1dTransparentBridgeForwardingTable},
      {1, "802.3ad"},
        {2, "Aggregator Table", Generic, "802.3ad Aggregator Table: ", List, pgDot3adAggregatorTable},
        {2, "Ports List Table", Generic, "802.3ad Aggregator Port List Table: ", List, pgDot3adAggregatorPortListTable, adDot3adAggregatorPortListTable},
        {2, "Ports Table", Dedicated, "802.3ad Aggregator Port Table: ", None, {}, {}, "TAggregatorPortTableForm", true},
      {1, "LLDP"},
        {2, "Configuration"},
          {3, "Basic Information Settings", Dedicated, "LLDP Basic Configuration: ", None, {}, {}, "TLLDPConfigrationForm"},
          {3, "Port Configuration Table", Dedicated, "LLDP Port Configuration Table: ", None, {}, {}, "TLLDPPortConfigForm"},
          {3, "Management-Address Configuration Table", Generic, "LLDP Management-Address Configuration: ", List, pgLldpManagementAddressConfiguration},
        {2, "LLDP Statistics"},
          {3, "Statistics Information Table", Generic, "LLDP Statistics Information: ", Editor, pgLldpStatisticsInformation},
          {3, "TX Port Table", Generic, "LLDP TX Port Table: ", List, pgLldpTxPortTable},
          {3, "RX Port Table", Generic, "LLDP RX Port Table: ", List, pgLldpRxPortTable},
        {2, "Local System Data"},
          {3, "System Data Information", Dedicated, "LLDP Local System Data: ", None, {}, {}, "TLLDPLocSysDataForm"},
          {3, "Port Table", Generic, "LLDP Port Table: ", List, pgLldpPortTable},
          {3, "Management Address Table", Generic, "LLDP Management Address Table: ", List, pgLldpManagementAddressTable},
        {2, "Remote System Data"},
          {3, "Remote Table", Dedicated, "LLDP Remote Table: ", None, {}, {}, "TLLDPRemoteForm"},
          {3, "Management Address Table", Generic, "LLDP Remote Management Address Table: ", List, pgLldpRemoteManagementAddressTable},
          {3, "Unknown TLV Table", Generic, "LLDP Remote Unknown TLV Table: ", List, pgLldpRemoteUnknownTlvTable},
          {3, "Remote or Default Infomation Table", Generic, "LLDP Remote or Default Information Table: ", List, pgLldpRemoteOrDefaultInformationTable},
        {2, "LLDP-Dot1"},
          {3, "Configuration"},
            {4, "Port VLAN Table", Generic, "LLDP-Dot1 Port VLAN Status: ", List, pgLldpdot1PortVlanStatus},
            {4, "Protocol VLAN Table", Dedicated, "LLDP-Dot1 Configuration Protocol VLAN Table: ", None, {}, {}, "TLLDPConfigProtocolVLANForm"},
            {4, "Protocol Table", Dedicated, "LLDP-Dot1 Configuration Protocol Table: ", None, {}, {}, "TLLDPConfigProtocolForm"},
          {3, "Local Data"},
            {4, "Local Data Table", Generic, "LLDP Dot1 Local Data Table: ", List, pgLldpdot1LocalDataTable},
            {4, "Protocol VLAN Table", Generic, "LLDP-Dot1 Local Protocol VLAN Table: ", List, pgLldpdot1LocalProtocolVlanTable},
            {4, "Protocol Table", Generic, "LLDP-Dot1 Local Protocol Table: ", List, pgLldpdot1LocalProtocolTable},
          {3, "Remote Data"},
            {4, "Remote Data Table", Generic, "LLDP-Dot1 Remote Data: ", List, pgLldpdot1RemoteData},
            {4, "VLAN Name Table", Generic, "LLDP-Dot1 Remote VLAN Name: ", List, pgLldpdot1RemoteVlanName},
            {4, "Protocol VLAN Table", Generic, "LLDP-Dot1 Remote Protocol VLAN Table: ", List, pgLldpdot1RemoteProtocolVlanTable},
            {4, "Protocol Table", Generic, "LLDP-Dot1 Remote Protocol Table: ", List, pgLldpdot1RemoteProtocolTable},
        {2, "LLDP-Dot3"},
          {3, "Port Configuration Table", Dedicated, "LLDP-Dot3 Port Configuration Table: ", None, {}, {}, "TLLDPDot3PortConfigForm"},
          {3, "Local Data Table"},
            {4, "Port Table", Generic, "LLDP-Dot3 Local Port Table: ", List, pgLldpdot3LocalPortTable},
            {4, "Power Table", Generic, "LLDP Dot3 Local Power Table: ", List, pgLldpdot3LocalPowerTable},
            {4, "Link Aggregation Table", Dedicated, "LLDP-Dot3 Local Link Aggregation Table: ", None, {}, {}, "TLLDPDot3LinkAggForm"},
            {4, "Max. Frame Size Table", Generic, "LLDP-Dot3 Local Max. Frame Size Table: ", List, pgLldpdot3LocalMaxFrameSizeTable},
          {3, "Remote Table"},
            {4, "Port Table", Generic, "LLDP-Dot3 Remote Port Table: ", List, pgLldpdot3RemotePortTable},
            {4, "Power Table", Generic, "LLDP-Dot3 Remote Power Table: ", List, pgLldpdot3RemotePowerTable},
            {4, "Link Aggregation Table", Dedicated, "LLDP-Dot3 Remote Link Aggregation Table: ", None, {}, {}, "TLLDPDot3RemoteLinkAggForm"},
            {4, "Max. Frame Size Table", Generic, "LLDP-Dot3 Remote Max. Frame Size Table: ", List, pgLldpdot3RemoteMaxFrameSizeTable},
        {2, "LLDP-MED"},
          {3, "System Settings", Generic, "LLDP-MED System Settings: ", Editor, pgLldpmedSystemSettings},
          {3, "Port Configuration Table", Dedicated, "LLDP-MED Port Configuration Table: ", None, {}, {}, "TLLDPRemotePortConfigForm"},
          {3, "Local Data"},
            {4, "Media Policy Table", Generic, "LLDP-MED Local Data Media Policy Table: ", List, pgLldpmedLocalDataMediaPolicyTable},
            {4, "PoE PSE Port Table", Generic, "LLDP-MED Local Data PoE PSE Port Table: ", List, pgLldpmedLocalDataPoePsePortTable},
          {3, "Remote Data"},
            {4, "Capabilities Table", Dedicated, "LLDP-MED Remote Data Capabilities Table: ", None, {}, {}, "TLLDPRemoteDataCapabilitiesForm"},
            {4, "Media Policy Table", Generic, "LLDP-MED Remote Data Media Policy Table: ", List, pgLldpmedRemoteDataMediaPolicyTable},
            {4, "Inventory Table", Generic, "LLDP-MED Remote Data Inventory Table: ", List, pgLldpmedRemoteDataInventoryTable},
            {4, "Location Table", Generic, "LLDP-MED Remote Data Location Table: ", List, pgLldpmedRemoteDataLocationTable},
            {4, "PoE Table", Generic, "LLDP-MED Remote Data PoE Table: ", List, pgLldpmedRemoteDataPoeTable},
            {4, "PoE PSE Table", Generic, "LLDP-MED Remote Data PoE PSE Table: ", List, pgLldpmedRemoteDataPoePseTable},
            {4, "PoE PD Table", Generic, "LLDP-MED Remote Data PoE PD Table: ", List, pgLldpmedRemoteDataPoePdTable},
    {0, "Layer 3"},
      {1, "IP Management"},
        {2, "IPv4 Interface Table", Generic, "IPv4 Interface Table: ", List, pgIpv4InterfaceTable, adIpv4InterfaceTable},
        {2, "IP Addess Prefix Table", Generic, "IP Addess Prefix Table: ", List, pgIpAddressPrefixTable, adIpAddressPrefixTable},
        {2, "IP Control Table", Generic, "IP Control Table: ", List, pgIpControlTable, adIpControlTable},
        {2, "IP Net To Physical Table", Generic, "IP Net To Physical Table: ", List, pgIpNetToPhysicalTable},
        {2, "ICMP Statistics Table", Generic, "ICMP Statistics Table: ", List, pgIcmpStatisticsTable},
        {2, "ICMP Message Statistics Table", Generic, "ICMP Message Statistics Table: ", List, pgIcmpMessageStatisticsTable},
      {1, "CIDR"},
        {2, "Route Information", Generic, "CIDR Route Information: ", Editor, pgCidrRouteInformation},
        {2, "Route Table", Generic, "CIDR Route Table: ", List, pgCidrRouteTable},
      {1, "RIP2 Settings", Generic, "RIP2 Settings: ", Pages, pgRip2Settings, adRip2Settings},
      {1, "OSPF"},
        {2, "Global Settings", Generic, "OSPF Global Settings: ", Editor, pgOspfGlobalSettings, adOspfGlobalSettings},
        {2, "Area Settings", Generic, "OSPF Area Settings: ", Pages, pgOspfAreaSettings, adOspfAreaSettings},
        {2, "Host Table", Generic, "OSPF Host Table: ", List, pgOspfHostTable},
        {2, "Interface Table", Generic, "OSPF Interface Table:", List, pgOspfInterfaceTable, adOspfInterfaceTable},
        {2, "Interface Metric Table", Generic, "OSPF Interface Metric Table:", List, pgOspfInterfaceMetricTable, adOspfInterfaceMetricTable},
        {2, "Virtual Interface Table", Generic, "OSPF Virtual Interface Table: ", List, pgOspfVirtualInterfaceTable, adOspfVirtualInterfaceTable},
        {2, "Neighbor Information", Generic, "OSPF Neighbor Information Table: ", Pages, pgOspfNeighborInformationTable},
      {1, "OSPFv3"},
        {2, "Global Settings", Generic, "OSPFv3 Global Settings: ", Editor, pgOspfv3GlobalSettings, adOspfv3GlobalSettings},
        {2, "Area Table", Generic, "OSPFv3 Area Table: ", List, pgOspfv3AreaTable},
        {2, "AS-LSDB Table", Generic, "OSPFv3 AS-LSDB Table: ", List, pgOspfv3AsLsdbTable, adOspfv3AsLsdbTable},
        {2, "Area LSDB Table", Generic, "OSPFv3 Area LSDB Table: ", List, pgOspfv3AreaLsdbTable, adOspfv3AreaLsdbTable},
        {2, "Link LSDB Table", Generic, "OSPFv3 Link LSDB Table: ", List, pgOspfv3LinkLsdbTable, adOspfv3LinkLsdbTable},
        {2, "Interface Table", Generic, "OSPFv3 Interface Table: ", List, pgOspfv3InterfaceTable},
        {2, "Virtual Interface Table", Generic, "OSPFv3 Virtual Interface Table: ", List, pgOspfv3VirtualInterfaceTable},
        {2, "Neighbor Table", Generic, "OSPFv3 Neighbor Table: ", List, pgOspfv3NeighborTable, adOspfv3NeighborTable},
        {2, "Configure Neighbor Table", Generic, "OSPFv3 Configure Neighbor Table: ", List, pgOspfv3ConfigureNeighborTable, adOspfv3ConfigureNeighborTable},
        {2, "Virtual Neighbor Table", Generic, "OSPFv3 Virtual Neighbor Table: ", List, pgOspfv3VirtualNeighborTable, adOspfv3VirtualNeighborTable},
        {2, "Area Aggregate Table", Generic, "OSPFv3 Area Aggregate Table: ", List, pgOspfv3AreaAggregateTable},
      {1, "VRRP "},
        {2, "Global Settings", Generic, "VRRP Global Settings: ", Editor, pgVrrpGlobalSettings},
        {2, "Operation Table", Generic, "VRRP Operation Table: ", List, pgVrrpOperationTable, adVrrpOperationTable},
        {2, "Virtual Route Address Table", Generic, "VRRP Virtual Route Address Table: ", List, pgVrrpVirtualRouteAddressTable, adVrrpVirtualRouteAddressTable},
        {2, "Error Statistics Information", Generic, "VRRP Error Statistics Information: ", Editor, pgVrrpErrorStatisticsInformation},
      {1, "BGP4"},
        {2, "Global Information", Generic, "BGP4 Global Information: ", Editor, pgBgp4GlobalInformation},
        {2, "Peer Table", Generic, "BGP4 Peer Table: ", List, pgBgp4PeerTable, adBgp4PeerTable},
        {2, "Path Attribute Table", Generic, "BGP4 Path Attribute Table: ", List, pgBgp4PathAttributeTable, adBgp4PathAttributeTable},
      {1, "IGMP"},
        {2, "Router Interface Table", Generic, "IGMP Router Interface Table: ", List, pgIgmpRouterInterfaceTable, adIgmpRouterInterfaceTable},
        {2, "Router Cache Table", Generic, "IGMP Router Cache Table: ", List, pgIgmpRouterCacheTable},
        {2, "Inverse Router Cache Table", Generic, "IGMP Inverse Router Cache Table: ", List, pgIgmpInverseRouterCacheTable},
        {2, "Router Source List Table", Generic, "IGMP Router Source List Table: ", List, pgIgmpRouterSourceListTable},
      {1, "DVMRP", Generic, "DVMRP Information Table: ", Pages, pgDvmrpInformationTable, adDvmrpInformationTable},
      {1, "PIM"},
        {2, "PIM (RFC 2934)"},
          {3, "Interface Table", Generic, "PIM Interface Table: ", List, pgPimRfc2934InterfaceTable},
          {3, "Neighbor Table", Generic, "PIM Neighbor Table: ", List, pgPimRfc2934NeighborTable},
        {2, "PIM (RFC 5060)"},
          {3, "Basic Information Settings", Generic, "PIM Basic Information Settings: ", Editor, pgPimBasicInformationSettings, adPimBasicInformationSettings},
          {3, "Interface Table", Generic, "PIM Interface Table: ", List, pgPimInterfaceTable, adPimInterfaceTable},
          {3, "Neighbor Table", Generic, "PIM Neighbor Table: ", List, pgPimNeighborTable},
          {3, "Star Group Table", Generic, "PIM Star Group Table: ", List, pgPimStarGroupTable},
          {3, "Star Group Interface Table", Generic, "PIM Star Group Interface Table: ", List, pgPimStarGroupInterfaceTable},
          {3, "Source Group Table", Generic, "PIM Source Group Table: ", List, pgPimSourceGroupTable},
          {3, "Source Group Interface Table", Generic, "PIM Source Group Interface Table: ", List, pgPimSourceGroupInterfaceTable},
          {3, "Source Group RPT Table", Generic, "PIM Source Group RPT Table: ", List, pgPimSourceGroupRptTable},
          {3, "Source Group  RPT Interface Table", Generic, "PIM Source Group RPT Interface Table: ", List, pgPimSourceGroupRptInterfaceTable},
          {3, "Group Mapping Table", Generic, "PIM Group Mapping Table: ", List, pgPimGroupMappingTable},
        {2, "BSR (RFC 5240)"},
          {3, "Elected BSR RP-Set Table", Generic, "PIM BSR Elected BSR RP-Set Table: ", List, pgPimBsrElectedBsrRpSetTable},
          {3, "Candidate BSR Table", Generic, "PIM BSR Candidate BSR Table: ", List, pgPimBsrCandidateBsrTable},
      {1, "IP Multicast Route"},
        {2, "Global State Settings", Generic, "IP Multicast Route Global State Settings: ", Editor, pgIpMulticastRouteGlobalStateSettings},
        {2, "Route Table", Generic, "IP Multicast Route Table: ", List, pgIpMulticastRouteTable},
        {2, "Next Hop Table", Generic, "IP Multicast Route Next Hop Table: ", List, pgIpMulticastRouteNextHopTable},
        {2, "Interface Table", Generic, "IP Multicast Route Interface Table: ", List, pgIpMulticastRouteInterfaceTable},
      {1, "Multicast Source Discovery Protocol (MSDP)"},
        {2, "Basic Information", Generic, "MSDP Basic Information: ", Editor, pgMsdpBasicInformation},
        {2, "Peer Table", Generic, "MSDP Peer Table: ", List, pgMsdpPeerTable},
        {2, "SA Cache Table", Generic, "MSDP SA Cache Table: ", List, pgMsdpSaCacheTable, adMsdpSaCacheTable},
        {2, "Mesh Group Table", Generic, "MSDP Mesh Group Table: ", List, pgMsdpMeshGroupTable, adMsdpMeshGroupTable},
    {0, "QoS "},
      {1, "802.1p"},
        {2, "Basic Information", Dedicated, "802.1p Basic Information: ", None, {}, {}, "TPBridgeConfigForm"},
        {2, "Port Capability", Dedicated, "802.1p Port Capability Table: ", None, {}, {}, "TPortCapabilities8021dForm"},
        {2, "Priority Information"},
          {3, "Port Priorities Table", Generic, "802.1p Port Priorities Table: ", List, pgDot1pPortPrioritiesTable, adDot1pPortPrioritiesTable},
          {3, "Regenerated User Priorities Table", Generic, "802.1p Regenerated User Priorities Table: ", List, pgDot1pRegeneratedUserPrioritiesTable},
        {2, "GARP Timer", Generic, "802.1p GARP Timer: ", List, pgDot1pGarpTimer},
    {0, "Security "},
      {1, "802.1X"},
        {2, "Control Settings", Generic, "802.1X Control Settings: ", Editor, pgDot1xControlSettings},
        {2, "Port Table", Generic, "802.1X Port Table: ", List, pgDot1xPortTable},
        {2, "Port Configuration Table", Generic, "802.1X Port Configuration Table: ", List, pgDot1xPortConfigurationTable},
        {2, "Port Statistics Table", Generic, "802.1X Port Statistics Table: ", List, pgDot1xPortStatisticsTable},
        {2, "Port Session Statistics Table", Generic, "802.1X Port Session Statistics Table: ", List, pgDot1xPortSessionStatisticsTable, adDot1xPortSessionStatisticsTable},
    {0, "OAM"},
      {1, "CFM "},
        {2, "MD"},
          {3, "MD Table", Generic, "CFM MD Table: ", List, pgCfmMdTable},
        {2, "MA"},
          {3, "Net Table", Generic, "CFM MA Net Table: ", List, pgCfmMaNetTable},
          {3, "Component Table", Generic, "CFM MA Component Table: ", List, pgCfmMaComponentTable},
          {3, "MEP List Table", Generic, "CFM MA MEP List Table: ", List, pgCfmMaMepListTable, adCfmMaMepListTable},
        {2, "MEP"},
          {3, "MEP Table", Generic, "CFM MEP Table: ", List, pgCfmMepTable},
          {3, "Linktrace Replies Table", Generic, "CFM Linktrace Replies Table: ", List, pgCfmLinktraceRepliesTable},
          {3, "Database Table", Generic, "CFM MEP Database Table: ", List, pgCfmMepDatabaseTable},
      {1, "Dot3 OAM"},
        {2, "Information Table", Generic, "Dot3 OAM Information Table: ", List, pgDot3OamInformationTable, adDot3OamInformationTable},
        {2, "Peer Table", Generic, "Dot3 OAM Peer Table: ", List, pgDot3OamPeerTable, adDot3OamPeerTable},
        {2, "Loopback Table", Generic, "Dot3 OAM Loopback Table: ", List, pgDot3OamLoopbackTable, adDot3OamLoopbackTable},
        {2, "Statistics Table", Generic, "Dot3 OAM Statistics Table: ", List, pgDot3OamStatisticsTable, adDot3OamStatisticsTable},
        {2, "Event Configuration Table", Generic, "Dot3 OAM Event Configuration Table: ", List, pgDot3OamEventConfigurationTable, adDot3OamEventConfigurationTable},
        {2, "Event Log Table", Generic, "Dot3 OAM Event Log Table: ", List, pgDot3OamEventLogTable, adDot3OamEventLogTable},
    {0, "Monitoring"},
      {1, "Utilization"},
        {2, "CPU Utilization Information", Generic, "CPU Utilization Table: ", Editor, pgCpuUtilizationTable},
        {2, "DRAM Utilization Table", Generic, "DRAM Utilization Table: ", List, pgDramUtilizationTable, adDramUtilizationTable},
        {2, "Flash Utilization Table", Generic, "Flash Utilization Table: ", List, pgFlashUtilizationTable, adFlashUtilizationTable},
      {1, "sFlow"},
        {2, "General Information Settings", Generic, "sFlow General Information: ", Editor, pgSFlowGeneralInformation},
        {2, "Receiver Table", Generic, "sFlow Receiver: ", List, pgSFlowReceiver},
        {2, "Flow Sampler Table", Generic, "sFlow Flow Sampler: ", List, pgSFlowFlowSampler},
        {2, "Counter Poller Table", Generic, "sFlow Counter Poller: ", List, pgSFlowCounterPoller, adSFlowCounterPoller},
      {1, "Ping"},
        {2, "Max Concurrent Requests", Generic, "Max Concurrent Requests: ", Editor, pgPingMaxConcurrentRequests},
        {2, "Control Table", Generic, "Ping Control Table: ", List, pgPingControlTable},
        {2, "Results Table", Generic, "Ping Results Table: ", List, pgPingResultsTable},
      {1, "Trace Route"},
        {2, "Max Concurrent Requests", Generic, "Max Concurrent Requests: ", Editor, pgTraceRouteMaxConcurrentRequests},
        {2, "Control Table", Generic, "Trace Route Control Table: ", List, pgTraceRouteControlTable},
        {2, "Results Table", Generic, "Trace Route Results Table: ", List, pgTraceRouteResultsTable},
        {2, "Hops Table", Generic, "Trace Route Hops Table: ", List, pgTraceRouteHopsTable},
      {1, "Equipment Management"},
        {2, "Power Table", Generic, "Power Table: ", List, pgPowerTable, adPowerTable},
        {2, "Fan Tray State", Generic, "Fan Tray State: ", Editor, pgFanTrayState},
        {2, "Fan Table", Generic, "Fan Table: ", List, pgFanTable, adFanTable},
        {2, "Slot Table", Generic, "Slot Table: ", List, pgSlotTable, adSlotTable},
        {2, "Temperature Table", Generic, "Temperature Table: ", List, pgTemperatureTable},
      {1, "RMON"},
        {2, "Statistics Table", Generic, "RMON Statistics Table: ", List, pgRmonStatisticsTable, adRmonStatisticsTable},
        {2, "History Table", Generic, "RMON Histroy Table: ", Pages, pgRmonHistoryTable, adRmonHistoryTable},
        {2, "Alarm/Event Table", Tool, nullptr, None, {}, {}, nullptr, false, "/TRmon_AlarmEvent"},
    {0, "Help"},
      {1, "About", About},
    {0, "Refresh", Refresh},
};
// clang-format on

}  // namespace

std::span<const MenuEntry> menuCatalogue() {
    return menuTable;
}
