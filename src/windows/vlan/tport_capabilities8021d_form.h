// "802.1p Port Capability Table": the 802.1Q capabilities of every bridge port, by name.
#pragma once

#include "dedicated_form.h"

class NewRequest2Edits4;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TPortCapabilities8021dForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TPortCapabilities8021dForm(const DedicatedWindowContext& context);

    QTreeWidget* LV_dot1dPortCapabilitiesEntry;
    QLabel* ST_Count;
    QPushButton* RefreshBtn;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    NewRequest2Edits4* Binding;

    // False while a read is under way.
    bool Ready() const;

    void RefreshBtnClick();
    void done(int result) override;

  private:
    void startRead();
    void onEnd(NmSNMPError& error);

    bool ready_ = true;
};
