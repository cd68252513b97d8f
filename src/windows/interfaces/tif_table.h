// The interface table window: every interface of the switch in a list, and the Admin Status of
// the selected one written back.
#pragma once

#include "dedicated_form.h"

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TIF_Table : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TIF_Table(const DedicatedWindowContext& context);

    // "Refresh", "Set" and "Stop".
    void BT_GetClick();
    void BT_SetClick();
    void btnStopClick();
    // A refresh or set has not returned yet, or its read or write is still under way.
    bool IsBusy() const;

    void done(int result) override;

    QTreeWidget* LV_IF_Table;
    QLabel* ST_Index;
    QComboBox* Combo_AdminStatus;
    QLabel* StaticText1;
    QPushButton* BT_Get;
    QPushButton* BT_Set;
    QPushButton* btnStop;
    QPushButton* CloseButton;
    QStatusBar* StatusBar1;
    NmSNMPRequest2Edits* Binding = nullptr;

  private:
    void FormCreate();
    // Refuses with "Getting Data Not Complete" while busy; else runs the operation marked busy.
    void runGuarded(const std::function<void()>& operation);
    void showCount();

    bool busy_ = false;
};
