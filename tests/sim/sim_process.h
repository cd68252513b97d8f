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

// The program's switches that reach corvane-sim at port as its own SNMPv3 user (authPriv,
// SHA-256 and AES-128).
std::vector<std::string> simV3Switches(uint16_t port);

// An agent a test runs: started with its standard output piped, ready once it prints its ready
// line ("... ready on udp:127.0.0.1:PORT ..."); it never outlives the test.
class AgentProcess {
  public:
    AgentProcess() = default;
    ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    // errFd: where its standard error goes, -1 for the test's own.
    void start(const std::vector<std::string>& argv, int errFd,
               std::chrono::milliseconds readyTimeout);
    uint16_t port() const { return port_; }
    const std::string& readyLine() const { return readyLine_; }
    // SIGTERM, then SIGKILL when the process has not ended within timeout; returns its
    // exit status (-1 when it had to be killed).
    int stop(std::chrono::milliseconds timeout);

  private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    uint16_t port_ = 0;
    std::string readyLine_;
};

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

    bool ready() const { return agent_.port() != 0; }
    uint16_t port() const { return agent_.port(); }
    std::string address() const;  // "udp:127.0.0.1:PORT"
    const std::string& readyLine() const { return agent_.readyLine(); }
    // How long the start took until the ready line.
    std::chrono::milliseconds startTime() const { return startTime_; }

    // SIGTERM, then SIGKILL when the process has not ended within timeout; returns its
    // exit status (-1 when it had to be killed).
    int stop(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        return agent_.stop(timeout);
    }

    static std::string binaryPath();
    static std::string profilePath(const std::string& name);

  private:
    AgentProcess agent_;
    std::chrono::milliseconds startTime_{0};
};

}  // namespace corvane::test
