// Interface and MIB-II windows: the window classes this group opens, one Register call per class.
#include "dedicated_windows.h"

void RegisterInterfacesWindows(DedicatedWindowRegistry& registry) {
    (void)registry;
}
