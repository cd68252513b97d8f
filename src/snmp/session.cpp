// The session layer over Net-SNMP: one cached Net-SNMP session per distinct target, kept apart
// for synchronous and asynchronous traffic, and the mapping of every outcome onto the status
// values the rest of the program translates.
#include "session.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/select.h>

#include <QLoggingCategory>
#include <cstdlib>
#include <cstring>

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/transform_oids.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
// clang-format on

#include "messages.h"

Q_LOGGING_CATEGORY(lcSnmp, "corvane.snmp", QtWarningMsg)

SnmpSession* GlobalSession = nullptr;

namespace {

constexpr int kStatusTimeout = -5;
constexpr int kStatusFailed = -1;
constexpr int kStatusTransport = -22;
constexpr int kStatusBadAddress = -18;
constexpr int kStatusBadSecurityModel = -1402;
constexpr int kUsmUnsupportedLevel = 1403;
constexpr int kUsmEncryptionError = 1405;
constexpr int kUsmAuthError = 1407;
constexpr int kUsmUnsupportedAuth = 1412;
constexpr int kUsmUnsupportedPriv = 1413;

int mapLibraryError(int err) {
    switch (err) {
        case SNMPERR_SUCCESS:
            return 0;
        case SNMPERR_TIMEOUT:
            return kStatusTimeout;
        case SNMPERR_UNKNOWN_USER_NAME:
        case SNMPERR_USM_UNKNOWNSECURITYNAME:
            return 1404;
        case SNMPERR_AUTHENTICATION_FAILURE:
        case SNMPERR_USM_AUTHENTICATIONFAILURE:
            return 1408;
        case SNMPERR_NOT_IN_TIME_WINDOW:
        case SNMPERR_USM_NOTINTIMEWINDOW:
            return 1411;
        case SNMPERR_UNKNOWN_ENG_ID:
        case SNMPERR_USM_UNKNOWNENGINEID:
            return 1410;
        case SNMPERR_UNSUPPORTED_SEC_LEVEL:
        case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
            return kUsmUnsupportedLevel;
        case SNMPERR_DECRYPTION_ERR:
        case SNMPERR_USM_DECRYPTIONERROR:
            return 1406;
        case SNMPERR_USM_ENCRYPTIONERROR:
            return kUsmEncryptionError;
        case SNMPERR_UNKNOWN_SEC_MODEL:
            return kStatusBadSecurityModel;
        case SNMPERR_BAD_SENDTO:
        case SNMPERR_BAD_RECVFROM:
        case SNMPERR_NO_SOCKET:
            return kStatusTransport;
        case SNMPERR_BAD_ADDRESS:
            return kStatusBadAddress;
        default:
            return kStatusFailed;
    }
}

struct ProtocolOid {
    const oid* id;
    std::size_t length;
};

bool authProtocol(int code, ProtocolOid& out) {
    switch (code) {
        case 1:
            out = {usmNoAuthProtocol, OID_LENGTH(usmNoAuthProtocol)};
            return true;
        case 2:
            out = {usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)};
            return true;
        case 3:
            out = {usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)};
            return true;
        case 4:
            out = {usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)};
            return true;
        case 5:
            out = {usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)};
            return true;
        case 6:
            out = {usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)};
            return true;
        case 7:
            out = {usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)};
            return true;
        default:
            return false;
    }
}

bool privProtocol(int code, ProtocolOid& out) {
    switch (code) {
        case 1:
            out = {usmNoPrivProtocol, OID_LENGTH(usmNoPrivProtocol)};
            return true;
        case 2:
            out = {usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)};
            return true;
        case 4:
            out = {usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)};
            return true;
        case 20:
            out = {usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)};
            return true;
        case 21:
            out = {usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)};
            return true;
        default:
            return false;  // 3DES-EDE and unknown codes are not served
    }
}

// Resolves a dotted address or host name to a dotted IPv4 address; false when neither.
bool resolveAddress(const std::string& text, std::string& dotted) {
    in_addr a{};
    if (!text.empty() && inet_pton(AF_INET, text.c_str(), &a) == 1) {
        dotted = text;
        return true;
    }
    if (text.empty())
        return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(text.c_str(), nullptr, &hints, &res) != 0 || !res)
        return false;
    char buf[INET_ADDRSTRLEN] = {};
    auto* sin = reinterpret_cast<sockaddr_in*>(res->ai_addr);
    inet_ntop(AF_INET, &sin->sin_addr, buf, sizeof buf);
    freeaddrinfo(res);
    dotted = buf;
    return true;
}

