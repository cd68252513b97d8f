// The OAM binding variant's row step.
#include "new_request2_edits_for_oam.h"

#include "oam_function_names.h"

NewRequest2EditsForOAM::NewRequest2EditsForOAM(QWidget* form, int column)
    : NmSNMPRequest2Edits(form), column_(column) {}

void NewRequest2EditsForOAM::DoRow() {
    if (column_ >= 0 && column_ < Request.VarList.Count()) {
        SNMPVarItem& item = Request.VarList.Item(column_);
        item.Value = OamFunctionNames(item.Value);
    }
    NmSNMPRequest2Edits::DoRow();
}
