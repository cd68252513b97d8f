// The nine LLDP list windows: each is its table, its binding variant, its buttons and its
// editing rows on the shared frame (TLLDPListForm).
#pragma once

#include "lldp_list_form.h"

// Configuration > Port Configuration Table
class TLLDPPortConfigForm : public TLLDPListForm {
  public:
    explicit TLLDPPortConfigForm(const DedicatedWindowContext& context);
};

// LLDP-Dot3 > Port Configuration Table
class TLLDPDot3PortConfigForm : public TLLDPListForm {
  public:
    explicit TLLDPDot3PortConfigForm(const DedicatedWindowContext& context);
};

// LLDP-MED > Port Configuration Table
class TLLDPRemotePortConfigForm : public TLLDPListForm {
  public:
    explicit TLLDPRemotePortConfigForm(const DedicatedWindowContext& context);
};

// LLDP-Dot1 > Configuration > Protocol Table
class TLLDPConfigProtocolForm : public TLLDPListForm {
  public:
    explicit TLLDPConfigProtocolForm(const DedicatedWindowContext& context);
};

// LLDP-Dot1 > Configuration > Protocol VLAN Table
class TLLDPConfigProtocolVLANForm : public TLLDPListForm {
  public:
    explicit TLLDPConfigProtocolVLANForm(const DedicatedWindowContext& context);
};

// LLDP-Dot3 > Local Data Table > Link Aggregation Table
class TLLDPDot3LinkAggForm : public TLLDPListForm {
  public:
    explicit TLLDPDot3LinkAggForm(const DedicatedWindowContext& context);
};

// LLDP-Dot3 > Remote Table > Link Aggregation Table
class TLLDPDot3RemoteLinkAggForm : public TLLDPListForm {
  public:
    explicit TLLDPDot3RemoteLinkAggForm(const DedicatedWindowContext& context);
};

// LLDP-MED > Remote Data > Capabilities Table
class TLLDPRemoteDataCapabilitiesForm : public TLLDPListForm {
  public:
    explicit TLLDPRemoteDataCapabilitiesForm(const DedicatedWindowContext& context);
};

// Remote System Data > Remote Table
class TLLDPRemoteForm : public TLLDPListForm {
  public:
    explicit TLLDPRemoteForm(const DedicatedWindowContext& context);
};
