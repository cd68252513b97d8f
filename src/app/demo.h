// Demo mode: a simulated switch started beside the manager and stopped with it.
#pragma once

#include <QProcess>
#include <QString>
#include <memory>

class DemoAgent {
  public:
    ~DemoAgent();
    // Starts corvane-sim with the profile of chassis "a" or "b" on a free loopback port and
    // waits (at most 10 s) until it answers. False with a reason on failure.
    bool start(const QString& chassis, QString& error);
    void stop();
    quint16 port() const { return port_; }

    // Where the simulator and its profiles are: beside the program, or in the install tree.
    static QString simulatorPath();
    static QString profilePath(const QString& chassis);

  private:
    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
};
