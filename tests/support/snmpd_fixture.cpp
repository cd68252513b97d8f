// snmpd fixture: private config and state folder, bounded start and stop.
#include "snmpd_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

unsigned short freeUdpPort() {
    int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(s);
    return ntohs(a.sin_port);
}

namespace {

// True once something answers an SNMPv1 get on the port.
bool answers(unsigned short port) {
    int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    // get sysDescr.0, community "meadow", request id 1
    const unsigned char probe[] = {0x30, 0x29, 0x02, 0x01, 0x00, 0x04, 0x06, 'm',  'e',  'a',  'd',
                                   'o',  'w',  0xa0, 0x1c, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02,
                                   0x01, 0x00, 0x30, 0x11, 0x30, 0x0f, 0x06, 0x0b, 0x2b, 0x06, 0x01,
                                   0x02, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00};
    timeval tv{0, 200000};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    ::sendto(s, probe, sizeof probe, 0, reinterpret_cast<sockaddr*>(&a), sizeof a);
    unsigned char buf[512];
    const ssize_t n = ::recv(s, buf, sizeof buf, 0);
    ::close(s);
    return n > 0;
}

}  // namespace

bool SnmpdProcess::start(std::string& error) {
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        error = "no temporary folder: " + folder_->errorString().toStdString();
        return false;
    }
    dir_ = folder_->path().toStdString();
    port_ = freeUdpPort();
    const std::string conf = dir_ + "/snmpd.conf";
    {
        std::ofstream out(conf);
        out << "agentaddress udp:127.0.0.1:" << port_ << "\n"
            << "rocommunity " << kReadCommunity << " 127.0.0.1\n"
            << "rwcommunity " << kWriteCommunity << " 127.0.0.1\n"
            << "createUser " << kV3User << " SHA-256 \"" << kV3AuthPass << "\" AES \""
            << kV3PrivPass << "\"\n"
            << "rwuser " << kV3User << " priv\n"
            << "sysObjectID ." << kSnmpdObjectId << "\n"
            << "sysServices 72\n";
    }
    const std::string log = dir_ + "/snmpd.log";
    const std::string pidFile = dir_ + "/snmpd.pid";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setenv("SNMP_PERSISTENT_DIR", dir_.c_str(), 1);
        ::setenv("MIBS", "", 1);
        // -C: this configuration only; -f: foreground so the fixture owns the process.
        ::execlp("snmpd", "snmpd", "-f", "-C", "-c", conf.c_str(), "-Lf", log.c_str(), "-p",
                 pidFile.c_str(), "-M", "/nonexistent", nullptr);
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            error = "snmpd exited at start; see " + log;
            return false;
        }
        if (answers(port_))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    error = "snmpd did not answer within 10 s";
    stop();
    return false;
}

void SnmpdProcess::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        pid_ = -1;
    }
    folder_.reset();
    dir_.clear();
}
