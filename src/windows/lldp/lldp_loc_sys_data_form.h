// LLDP Local System Data: this switch as its neighbours see it, the capabilities as names.
#pragma once

#include <string>
#include <vector>

#include "dedicated_form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TLLDPLocSysDataForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TLLDPLocSysDataForm(const DedicatedWindowContext& context);

    bool Complete = false;
    NmSNMPRequest2Edits* Binding;
    std::vector<QLabel*> Texts;     // chassis ID subtype, chassis ID, system name, description
    QLabel* CapabilitiesSupported;  // hidden: the octets as read
    QLabel* CapabilitiesEnabled;    // hidden
    QLineEdit* SupportedEdit;       // the names
    QLineEdit* EnabledEdit;
    QPushButton* BT_Refresh;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;

    void RefreshClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void startRead();
    void readEnded();

    bool firstReadQueued_ = false;
};
