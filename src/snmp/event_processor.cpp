// The event pump. The timer drives retransmissions and time-outs; the socket notifiers let a
// reply be handled as soon as it arrives instead of on the next tick.
#include "event_processor.h"

#include <QSocketNotifier>

#include "session.h"

_SnmpEventProcessor* EventProcessor = nullptr;

_SnmpEventProcessor::_SnmpEventProcessor(QObject* parent) : QObject(parent) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &_SnmpEventProcessor::tick);
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    Stop();
    if (GlobalSession)
        GlobalSession->setSocketListener({});
}

void _SnmpEventProcessor::Start() {
    started_ = true;
    if (GlobalSession) {
        GlobalSession->setSocketListener([this](int fd, bool opened) { watchSocket(fd, opened); });
        for (int fd : GlobalSession->asyncSockets())
            watchSocket(fd, true);
    }
    for (auto& [fd, n] : notifiers_)
        n->setEnabled(true);
    timer_.start();
}

void _SnmpEventProcessor::Stop() {
    started_ = false;
    timer_.stop();
    for (auto& [fd, n] : notifiers_)
        n->setEnabled(false);
}

void _SnmpEventProcessor::tick() {
    // Stopped around the call so ticks cannot pile up while completions run.
    timer_.stop();
    if (GlobalSession)
        GlobalSession->processPendingEvents();
    if (started_)
        timer_.start();
}

void _SnmpEventProcessor::watchSocket(int fd, bool opened) {
    if (!opened) {
        notifiers_.erase(fd);
        return;
    }
    if (notifiers_.count(fd))
        return;
    auto n = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(n.get(), &QSocketNotifier::activated, this, [this] {
        if (started_ && GlobalSession)
            GlobalSession->processPendingEvents();
    });
    n->setEnabled(started_);
    notifiers_.emplace(fd, std::move(n));
}
