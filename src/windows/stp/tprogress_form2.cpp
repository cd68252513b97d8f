// The spanning-tree wait dialog.
#include "tprogress_form2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "config_geometry.h"

namespace {

constexpr int kBarMaximum = 80;
constexpr int kStep = 2;
std::chrono::milliseconds tickInterval{1000};

}  // namespace

std::chrono::milliseconds TProgressForm2::TickInterval() {
    return tickInterval;
}

void TProgressForm2::SetTickInterval(std::chrono::milliseconds interval) {
    tickInterval = interval;
}

TProgressForm2::TProgressForm2(QWidget* owner, const QString& caption, const QString& prompt)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TProgressForm2"));
    setWindowTitle(caption);
    setModal(true);
    LB_Prompt = new QLabel(prompt, this);
    LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, kBarMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(16), Scaled(14), Scaled(16), Scaled(16));
    layout->setSpacing(Scaled(10));
    layout->addWidget(LB_Prompt);
    layout->addWidget(ProgressBar1);
    setFixedSize(QSize(Scaled(360), 0).expandedTo(sizeHint()));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tickInterval);
    connect(Timer1, &QTimer::timeout, this, &TProgressForm2::Timer1Timer);
}

void TProgressForm2::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Over the window that opened it.
        if (QWidget* owner = parentWidget())
            move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
        Timer1->start();
    }
    QDialog::showEvent(event);
}

void TProgressForm2::closeEvent(QCloseEvent* event) {
    if (!finished_)
        event->ignore();  // the window manager's close: the dialog runs its time
    else
        QDialog::closeEvent(event);
}

void TProgressForm2::Timer1Timer() {
    if (ProgressBar1->value() >= ProgressBar1->maximum()) {
        Timer1->stop();
        finished_ = true;
        accept();
        return;
    }
    ProgressBar1->setValue(ProgressBar1->value() + kStep);
}
