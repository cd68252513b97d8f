// Option lists of the coded MIB columns: the words a user reads and picks, in offering order.
// Ordered by the OID of the first column that uses each list; identical lists are shared.
#include "option_lists.h"

// clang-format off

const OptionEntry oeEnabledDisabled[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const NmOptionList olEnabledDisabled(oeEnabledDisabled);

const OptionEntry oeTrueFalse[] = {
    {1, "true"}, {2, "false"}, {0, nullptr},
};
const NmOptionList olTrueFalse(oeTrueFalse);

const OptionEntry oePaeState[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"},
    {0, nullptr},
};
const NmOptionList olPaeState(oePaeState);

const OptionEntry oeBackendState[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {0, nullptr},
};
const NmOptionList olBackendState(oeBackendState);

const OptionEntry oeControlledDirections[] = {
    {0, "both"}, {1, "in"}, {0, nullptr},
};
const NmOptionList olControlledDirections(oeControlledDirections);

const OptionEntry oeAuthPortStatus[] = {
    {1, "authorized"}, {2, "unauthorized"}, {0, nullptr},
};
const NmOptionList olAuthPortStatus(oeAuthPortStatus);

const OptionEntry oeAuthPortControl[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr},
};
const NmOptionList olAuthPortControl(oeAuthPortControl);

const OptionEntry oeAuthenticMethod[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr},
};
const NmOptionList olAuthenticMethod(oeAuthenticMethod);

const OptionEntry oeTerminateCause[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"},
    {999, "notTerminatedYet"}, {0, nullptr},
};
const NmOptionList olTerminateCause(oeTerminateCause);

const OptionEntry oeLldpAdminStatus[] = {
    {1, "txOnly"}, {2, "rxOnly"}, {3, "txAndrx"}, {4, "disabled"}, {0, nullptr},
};
const NmOptionList olLldpAdminStatus(oeLldpAdminStatus);

const OptionEntry oeLldpChassisIdSubtype[] = {
    {1, "chassisComponent"}, {2, "interfaceAlias"}, {3, "portComponent"}, {4, "macAddress"},
    {5, "networkAddress"}, {6, "interfaceName"}, {7, "local"}, {0, nullptr},
};
const NmOptionList olLldpChassisIdSubtype(oeLldpChassisIdSubtype);

const OptionEntry oeLldpPortIdSubtype[] = {
    {1, "interfaceAlias"}, {2, "portComponent"}, {3, "macAddress"}, {4, "networkAddress"},
    {5, "interfaceName"}, {6, "agentCircuitId"}, {7, "local"}, {0, nullptr},
};
const NmOptionList olLldpPortIdSubtype(oeLldpPortIdSubtype);