int pduCommand(PduType type) {
    switch (type) {
        case PduType::Get:
            return SNMP_MSG_GET;
        case PduType::GetNext:
            return SNMP_MSG_GETNEXT;
        case PduType::GetBulk:
            return SNMP_MSG_GETBULK;
        case PduType::Set:
            return SNMP_MSG_SET;
    }
    return SNMP_MSG_GET;
}

// Copies a variable binding out of the library's structures (freed after the callback).
VarBind fromNetsnmp(const netsnmp_variable_list* v) {
    VarBind vb;
    vb.oid.assign(v->name, v->name + v->name_length);
    SnmpValue& val = vb.value;
    switch (v->type) {
        case ASN_INTEGER:
            val.type = SnmpType::Integer;
            val.integer = static_cast<std::int32_t>(*v->val.integer);
            break;
        case ASN_OCTET_STR:
        case ASN_OPAQUE:
        case ASN_BIT_STR:
            val.type = v->type == ASN_OPAQUE ? SnmpType::Opaque : SnmpType::OctetString;
            val.octets.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
            break;
        case ASN_IPADDRESS:
            val.type = SnmpType::IpAddress;
            val.octets.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
            break;
        case ASN_OBJECT_ID:
            val.type = SnmpType::ObjectId;
            val.oid.assign(v->val.objid, v->val.objid + v->val_len / sizeof(oid));
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            val.type = v->type == ASN_COUNTER     ? SnmpType::Counter32
                       : v->type == ASN_TIMETICKS ? SnmpType::TimeTicks
                                                  : SnmpType::Gauge32;
            val.unsignedValue = static_cast<std::uint32_t>(*v->val.integer);
            break;
        case ASN_COUNTER64:
            val.type = SnmpType::Counter64;
            val.unsignedValue = (static_cast<std::uint64_t>(v->val.counter64->high) << 32) |
                                (v->val.counter64->low & 0xffffffffu);
            break;
        case SNMP_NOSUCHOBJECT:
            val.type = SnmpType::NoSuchObject;
            break;
        case SNMP_NOSUCHINSTANCE:
            val.type = SnmpType::NoSuchInstance;
            break;
        case SNMP_ENDOFMIBVIEW:
            val.type = SnmpType::EndOfMibView;
            break;
        default:
            val.type = SnmpType::Null;
            break;
    }
    return vb;
}

std::vector<oid> toNetsnmpOid(const Oid& o) {
    return std::vector<oid>(o.begin(), o.end());
}

// Adds one binding; a get or get-next carries NULL values whatever the caller put there.
bool addBinding(netsnmp_pdu* pdu, const VarBind& vb, bool withValue) {
    std::vector<oid> name = toNetsnmpOid(vb.oid);
    if (name.empty())
        name.push_back(0);
    const SnmpValue& v = vb.value;
    if (!withValue || v.type == SnmpType::Null || v.isException())
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    switch (v.type) {
        case SnmpType::Integer: {
            long x = static_cast<long>(v.integer);
            return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &x,
                                         sizeof x) != nullptr;
        }
        case SnmpType::OctetString:
        case SnmpType::Opaque:
            return snmp_pdu_add_variable(pdu, name.data(), name.size(),
                                         v.type == SnmpType::Opaque ? ASN_OPAQUE : ASN_OCTET_STR,
                                         v.octets.data(), v.octets.size()) != nullptr;
        case SnmpType::IpAddress: {
            if (v.octets.size() != 4)
                return false;
            return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_IPADDRESS,
                                         v.octets.data(), 4) != nullptr;
        }
        case SnmpType::ObjectId: {
            std::vector<oid> value = toNetsnmpOid(v.oid);
            return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                         value.size() * sizeof(oid)) != nullptr;
        }
        case SnmpType::Counter32:
        case SnmpType::Gauge32:
        case SnmpType::TimeTicks: {
            u_long x = static_cast<u_long>(v.unsignedValue & 0xffffffffu);
            u_char t = v.type == SnmpType::Counter32   ? ASN_COUNTER
                       : v.type == SnmpType::TimeTicks ? ASN_TIMETICKS
                                                       : ASN_GAUGE;
            return snmp_pdu_add_variable(pdu, name.data(), name.size(), t, &x, sizeof x) != nullptr;
        }
        case SnmpType::Counter64: {
            counter64 c{};
            c.high = static_cast<u_long>(v.unsignedValue >> 32);
            c.low = static_cast<u_long>(v.unsignedValue & 0xffffffffu);
            return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c,
                                         sizeof c) != nullptr;
        }
        default:
            return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    }
}

