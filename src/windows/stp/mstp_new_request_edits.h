// The binding of the MSTP instance table: its list view and edits show the eight VLAN bit maps
// of a row as VLAN lists, and a write turns the checked lists back into bit maps and creates
// the row typed in the instance field.
#pragma once

#include <QPointer>
#include <array>

#include "nm_snmp_request2_edits.h"
#include "stp_descriptors.h"

class QCheckBox;
class QLineEdit;

class MSTPNewRequestEdits : public NmSNMPRequest2Edits {
  public:
    explicit MSTPNewRequestEdits(QWidget* form);

    // The controls a write reads beyond the bound ones: the instance field and, per VLAN range
    // field, its check box and edit.
    QPointer<QLineEdit> VIDEdit;
    std::array<QPointer<QCheckBox>, kRangeCount> RangeChecks;
    std::array<QPointer<QLineEdit>, kRangeCount> RangeEdits;

  protected:
    void DoRow() override;
    // Raises VlanListError, before anything is collected, for a checked list that cannot be
    // written.
    void DoCollect() override;
};
