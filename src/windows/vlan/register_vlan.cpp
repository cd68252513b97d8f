// VLAN, bridge and aggregation windows: the window classes this group opens, one Register call per
// class.
#include "dedicated_windows.h"
#include "taggregator_port_table_form.h"
#include "tpbridge_config_form.h"
#include "tport_capabilities8021d_form.h"
#include "tprotocol_vlan_group_form.h"
#include "tvlan_port_infomation_form.h"

namespace {

template <class Window>
DedicatedWindowOpener opener() {
    return [](const DedicatedWindowContext& c) {
        Window window(c);
        window.exec();
    };
}

}  // namespace

void RegisterVlanWindows(DedicatedWindowRegistry& registry) {
    registry.Register("TAggregatorPortTableForm", opener<TAggregatorPortTableForm>());
    registry.Register("TPBridgeConfigForm", opener<TPBridgeConfigForm>());
    registry.Register("TPortCapabilities8021dForm", opener<TPortCapabilities8021dForm>());
    registry.Register("TVLanPortInfomationForm", opener<TVLanPortInfomationForm>());
    registry.Register("TProtocolVLANGroupForm", opener<TProtocolVLANGroupForm>());
}
