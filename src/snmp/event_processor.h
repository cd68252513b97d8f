// The event pump: a socket notifier per asynchronous socket runs the session's pending-event
// processing as soon as a reply arrives, and a timer armed from the library's own next time-out
// drives retransmissions and time-outs. With nothing outstanding the timer is stopped, so an
// idle program is not woken.
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

class QSocketNotifier;

class _SnmpEventProcessor : public QObject {
    Q_OBJECT
  public:
    explicit _SnmpEventProcessor(QObject* parent = nullptr);
    ~_SnmpEventProcessor() override;

    void Start();
    void Stop();
    bool isActive() const { return started_; }
    // True while the timer waits for a retransmission or time-out.
    bool isTimerArmed() const { return timer_.isActive(); }

  private:
    void process();
    void rearm();
    void watchSocket(int fd, bool opened);

    QTimer timer_;
    bool started_ = false;
    std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
};

// The one pump of the process; created by InitGlobalSession.
extern _SnmpEventProcessor* EventProcessor;
