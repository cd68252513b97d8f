// The small wait dialog that covers the time a switch needs after a spanning-tree protocol
// change: a bold prompt and a bar that fills in 40 ticks; the tick after it is full closes the
// dialog. It has no close box and cannot be dismissed.
#pragma once

#include <QDialog>
#include <chrono>

class QLabel;
class QProgressBar;
class QTimer;

class TProgressForm2 : public QDialog {
    Q_OBJECT

  public:
    TProgressForm2(QWidget* owner, const QString& caption, const QString& prompt);

    QLabel* LB_Prompt;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

    // One second per tick; tests make the ticks shorter (the dialog then stands 41 ticks).
    static std::chrono::milliseconds TickInterval();
    static void SetTickInterval(std::chrono::milliseconds interval);

    // Only the timer closes the dialog.
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Timer1Timer();

    bool finished_ = false;
};