int logToCategory(int, int, void* serverarg, void*) {
    auto* msg = static_cast<snmp_log_message*>(serverarg);
    if (msg && msg->msg)
        qCDebug(lcSnmp, "net-snmp: %s", msg->msg);
    return 0;
}

}  // namespace

struct SnmpSession::Pending {
    SnmpSession* session = nullptr;
    Callback callback;
    const void* owner = nullptr;
    bool dropped = false;
    NmSNMPDevice agent;
};

struct SnmpSession::Channel {
    void* handle = nullptr;
    int fd = -1;
    bool async = false;
    std::string peer;  // SNMPv3 only: the agent and user this channel's keys belong to
    std::string userName;
    std::string credentials;
    std::map<Pending*, std::shared_ptr<Pending>> live;
};

namespace {

// The one path for replies: copy the values out, queue the completion, touch nothing else.
int asyncCallback(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
    // A retransmission is announced this way too; the request is still waiting for its answer.
    if (op == NETSNMP_CALLBACK_OP_RESEND)
        return 1;
    auto* holder = static_cast<std::shared_ptr<SnmpSession::Pending>*>(magic);
    std::shared_ptr<SnmpSession::Pending> pending = std::move(*holder);
    delete holder;
    SnmpSession::Completion c;
    c.pending = pending;
    c.response.agent = pending->agent;
    switch (op) {
        case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
            if (pdu && pdu->command == SNMP_MSG_REPORT) {
                c.response.status = mapLibraryError(snmpv3_get_report_type(pdu));
                if (c.response.status == 0)
                    c.response.status = kStatusFailed;
            } else if (pdu) {
                c.response.status = static_cast<int>(pdu->errstat);
                c.response.errorIndex = static_cast<int>(pdu->errindex);
                for (auto* v = pdu->variables; v; v = v->next_variable)
                    c.response.vbs.push_back(fromNetsnmp(v));
            } else {
                c.response.status = kStatusFailed;
            }
            break;
        case NETSNMP_CALLBACK_OP_TIMED_OUT:
            c.response.status = kStatusTimeout;
            break;
        case NETSNMP_CALLBACK_OP_SEND_FAILED:
        case NETSNMP_CALLBACK_OP_DISCONNECT:
            c.response.status = kStatusTransport;
            break;
        default:
            c.response.status = kStatusFailed;
            break;
    }
    if (pending->session)
        pending->session->queueCompletion(std::move(c));
    return 1;
}

}  // namespace

SnmpTarget prepareTarget(const NmSNMPDevice& device, const NmSNMPSecurity& security,
                         std::int32_t timeout, std::int32_t retries) {
    SnmpTarget t;
    if (!resolveAddress(device.Address, t.resolvedAddress))
        raiseNmSnmpError(-509);
    t.device = device;
    t.security = security;
    t.timeout = timeout;
    t.retries = retries;
    t.usm = security.Version == 3;
    return t;
}

void preparePdu(SnmpPdu& pdu, const NmSNMPSecurity& security, const NmSNMPScope& scope) {
    pdu.securityLevel = security.SecurityLevel;
    pdu.contextName = scope.ContextName;
    pdu.contextEngineId = scope.ContextEngineID;
}

SnmpSession::SnmpSession() = default;

SnmpSession::~SnmpSession() {
    closeAll();
}

int SnmpSession::open() {
    if (opened_)
        return 0;
    // Quiet and self-contained: no configuration files, no MIBs, no persistent state.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_WARNINGS, 0);
    snmp_disable_log();
    if (netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG))
        snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, logToCategory,
                               nullptr);
    init_snmp("corvane");
    opened_ = true;
    return 0;
}

