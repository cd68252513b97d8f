// Waiting window: the load runs inside its first activation, then it closes itself.
#include "waiting_form.h"

#include <QProgressBar>
#include <QVBoxLayout>

#include "error_boundary.h"

TWaitingForm::TWaitingForm(QWidget* owner, std::function<void()> load)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      load_(std::move(load)) {
    setWindowTitle("Refreshing panel");
    setModal(true);
    setFixedSize(396, 24);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setGeometry(0, 0, 396, 24);
    ProgressBar->setRange(0, 600);
    ProgressBar->setTextVisible(false);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &TWaitingForm::tick);
}

void TWaitingForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    timer_.start();
    if (loaded_)
        return;
    loaded_ = true;
    // Shown first, loaded afterwards: the load starts once the window is on the screen.
    QTimer::singleShot(0, this, [this] {
        // The load reports its own failures into the status bar; nothing is left to say here.
        if (load_)
            Guarded(load_, {});
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
    });
}

void TWaitingForm::tick() {
    if (ProgressBar->value() >= ProgressBar->maximum()) {
        close();
        return;
    }
    ProgressBar->setValue(std::min(ProgressBar->value() + 90, ProgressBar->maximum()));
    if (ProgressBar->value() >= ProgressBar->maximum())
        ProgressBar->setValue(ProgressBar->minimum());
}

void TWaitingForm::closeEvent(QCloseEvent* e) {
    timer_.stop();
    QDialog::closeEvent(e);
}

void TWaitingForm::done(int r) {
    timer_.stop();
    QDialog::done(r);
}
