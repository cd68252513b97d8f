// "802.1Q VLAN Port Information Table": the VLAN settings of every bridge port; the selected
// port's acceptable frame types, ingress filtering, GVRP and restricted registration can be
// written, its PVID only shown.
#pragma once

#include <QString>

#include "dedicated_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TVLanPortInfomationForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TVLanPortInfomationForm(const DedicatedWindowContext& context);

    QTreeWidget* LV_dot1qPortVlanEntry;
    QLineEdit* PortVLanID;
    QComboBox* AcceptableFrameTypes;
    QComboBox* IngressFiltering;
    QComboBox* GvrpStatus;
    QComboBox* RestrictedVLANRegistration;
    QLabel* ST_Count;
    QPushButton* BT_Refresh;
    QPushButton* BT_Set;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    NmSNMPRequest2Edits* Binding;

    void BT_RefreshClick();
    void BT_SetClick();
    void done(int result) override;

  private:
    void read();
    void afterGet();

    // The port whose row is selected again once the list has been read after a write.
    QString reselect_;
};
