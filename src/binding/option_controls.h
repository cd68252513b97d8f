// Filling combo boxes and radio groups with the words of an option list, and selecting the
// entry for a word or a stored value.
#pragma once

#include <string>

class NmOptionList;
class NmRadioGroup;
class QComboBox;

// Clears the items and adds every label in order.
void FillComboBox(const NmOptionList& list, QComboBox* combo);
void FillRadioGroup(const NmOptionList& list, NmRadioGroup* group);
// Selects the entry whose label matches the text, else the one whose value does, else none.
void SelectInComboBox(const NmOptionList& list, QComboBox* combo, const std::string& text);
void SelectInRadioGroup(const NmOptionList& list, NmRadioGroup* group, const std::string& text);
