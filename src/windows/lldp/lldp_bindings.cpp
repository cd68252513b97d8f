// The LLDP binding variants' row and collection steps.
#include "lldp_bindings.h"

#include <QLineEdit>
#include <QTreeWidget>

LldpBitMapBinding::LldpBitMapBinding(QWidget* form, std::vector<Column> decoded, int encoded)
    : NmSNMPRequest2Edits(form), decoded_(std::move(decoded)), encoded_(encoded) {}

LldpBitMap LldpBitMapBinding::EncodedNames() const {
    for (const Column& c : decoded_)
        if (c.Position == encoded_)
            return c.Names;
    return {};
}

void LldpBitMapBinding::DoRow() {
    if (!ListView)
        return;
    NmSNMPVarList& list = Request.VarList;
    for (const Column& c : decoded_)
        if (c.Position >= 0 && c.Position < list.Count()) {
            SNMPVarItem& item = list.Item(c.Position);
            item.Value = DecodeBitNames(c.Names, item.Value);
        }
    AddRow();
}

void LldpBitMapBinding::DoCollect() {
    NmSNMPVarList& list = Request.VarList;
    if (encoded_ < 0 || encoded_ >= list.Count()) {
        NmSNMPRequest2Edits::DoCollect();
        return;
    }
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).Value.clear();
    SelectedRowToValues();
    // The TLV edit holds names, not the octets its descriptor is typed with: every other
    // control is collected as usual, the edit's text is taken as it is.
    for (int i = 0; i < list.Count(); ++i)
        if (i != encoded_)
            ControlsToValues(i);
    SNMPVarItem& tlvs = list.Item(encoded_);
    for (const ControlBinding& b : Bindings)
        if (b.VarIndex == encoded_)
            if (auto* edit = qobject_cast<QLineEdit*>(b.Control(0)))
                tlvs.Value = edit->text().toStdString();
    tlvs.Value = EncodeBitNames(EncodedNames(), tlvs.Value);
}

NewRequest2Edits::NewRequest2Edits(QWidget* form)
    : LldpBitMapBinding(form, {{2, BasicTlvNames()}}, 2) {}

LLDPDot3PortConfigNewRequest2Edits::LLDPDot3PortConfigNewRequest2Edits(QWidget* form)
    : LldpBitMapBinding(form, {{1, Dot3TlvNames()}}, 1) {}

NewRequest2Edits5::NewRequest2Edits5(QWidget* form)
    : LldpBitMapBinding(form, {{2, MedTlvNames()}, {1, MedTlvNames()}}, 2) {}

NewRequest2Edits1::NewRequest2Edits1(QWidget* form)
    : LldpBitMapBinding(form, {{1, AggregationStatusNames()}}) {}

NewRequest2Edits2::NewRequest2Edits2(QWidget* form)
    : LldpBitMapBinding(form, {{3, AggregationStatusNames()}}) {}

NewRequest2Edits3::NewRequest2Edits3(QWidget* form)
    : LldpBitMapBinding(form, {{10, SystemCapabilityNames()}, {11, SystemCapabilityNames()}}) {}

NewRequest2Edits8::NewRequest2Edits8(QWidget* form)
    : LldpBitMapBinding(form, {{3, MedCapabilityNames()}, {4, MedCapabilityNames()}}) {}
