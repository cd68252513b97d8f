// Descriptor tables: sFlow, ping and traceroute.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtSFlowGeneralInformation[] = {
    {"1.3.6.1.4.1.14706.1.1.1", "Version", 0x4c, 0x02},
    {"1.3.6.1.4.1.14706.1.1.2", "Agent Address Type", 0x02, 0x02, &olInetAddressType},
    {"1.3.6.1.4.1.14706.1.1.3", "Agent Address", 0x51, 0x02},
    {},
};

const SNMPVarDescriptor dtSFlowReceiver[] = {
    {"1.3.6.1.4.1.14706.1.1.4.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.4.1.14706.1.1.4.1.2", "Owner", 0x4c, 0x06},
    {"1.3.6.1.4.1.14706.1.1.4.1.3", "Timeout", 0x02, 0x06},
    {"1.3.6.1.4.1.14706.1.1.4.1.4", "Maximum Datagram Size", 0x02, 0x06},
    {"1.3.6.1.4.1.14706.1.1.4.1.5", "Address Type", 0x02, 0x06, &olInetAddressType},
    {"1.3.6.1.4.1.14706.1.1.4.1.6", "Address", 0x51, 0x06},
    {"1.3.6.1.4.1.14706.1.1.4.1.7", "Port", 0x02, 0x06},
    {"1.3.6.1.4.1.14706.1.1.4.1.8", "Datagram Version", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtSFlowFlowSampler[] = {
    {"1.3.6.1.4.1.14706.1.1.5.1.1", "Data Source", 0x06, 0x01},
    {"1.3.6.1.4.1.14706.1.1.5.1.2", "Instance", 0x02, 0x01},
    {"1.3.6.1.4.1.14706.1.1.5.1.3", "Receiver", 0x02, 0x06},
    {"1.3.6.1.4.1.14706.1.1.5.1.4", "Packet Sampling Rate", 0x02, 0x06},
    {"1.3.6.1.4.1.14706.1.1.5.1.5", "Maximum Header Size", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtSFlowCounterPoller[] = {
    {"1.3.6.1.4.1.14706.1.1.6.1.1", "Data Source", 0x06, 0x01},
    {"1.3.6.1.4.1.14706.1.1.6.1.2", "Instance", 0x02, 0x01},
    {"1.3.6.1.4.1.14706.1.1.6.1.3", "Receiver", 0x02, 0x06},
    {"1.3.6.1.4.1.14706.1.1.6.1.4", "Interval", 0x02, 0x06},
    {},
};

const SNMPVarDescriptor dtPingMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.80.1.1", "Max. Concurrent Requests", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtPingControlTable[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", 0x4c, 0x01},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", 0x4c, 0x01},
    {"1.3.6.1.2.1.80.1.2.1.3", "Target Address Type", 0x02, 0x06, &olIpv4Ipv6},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", 0x51, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.5", "Data Size", 0x42, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.6", "Timeout", 0x42, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", 0x42, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.80.1.2.1.10", "Frequency", 0x42, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.20", "IF Index", 0x02, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.22", "DS Field", 0x42, 0x06},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtPingResultsTable[] = {
    {" ", "Owner Index", 0x4c, 0x01},
    {" ", "Test Name", 0x4c, 0x01},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operation Status", 0x02, 0x02, &olEnabledDisabled},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", 0x02, 0x02, &olPingAddressType},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", 0x51, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min Rtt", 0x42, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max. Rtt", 0x42, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", 0x42, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", 0x42, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", 0x42, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", 0x42, 0x02},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe     ", 0x4a, 0x02},
    {},
};

const SNMPVarDescriptor dtTraceRouteMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.81.1.1", "Max. Concurrent Requests", 0x42, 0x02},
    {},
};

const SNMPVarDescriptor dtTraceRouteControlTable[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", 0x4c, 0x01},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", 0x4c, 0x01},
    {"1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", 0x02, 0x06, &olIpv4Ipv6},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", 0x51, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.6", "Data Size", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.7", "Timeout", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max. TTL", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.11", "DS Field", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.18", "Initial TTL", 0x42, 0x06},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {},
};

const SNMPVarDescriptor dtTraceRouteResultsTable[] = {
    {" ", "Owner Index", 0x4c, 0x01},
    {" ", "Test Name", 0x4c, 0x01},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operation Status", 0x02, 0x02, &olEnabledDisabled},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", 0x02, 0x02, &olPingAddressType},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", 0x51, 0x02},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path        ", 0x4a, 0x02},
    {},
};

const SNMPVarDescriptor dtTraceRouteHopsTable[] = {
    {" ", "Owner Index", 0x4c, 0x01},
    {" ", "Test Name", 0x4c, 0x01},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", 0x42, 0x01},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", 0x02, 0x02, &olTraceHopAddressType},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", 0x51, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max. Rtt", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum of Squares", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", 0x42, 0x02},
    {"1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", 0x4a, 0x02},
    {},
};
// clang-format on
