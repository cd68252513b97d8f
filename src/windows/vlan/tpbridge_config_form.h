// "802.1p Basic Information": the bridge's device capabilities, read from the switch and shown
// by the names of their bits.
#pragma once

#include "dedicated_form.h"

class QLineEdit;
class QPushButton;
class QStatusBar;

class TPBridgeConfigForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TPBridgeConfigForm(const DedicatedWindowContext& context);

    QLineEdit* Edit_DeviceCapabilities;
    QPushButton* BT_Get;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    NmSNMPRequest2Edits* Binding;

    void BT_GetClick();

  private:
    void showCapabilities(const QString& names);
};
