// Descriptor tables: EtherLike-MIB.
// One record per column or scalar: OID, caption (blanks kept), syntax, flags, option list.
#include "descriptor_tables.h"

#include "option_lists.h"

// clang-format off

const SNMPVarDescriptor dtDot3StatisticsTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.10.7.2.1.2", "Alignment Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.3", "FCS Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.4", "Single Collision Frames", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.5", "Multiple Collision Frames", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.7", "Deferred Transmissions", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.8", "Late Collisions", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.9", "Excessive Collisions", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex State", 0x02, 0x02, &olDot3DuplexStatus},
    {},
};

const SNMPVarDescriptor dtDot3PauseTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.10.7.10.1.1", "Administration Mode", 0x02, 0x06, &olDot3PauseMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operation Mode", 0x02, 0x02, &olDot3PauseMode},
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", 0x41, 0x02},
    {"1.3.6.1.2.1.10.7.10.1.5", "HC In Pause Frames", 0x46, 0x02},
    {"1.3.6.1.2.1.10.7.10.1.6", "HC Out Pause Frames", 0x46, 0x02},
    {},
};

const SNMPVarDescriptor dtDot3HcStatisticsTable[] = {
    {" ", "Index", 0x02, 0x01},
    {"1.3.6.1.2.1.10.7.11.1.1", "Alignment Errors", 0x46, 0x02},
    {"1.3.6.1.2.1.10.7.11.1.2", "FCS Errors", 0x46, 0x02},
    {"1.3.6.1.2.1.10.7.11.1.3", "Internal MAC Transmit Errors", 0x46, 0x02},
    {"1.3.6.1.2.1.10.7.11.1.4", "Frame Too Longs", 0x46, 0x02},
    {"1.3.6.1.2.1.10.7.11.1.5", "Internal MAC Receive Errors", 0x46, 0x02},
    {"1.3.6.1.2.1.10.7.11.1.6", "Symbol Errors", 0x46, 0x02},
    {},
};
// clang-format on
