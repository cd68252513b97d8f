// The one SNMP session of the process, over Net-SNMP: target and PDU preparation, synchronous
// and asynchronous get, get-next and set, and the pending-event processing of the event pump.
// No Net-SNMP type appears here.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "snmp_types.h"
#include "snmp_value.h"

enum class PduType { Get, GetNext, GetBulk, Set };

// A checked agent target; built by prepareTarget from a request's copies of the records.
struct SnmpTarget {
    NmSNMPDevice device;
    NmSNMPSecurity security;
    std::int32_t timeout = 100;  // hundredths of a second
    std::int32_t retries = 1;
    std::string resolvedAddress;  // dotted IPv4 address the name resolved to
    bool usm = false;             // SNMPv3 user-based target, else community target
};

// The SNMPv3 fields and the variable bindings of one PDU.
struct SnmpPdu {
    std::int32_t securityLevel = 1;
    std::string contextName;
    std::string contextEngineId;
    std::vector<VarBind> vbs;
    // GetBulk only: the leading bindings asked once, and the repetitions of the others.
    std::int32_t nonRepeaters = 0;
    std::int32_t maxRepetitions = 0;
};

struct SnmpResponse {
    int status = 0;  // 0, an agent error-status 1…18, or a session status of the backend table
    int errorIndex = 0;
    std::vector<VarBind> vbs;
    NmSNMPDevice agent;
};

// Raises -509 ("Invalid IP Address or DNS name!") when the address is neither dotted nor
// resolvable. With version 3 the target is a USM target, else a community target.
SnmpTarget prepareTarget(const NmSNMPDevice& device, const NmSNMPSecurity& security,
                         std::int32_t timeout, std::int32_t retries);
// Writes security level, context name and context engine ID into the PDU.
void preparePdu(SnmpPdu& pdu, const NmSNMPSecurity& security, const NmSNMPScope& scope);

class SnmpSession {
  public:
    using Callback = std::function<void(const SnmpResponse&)>;
    // Told when an asynchronous socket opens or closes, so the event pump can watch it.
    using SocketListener = std::function<void(int fd, bool opened)>;
    // Told after an asynchronous request went out, so the event pump can arm its timer.
    using SendListener = std::function<void()>;

    SnmpSession();
    ~SnmpSession();
    SnmpSession(const SnmpSession&) = delete;
    SnmpSession& operator=(const SnmpSession&) = delete;

    // Initialises the library quietly (no configuration files, no MIBs, no persistent state).
    // Returns 0 on success.
    int open();
    // The local SNMPv3 engine identity and its boot count.
    void initLocalEngine(const std::string& engineId, std::uint32_t boots);
    std::uint32_t localEngineBoots() const;

    // Blocks until the reply or the timeout; never runs asynchronous completions.
    int syncRequest(PduType type, const SnmpTarget& target, const SnmpPdu& pdu,
                    SnmpResponse& response);
    // Returns 0 when the request went out: the callback then runs exactly once, later, from
    // processPendingEvents. Any other result is a status and the callback never runs.
    int asyncRequest(PduType type, const SnmpTarget& target, const SnmpPdu& pdu, Callback callback,
                     const void* owner = nullptr);
    // Drops the callbacks of an owner's outstanding requests (the owner is going away).
    void forgetOwner(const void* owner);
    int outstanding() const { return outstanding_; }

    // Reads whatever replies are waiting, handles expired retransmissions and time-outs, and
    // runs the completions. Never waits.
    void processPendingEvents();

    // The time until the library must retransmit or time out an asynchronous request, from
    // its own select information; false when no asynchronous request is outstanding.
    bool nextTimeout(std::chrono::microseconds& wait) const;

    void setSocketListener(SocketListener listener);
    void setSendListener(SendListener listener);
    std::vector<int> asyncSockets() const;
    // Closes every cached session (their outstanding requests complete as timed out).
    void closeAll();

    struct Pending;
    struct Completion {
        std::shared_ptr<Pending> pending;
        SnmpResponse response;
    };
    struct Channel;
    // Called by the library callback only.
    void queueCompletion(Completion c);

  private:
    Channel* channelFor(const SnmpTarget& target, PduType type, bool async, int& status);
    void runCompletions();
    void dropStaleUser(const std::string& peer, const std::string& userName,
                       const std::string& credentials);
    void closeChannel(const std::string& key);

    bool opened_ = false;
    bool closing_ = false;
    std::map<std::string, std::unique_ptr<Channel>> channels_;
    std::deque<Completion> completions_;
    SocketListener socketListener_;
    SendListener sendListener_;
    int outstanding_ = 0;
    std::uint32_t boots_ = 0;
};

// The process-wide session; null before InitGlobalSession.
extern SnmpSession* GlobalSession;
