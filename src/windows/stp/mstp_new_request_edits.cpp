// The MSTP instance table's binding.
#include "mstp_new_request_edits.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <optional>

#include "binding_scopes.h"
#include "vlan_list.h"

namespace {

constexpr int kCreateAndGo = 4;

}  // namespace

MSTPNewRequestEdits::MSTPNewRequestEdits(QWidget* form) : NmSNMPRequest2Edits(form) {}

void MSTPNewRequestEdits::DoRow() {
    if (ListView)
        for (int k = 1; k <= kRangeCount; ++k) {
            SNMPVarItem& item = Request.VarList.Item(kFirstRange + k - 1);
            item.Value = BitmapToVlanList(item.Value, k);
        }
    NmSNMPRequest2Edits::DoRow();
}

void MSTPNewRequestEdits::DoCollect() {
    // Every checked list is converted first, so that one the switch cannot take leaves the
    // whole row unwritten.
    std::array<std::optional<std::string>, kRangeCount> maps;
    for (int k = 1; k <= kRangeCount; ++k) {
        const QCheckBox* check = RangeChecks[static_cast<std::size_t>(k - 1)];
        const QLineEdit* edit = RangeEdits[static_cast<std::size_t>(k - 1)];
        if (check && edit && check->isChecked())
            maps[static_cast<std::size_t>(k - 1)] = VlanListToBitmap(edit->text().toStdString(), k);
    }
    NmSNMPVarList& list = Request.VarList;
    {
        // The edits hold VLAN lists, not the hexadecimal text the base would read.
        ExcludedScope lists(list);
        for (int k = 1; k <= kRangeCount; ++k)
            lists.Exclude(kFirstRange + k - 1);
        NmSNMPRequest2Edits::DoCollect();
    }
    if (VIDEdit)
        list.Item(kInstanceId).Value = VIDEdit->text().toStdString();
    list.Item(kInstanceRowStatus).Value = std::to_string(kCreateAndGo);
    for (int k = 1; k <= kRangeCount; ++k)
        if (const auto& map = maps[static_cast<std::size_t>(k - 1)])
            list.Item(kFirstRange + k - 1).Value = *map;
}
