// Starting and stopping hostile-agent for a test, and reading its request log.
#include "hostile_agent_process.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::test {

std::string HostileAgentProcess::binaryPath() {
    return HOSTILE_AGENT_PATH;
}

std::string HostileAgentProcess::profilePath(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return name;
    }
    return std::string(HOSTILE_AGENT_PROFILES) + "/" + name + ".snmprec";
}

HostileAgentProcess::HostileAgentProcess(const std::string& mode,
                                         const std::vector<std::string>& options,
                                         const std::string& profile,
                                         std::chrono::milliseconds readyTimeout) {
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid())
        return;
    dir_ = folder_->path().toStdString();
    std::vector<std::string> argv{binaryPath(), "--profile", profilePath(profile),  "--mode",
                                  mode,         "--log",     dir_ + "/requests.log"};
    argv.insert(argv.end(), options.begin(), options.end());
    const std::string errPath = dir_ + "/stderr";
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    agent_.start(argv, err, readyTimeout);
    if (err >= 0)
        close(err);
}

HostileAgentProcess::~HostileAgentProcess() {
    stop();
}

std::string HostileAgentProcess::address() const {
    return "udp:127.0.0.1:" + std::to_string(port());
}

std::string HostileAgentProcess::errorOutput() const {
    std::ifstream in(dir_ + "/stderr");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> HostileAgentProcess::requests() const {
    std::vector<std::string> lines;
    std::ifstream in(dir_ + "/requests.log");
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

size_t HostileAgentProcess::faultCount() const {
    size_t n = 0;
    for (const std::string& line : requests()) {
        n += line.size() >= 6 && line.compare(line.size() - 6, 6, " fault") == 0;
    }
    return n;
}

}  // namespace corvane::test
