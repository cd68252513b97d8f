// Interface and MIB-II windows: the window classes this group opens, one Register call per class.
#include "dedicated_windows.h"
#include "tdot3_control_form.h"
#include "tif_table.h"
#include "tmibii_info.h"
#include "tsnmp_counters.h"

namespace {

template <class Window>
void openModal(const DedicatedWindowContext& context) {
    Window window(context);
    window.exec();
}

}  // namespace

void RegisterInterfacesWindows(DedicatedWindowRegistry& registry) {
    registry.Register("TIF_Table", openModal<TIF_Table>);
    registry.Register("TMIBII_Info", openModal<TMIBII_Info>);
    registry.Register("TSNMP_Counters", openModal<TSNMP_Counters>);
    registry.Register("Tdot3ControlForm", openModal<Tdot3ControlForm>);
}
