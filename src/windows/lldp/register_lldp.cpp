// LLDP windows: the window classes this group opens, one Register call per class.
#include "dedicated_windows.h"
#include "lldp_configration_form.h"
#include "lldp_list_members.h"
#include "lldp_loc_sys_data_form.h"

namespace {

template <class Window>
DedicatedWindowOpener opener() {
    return [](const DedicatedWindowContext& c) {
        Window window(c);
        window.exec();
    };
}

}  // namespace

void RegisterLldpWindows(DedicatedWindowRegistry& registry) {
    registry.Register("TLLDPConfigrationForm", opener<TLLDPConfigrationForm>());
    registry.Register("TLLDPPortConfigForm", opener<TLLDPPortConfigForm>());
    registry.Register("TLLDPLocSysDataForm", opener<TLLDPLocSysDataForm>());
    registry.Register("TLLDPRemoteForm", opener<TLLDPRemoteForm>());
    registry.Register("TLLDPConfigProtocolVLANForm", opener<TLLDPConfigProtocolVLANForm>());
    registry.Register("TLLDPConfigProtocolForm", opener<TLLDPConfigProtocolForm>());
    registry.Register("TLLDPDot3PortConfigForm", opener<TLLDPDot3PortConfigForm>());
    registry.Register("TLLDPDot3LinkAggForm", opener<TLLDPDot3LinkAggForm>());
    registry.Register("TLLDPDot3RemoteLinkAggForm", opener<TLLDPDot3RemoteLinkAggForm>());
    registry.Register("TLLDPRemotePortConfigForm", opener<TLLDPRemotePortConfigForm>());
    registry.Register("TLLDPRemoteDataCapabilitiesForm", opener<TLLDPRemoteDataCapabilitiesForm>());
}
