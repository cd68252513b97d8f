// LLDP Basic Information Settings: the four transmit timers, each written only when its box is
// ticked; "Message TX Interval" and "TX Delay" never go in the same request.
#pragma once

#include <array>

#include "dedicated_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TLLDPConfigrationForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TLLDPConfigrationForm(const DedicatedWindowContext& context);

    // Positions of the rows (and descriptors).
    static constexpr int kTxInterval = 0;
    static constexpr int kHoldMultiplier = 1;
    static constexpr int kReinitDelay = 2;
    static constexpr int kTxDelay = 3;

    NmSNMPRequest2Edits* Binding;
    std::array<QCheckBox*, 4> Boxes;
    std::array<QLineEdit*, 4> Edits;
    QLabel* Note;
    QPushButton* BT_SetChecked;
    QPushButton* BT_ClearChecked;
    QPushButton* BT_Refresh;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;

    // The rules of a click on any box.
    void CheckBoxClick();
    void SetCheckedClick();
    void ClearCheckedClick();
    void RefreshClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void enableIntervalAndDelay(bool intervalOn, bool delayOn);
    void read();

    bool firstReadQueued_ = false;
};
