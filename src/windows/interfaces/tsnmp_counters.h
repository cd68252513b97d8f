// The SNMP counter monitor: the 28 counters of the agent's SNMP group polled on a timer, with
// each counter's change per poll, its rate and its largest change so far.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dedicated_form.h"
#include "interface_tables.h"

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QTreeWidget;

class TSNMP_Counters : public TDedicatedForm {
    Q_OBJECT

  public:
    // Columns of LV_SNMPCounterData.
    enum Column { Name, Value, Delta, Rate, Peak, PeakAt };

    explicit TSNMP_Counters(const DedicatedWindowContext& context);

    // The timer's tick: the clock, then a read and an update unless paused.
    void Timer1Timer();
    // "Start" and "Pause".
    void BT_StartClick();
    void BT_StopClick();
    // The interval box was changed: 1 to 10 whole seconds, else "Choose Valid Interval".
    void CB_IntervalChange();
    // One update of every row from the counters' texts, in display order.
    void UpdateCounters(const std::vector<std::string>& values);
    // Counting starts afresh, as at opening: zeros and the current time in every row, then the
    // first readings, whose changes are neither peaks nor shown as Delta and Rate.
    void Restart(const std::vector<std::string>& first);

    bool Running() const { return running_; }
    bool DeltaFlag() const { return deltaFlag_; }

    void done(int result) override;

    QTreeWidget* LV_SNMPCounterData;
    QLabel* ST_Time;
    QComboBox* CB_Interval;
    QPushButton* BT_Start;
    QPushButton* BT_Stop;
    QPushButton* CloseButton;
    QStatusBar* StatusBar1;
    QTreeWidget* ListView1;  // hidden: the binding's one row
    QTimer* Timer1;
    NmSNMPRequest2Edits* Binding = nullptr;

  private:
    struct Counter {
        std::uint32_t current = 0;
        std::uint32_t previous = 0;
        std::uint32_t peakDelta = 0;
        std::uint32_t lastDelta = 0;
    };

    void FormCreate();
    void prepareRows();
    // Reads the counters and updates the rows; a failure goes to the status bar.
    void readAndUpdate();
    // The counters of the binding's row, or nothing when the read brought none.
    std::vector<std::string> readValues() const;
    int intervalSeconds() const;

    std::array<Counter, kSnmpCounterCount> counters_{};
    bool running_ = false;
    bool deltaFlag_ = false;
    QString interval_ = QStringLiteral("1");  // the interval in force, as the box showed it
    bool checkingInterval_ = false;
};
