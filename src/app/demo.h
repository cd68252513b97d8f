// Demo mode: a simulated switch started beside the manager and stopped with it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

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

// The switches of a --demo command line that would point the program at another agent than
// the demo's simulated switch, or at access that switch does not answer to: one line each,
// pass phrases and communities named by their switch only. Empty when there is none.
QStringList DemoSwitchConflicts(const std::vector<std::string>& args);

// Says through the message function which switches --demo cannot take; true when it did and
// the start must end.
bool RefuseDemoSwitches(const std::vector<std::string>& args);
