// The event pump: a 20 ms GUI timer plus a socket notifier per asynchronous socket, both of which
// run the session's pending-event processing on the GUI thread.
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

  private:
    void tick();
    void watchSocket(int fd, bool opened);

    QTimer timer_;
    bool started_ = false;
    std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
};

// The one pump of the process; created by InitGlobalSession.
extern _SnmpEventProcessor* EventProcessor;
