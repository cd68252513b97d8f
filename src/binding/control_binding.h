// One bind call: which part of which descriptor a group of controls shows.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class NmOptionList;

struct ControlBinding {
    int VarIndex = 0;
    int ByteOffset = 0;                     // 0: the whole value
    int PartSyntax = 0;                     // the descriptor's code for the whole value
    const NmOptionList* Options = nullptr;  // not owned
    std::vector<int> BitIndices;            // check boxes on single bits; empty otherwise
    std::vector<QPointer<QWidget>> Controls;

    int ControlCount() const { return static_cast<int>(Controls.size()); }
    QWidget* Control(int i) const { return Controls[static_cast<std::size_t>(i)].data(); }
};
