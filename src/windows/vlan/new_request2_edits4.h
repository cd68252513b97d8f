// The binding of the 802.1p port capability table: the capability column shows the names of
// its bits instead of the octets.
#pragma once

#include "nm_snmp_request2_edits.h"

class NewRequest2Edits4 : public NmSNMPRequest2Edits {
  public:
    explicit NewRequest2Edits4(QWidget* form, int capabilityColumn = 1)
        : NmSNMPRequest2Edits(form), CapabilityColumn(capabilityColumn) {}

    // Descriptor position of the capability column.
    int CapabilityColumn;

  protected:
    void DoRow() override;
};
