// Bounded waiting in the event loop with user input dropped.
#include "bounded_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTimer>

namespace {

bool isUserInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
            return true;
        default:
            return false;
    }
}

// Drops user input for as long as it lives.
class InputBlock : public QObject {
  public:
    InputBlock() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputBlock() override { QCoreApplication::instance()->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override { return isUserInput(event); }
};

}  // namespace

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    if (done())
        return true;
    if (!QCoreApplication::instance())
        return false;  // no event loop could bring it about
    const InputBlock block;
    const QDeadlineTimer deadline(limit, Qt::PreciseTimer);
    // Ends the sleep for the next event at the deadline when nothing else comes.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(limit);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void LetPendingEventsRun() {
    if (!QCoreApplication::instance())
        return;
    const InputBlock block;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
