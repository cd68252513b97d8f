// The system information window: the MIB-II system group, with Contact, Name and Location
// written back.
#pragma once

#include "dedicated_form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TMIBII_Info : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TMIBII_Info(const DedicatedWindowContext& context);

    // "Refresh" and "Set"; both wait while a read or write is under way.
    void BT_GetClick();
    void BT_SetClick();

    QLabel* ST_SysDescr;
    QLabel* ST_SysOID;
    QLabel* ST_SysUpTime;
    QLineEdit* Edit_SysName;
    QLineEdit* Edit_SysLocation;
    QLineEdit* Edit_SysContact;
    QLabel* ST_SysService;
    QLabel* ST_SysORLastChange;
    QPushButton* BT_Get;
    QPushButton* BT_Set;
    QPushButton* CloseButton;
    QStatusBar* StatusBar1;
    NmSNMPRequest2Edits* Binding = nullptr;

  private:
    void FormCreate();
};
