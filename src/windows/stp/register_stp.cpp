// Spanning-tree windows: the window classes this group opens, one Register call per class.
#include "dedicated_windows.h"
#include "error_boundary.h"
#include "nm_snmp_request2_edits.h"
#include "tmstp_port_state_form.h"
#include "tmstp_vlan_unit_form.h"
#include "tspanning_tree_algorithm_form.h"
#include "tstp_info.h"

void RegisterStpWindows(DedicatedWindowRegistry& registry) {
    registry.Register("TSpanningTreeAlgorithmForm", [](const DedicatedWindowContext& c) {
        TSpanningTreeAlgorithmForm window(c);
        window.exec();
    });
    registry.Register("TSTP_Info", [](const DedicatedWindowContext& c) {
        // The window compares the version it writes with the one the main window holds.
        if (NmSNMPRequest2Edits* version = c.Shared.StpVersionBinding)
            Guarded([version] { version->Get(); }, {});
        TSTP_Info window(c);
        window.exec();
    });
    registry.Register("TMSTPVLANUnitForm", [](const DedicatedWindowContext& c) {
        TMSTPVLANUnitForm window(c);
        window.exec();
    });
    registry.Register("TMSTPPortStateForm", [](const DedicatedWindowContext& c) {
        TMSTPPortStateForm window(c);
        window.exec();
    });
}
