// The small modal window shown while the chassis panel is built.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QProgressBar;

class TWaitingForm : public QDialog {
    Q_OBJECT
  public:
    // load runs once, on the first activation; its errors are swallowed.
    TWaitingForm(QWidget* owner, std::function<void()> load);
    QProgressBar* ProgressBar = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void done(int r) override;

  private:
    void tick();

    std::function<void()> load_;
    QTimer timer_;
    bool loaded_ = false;
};
