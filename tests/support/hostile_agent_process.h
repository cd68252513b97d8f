// Test fixture: runs hostile-agent (one fault mode) on a free loopback port, keeps its request
// log, and stops it.
#pragma once

#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim_process.h"

namespace corvane::test {

class HostileAgentProcess {
  public:
    // mode: one of the agent's modes ("cycle", "silence", ...); options: its other options
    // ("--oid", "1.3.6...", "--from", "3"); profile: a name under sim/profiles or a path.
    explicit HostileAgentProcess(const std::string& mode,
                                 const std::vector<std::string>& options = {},
                                 const std::string& profile = "corvane-b",
                                 std::chrono::milliseconds readyTimeout = std::chrono::seconds(10));
    ~HostileAgentProcess();
    HostileAgentProcess(const HostileAgentProcess&) = delete;
    HostileAgentProcess& operator=(const HostileAgentProcess&) = delete;

    bool ready() const { return agent_.port() != 0; }
    uint16_t port() const { return agent_.port(); }
    std::string address() const;  // "udp:127.0.0.1:PORT"
    const std::string& readyLine() const { return agent_.readyLine(); }
    // What the agent wrote on standard error (why it did not start).
    std::string errorOutput() const;

    // One line per request with a valid community, in order: "N TYPE REQUEST-ID OID... [fault]".
    std::vector<std::string> requests() const;
    size_t requestCount() const { return requests().size(); }
    // Requests the fault hit.
    size_t faultCount() const;

    // SIGTERM, then SIGKILL after timeout; the exit status, or -1 when it had to be killed.
    int stop(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        return agent_.stop(timeout);
    }

    static std::string binaryPath();
    static std::string profilePath(const std::string& name);

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::string dir_;     // holds the log and the standard error
    AgentProcess agent_;  // last: stopped before the folder goes
};

}  // namespace corvane::test
