// Starting and stopping hostile-agent for a test, and reading its request log.
#include "hostile_agent_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::test {

namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

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
    std::vector<char*> args;
    for (auto& a : argv) {
        args.push_back(a.data());
    }
    args.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) {
        return;
    }
    const std::string errPath = dir_ + "/stderr";
    pid_ = fork();
    if (pid_ == 0) {
        // The agent never outlives a test that crashed.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        int devnull = open("/dev/null", O_RDONLY);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(devnull, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        for (int fd = 3; fd < 1024; ++fd) {
            close(fd);
        }
        execv(args[0], args.data());
        _exit(127);
    }
    close(out[1]);
    stdoutFd_ = out[0];
    if (pid_ <= 0) {
        return;
    }
    auto deadline = Clock::now() + readyTimeout;
    std::string text;
    while (text.find('\n') == std::string::npos) {
        pollfd pfd{stdoutFd_, POLLIN, 0};
        int ms = remainingMs(deadline);
        if (ms == 0 || poll(&pfd, 1, ms) <= 0) {
            return;
        }
        char buf[512];
        ssize_t n = read(stdoutFd_, buf, sizeof buf);
        if (n <= 0) {
            return;
        }
        text.append(buf, static_cast<size_t>(n));
    }
    readyLine_ = text.substr(0, text.find('\n'));
    const std::string marker = "ready on udp:127.0.0.1:";
    size_t at = readyLine_.find(marker);
    if (at != std::string::npos) {
        port_ = static_cast<uint16_t>(std::atoi(readyLine_.c_str() + at + marker.size()));
    }
}

HostileAgentProcess::~HostileAgentProcess() {
    stop();
}

std::string HostileAgentProcess::address() const {
    return "udp:127.0.0.1:" + std::to_string(port_);
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

int HostileAgentProcess::stop(std::chrono::milliseconds timeout) {
    int code = -1;
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        auto deadline = Clock::now() + timeout;
        bool ended = false;
        while (!ended) {
            int status = 0;
            pid_t r = waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                ended = true;
                code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            } else if ((r < 0 && errno != EINTR) || Clock::now() >= deadline) {
                break;
            } else {
                usleep(5000);
            }
        }
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }
    if (stdoutFd_ >= 0) {
        close(stdoutFd_);
        stdoutFd_ = -1;
    }
    port_ = 0;
    return code;
}

}  // namespace corvane::test
