// Option lists in combo boxes and radio groups.
#include "option_controls.h"

#include <QComboBox>

#include "nm_option_list.h"
#include "nm_radio_group.h"

namespace {
QStringList labels(const NmOptionList& list) {
    QStringList out;
    for (const std::string& l : list.Labels())
        out << QString::fromStdString(l);
    return out;
}
}  // namespace

void FillComboBox(const NmOptionList& list, QComboBox* combo) {
    combo->clear();
    combo->addItems(labels(list));
}

void FillRadioGroup(const NmOptionList& list, NmRadioGroup* group) {
    group->setItems(labels(list));
}

void SelectInComboBox(const NmOptionList& list, QComboBox* combo, const std::string& text) {
    combo->setCurrentIndex(OptionSelectionIndex(&list, text));
}

void SelectInRadioGroup(const NmOptionList& list, NmRadioGroup* group, const std::string& text) {
    group->setItemIndex(OptionSelectionIndex(&list, text));
}
