// The port capability binding: names instead of octets in the list.
#include "new_request2_edits4.h"

#include <QTreeWidget>

#include "capability_names.h"

void NewRequest2Edits4::DoRow() {
    if (ListView && CapabilityColumn >= 0 && CapabilityColumn < Request.VarList.Count()) {
        SNMPVarItem& item = Request.VarList.Item(CapabilityColumn);
        item.Value = PortCapabilityNames(item.Value);
    }
    NmSNMPRequest2Edits::DoRow();
}
