// Spanning-tree windows: the window classes this group opens, one Register call per class.
#include "dedicated_windows.h"

void RegisterStpWindows(DedicatedWindowRegistry& registry) {
    (void)registry;
}
