// The MSTP port table: one line per bridge port, edited in a dialog. The protocol version
// decides whether the administrative hello time is written. The window does not close while
// the table is being read.
#pragma once

#include "dedicated_form.h"

class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class TMSTPPortStateEditForm;

class TMSTPPortStateForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TMSTPPortStateForm(const DedicatedWindowContext& context);

    QTreeWidget* lvMSTPPortState;
    QLabel* StaticText1;
    QLabel* SamplesLabel;
    QPushButton* BT_Refresh;
    QPushButton* BT_Edit;
    QPushButton* BT_Stop;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    QLabel* lblSTPVersion;  // hidden
    TMSTPPortStateEditForm* EditForm;
    NmSNMPRequest2Edits* VersionBinding;
    NmSNMPRequest2Edits* PortBinding;

    // False while the port table is being read.
    bool Ready() const { return ready_; }

    void RefreshClick();
    void EditClick();
    void StopClick();
    // The edit dialog's "Set".
    void SetPortClick();

    // Refused with "Get data not complete" while the table is being read.
    void done(int result) override;

  private:
    void readPorts();
    void failed(const std::string& text);
    void showCount();

    bool ready_ = true;
};
