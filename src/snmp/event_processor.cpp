// The event pump. Replies wake it through the socket notifiers; the timer is re-armed after every
// send and every pass from the session's select information, and stopped when nothing waits.
#include "event_processor.h"

#include <QSocketNotifier>
#include <chrono>

#include "session.h"

_SnmpEventProcessor* EventProcessor = nullptr;

_SnmpEventProcessor::_SnmpEventProcessor(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % late; time-outs keep the library's own timing.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &_SnmpEventProcessor::process);
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    Stop();
    if (GlobalSession) {
        GlobalSession->setSocketListener({});
        GlobalSession->setSendListener({});
    }
}

void _SnmpEventProcessor::Start() {
    started_ = true;
    if (GlobalSession) {
        GlobalSession->setSocketListener([this](int fd, bool opened) { watchSocket(fd, opened); });
        GlobalSession->setSendListener([this] { rearm(); });
        for (int fd : GlobalSession->asyncSockets())
            watchSocket(fd, true);
    }
    for (auto& [fd, n] : notifiers_)
        n->setEnabled(true);
    rearm();
}

void _SnmpEventProcessor::Stop() {
    started_ = false;
    timer_.stop();
    for (auto& [fd, n] : notifiers_)
        n->setEnabled(false);
}

void _SnmpEventProcessor::process() {
    // The timer stays armed meanwhile: a completion that waits for another request's time-out
    // (a window closed from its handler) still gets it.
    if (started_ && GlobalSession)
        GlobalSession->processPendingEvents();
    rearm();
}

void _SnmpEventProcessor::rearm() {
    std::chrono::microseconds wait{};
    if (!started_ || !GlobalSession || !GlobalSession->nextTimeout(wait)) {
        timer_.stop();
        return;
    }
    // Rounded up: woken before the library's time, the pass would find nothing to do.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait);
    timer_.start(static_cast<int>(std::min<std::chrono::milliseconds::rep>(ms.count(), 1 << 30)));
}

void _SnmpEventProcessor::watchSocket(int fd, bool opened) {
    if (!opened) {
        notifiers_.erase(fd);
        return;
    }
    if (notifiers_.count(fd))
        return;
    auto n = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(n.get(), &QSocketNotifier::activated, this, &_SnmpEventProcessor::process);
    n->setEnabled(started_);
    notifiers_.emplace(fd, std::move(n));
}