const OptionEntry oeLldpLocManAddrSubtype[] = {
    {0, "other"}, {1, "IPv4"}, {2, "IPv6"}, {3, "nsap"}, {4, "hdlc"}, {5, "bbn1822"}, {6, "all802"},
    {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"}, {12, "appleTalk"},
    {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIPv4"}, {20, "xtpOverIPv6"},
    {21, "xtpNativeModeXTP"}, {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"},
    {25, "afi"}, {65535, "reserved"}, {0, nullptr},
};
const NmOptionList olLldpLocManAddrSubtype(oeLldpLocManAddrSubtype);

const OptionEntry oeLldpManAddrIfSubtype[] = {
    {1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"}, {0, nullptr},
};
const NmOptionList olLldpManAddrIfSubtype(oeLldpManAddrIfSubtype);

const OptionEntry oeLldpRemManAddrSubtype[] = {
    {0, "other"}, {1, "IPv4"}, {2, "IPv6"}, {3, "nsap"}, {4, "hdlc"}, {5, "bbn1822"}, {6, "all802"},
    {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"}, {12, "appleTalk"},
    {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIpv4"}, {20, "xtpOverIpv6"},
    {21, "xtpNativeModeXTP"}, {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"},
    {25, "afi"}, {65535, "reserved"}, {0, nullptr},
};
const NmOptionList olLldpRemManAddrSubtype(oeLldpRemManAddrSubtype);

const OptionEntry oeLldpPowerPortClass[] = {
    {1, "pClassPSE"}, {2, "pClassPD"}, {0, nullptr},
};
const NmOptionList olLldpPowerPortClass(oeLldpPowerPortClass);

const OptionEntry oeLldpMedDeviceClass[] = {
    {0, "notDefined"}, {1, "endpointClass1"}, {2, "endpointClass2"}, {3, "endpointClass3"},
    {4, "networkConnectivity"}, {0, nullptr},
};
const NmOptionList olLldpMedDeviceClass(oeLldpMedDeviceClass);

const OptionEntry oeLldpMedAppType[] = {
    {1, "Voice"}, {2, "VoiceSignaling"}, {4, "guestVoice"}, {8, "guestVoiceSignaling"},
    {16, "softPhoneVoice"}, {32, "videoconferencing"}, {64, "streamingVideo"},
    {128, "videoSignaling"}, {0, nullptr},
};
const NmOptionList olLldpMedAppType(oeLldpMedAppType);

const OptionEntry oeLldpMedPoeDeviceType[] = {
    {1, "unknown"}, {2, "pseDevice"}, {3, "pdDevice"}, {4, "none"}, {0, nullptr},
};
const NmOptionList olLldpMedPoeDeviceType(oeLldpMedPoeDeviceType);

const OptionEntry oeLldpMedPsePowerSource[] = {
    {1, "unknown"}, {2, "primary"}, {3, "backup"}, {0, nullptr},
};
const NmOptionList olLldpMedPsePowerSource(oeLldpMedPsePowerSource);

const OptionEntry oeLldpMedLocationSubtype[] = {
    {1, "unknown"}, {2, "coordinateBased"}, {3, "civicAddress"}, {4, "elin"}, {0, nullptr},
};
const NmOptionList olLldpMedLocationSubtype(oeLldpMedLocationSubtype);

const OptionEntry oeLldpMedPowerPriority[] = {
    {1, "unknown"}, {2, "critical"}, {3, "high"}, {4, "low"}, {0, nullptr},
};
const NmOptionList olLldpMedPowerPriority(oeLldpMedPowerPriority);

const OptionEntry oeLldpMedPdPowerSource[] = {
    {1, "unknown"}, {2, "fromPSE"}, {3, "local"}, {4, "localAndPSE"}, {0, nullptr},
};
const NmOptionList olLldpMedPdPowerSource(oeLldpMedPdPowerSource);

// olIanaIfType: iana_if_type.cpp

const OptionEntry oeIfAdminStatus[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr},
};
const NmOptionList olIfAdminStatus(oeIfAdminStatus);

const OptionEntry oeIfOperStatus[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {4, "unknown"}, {5, "dormant"}, {6, "notPresent"},
    {7, "lowerLayerDown"}, {0, nullptr},
};
const NmOptionList olIfOperStatus(oeIfOperStatus);

const OptionEntry oeIpForwarding[] = {
    {1, "forwarding"}, {2, "not-forwarding"}, {0, nullptr},
};
const NmOptionList olIpForwarding(oeIpForwarding);

const OptionEntry oeInetAddressType[] = {
    {0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"}, {4, "ipv6z"}, {16, "dns"}, {0, nullptr},
};
const NmOptionList olInetAddressType(oeInetAddressType);

const OptionEntry oeIpRouteProto[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"}, {7, "hello"},
    {8, "rip"}, {9, "isIs"}, {10, "esIs"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"},
    {14, "bgp"}, {15, "idpr"}, {16, "ciscoEigrp"}, {17, "dvmrp"}, {0, nullptr},
};
const NmOptionList olIpRouteProto(oeIpRouteProto);

const OptionEntry oeRowStatus[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr},
};
const NmOptionList olRowStatus(oeRowStatus);

const OptionEntry oeUpDown[] = {
    {1, "up"}, {2, "down"}, {0, nullptr},
};
const NmOptionList olUpDown(oeUpDown);

const OptionEntry oeInetVersion[] = {
    {0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {0, nullptr},
};
const NmOptionList olInetVersion(oeInetVersion);

const OptionEntry oeIpPrefixOrigin[] = {
    {1, "other"}, {2, "manual"}, {3, "wellknown"}, {4, "dhcp"}, {5, "routeradv"}, {0, nullptr},
};
const NmOptionList olIpPrefixOrigin(oeIpPrefixOrigin);

const OptionEntry oeIpv4AddressType[] = {
    {1, "ipv4"}, {0, nullptr},
};
const NmOptionList olIpv4AddressType(oeIpv4AddressType);

const OptionEntry oeIpAddressTypeUnicast[] = {
    {1, "unicast"}, {0, nullptr},
};
const NmOptionList olIpAddressTypeUnicast(oeIpAddressTypeUnicast);

const OptionEntry oeIpAddressOrigin[] = {
    {1, "other"}, {2, "manual"}, {4, "dhcp"}, {5, "linklayer"}, {6, "random"}, {0, nullptr},
};
const NmOptionList olIpAddressOrigin(oeIpAddressOrigin);

const OptionEntry oeIpAddressStatus[] = {
    {1, "preferred"}, {2, "deprecated"}, {3, "invalid"}, {4, "inaccessible"}, {5, "unknown"},
    {6, "tentative"}, {7, "duplicate"}, {8, "optimistic"}, {0, nullptr},
};
const NmOptionList olIpAddressStatus(oeIpAddressStatus);

const OptionEntry oeIpNetToPhysicalType[] = {
    {3, "dynamic"}, {4, "static"}, {5, "local"}, {0, nullptr},
};
const NmOptionList olIpNetToPhysicalType(oeIpNetToPhysicalType);

const OptionEntry oeIpNetToPhysicalState[] = {
    {1, "reachable"}, {2, "stale"}, {3, "delay"}, {4, "probe"}, {5, "invalid"}, {6, "unknown"},
    {7, "incomplete"}, {0, nullptr},
};
const NmOptionList olIpNetToPhysicalState(oeIpNetToPhysicalState);

const OptionEntry oeDot3DuplexStatus[] = {
    {1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {0, nullptr},
};
const NmOptionList olDot3DuplexStatus(oeDot3DuplexStatus);

const OptionEntry oeDot3PauseMode[] = {
    {1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"}, {4, "enabledXmitAndRcv"}, {0, nullptr},
};
const NmOptionList olDot3PauseMode(oeDot3PauseMode);

const OptionEntry oeMplsAddressFamily[] = {
    {0, "other"}, {1, "ipV4"}, {2, "ipV6"}, {3, "nsap"}, {4, "hdlc"}, {5, "bbn1822"}, {6, "all802"},
    {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"}, {12, "appleTalk"},
    {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIpv4"}, {20, "xtpOverIpv6"},
    {21, "xtpNativeModeXTP"}, {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"},
    {25, "afi"}, {65535, "reserved"}, {0, nullptr},
};
const NmOptionList olMplsAddressFamily(oeMplsAddressFamily);

const OptionEntry oeMplsOwner[] = {
    {1, "unknown"}, {2, "other"}, {3, "snmp"}, {4, "ldp"}, {5, "crldp"}, {6, "rsvpTe"},
    {7, "policyAgent"}, {0, nullptr},
};
const NmOptionList olMplsOwner(oeMplsOwner);

const OptionEntry oeLdpLoopDetection[] = {
    {1, "none"}, {2, "other"}, {3, "hopCount"}, {4, "pathVector"}, {5, "hopCountAndPathVector"},
    {0, nullptr},
};
const NmOptionList olLdpLoopDetection(oeLdpLoopDetection);

const OptionEntry oeEnableDisable[] = {
    {1, "enable"}, {2, "disable"}, {0, nullptr},
};
const NmOptionList olEnableDisable(oeEnableDisable);

const OptionEntry oeLdpLabelDistribution[] = {
    {1, "downstreamOnDemand"}, {2, "downstreamUnsolicited"}, {0, nullptr},
};
const NmOptionList olLdpLabelDistribution(oeLdpLabelDistribution);

const OptionEntry oeLdpLabelRetention[] = {
    {1, "conservative"}, {2, "liberal"}, {0, nullptr},
};
const NmOptionList olLdpLabelRetention(oeLdpLabelRetention);

const OptionEntry oeLdpSessionState[] = {
    {1, "nonexistent"}, {2, "initialized"}, {3, "openrec"}, {4, "opensent"}, {5, "operational"},
    {0, nullptr},
};
const NmOptionList olLdpSessionState(oeLdpSessionState);

const OptionEntry oeLdpSessionRole[] = {
    {1, "unknown"}, {2, "active"}, {3, "passive"}, {0, nullptr},
};
const NmOptionList olLdpSessionRole(oeLdpSessionRole);

const OptionEntry oePwType[] = {
    {4, "ethernetTagged"}, {5, "ethernet"}, {0, nullptr},
};
const NmOptionList olPwType(oePwType);

const OptionEntry oePwOwner[] = {
    {1, "manual"}, {2, "pwIdFecSignaling"}, {0, nullptr},
};
const NmOptionList olPwOwner(oePwOwner);

const OptionEntry oePwPsnType[] = {
    {1, "mpls"}, {0, nullptr},
};
const NmOptionList olPwPsnType(oePwPsnType);

const OptionEntry oePwOperStatus[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {4, "dormant"}, {5, "notPresent"},
    {6, "lowerLayerDown"}, {0, nullptr},
};
const NmOptionList olPwOperStatus(oePwOperStatus);

const OptionEntry oeOspfImportAsExtern[] = {
    {1, "importExternal"}, {2, "importNoExternal"}, {3, "importNssa"}, {0, nullptr},
};
const NmOptionList olOspfImportAsExtern(oeOspfImportAsExtern);

const OptionEntry oeOspfAreaSummary[] = {
    {1, "noAreaSummary"}, {2, "sendAreaSummary"}, {0, nullptr},
};
const NmOptionList olOspfAreaSummary(oeOspfAreaSummary);

const OptionEntry oeRowStatusNotReady[] = {
    {1, "active"}, {3, "notReady"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const NmOptionList olRowStatusNotReady(oeRowStatusNotReady);

const OptionEntry oeOspfStubMetricType[] = {
    {1, "ospfMetric"}, {2, "comparableCost"}, {3, "nonComparable"}, {0, nullptr},
};
const NmOptionList olOspfStubMetricType(oeOspfStubMetricType);

const OptionEntry oeOspfLsdbType[] = {
    {1, "routerLink"}, {2, "networkLink"}, {3, "summaryLink"}, {4, "asSummaryLink"},
    {5, "asExternalLink"}, {6, "multicastLink"}, {7, "nssaExternalLink"}, {10, "areaOpaqueLink"},
    {0, nullptr},
};
const NmOptionList olOspfLsdbType(oeOspfLsdbType);

const OptionEntry oeOspfIfType[] = {
    {1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {0, nullptr},
};
const NmOptionList olOspfIfType(oeOspfIfType);

const OptionEntry oeOspfIfState[] = {
    {1, "down"}, {2, "loopback"}, {3, "waiting"}, {4, "pointToPoint"}, {5, "designatedRouter"},
    {6, "backupDesignatedRouter"}, {7, "otherDesignatedRouter"}, {0, nullptr},
};
const NmOptionList olOspfIfState(oeOspfIfState);

const OptionEntry oeOspfAuthType[] = {
    {0, "none"}, {1, "simplePassword"}, {2, "md5"}, {0, nullptr},
};
const NmOptionList olOspfAuthType(oeOspfAuthType);

const OptionEntry oeOspfVirtIfState[] = {
    {1, "down"}, {4, "pointToPoint"}, {0, nullptr},
};
const NmOptionList olOspfVirtIfState(oeOspfVirtIfState);

const OptionEntry oeOspfNbrState[] = {
    {1, "down"}, {2, "attempt"}, {3, "init"}, {4, "twoWay"}, {5, "exchangeStart"}, {6, "exchange"},
    {7, "loading"}, {8, "full"}, {0, nullptr},
};
const NmOptionList olOspfNbrState(oeOspfNbrState);

const OptionEntry oeRowStatusNotInService[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const NmOptionList olRowStatusNotInService(oeRowStatusNotInService);

const OptionEntry oeOspfNbmaPermanence[] = {
    {1, "dynamic"}, {2, "permanent"}, {0, nullptr},
};
const NmOptionList olOspfNbmaPermanence(oeOspfNbmaPermanence);

const OptionEntry oeOspfAggregateLsdbType[] = {
    {3, "summaryLink"}, {7, "nssaExternalLink"}, {0, nullptr},
};
const NmOptionList olOspfAggregateLsdbType(oeOspfAggregateLsdbType);

const OptionEntry oeOspfAggregateEffect[] = {
    {1, "advertiseMatching"}, {2, "doNotAdvertiseMatching"}, {0, nullptr},
};
const NmOptionList olOspfAggregateEffect(oeOspfAggregateEffect);

const OptionEntry oeBgpPeerState[] = {
    {1, "idle"}, {2, "connect"}, {3, "active"}, {4, "opensent"}, {5, "openconfirm"},
    {6, "established"}, {0, nullptr},
};
const NmOptionList olBgpPeerState(oeBgpPeerState);

const OptionEntry oeBgpPeerAdminStatus[] = {
    {1, "stop"}, {2, "start"}, {0, nullptr},
};
const NmOptionList olBgpPeerAdminStatus(oeBgpPeerAdminStatus);

const OptionEntry oeBgpPathOrigin[] = {
    {1, "igp"}, {2, "egp"}, {3, "incomplete"}, {0, nullptr},
};
const NmOptionList olBgpPathOrigin(oeBgpPathOrigin);

const OptionEntry oeBgpAtomicAggregate[] = {
    {1, "lessSpecificRouteNotSelected"}, {2, "lessSpecificRouteSelected"}, {0, nullptr},
};
const NmOptionList olBgpAtomicAggregate(oeBgpAtomicAggregate);

const OptionEntry oeFalseTrue[] = {
    {1, "false"}, {2, "true"}, {0, nullptr},
};
const NmOptionList olFalseTrue(oeFalseTrue);

const OptionEntry oeRmonEntryStatus[] = {
    {1, "valid"}, {2, "createAndGo"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr},
};
const NmOptionList olRmonEntryStatus(oeRmonEntryStatus);

const OptionEntry oeEmpty[] = {
    {0, nullptr},
};
const NmOptionList olEmpty(oeEmpty);

const OptionEntry oeFdbStatus[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr},
};
const NmOptionList olFdbStatus(oeFdbStatus);

const OptionEntry oeFdbStatusLearned[] = {
    {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr},
};
const NmOptionList olFdbStatusLearned(oeFdbStatusLearned);

const OptionEntry oeVlanStatus[] = {
    {1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr},
};
const NmOptionList olVlanStatus(oeVlanStatus);

const OptionEntry oeRowStatusCreateDestroy[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const NmOptionList olRowStatusCreateDestroy(oeRowStatusCreateDestroy);

const OptionEntry oeAcceptableFrameTypes[] = {
    {1, "admitAll"}, {2, "admitOnlyVlanTagged"}, {0, nullptr},
};
const NmOptionList olAcceptableFrameTypes(oeAcceptableFrameTypes);

const OptionEntry oeTemplateFrameType[] = {
    {1, "ethernet"}, {2, "rfc1042"}, {5, "llcOther"}, {0, nullptr},
};
const NmOptionList olTemplateFrameType(oeTemplateFrameType);

const OptionEntry oeRipAuthType[] = {
    {2, "Simple Password"}, {3, "MD5"}, {0, nullptr},
};
const NmOptionList olRipAuthType(oeRipAuthType);

const OptionEntry oeRipSend[] = {
    {2, "ripVersion1"}, {3, "rip1Compatible"}, {4, "ripVersion2"}, {0, nullptr},
};
const NmOptionList olRipSend(oeRipSend);

const OptionEntry oeRipReceive[] = {
    {1, "rip1"}, {2, "rip2"}, {3, "rip1OrRip2"}, {0, nullptr},
};
const NmOptionList olRipReceive(oeRipReceive);

const OptionEntry oePhysicalClass[] = {
    {1, "other"}, {2, "unknown"}, {3, "chassis"}, {4, "backplane"}, {5, "container"},
    {6, "powerSupply"}, {7, "fan"}, {8, "sensor"}, {9, "module"}, {10, "port"}, {11, "stack"},
    {0, nullptr},
};
const NmOptionList olPhysicalClass(oePhysicalClass);

const OptionEntry oeVrrpState[] = {
    {1, "initialize"}, {2, "backup"}, {3, "master"}, {0, nullptr},
};
const NmOptionList olVrrpState(oeVrrpState);

const OptionEntry oeVrrpAuthType[] = {
    {1, "noAuthentication"}, {2, "simpleTextPassword"}, {3, "ipAuthenticationHeader"}, {0, nullptr},
};
const NmOptionList olVrrpAuthType(oeVrrpAuthType);

const OptionEntry oeVrrpProtocol[] = {
    {1, "ip"}, {0, nullptr},
};
const NmOptionList olVrrpProtocol(oeVrrpProtocol);

const OptionEntry oeIpv4Ipv6[] = {
    {1, "ipv4"}, {2, "ipv6"}, {0, nullptr},
};
const NmOptionList olIpv4Ipv6(oeIpv4Ipv6);

const OptionEntry oePingAddressType[] = {
    {1, "IPv4"}, {2, "IPv6"}, {16, "dns"}, {0, nullptr},
};
const NmOptionList olPingAddressType(oePingAddressType);

const OptionEntry oeTraceHopAddressType[] = {
    {0, "unknown"}, {1, "IPv4"}, {2, "IPv6"}, {16, "dns"}, {0, nullptr},
};
const NmOptionList olTraceHopAddressType(oeTraceHopAddressType);

const OptionEntry oePsePowerPairs[] = {
    {1, "signal"}, {2, "spare"}, {0, nullptr},
};
const NmOptionList olPsePowerPairs(oePsePowerPairs);

const OptionEntry oePseDetectionStatus[] = {
    {1, "disabled"}, {2, "searching"}, {3, "deliveringPower"}, {4, "fault"}, {5, "test"},
    {6, "otherFault"}, {0, nullptr},
};
const NmOptionList olPseDetectionStatus(oePseDetectionStatus);

const OptionEntry oePsePowerPriority[] = {
    {1, "critical"}, {2, "high"}, {3, "low"}, {0, nullptr},
};
const NmOptionList olPsePowerPriority(oePsePowerPriority);

const OptionEntry oePsePowerClassification[] = {
    {1, "class0"}, {2, "class1"}, {3, "class2"}, {4, "class3"}, {5, "class4"}, {0, nullptr},
};
const NmOptionList olPsePowerClassification(oePsePowerClassification);

const OptionEntry oePseMainOperStatus[] = {
    {1, "on"}, {2, "off"}, {3, "faulty"}, {0, nullptr},
};
const NmOptionList olPseMainOperStatus(oePseMainOperStatus);

const OptionEntry oePimStarGroupMode[] = {
    {3, "asm"}, {4, "bidir"}, {0, nullptr},
};
const NmOptionList olPimStarGroupMode(oePimStarGroupMode);

const OptionEntry oePimUpstreamJoinState[] = {
    {1, "notJoined"}, {2, "joined"}, {0, nullptr},
};
const NmOptionList olPimUpstreamJoinState(oePimUpstreamJoinState);

const OptionEntry oePimJoinPruneState[] = {
    {1, "noInfo"}, {2, "join"}, {3, "prunePending"}, {0, nullptr},
};
const NmOptionList olPimJoinPruneState(oePimJoinPruneState);

const OptionEntry oePimAssertState[] = {
    {1, "noInfo"}, {2, "iAmAssertWinner"}, {3, "iAmAssertLoser"}, {0, nullptr},
};
const NmOptionList olPimAssertState(oePimAssertState);

const OptionEntry oePimSourceGroupMode[] = {
    {2, "ssm"}, {3, "asm"}, {0, nullptr},
};
const NmOptionList olPimSourceGroupMode(oePimSourceGroupMode);

const OptionEntry oePimDrRegisterState[] = {
    {1, "noInfo"}, {2, "join"}, {3, "joinPending"}, {4, "prune"}, {0, nullptr},
};
const NmOptionList olPimDrRegisterState(oePimDrRegisterState);

const OptionEntry oePimUpstreamPruneState[] = {
    {1, "forwarding"}, {2, "ackpending"}, {3, "pruned"}, {0, nullptr},
};
const NmOptionList olPimUpstreamPruneState(oePimUpstreamPruneState);

const OptionEntry oePimOriginatorState[] = {
    {1, "notOriginator"}, {2, "originator"}, {0, nullptr},
};
const NmOptionList olPimOriginatorState(oePimOriginatorState);

const OptionEntry oePimRptUpstreamPruneState[] = {
    {1, "rptNotJoined"}, {2, "pruned"}, {3, "notPruned"}, {0, nullptr},
};
const NmOptionList olPimRptUpstreamPruneState(oePimRptUpstreamPruneState);

const OptionEntry oePimRptJoinPruneState[] = {
    {1, "noInfo"}, {2, "prune"}, {3, "prunePending"}, {0, nullptr},
};
const NmOptionList olPimRptJoinPruneState(oePimRptJoinPruneState);

const OptionEntry oePimGroupMappingOrigin[] = {
    {1, "fixed"}, {2, "configRp"}, {3, "configSsm"}, {4, "bsr"}, {5, "autoRP"}, {6, "embedded"},
    {7, "other"}, {0, nullptr},
};
const NmOptionList olPimGroupMappingOrigin(oePimGroupMappingOrigin);

const OptionEntry oePimGroupMappingMode[] = {
    {1, "none"}, {2, "ssm"}, {3, "asm"}, {4, "bidir"}, {5, "dm"}, {6, "other"}, {0, nullptr},
};
const NmOptionList olPimGroupMappingMode(oePimGroupMappingMode);

const OptionEntry oeDot3OamOperStatus[] = {
    {1, "disabled"}, {2, "linkFault"}, {3, "passiveWait"}, {4, "activeSendLocal"},
    {5, "sendLocalAndRemote"}, {6, "sendLocalAndRemoteOk"}, {7, "oamPeeringLocallyRejected"},
    {8, "oamPeeringRemotelyRejected"}, {9, "operational"}, {10, "nonOperHalfDuplex"}, {0, nullptr},
};
const NmOptionList olDot3OamOperStatus(oeDot3OamOperStatus);

const OptionEntry oeDot3OamMode[] = {
    {1, "passive"}, {2, "active"}, {0, nullptr},
};
const NmOptionList olDot3OamMode(oeDot3OamMode);

const OptionEntry oeDot3OamPeerMode[] = {
    {1, "passive"}, {2, "active"}, {3, "unknown"}, {0, nullptr},
};
const NmOptionList olDot3OamPeerMode(oeDot3OamPeerMode);

const OptionEntry oeDot3OamLoopbackStatus[] = {
    {1, "noLoopback"}, {2, "initiatingLoopback"}, {3, "remoteLoopback"}, {4, "terminatingLoopback"},
    {5, "localLoopback"}, {6, "unknown"}, {0, nullptr},
};
const NmOptionList olDot3OamLoopbackStatus(oeDot3OamLoopbackStatus);

const OptionEntry oeDot3OamLoopbackIgnoreRx[] = {
    {1, "ignore"}, {2, "process"}, {0, nullptr},
};
const NmOptionList olDot3OamLoopbackIgnoreRx(oeDot3OamLoopbackIgnoreRx);

const OptionEntry oeDot3OamEventLogType[] = {
    {1, "erroredSymbolEvent"}, {2, "erroredFramePeriodEvent"}, {3, "erroredFrameEvent"},
    {4, "erroredFrameSecondsEvent"}, {256, "linkFault"}, {257, "dyingGaspEvent"},
    {258, "criticalLinkEvent"}, {0, nullptr},
};
const NmOptionList olDot3OamEventLogType(oeDot3OamEventLogType);

const OptionEntry oeDot3OamEventLogLocation[] = {
    {1, "local"}, {2, "remote"}, {0, nullptr},
};
const NmOptionList olDot3OamEventLogLocation(oeDot3OamEventLogLocation);

const OptionEntry oeStorageType[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"},
    {0, nullptr},
};
const NmOptionList olStorageType(oeStorageType);

const OptionEntry oeMrouteProtocol[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "dvmrp"}, {5, "mospf"}, {6, "pimSparseDense"},
    {7, "cbt"}, {8, "pimSparseMode"}, {9, "pimDenseMode"}, {10, "igmpOnly"}, {11, "bgmp"},
    {12, "msdp"}, {0, nullptr},
};
const NmOptionList olMrouteProtocol(oeMrouteProtocol);

const OptionEntry oeMrouteNextHopState[] = {
    {1, "pruned"}, {2, "forwarding"}, {0, nullptr},
};
const NmOptionList olMrouteNextHopState(oeMrouteNextHopState);

const OptionEntry oePwEnetVlanMode[] = {
    {1, "portBased"}, {4, "addVlan"}, {0, nullptr},
};
const NmOptionList olPwEnetVlanMode(oePwEnetVlanMode);

const OptionEntry oeIgmpSourceFilterMode[] = {
    {1, "include"}, {2, "exclude"}, {0, nullptr},
};
const NmOptionList olIgmpSourceFilterMode(oeIgmpSourceFilterMode);

const OptionEntry oeOspfv3ImportAsExtern[] = {
    {1, "importExternal"}, {2, "importNoExternal"}, {0, nullptr},
};
const NmOptionList olOspfv3ImportAsExtern(oeOspfv3ImportAsExtern);

const OptionEntry oeOspfv3StubMetricType[] = {
    {1, "ospfv3Metric"}, {2, "comparableCost"}, {3, "nonComparable"}, {0, nullptr},
};
const NmOptionList olOspfv3StubMetricType(oeOspfv3StubMetricType);

const OptionEntry oeOspfv3LsaType[] = {
    {8, "Link-LSA"}, {8193, "Router-LSA"}, {8194, "Network-LSA"}, {8195, "Inter-Area-Prefix-LSA"},
    {8196, "Inter-Area-Router-LSA"}, {8198, "Deprecated"}, {8199, "NSSA-LSA"},
    {8201, "Intra-Area-Prefix-LSA"}, {16389, "AS-External-LSA"}, {0, nullptr},
};
const NmOptionList olOspfv3LsaType(oeOspfv3LsaType);

const OptionEntry oeOspfv3IfState[] = {
    {1, "down"}, {2, "loopback"}, {3, "waiting"}, {4, "pointToPoint"}, {5, "designatedRouter"},
    {6, "backupDesignatedRouter"}, {7, "otherDesignatedRouter"}, {8, "standby"}, {0, nullptr},
};
const NmOptionList olOspfv3IfState(oeOspfv3IfState);

const OptionEntry oeOspfv3AggregateLsdbType[] = {
    {8195, "interAreaPrefixLsa"}, {0, nullptr},
};
const NmOptionList olOspfv3AggregateLsdbType(oeOspfv3AggregateLsdbType);

const OptionEntry oeOspfv3PrefixType[] = {
    {2, "ipv6"}, {0, nullptr},
};
const NmOptionList olOspfv3PrefixType(oeOspfv3PrefixType);

const OptionEntry oePimDmMode[] = {
    {1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr},
};
const NmOptionList olPimDmMode(oePimDmMode);

const OptionEntry oeDvmrpNeighborState[] = {
    {1, "oneway"}, {2, "active"}, {3, "ignoring"}, {4, "down"}, {0, nullptr},
};
const NmOptionList olDvmrpNeighborState(oeDvmrpNeighborState);

const OptionEntry oeMsdpPeerState[] = {
    {1, "inactive"}, {2, "listen"}, {3, "connecting"}, {4, "established"}, {5, "disabled"},
    {0, nullptr},
};
const NmOptionList olMsdpPeerState(oeMsdpPeerState);

const OptionEntry oeMsdpEncapsulation[] = {
    {0, "none"}, {1, "tcp"}, {0, nullptr},
};
const NmOptionList olMsdpEncapsulation(oeMsdpEncapsulation);

const OptionEntry oeActiveDestroy[] = {
    {1, "active"}, {6, "destroy"}, {0, nullptr},
};
const NmOptionList olActiveDestroy(oeActiveDestroy);

const OptionEntry oeMgmtConsole[] = {
    {1, "rs232"}, {2, "usb"}, {0, nullptr},
};
const NmOptionList olMgmtConsole(oeMgmtConsole);

const OptionEntry oeMgmtMaster[] = {
    {1, "active"}, {2, "standby"}, {0, nullptr},
};
const NmOptionList olMgmtMaster(oeMgmtMaster);

const OptionEntry oeMgmtCpuLeds[] = {
    {0, "zero-LED"}, {1, "one-LED"}, {2, "two-LEDs"}, {3, "three-LEDs"}, {4, "four-LEDs"},
    {5, "five-LEDs"}, {6, "six-LEDs"}, {7, "seven-LEDs"}, {8, "eight-LEDs"}, {0, nullptr},
};
const NmOptionList olMgmtCpuLeds(oeMgmtCpuLeds);

const OptionEntry oeMgmtPortStatus[] = {
    {1, "off"}, {2, "steady-green"}, {3, "blinking-green"}, {0, nullptr},
};
const NmOptionList olMgmtPortStatus(oeMgmtPortStatus);

const OptionEntry oeMgmtPortSpeed[] = {
    {1, "link-0"}, {2, "link-100"}, {3, "link-1000"}, {0, nullptr},
};
const NmOptionList olMgmtPortSpeed(oeMgmtPortSpeed);

const OptionEntry oePowerExist[] = {
    {1, "empty"}, {2, "exist"}, {0, nullptr},
};
const NmOptionList olPowerExist(oePowerExist);

const OptionEntry oePowerType[] = {
    {1, "AC"}, {2, "DC"}, {3, "Unkown"}, {0, nullptr},
};
const NmOptionList olPowerType(oePowerType);

const OptionEntry oePowerAlive[] = {
    {1, "failed"}, {2, "in-operation"}, {0, nullptr},
};
const NmOptionList olPowerAlive(oePowerAlive);

const OptionEntry oeFanTrayState[] = {
    {1, "not-exist"}, {2, "failed"}, {3, "in-operation"}, {0, nullptr},
};
const NmOptionList olFanTrayState(oeFanTrayState);

const OptionEntry oeFanStatus[] = {
    {1, "failed"}, {2, "ok"}, {0, nullptr},
};
const NmOptionList olFanStatus(oeFanStatus);

const OptionEntry oeSlotState[] = {
    {1, "empty"}, {2, "no-power"}, {3, "failed"}, {4, "booting"}, {5, "in-operation"}, {0, nullptr},
};
const NmOptionList olSlotState(oeSlotState);

const OptionEntry oeDisabledEnabled[] = {
    {1, "disabled"}, {2, "enabled"}, {0, nullptr},
};
const NmOptionList olDisabledEnabled(oeDisabledEnabled);

const OptionEntry oeLedStatus[] = {
    {1, "off"}, {2, "steady-amber"}, {3, "steady-green"}, {4, "blinking-amber"},
    {5, "blinking-green"}, {0, nullptr},
};
const NmOptionList olLedStatus(oeLedStatus);

const OptionEntry oeLedMode[] = {
    {1, "ethernet"}, {2, "poe"}, {0, nullptr},
};
const NmOptionList olLedMode(oeLedMode);

const OptionEntry oeMediumType[] = {
    {1, "copper"}, {2, "fiber"}, {0, nullptr},
};
const NmOptionList olMediumType(oeMediumType);

const OptionEntry oeStpState[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const NmOptionList olStpState(oeStpState);

const OptionEntry oeStpVersion[] = {
    {0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr},
};
const NmOptionList olStpVersion(oeStpVersion);

const OptionEntry oeMstiType[] = {
    {0, "cist"}, {1, "msti"}, {0, nullptr},
};
const NmOptionList olMstiType(oeMstiType);

const OptionEntry oeAdminEdgePort[] = {
    {1, "true"}, {3, "auto"}, {0, nullptr},
};
const NmOptionList olAdminEdgePort(oeAdminEdgePort);

const OptionEntry oeOperEdgePort[] = {
    {1, "true"}, {2, "false"}, {3, "auto"}, {0, nullptr},
};
const NmOptionList olOperEdgePort(oeOperEdgePort);

const OptionEntry oePointToPoint[] = {
    {0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr},
};
const NmOptionList olPointToPoint(oePointToPoint);

const OptionEntry oeStpPortState[] = {
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {0, nullptr},
};
const NmOptionList olStpPortState(oeStpPortState);

const OptionEntry oeStpPortRole[] = {
    {0, "disabled"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "designated"}, {5, "master"},
    {6, "nonstp"}, {7, "loopback"}, {0, nullptr},
};
const NmOptionList olStpPortRole(oeStpPortRole);

const OptionEntry oeVplsOperStatus[] = {
    {0, "other"}, {1, "up"}, {2, "down"}, {0, nullptr},
};
const NmOptionList olVplsOperStatus(oeVplsOperStatus);

const OptionEntry oeVplsPwBindConfigType[] = {
    {1, "manual"}, {0, nullptr},
};
const NmOptionList olVplsPwBindConfigType(oeVplsPwBindConfigType);

const OptionEntry oeVplsPwBindType[] = {
    {1, "mesh"}, {2, "spoke"}, {0, nullptr},
};
const NmOptionList olVplsPwBindType(oeVplsPwBindType);

const OptionEntry oeSecurityLevel[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr},
};
const NmOptionList olSecurityLevel(oeSecurityLevel);

const OptionEntry oeNotifyType[] = {
    {1, "trap"}, {0, nullptr},
};
const NmOptionList olNotifyType(oeNotifyType);

const OptionEntry oeIncludedExcluded[] = {
    {1, "included"}, {2, "excluded"}, {0, nullptr},
};
const NmOptionList olIncludedExcluded(oeIncludedExcluded);

const OptionEntry oeUsmAuthProtocol[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {0, nullptr},
};
const NmOptionList olUsmAuthProtocol(oeUsmAuthProtocol, okText);

const OptionEntry oeUsmPrivProtocol[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {0, nullptr},
};
const NmOptionList olUsmPrivProtocol(oeUsmPrivProtocol, okText);

const OptionEntry oeContextMatch[] = {
    {1, "exact"}, {2, "prefix"}, {0, nullptr},
};
const NmOptionList olContextMatch(oeContextMatch);

const OptionEntry oeCfmMdMhfCreation[] = {
    {1, "defMHFnone"}, {3, "defMHFexplicit"}, {0, nullptr},
};
const NmOptionList olCfmMdMhfCreation(oeCfmMdMhfCreation);

const OptionEntry oeCfmMhfIdPermission[] = {
    {1, "sendIdNone"}, {2, "sendIdChassis"}, {3, "sendIdManage"}, {4, "sendIdChassisManage"},
    {5, "sendIdDefer"}, {0, nullptr},
};
const NmOptionList olCfmMhfIdPermission(oeCfmMhfIdPermission);

const OptionEntry oeCfmCcmInterval[] = {
    {3, "interval100ms"}, {4, "interval1s"}, {5, "interval10s"}, {6, "interval1min"},
    {7, "interval10min"}, {0, nullptr},
};
const NmOptionList olCfmCcmInterval(oeCfmCcmInterval);

const OptionEntry oeCfmMhfCreation[] = {
    {1, "defMHFnone"}, {2, "defMHFdefault"}, {3, "defMHFexplicit"}, {4, "defMHFdefer"},
    {0, nullptr},
};
const NmOptionList olCfmMhfCreation(oeCfmMhfCreation);

const OptionEntry oeCfmMpDirection[] = {
    {1, "down"}, {2, "up"}, {0, nullptr},
};
const NmOptionList olCfmMpDirection(oeCfmMpDirection);

const OptionEntry oeCfmFngState[] = {
    {1, "fngReset"}, {2, "fngDefect"}, {3, "fngReportDefect"}, {4, "fngDefectReported"},
    {5, "fngDefectClearing"}, {0, nullptr},
};
const NmOptionList olCfmFngState(oeCfmFngState);

const OptionEntry oeCfmLowestAlarmPri[] = {
    {1, "allDef"}, {2, "macRemErrXcon"}, {3, "remErrXcon"}, {4, "errXcon"}, {5, "xcon"},
    {6, "noXcon"}, {0, nullptr},
};
const NmOptionList olCfmLowestAlarmPri(oeCfmLowestAlarmPri);

const OptionEntry oeCfmHighestDefect[] = {
    {0, "none"}, {1, "defRDICCM"}, {2, "defMACstatus"}, {3, "defRemoteCCM"}, {4, "defErrorCCM"},
    {5, "defXconCCM"}, {0, nullptr},
};
const NmOptionList olCfmHighestDefect(oeCfmHighestDefect);

const OptionEntry oeCfmRelayAction[] = {
    {1, "rlyHit"}, {2, "rlyFdb"}, {3, "rlyMpdb"}, {0, nullptr},
};
const NmOptionList olCfmRelayAction(oeCfmRelayAction);

const OptionEntry oeCfmIngressAction[] = {
    {0, "ingNoTlv"}, {1, "ingOk"}, {2, "ingDown"}, {3, "ingBlocked"}, {4, "ingVid"}, {0, nullptr},
};
const NmOptionList olCfmIngressAction(oeCfmIngressAction);

const OptionEntry oeCfmEgressAction[] = {
    {0, "egrNoTlv"}, {1, "egrOK"}, {2, "egrDown"}, {3, "egrBlocked"}, {4, "egrVid"}, {0, nullptr},
};
const NmOptionList olCfmEgressAction(oeCfmEgressAction);

const OptionEntry oeCfmRemoteMepState[] = {
    {1, "rMepIdle"}, {2, "rMepStart"}, {3, "rMepFailed"}, {4, "rMepOk"}, {0, nullptr},
};
const NmOptionList olCfmRemoteMepState(oeCfmRemoteMepState);

const OptionEntry oeCfmPortStatus[] = {
    {0, "psNoPortStateTLV"}, {1, "psBlocked"}, {2, "psUp"}, {0, nullptr},
};
const NmOptionList olCfmPortStatus(oeCfmPortStatus);

const OptionEntry oeCfmInterfaceStatus[] = {
    {0, "isNoInterfaceStatusTLV"}, {1, "isUp"}, {2, "isDown"}, {3, "isTesting"}, {4, "isUnknown"},
    {5, "isDormant"}, {6, "isNotPresent"}, {7, "isLowerLayerDown"}, {0, nullptr},
};
const NmOptionList olCfmInterfaceStatus(oeCfmInterfaceStatus);

const OptionListRecord optionListTable[] = {
    {"olEnabledDisabled", &olEnabledDisabled},
    {"olTrueFalse", &olTrueFalse},
    {"olPaeState", &olPaeState},
    {"olBackendState", &olBackendState},
    {"olControlledDirections", &olControlledDirections},
    {"olAuthPortStatus", &olAuthPortStatus},
    {"olAuthPortControl", &olAuthPortControl},
    {"olAuthenticMethod", &olAuthenticMethod},
    {"olTerminateCause", &olTerminateCause},
    {"olLldpAdminStatus", &olLldpAdminStatus},
    {"olLldpChassisIdSubtype", &olLldpChassisIdSubtype},
    {"olLldpPortIdSubtype", &olLldpPortIdSubtype},
    {"olLldpLocManAddrSubtype", &olLldpLocManAddrSubtype},
    {"olLldpManAddrIfSubtype", &olLldpManAddrIfSubtype},
    {"olLldpRemManAddrSubtype", &olLldpRemManAddrSubtype},
    {"olLldpPowerPortClass", &olLldpPowerPortClass},
    {"olLldpMedDeviceClass", &olLldpMedDeviceClass},
    {"olLldpMedAppType", &olLldpMedAppType},
    {"olLldpMedPoeDeviceType", &olLldpMedPoeDeviceType},
    {"olLldpMedPsePowerSource", &olLldpMedPsePowerSource},
    {"olLldpMedLocationSubtype", &olLldpMedLocationSubtype},
    {"olLldpMedPowerPriority", &olLldpMedPowerPriority},
    {"olLldpMedPdPowerSource", &olLldpMedPdPowerSource},
    {"olIanaIfType", &olIanaIfType},
    {"olIfAdminStatus", &olIfAdminStatus},
    {"olIfOperStatus", &olIfOperStatus},
    {"olIpForwarding", &olIpForwarding},
    {"olInetAddressType", &olInetAddressType},
    {"olIpRouteProto", &olIpRouteProto},
    {"olRowStatus", &olRowStatus},
    {"olUpDown", &olUpDown},
    {"olInetVersion", &olInetVersion},
    {"olIpPrefixOrigin", &olIpPrefixOrigin},
    {"olIpv4AddressType", &olIpv4AddressType},
    {"olIpAddressTypeUnicast", &olIpAddressTypeUnicast},
    {"olIpAddressOrigin", &olIpAddressOrigin},
    {"olIpAddressStatus", &olIpAddressStatus},
    {"olIpNetToPhysicalType", &olIpNetToPhysicalType},
    {"olIpNetToPhysicalState", &olIpNetToPhysicalState},
    {"olDot3DuplexStatus", &olDot3DuplexStatus},
    {"olDot3PauseMode", &olDot3PauseMode},
    {"olMplsAddressFamily", &olMplsAddressFamily},
    {"olMplsOwner", &olMplsOwner},
    {"olLdpLoopDetection", &olLdpLoopDetection},
    {"olEnableDisable", &olEnableDisable},
    {"olLdpLabelDistribution", &olLdpLabelDistribution},
    {"olLdpLabelRetention", &olLdpLabelRetention},
    {"olLdpSessionState", &olLdpSessionState},
    {"olLdpSessionRole", &olLdpSessionRole},
    {"olPwType", &olPwType},
    {"olPwOwner", &olPwOwner},
    {"olPwPsnType", &olPwPsnType},
    {"olPwOperStatus", &olPwOperStatus},
    {"olOspfImportAsExtern", &olOspfImportAsExtern},
    {"olOspfAreaSummary", &olOspfAreaSummary},
    {"olRowStatusNotReady", &olRowStatusNotReady},
    {"olOspfStubMetricType", &olOspfStubMetricType},
    {"olOspfLsdbType", &olOspfLsdbType},
    {"olOspfIfType", &olOspfIfType},
    {"olOspfIfState", &olOspfIfState},
    {"olOspfAuthType", &olOspfAuthType},
    {"olOspfVirtIfState", &olOspfVirtIfState},
    {"olOspfNbrState", &olOspfNbrState},
    {"olRowStatusNotInService", &olRowStatusNotInService},
    {"olOspfNbmaPermanence", &olOspfNbmaPermanence},
    {"olOspfAggregateLsdbType", &olOspfAggregateLsdbType},
    {"olOspfAggregateEffect", &olOspfAggregateEffect},
    {"olBgpPeerState", &olBgpPeerState},
    {"olBgpPeerAdminStatus", &olBgpPeerAdminStatus},
    {"olBgpPathOrigin", &olBgpPathOrigin},
    {"olBgpAtomicAggregate", &olBgpAtomicAggregate},
    {"olFalseTrue", &olFalseTrue},
    {"olRmonEntryStatus", &olRmonEntryStatus},
    {"olEmpty", &olEmpty},
    {"olFdbStatus", &olFdbStatus},
    {"olFdbStatusLearned", &olFdbStatusLearned},
    {"olVlanStatus", &olVlanStatus},
    {"olRowStatusCreateDestroy", &olRowStatusCreateDestroy},
    {"olAcceptableFrameTypes", &olAcceptableFrameTypes},
    {"olTemplateFrameType", &olTemplateFrameType},
    {"olRipAuthType", &olRipAuthType},
    {"olRipSend", &olRipSend},
    {"olRipReceive", &olRipReceive},
    {"olPhysicalClass", &olPhysicalClass},
    {"olVrrpState", &olVrrpState},
    {"olVrrpAuthType", &olVrrpAuthType},
    {"olVrrpProtocol", &olVrrpProtocol},
    {"olIpv4Ipv6", &olIpv4Ipv6},
    {"olPingAddressType", &olPingAddressType},
    {"olTraceHopAddressType", &olTraceHopAddressType},
    {"olPsePowerPairs", &olPsePowerPairs},
    {"olPseDetectionStatus", &olPseDetectionStatus},
    {"olPsePowerPriority", &olPsePowerPriority},
    {"olPsePowerClassification", &olPsePowerClassification},
    {"olPseMainOperStatus", &olPseMainOperStatus},
    {"olPimStarGroupMode", &olPimStarGroupMode},
    {"olPimUpstreamJoinState", &olPimUpstreamJoinState},
    {"olPimJoinPruneState", &olPimJoinPruneState},
    {"olPimAssertState", &olPimAssertState},
    {"olPimSourceGroupMode", &olPimSourceGroupMode},
    {"olPimDrRegisterState", &olPimDrRegisterState},
    {"olPimUpstreamPruneState", &olPimUpstreamPruneState},
    {"olPimOriginatorState", &olPimOriginatorState},
    {"olPimRptUpstreamPruneState", &olPimRptUpstreamPruneState},
    {"olPimRptJoinPruneState", &olPimRptJoinPruneState},
    {"olPimGroupMappingOrigin", &olPimGroupMappingOrigin},
    {"olPimGroupMappingMode", &olPimGroupMappingMode},
    {"olDot3OamOperStatus", &olDot3OamOperStatus},
    {"olDot3OamMode", &olDot3OamMode},
    {"olDot3OamPeerMode", &olDot3OamPeerMode},
    {"olDot3OamLoopbackStatus", &olDot3OamLoopbackStatus},
    {"olDot3OamLoopbackIgnoreRx", &olDot3OamLoopbackIgnoreRx},
    {"olDot3OamEventLogType", &olDot3OamEventLogType},
    {"olDot3OamEventLogLocation", &olDot3OamEventLogLocation},
    {"olStorageType", &olStorageType},
    {"olMrouteProtocol", &olMrouteProtocol},
    {"olMrouteNextHopState", &olMrouteNextHopState},
    {"olPwEnetVlanMode", &olPwEnetVlanMode},
    {"olIgmpSourceFilterMode", &olIgmpSourceFilterMode},
    {"olOspfv3ImportAsExtern", &olOspfv3ImportAsExtern},
    {"olOspfv3StubMetricType", &olOspfv3StubMetricType},
    {"olOspfv3LsaType", &olOspfv3LsaType},
    {"olOspfv3IfState", &olOspfv3IfState},
    {"olOspfv3AggregateLsdbType", &olOspfv3AggregateLsdbType},
    {"olOspfv3PrefixType", &olOspfv3PrefixType},
    {"olPimDmMode", &olPimDmMode},
    {"olDvmrpNeighborState", &olDvmrpNeighborState},
    {"olMsdpPeerState", &olMsdpPeerState},
    {"olMsdpEncapsulation", &olMsdpEncapsulation},
    {"olActiveDestroy", &olActiveDestroy},
    {"olMgmtConsole", &olMgmtConsole},
    {"olMgmtMaster", &olMgmtMaster},
    {"olMgmtCpuLeds", &olMgmtCpuLeds},
    {"olMgmtPortStatus", &olMgmtPortStatus},
    {"olMgmtPortSpeed", &olMgmtPortSpeed},
    {"olPowerExist", &olPowerExist},
    {"olPowerType", &olPowerType},
    {"olPowerAlive", &olPowerAlive},
    {"olFanTrayState", &olFanTrayState},
    {"olFanStatus", &olFanStatus},
    {"olSlotState", &olSlotState},
    {"olDisabledEnabled", &olDisabledEnabled},
    {"olLedStatus", &olLedStatus},
    {"olLedMode", &olLedMode},
    {"olMediumType", &olMediumType},
    {"olStpState", &olStpState},
    {"olStpVersion", &olStpVersion},
    {"olMstiType", &olMstiType},
    {"olAdminEdgePort", &olAdminEdgePort},
    {"olOperEdgePort", &olOperEdgePort},
    {"olPointToPoint", &olPointToPoint},
    {"olStpPortState", &olStpPortState},
    {"olStpPortRole", &olStpPortRole},
    {"olVplsOperStatus", &olVplsOperStatus},
    {"olVplsPwBindConfigType", &olVplsPwBindConfigType},
    {"olVplsPwBindType", &olVplsPwBindType},
    {"olSecurityLevel", &olSecurityLevel},
    {"olNotifyType", &olNotifyType},
    {"olIncludedExcluded", &olIncludedExcluded},
    {"olUsmAuthProtocol", &olUsmAuthProtocol},
    {"olUsmPrivProtocol", &olUsmPrivProtocol},
    {"olContextMatch", &olContextMatch},
    {"olCfmMdMhfCreation", &olCfmMdMhfCreation},
    {"olCfmMhfIdPermission", &olCfmMhfIdPermission},
    {"olCfmCcmInterval", &olCfmCcmInterval},
    {"olCfmMhfCreation", &olCfmMhfCreation},
    {"olCfmMpDirection", &olCfmMpDirection},
    {"olCfmFngState", &olCfmFngState},
    {"olCfmLowestAlarmPri", &olCfmLowestAlarmPri},
    {"olCfmHighestDefect", &olCfmHighestDefect},
    {"olCfmRelayAction", &olCfmRelayAction},
    {"olCfmIngressAction", &olCfmIngressAction},
    {"olCfmEgressAction", &olCfmEgressAction},
    {"olCfmRemoteMepState", &olCfmRemoteMepState},
    {"olCfmPortStatus", &olCfmPortStatus},
    {"olCfmInterfaceStatus", &olCfmInterfaceStatus},
};
// clang-format on

std::span<const OptionListRecord> optionListCatalogue() {
    return optionListTable;
}
