// VLAN, bridge and aggregation windows: the window classes this group opens, one Register call per
// class.
#include "dedicated_windows.h"

void RegisterVlanWindows(DedicatedWindowRegistry& registry) {
    (void)registry;
}
