// The LLDP list windows' tables, bindings, buttons and editing rows.
#include "lldp_list_members.h"

#include "lldp_bindings.h"
#include "lldp_tlv_dialog.h"
#include "lldp_window_tables.h"

namespace {

template <class Binding>
auto bindingOf() {
    return [](QWidget* form) -> std::unique_ptr<NmSNMPRequest2Edits> {
        return std::make_unique<Binding>(form);
    };
}

template <class Dialog>
auto dialogOf() {
    return [](QWidget* owner) -> std::unique_ptr<TLLDPTlvDialog> {
        return std::make_unique<Dialog>(owner);
    };
}

using K = LldpRowKind;

LldpListSetup portConfig() {
    LldpListSetup s;
    s.Table = dtLldpPortConfig;
    s.Kind = vlTableRows;
    s.IndexCount = 1;
    s.MakeBinding = bindingOf<NewRequest2Edits>();
    s.SetCaption = "Set";
    s.Rows = {{"Port Number", 0, K::Static},
              {"Admin State", 1, K::Choice},
              {"TLVs TX Enable", 2, K::Tlv}};
    s.MakeTlvDialog = dialogOf<TLLDPPortConfigurationForm>();
    s.DesignWidth = 780;
    s.DesignHeight = 460;
    return s;
}

LldpListSetup dot3PortConfig() {
    LldpListSetup s;
    s.Table = dtLldpDot3PortConfig;
    s.Kind = vlTableRows;
    s.IndexCount = 1;
    s.MakeBinding = bindingOf<LLDPDot3PortConfigNewRequest2Edits>();
    s.SetCaption = "Edit";
    s.Rows = {{"Port Number", 0, K::Static}, {"TLVs TX Enable", 1, K::Tlv}};
    s.MakeTlvDialog = dialogOf<TLLDPDot3PortConfigurationForm>();
    s.DesignWidth = 640;
    s.DesignHeight = 440;
    return s;
}

LldpListSetup medPortConfig() {
    LldpListSetup s;
    s.Table = dtLldpMedPortConfig;
    s.Kind = vlTableRows;
    s.IndexCount = 1;
    s.MakeBinding = bindingOf<NewRequest2Edits5>();
    s.SetCaption = "Set";
    s.Rows = {{"Port Number", 0, K::Static},
              {"Capability Supported", 1, K::Static},
              {"TLVs TX Enabled", 2, K::Tlv}};
    s.MakeTlvDialog = dialogOf<TLLDPRemotePortConfigurationForm>();
    s.DesignWidth = 820;
    s.DesignHeight = 460;
    return s;
}

LldpListSetup protocolConfig(const SNMPVarDescriptor* table, const char* second,
                             const char* third) {
    LldpListSetup s;
    s.Table = table;
    s.Kind = vlTableRows;
    s.IndexCount = 2;
    s.MakeBinding = bindingOf<NmSNMPRequest2Edits>();
    s.SetCaption = "Set";
    s.Rows = {{"Port Number", 0, K::Static}, {second, 1, K::Static}, {third, 2, K::Choice}};
    s.NotComplete = "Get data not complete.";
    s.ClearOnSetError = true;
    s.DesignWidth = 520;
    s.DesignHeight = 440;
    return s;
}

LldpListSetup dataTable(const SNMPVarDescriptor* table, int indexCount,
                        std::function<std::unique_ptr<NmSNMPRequest2Edits>(QWidget*)> binding,
                        int width) {
    LldpListSetup s;
    s.Table = table;
    s.Kind = vlTable;
    s.IndexCount = indexCount;
    s.MakeBinding = std::move(binding);
    s.DesignWidth = width;
    s.DesignHeight = 380;
    return s;
}

}  // namespace

TLLDPPortConfigForm::TLLDPPortConfigForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, portConfig()) {}

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, dot3PortConfig()) {}

TLLDPRemotePortConfigForm::TLLDPRemotePortConfigForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, medPortConfig()) {}

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, protocolConfig(dtLldpDot1ConfigProtocol, "Index", "Protocol TX")) {}

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context,
                    protocolConfig(dtLldpDot1ConfigProtocolVlan, "VLAN ID", "Protocol VLAN TX")) {}

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, dataTable(dtLldpDot3LocalLinkAggregation, 1,
                                       bindingOf<NewRequest2Edits1>(), 520)) {}

TLLDPDot3RemoteLinkAggForm::TLLDPDot3RemoteLinkAggForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, dataTable(dtLldpDot3RemoteLinkAggregation, 3,
                                       bindingOf<NewRequest2Edits2>(), 640)) {}

TLLDPRemoteDataCapabilitiesForm::TLLDPRemoteDataCapabilitiesForm(
    const DedicatedWindowContext& context)
    : TLLDPListForm(
          context, dataTable(dtLldpMedRemoteCapabilities, 3, bindingOf<NewRequest2Edits8>(), 900)) {
}

TLLDPRemoteForm::TLLDPRemoteForm(const DedicatedWindowContext& context)
    : TLLDPListForm(context, [] {
          LldpListSetup s = dataTable(dtLldpRemoteSystems, 3, bindingOf<NewRequest2Edits3>(), 900);
          s.Synchronous = true;
          return s;
      }()) {}
