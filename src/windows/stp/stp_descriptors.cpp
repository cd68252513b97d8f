// Descriptor tables of the spanning-tree windows: bridge settings, the MSTP instance table with
// its eight VLAN bit maps, and the per-port table.
#include "stp_descriptors.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtStpState[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.1", "State", 0x02, 0x06, &olStpState},
    {}};

const SNMPVarDescriptor dtStpVersion[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.2", "STP Version", 0x02, 0x06, &olStpVersion},
    {}};

const SNMPVarDescriptor dtStpBridgeTimers[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.3", "Max. Age", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.5", "Forward Delay", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.6", "Max. Hops", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.7", "TX Hold Count", 0x02, 0x06},
    {}};

const SNMPVarDescriptor dtStpHelloTime[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.1.4", "swMSTPStpHelloTime", 0x02, 0x06},
    {}};

const SNMPVarDescriptor dtMstpInstanceTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.1", "Instance ID", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.2", "1-512", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.3", "513-1024", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.4", "1025-1536", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.5", "1537-2048", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.6", "2049-2560", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.7", "2561-3072", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.8", "3073-3584", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.9", "3585-4096", 0x04, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.10", "Type", 0x02, 0x02, &olMstiType},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.12", "Priority", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.13", "Designated Root Bridge", 0x04, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.14", "External Root Cost", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.15", "Regional Root Bridge", 0x04, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.16", "Internal Root Cost", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.17", "Designated Bridge", 0x04, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.18", "Root Port", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.19", "Max Age", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.20", "Forward Delay", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.21", "Last Topology Change", 0x43, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.22", "Top Changes Count", 0x41, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.23", "Remain Hops", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.3.1.24", "Row Status", 0x02, 0x06, &olRowStatusCreateDestroy},
    {}};

const SNMPVarDescriptor dtMstpPortTable[] = {
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.1", "Port", 0x02, 0x01},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.3", "Operation Hello Time", 0x02, 0x02},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.2", "Administration Hello Time", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.4", "STP Port Enable", 0x02, 0x06, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.5", "External Path Cost", 0x02, 0x06},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.6", "Migration", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.7", "Administration Edge Port", 0x02, 0x06, &olAdminEdgePort},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.8", "Operation Edge Port", 0x02, 0x02, &olOperEdgePort},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.9", "Administration P2P", 0x02, 0x06, &olPointToPoint},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.10", "Operation P2P", 0x02, 0x02, &olPointToPoint},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.13", "Restricted Role", 0x02, 0x06, &olTrueFalse},
    {"1.3.6.1.4.1.32473.10.120.100.2.2.2.4.1.14", "Restricted TCN", 0x02, 0x06, &olTrueFalse},
    {}};
// clang-format on
