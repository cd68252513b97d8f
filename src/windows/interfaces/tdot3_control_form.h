// The 802.3 MAC control table: which MAC control functions each interface supports, and the
// unknown opcodes received on the selected interface, polled on a timer of the user's choice.
#pragma once

#include <array>
#include <string>

#include "dedicated_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class Tdot3ControlForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit Tdot3ControlForm(const DedicatedWindowContext& context);

    // "Refresh": reads the functions table again, unless a read of it is under way.
    void btnGetClick();
    // A click on the interface list: reads the selected interface's counter, or clears the
    // panel when the click selected nothing.
    void ListView1Click();
    // "none" stops the timer; the other choices set its interval and start it.
    void cbxIntervalChange();
    // Reads the counter of the interface selected last and shows it.
    void Timer1Timer();

    bool IsReady() const { return ready_; }
    // The "Recived Unknown Opcodes" row of ListView2.
    QTreeWidgetItem* CounterRow() const;

    void done(int result) override;

    QTreeWidget* ListView1;
    QGroupBox* GroupBox1;
    std::array<QCheckBox*, 8> CheckBox{};  // CheckBox1 ... CheckBox8: bits 0 to 7
    QTreeWidget* ListView2;
    QStatusBar* StatusBar1;
    QLabel* StaticText1;
    QPushButton* btnGet;
    QPushButton* btnClose;
    QComboBox* cbxInterval;
    QTreeWidget* lvChart;  // hidden: the counter binding's row
    QTimer* Timer1;
    NmSNMPRequest2Edits* BindingA = nullptr;  // MAC control functions, on ListView1
    NmSNMPRequest2Edits* BindingB = nullptr;  // MAC control counter, on lvChart

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void readFunctions();
    void endFunctionsRead(NmSNMPError& result);
    void readCounter();
    void ShowCounter();
    void ClearPanel();
    void showCount();
    void reportToStatusBar(const std::string& text);

    bool ready_ = true;
    std::string interface_;  // the instance of the interface selected last
};
