#include "sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace corvane::test {

namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

pid_t spawn(const std::vector<std::string>& argv, int outFd, int errFd) {
    std::vector<char*> args;
    for (const auto& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        // A child never outlives a test that crashed.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, STDIN_FILENO);
        if (outFd >= 0) {
            dup2(outFd, STDOUT_FILENO);
        }
        if (errFd >= 0) {
            dup2(errFd, STDERR_FILENO);
        }
        // Children must not keep other descriptors of the test open.
        for (int fd = 3; fd < 1024; ++fd) {
            close(fd);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

// Waits for pid until deadline; returns its exit code, or -1 if it is still running.
int waitUntil(pid_t pid, Clock::time_point deadline, bool& ended) {
    ended = false;
    for (;;) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            ended = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (r < 0 && errno != EINTR) {
            ended = true;
            return -1;
        }
        if (Clock::now() >= deadline) {
            return -1;
        }
        usleep(5000);
    }
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
    CommandResult result;
    int out[2], err[2];
    if (argv.empty() || pipe(out) != 0) {
        return result;
    }
    if (pipe(err) != 0) {
        close(out[0]);
        close(out[1]);
        return result;
    }
    pid_t pid = spawn(argv, out[1], err[1]);
    close(out[1]);
    close(err[1]);
    auto deadline = Clock::now() + timeout;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int openPipes = 2;
    while (openPipes > 0 && pid > 0) {
        int ms = remainingMs(deadline);
        if (ms == 0) {
            result.timedOut = true;
            break;
        }
        if (poll(fds, 2, ms) < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                char buf[4096];
                ssize_t n = read(fds[i].fd, buf, sizeof buf);
                if (n > 0) {
                    sinks[i]->append(buf, static_cast<size_t>(n));
                } else if (n == 0 || errno != EINTR) {
                    fds[i].fd = -1;
                    --openPipes;
                }
            }
        }
    }
    close(out[0]);
    close(err[0]);
    if (pid > 0) {
        bool ended = false;
        result.exitCode = waitUntil(pid, result.timedOut ? Clock::now() : deadline, ended);
        if (!ended) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            result.exitCode = -1;
        }
    }
    return result;
}

std::string SimProcess::binaryPath() {
    return CORVANE_SIM_PATH;
}

std::string SimProcess::profilePath(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return name;
    }
    return std::string(CORVANE_SIM_PROFILES) + "/" + name + ".snmprec";
}

std::vector<std::string> simV3Switches(uint16_t port) {
    return {"/I127.0.0.1",
            "/v3",
            "/t" + std::to_string(port),
            "/m3",
            "/l3",
            "/ncorvane",
            "/Acorvane-auth",
            "/Pcorvane-priv",
            "/a5",
            "/p4"};
}

SimProcess::SimProcess(const std::string& profile, const std::vector<std::string>& extraArgs,
                       std::chrono::milliseconds readyTimeout, const std::string& binary) {
    auto started = Clock::now();
    std::vector<std::string> argv{binary.empty() ? binaryPath() : binary, "--profile",
                                  profilePath(profile), "--listen", "udp:127.0.0.1:0"};
    argv.insert(argv.end(), extraArgs.begin(), extraArgs.end());
    agent_.start(argv, -1, readyTimeout);
    if (ready())
        startTime_ = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
}

SimProcess::~SimProcess() {
    stop();
}

std::string SimProcess::address() const {
    return "udp:127.0.0.1:" + std::to_string(port());
}

void AgentProcess::start(const std::vector<std::string>& argv, int errFd,
                         std::chrono::milliseconds readyTimeout) {
    stop(std::chrono::seconds(5));
    int out[2];
    if (pipe(out) != 0) {
        return;
    }
    pid_ = spawn(argv, out[1], errFd);
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

AgentProcess::~AgentProcess() {
    stop(std::chrono::seconds(5));
}

int AgentProcess::stop(std::chrono::milliseconds timeout) {
    int code = -1;
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        bool ended = false;
        code = waitUntil(pid_, Clock::now() + timeout, ended);
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            code = -1;
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
