// Descriptor tables: IEEE 802.1X port access control.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtDot1xControlSettings[] = {
    {"1.0.8802.1.1.1.1.1.1", "Authentication Control", 0x02, 0x06, &olEnabledDisabled},
    {},
};

const SNMPVarDescriptor dtDot1xPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", 0x42, 0x02},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", 0x03, 0x02},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", 0x02, 0x06, &olTrueFalse},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", 0x02, 0x06, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtDot1xPortConfigurationTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", 0x02, 0x02, &olPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", 0x02, 0x02, &olBackendState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", 0x02, 0x06, &olControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", 0x02, 0x02, &olControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", 0x02, 0x02, &olAuthPortStatus},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", 0x02, 0x06, &olAuthPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", 0x42, 0x06},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", 0x42, 0x06},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", 0x42, 0x06},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", 0x02, 0x06, &olTrueFalse},
    {"1.0.8802.1.1.1.1.2.1.1.14", "Key TX Enabled", 0x02, 0x02, &olTrueFalse},
    {},
};

const SNMPVarDescriptor dtDot1xPortStatisticsTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", 0x42, 0x02},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", 0x49, 0x02},
    {},
};

const SNMPVarDescriptor dtDot1xPortSessionStatisticsTable[] = {
    {" ", "Port Number", 0x02, 0x01},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", 0x46, 0x02},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", 0x46, 0x02},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", 0x41, 0x02},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", 0x4c, 0x02},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", 0x02, 0x02, &olAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", 0x43, 0x02},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", 0x02, 0x02, &olTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", 0x4c, 0x02},
    {},
};
// clang-format on