void SnmpSession::initLocalEngine(const std::string& engineId, std::uint32_t boots) {
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
    // The library stores one more than the value it is given (it reads the last boot).
    std::string previous = std::to_string(boots ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
    boots_ = boots;
}

std::uint32_t SnmpSession::localEngineBoots() const {
    return static_cast<std::uint32_t>(snmpv3_local_snmpEngineBoots());
}

SnmpSession::Channel* SnmpSession::channelFor(const SnmpTarget& target, PduType type, bool async,
                                              int& status) {
    const NmSNMPSecurity& sec = target.security;
    status = 0;
    if (sec.Version != 0 && sec.Version != 1 && sec.Version != 3) {
        status = kStatusFailed;
        return nullptr;
    }
    const bool write = type == PduType::Set;
    const std::string& community = write ? sec.WriteCommunity : sec.ReadCommunity;
    const std::string peer =
        "udp:" + target.resolvedAddress + ":" + std::to_string(target.device.Port);

    ProtocolOid auth{}, priv{};
    if (target.usm) {
        if (sec.SecurityModel != 3) {
            status = kStatusBadSecurityModel;
            return nullptr;
        }
        if (sec.SecurityLevel < 1 || sec.SecurityLevel > 3) {
            status = kUsmUnsupportedLevel;
            return nullptr;
        }
        if (!authProtocol(sec.SecurityLevel >= 2 ? sec.AuthProtocol : 1, auth)) {
            status = kUsmUnsupportedAuth;
            return nullptr;
        }
        if (!privProtocol(sec.SecurityLevel == 3 ? sec.PrivProtocol : 1, priv)) {
            status = kUsmUnsupportedPriv;
            return nullptr;
        }
    }

    // The user's key material, and every other parameter that shapes the Net-SNMP session, are
    // part of the key; it stays in memory only and is never logged.
    std::string credentials;
    if (target.usm)
        credentials = std::to_string(sec.AuthProtocol) + '\x1f' + sec.AuthPassword + '\x1f' +
                      std::to_string(sec.PrivProtocol) + '\x1f' + sec.PrivPassword;
    const std::string key =
        std::string(async ? "A|" : "S|") + peer + "|" + std::to_string(sec.Version) + "|" +
        std::to_string(target.timeout) + "|" + std::to_string(target.retries) + "|" +
        (target.usm
             ? sec.SecurityName + '\x1f' + std::to_string(sec.SecurityLevel) + '\x1f' + credentials
             : community);
    if (auto it = channels_.find(key); it != channels_.end())
        return it->second.get();
    if (target.usm)
        dropStaleUser(peer, sec.SecurityName, credentials);

    // The asynchronous session takes the engine ID the synchronous one discovered, so the GUI
    // never blocks in a discovery exchange inside an asynchronous call.
    std::string engineId;
    if (target.usm && async) {
        Channel* sync = channelFor(target, type, false, status);
        if (!sync)
            return nullptr;
        netsnmp_session* s = snmp_sess_session(sync->handle);
        engineId.assign(reinterpret_cast<const char*>(s->securityEngineID), s->securityEngineIDLen);
    }

    netsnmp_session cfg;
    snmp_sess_init(&cfg);
    std::string peerCopy = peer;
    cfg.peername = peerCopy.data();
    cfg.version = sec.Version;
    cfg.timeout = static_cast<long>(target.timeout) * 10000L;
    cfg.retries = target.retries;
    std::string communityCopy = community;
    std::string nameCopy = sec.SecurityName;
    if (!target.usm) {
        cfg.community = reinterpret_cast<u_char*>(communityCopy.data());
        cfg.community_len = communityCopy.size();
    } else {
        cfg.securityModel = USM_SEC_MODEL_NUMBER;
        cfg.securityLevel = sec.SecurityLevel;
        cfg.securityName = nameCopy.data();
        cfg.securityNameLen = nameCopy.size();
        cfg.securityAuthProto = const_cast<oid*>(auth.id);
        cfg.securityAuthProtoLen = auth.length;
        cfg.securityPrivProto = const_cast<oid*>(priv.id);
        cfg.securityPrivProtoLen = priv.length;
        if (sec.SecurityLevel >= 2) {
            cfg.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(auth.id, auth.length,
                            reinterpret_cast<const u_char*>(sec.AuthPassword.data()),
                            sec.AuthPassword.size(), cfg.securityAuthKey,
                            &cfg.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                status = kUsmAuthError;
                return nullptr;
            }
        }
        if (sec.SecurityLevel == 3) {
            cfg.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (generate_Ku(auth.id, auth.length,
                            reinterpret_cast<const u_char*>(sec.PrivPassword.data()),
                            sec.PrivPassword.size(), cfg.securityPrivKey,
                            &cfg.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                status = kUsmEncryptionError;
                return nullptr;
            }
        }
        if (!engineId.empty()) {
            cfg.securityEngineID = reinterpret_cast<u_char*>(const_cast<char*>(engineId.data()));
            cfg.securityEngineIDLen = engineId.size();
            cfg.flags |= SNMP_FLAGS_DONT_PROBE;
        }
    }

    void* handle = snmp_sess_open(&cfg);
    // The configuration's buffers belong to us; the library copied what it keeps.
    std::memset(cfg.securityAuthKey, 0, sizeof cfg.securityAuthKey);
    std::memset(cfg.securityPrivKey, 0, sizeof cfg.securityPrivKey);
    if (!handle) {
        status = mapLibraryError(cfg.s_snmp_errno);
        if (status == 0)
            status = kStatusFailed;
        qCDebug(lcSnmp, "opening a session to %s failed (%d)", peer.c_str(), status);
        return nullptr;
    }
    auto channel = std::make_unique<Channel>();
    channel->handle = handle;
    channel->async = async;
    if (target.usm) {
        channel->peer = peer;
        channel->userName = sec.SecurityName;
        channel->credentials = credentials;
    }
    if (netsnmp_transport* t = snmp_sess_transport(handle))
        channel->fd = t->sock;
    Channel* raw = channel.get();
    channels_.emplace(key, std::move(channel));
    if (async && raw->fd >= 0 && socketListener_)
        socketListener_(raw->fd, true);
    return raw;
}

void SnmpSession::dropStaleUser(const std::string& peer, const std::string& userName,
                                const std::string& credentials) {
    // The library keeps one key set per agent engine and user name. Sessions that hold other
    // pass phrases for the same user are closed and the user is forgotten, so that the new
    // session's keys are the ones used.
    std::vector<std::string> stale;
    for (auto& [key, ch] : channels_)
        if (!ch->userName.empty() && ch->peer == peer && ch->userName == userName &&
            ch->credentials != credentials)
            stale.push_back(key);
    for (const std::string& key : stale) {
        auto it = channels_.find(key);
        Channel* ch = it->second.get();
        netsnmp_session* s = snmp_sess_session(ch->handle);
        if (s && s->securityEngineIDLen) {
            if (usmUser* user =
                    usm_get_user(s->securityEngineID, s->securityEngineIDLen, userName.c_str())) {
                usm_remove_user(user);
                usm_free_user(user);
            }
        }
        closeChannel(key);
    }
}

void SnmpSession::closeChannel(const std::string& key) {
    auto it = channels_.find(key);
    if (it == channels_.end())
        return;
    std::unique_ptr<Channel> ch = std::move(it->second);
    channels_.erase(it);
    for (auto& [raw, p] : ch->live)
        p->dropped = true;
    if (ch->async && ch->fd >= 0 && socketListener_)
        socketListener_(ch->fd, false);
    ch->live.clear();
    // Closing reports the outstanding requests as timed out; they were dropped above.
    closing_ = true;
    snmp_sess_close(ch->handle);
    closing_ = false;
}

namespace {

netsnmp_pdu* buildPdu(PduType type, const SnmpPdu& in, bool v3) {
    netsnmp_pdu* pdu = snmp_pdu_create(pduCommand(type));
    if (!pdu)
        return nullptr;
    if (type == PduType::GetBulk) {
        pdu->non_repeaters = in.nonRepeaters;
        pdu->max_repetitions = in.maxRepetitions;
    }
    if (v3) {
        pdu->securityLevel = in.securityLevel;
        if (!in.contextName.empty()) {
            pdu->contextName = static_cast<char*>(malloc(in.contextName.size() + 1));
            std::memcpy(pdu->contextName, in.contextName.c_str(), in.contextName.size() + 1);
            pdu->contextNameLen = in.contextName.size();
        }
        if (!in.contextEngineId.empty()) {
            pdu->contextEngineID = static_cast<u_char*>(malloc(in.contextEngineId.size()));
            std::memcpy(pdu->contextEngineID, in.contextEngineId.data(), in.contextEngineId.size());
            pdu->contextEngineIDLen = in.contextEngineId.size();
        }
    }
    for (const VarBind& vb : in.vbs) {
        if (!addBinding(pdu, vb, type == PduType::Set)) {
            snmp_free_pdu(pdu);
            return nullptr;
        }
    }
    return pdu;
}

}  // namespace

int SnmpSession::syncRequest(PduType type, const SnmpTarget& target, const SnmpPdu& in,
                             SnmpResponse& response) {
    response = SnmpResponse{};
    response.agent = target.device;
    int status = 0;
    Channel* ch = channelFor(target, type, false, status);
    if (!ch)
        return response.status = status;
    netsnmp_pdu* pdu = buildPdu(type, in, target.usm);
    if (!pdu)
        return response.status = -11;
    netsnmp_pdu* reply = nullptr;
    const int st = snmp_sess_synch_response(ch->handle, pdu, &reply);
    if (st == STAT_SUCCESS && reply) {
        response.status = static_cast<int>(reply->errstat);
        response.errorIndex = static_cast<int>(reply->errindex);
        for (auto* v = reply->variables; v; v = v->next_variable)
            response.vbs.push_back(fromNetsnmp(v));
    } else if (st == STAT_TIMEOUT) {
        response.status = kStatusTimeout;
    } else {
        int libErr = 0, sysErr = 0;
        char* text = nullptr;
        snmp_sess_error(ch->handle, &sysErr, &libErr, &text);
        free(text);
        response.status = mapLibraryError(libErr);
        if (response.status == 0)
            response.status = kStatusFailed;
    }
    if (reply)
        snmp_free_pdu(reply);
    return response.status;
}

int SnmpSession::asyncRequest(PduType type, const SnmpTarget& target, const SnmpPdu& in,
                              Callback callback, const void* owner) {
    int status = 0;
    Channel* ch = channelFor(target, type, true, status);
    if (!ch)
        return status;
    netsnmp_pdu* pdu = buildPdu(type, in, target.usm);
    if (!pdu)
        return -11;
    auto pending = std::make_shared<Pending>();
    pending->session = this;
    pending->callback = std::move(callback);
    pending->owner = owner;
    pending->agent = target.device;
    auto* holder = new std::shared_ptr<Pending>(pending);
    if (snmp_sess_async_send(ch->handle, pdu, asyncCallback, holder) == 0) {
        // Not sent: the PDU and the callback data are still ours.
        delete holder;
        int libErr = 0, sysErr = 0;
        char* text = nullptr;
        snmp_sess_error(ch->handle, &sysErr, &libErr, &text);
        free(text);
        snmp_free_pdu(pdu);
        const int st = mapLibraryError(libErr);
        return st ? st : kStatusFailed;
    }
    ch->live.emplace(pending.get(), pending);
    ++outstanding_;
    return 0;
}

void SnmpSession::queueCompletion(Completion c) {
    --outstanding_;
    if (closing_)
        return;
    for (auto& [key, ch] : channels_) {
        if (ch->live.erase(c.pending.get()))
            break;
    }
    completions_.push_back(std::move(c));
}

void SnmpSession::forgetOwner(const void* owner) {
    if (!owner)
        return;
    for (auto& [key, ch] : channels_)
        for (auto& [raw, p] : ch->live)
            if (p->owner == owner)
                p->dropped = true;
    for (Completion& c : completions_)
        if (c.pending->owner == owner)
            c.pending->dropped = true;
}

void SnmpSession::processPendingEvents() {
    for (auto& [key, ch] : channels_) {
        if (!ch->async)
            continue;
        // Drain what has arrived, bounded so one busy socket cannot starve the GUI.
        for (int i = 0; i < 64 && ch->fd >= 0; ++i) {
            pollfd p{ch->fd, POLLIN, 0};
            if (poll(&p, 1, 0) <= 0 || !(p.revents & POLLIN))
                break;
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(ch->fd, &fds);
            snmp_sess_read(ch->handle, &fds);
        }
        snmp_sess_timeout(ch->handle);
    }
    runCompletions();
}

void SnmpSession::runCompletions() {
    // A completion may send again or process events itself: take one at a time.
    while (!completions_.empty()) {
        Completion c = std::move(completions_.front());
        completions_.pop_front();
        if (!c.pending->dropped && c.pending->callback)
            c.pending->callback(c.response);
    }
}

void SnmpSession::setSocketListener(SocketListener listener) {
    socketListener_ = std::move(listener);
}

std::vector<int> SnmpSession::asyncSockets() const {
    std::vector<int> fds;
    for (const auto& [key, ch] : channels_)
        if (ch->async && ch->fd >= 0)
            fds.push_back(ch->fd);
    return fds;
}

void SnmpSession::closeAll() {
    while (!channels_.empty())
        closeChannel(channels_.begin()->first);
    completions_.clear();
    outstanding_ = 0;
}
