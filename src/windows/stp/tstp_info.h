// The bridge-wide spanning-tree settings: protocol version and timers, cross-checked before a
// write; the version decides which of them are written.
#pragma once

#include <memory>

#include "dedicated_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TSTP_Info : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TSTP_Info(const DedicatedWindowContext& context);

    QComboBox* Combo_STPVersion;
    QLineEdit* ET_AgingTime;
    QLineEdit* ET_HelloTime;
    QLineEdit* ET_ForwardDelay;
    QLineEdit* ET_Priority;  // Max. Hops
    QLineEdit* ED_TxHoldCount;
    QPushButton* BT_Get;
    QPushButton* BT_Set;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    QLabel* lbMSTPState;  // hidden: the STP state
    QLabel* HelloText;    // hidden: the hello time as read
    QLabel* VersionInfo;  // hidden: the version as last written or read

    NmSNMPRequest2Edits* TimersBinding;
    NmSNMPRequest2Edits* VersionBinding;
    NmSNMPRequest2Edits* HelloBinding;
    NmSNMPRequest2Edits* StateBinding;
    NmSNMPRequest2Edits* HelloTextBinding;
    NmSNMPRequest2Edits* VersionInfoBinding;

    void BT_GetClick();
    void BT_SetClick();

  private:
    NmSNMPRequest2Edits* makeBinding(const SNMPVarDescriptor* table, int timeout);
    void setSettings();
    void showText(const QString& text);
};
