// Test fixture: runs corvane-sim on a free loopback port, and runs command-line tools.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane::test {

struct CommandResult {
    int exitCode = -1;  // -1 when the command did not end by itself
    bool timedOut = false;
    std::string out;
    std::string err;
};

// Runs argv[0] (looked up in PATH) and collects its output; kills it after timeout.
CommandResult runCommand(const std::vector<std::string>& argv,
                         std::chrono::milliseconds timeout = std::chrono::seconds(20));

class SimProcess {
  public:
    // profile: a name under the profile folder ("corvane-b") or a path to a .snmprec file;
    // binary: another corvane-sim than the one built here (an installed one).
    explicit SimProcess(const std::string& profile = "corvane-b",
                        const std::vector<std::string>& extraArgs = {},
                        std::chrono::milliseconds readyTimeout = std::chrono::seconds(10),
                        const std::string& binary = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool ready() const { return port_ != 0; }
    uint16_t port() const { return port_; }
    std::string address() const;  // "udp:127.0.0.1:PORT"
    const std::string& readyLine() const { return readyLine_; }
    // How long the start took until the ready line.
    std::chrono::milliseconds startTime() const { return startTime_; }

    // SIGTERM, then SIGKILL when the process has not ended within timeout; returns its
    // exit status (-1 when it had to be killed).
    int stop(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    static std::string binaryPath();
    static std::string profilePath(const std::string& name);

  private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    uint16_t port_ = 0;
    std::string readyLine_;
    std::chrono::milliseconds startTime_{0};
};

}  // namespace corvane::test
