// The global spanning-tree switch: STP enabled or disabled. Enabling asks first and covers the
// switch's long answer with the progress dialog.
#pragma once

#include "dedicated_form.h"

class QComboBox;
class QPushButton;
class QStatusBar;
class StpStateBinding;

class TSpanningTreeAlgorithmForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TSpanningTreeAlgorithmForm(const DedicatedWindowContext& context);

    // The time-out of the enabling write: 40 s, in hundredths of a second.
    static constexpr int kEnableTimeout = 4000;

    QComboBox* ComboBox1;
    QPushButton* BT_Refresh;
    QPushButton* BT_Set;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    NmSNMPRequest2Edits* Binding;

    void RefreshClick();
    void SetClick();

    void done(int result) override;

  private:
    void readState();
    void enableWithProgress();
    void writeEnded(NmSNMPError& error);

    StpStateBinding* binding_;
    bool readAfterWrite_ = false;
};
