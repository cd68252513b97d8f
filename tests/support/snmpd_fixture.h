// Starts Net-SNMP's snmpd on a free loopback port with a configuration written for the test,
// and stops it again.
#pragma once

#include <sys/types.h>

#include <QTemporaryDir>
#include <memory>
#include <string>

// The agent's access parameters, fixed for every test that uses it.
inline constexpr const char* kReadCommunity = "meadow";
inline constexpr const char* kWriteCommunity = "thistle";
inline constexpr const char* kV3User = "corvane";
inline constexpr const char* kV3AuthPass = "corvane-auth";
inline constexpr const char* kV3PrivPass = "corvane-priv";
inline constexpr const char* kSnmpdObjectId = "1.3.6.1.4.1.32473.10.120.2";

class SnmpdProcess {
  public:
    SnmpdProcess() = default;
    ~SnmpdProcess() { stop(); }
    SnmpdProcess(const SnmpdProcess&) = delete;
    SnmpdProcess& operator=(const SnmpdProcess&) = delete;

    // Starts snmpd and waits (at most 10 s) until it answers. Returns false with a reason.
    bool start(std::string& error);
    void stop();
    unsigned short port() const { return port_; }

  private:
    pid_t pid_ = -1;
    unsigned short port_ = 0;
    std::unique_ptr<QTemporaryDir> folder_;
    std::string dir_;
};

// A UDP port on 127.0.0.1 that nothing listens on right now.
unsigned short freeUdpPort();
