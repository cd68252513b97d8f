// corvane-sim: a simulated Corvane switch, served by an embedded SNMP agent.
// The library wants its configuration header first.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "faults.h"
#include "rules.h"
#include "store.h"
#include "txn.h"

// The library keeps the listening session here without declaring it in a header.
extern "C" netsnmp_session* main_session;

namespace corvane::sim {
namespace {

const char* const kAppName = "corvane-sim";
// Ten minutes: far beyond any manager's timeout, far from overflowing a timer.
const long kMaxDelayMs = 600000;

struct V3User {
    std::string name, auth, authPass, priv, privPass;
};

struct Options {
    std::string profile;
    std::string rules;  // empty: the profile's name with ".rules"
    std::string listen = "udp:127.0.0.1:1161";
    std::string readCommunity = "meadow";
    std::string writeCommunity = "thistle";
    std::vector<V3User> users{{"corvane", "SHA-256", "corvane-auth", "AES", "corvane-priv"}};
    long delayMs = 0;
    long dropEvery = 0;
    std::string pduLog;
    FaultOptions faults;
};

// Everything the callbacks of the library reach; one agent per process.
struct Agent {
    Options opts;
    Store store;
    Rules rules;
    const Value* upTime = nullptr;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    // The set request in progress, its checked changes and what undoes them.
    const void* txn = nullptr;
    SetPlan plan;
    bool applied = false;
    Changes undo;
    netsnmp_callback deliver = nullptr;
    unsigned long received = 0;
    FILE* pduLog = nullptr;
};

Agent* g_agent = nullptr;
volatile sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

void usage(FILE* to) {
    std::fprintf(to,
                 "usage: corvane-sim --profile FILE [--rules FILE] [--listen udp:ADDR:PORT]\n"
                 "                   [--community RO/RW] [--v3-user NAME:AUTH:PASS:PRIV:PASS]...\n"
                 "                   [--delay MS] [--drop-every N] [--log-pdus FILE]\n"
                 "                   [--bulk-toobig BYTES] [--bulk-cut N] [--jump FROM=TO]...\n");
}

bool parseLong(const char* text, long& out) {
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && out >= 0;
}

// A whole number from 0 to max for option name; says what it wants when the text is not one.
bool parseCount(const std::string& name, const char* text, long max, long& out) {
    if (parseLong(text, out) && out <= max) {
        return true;
    }
    std::fprintf(stderr, "corvane-sim: %s wants a whole number from 0 to %ld, not '%s'\n",
                 name.c_str(), max, text);
    return false;
}

// A community as the library keeps it after reading the access line once: it reads it
// again between single quotes of the line it makes from it.
std::string escapedCommunity(const std::string& community) {
    std::string inner;
    for (char c : community) {
        if (c == '\'' || c == '\\') {
            inner.push_back('\\');
        }
        inner.push_back(c);
    }
    return inner;
}

// Why a community cannot be served, or empty. Blanks and quotes are fine: the access
// lines quote them.
std::string communityProblem(const std::string& text) {
    if (text.empty()) {
        return "is empty";
    }
    if (escapedCommunity(text).size() >= COMMUNITY_MAX_LEN) {
        return "is longer than " + std::to_string(COMMUNITY_MAX_LEN - 1) +
               " characters (apostrophes and backslashes count twice)";
    }
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            return "holds a control character";
        }
    }
    return {};
}

bool checkCommunities(const Options& o) {
    for (const std::string* c : {&o.readCommunity, &o.writeCommunity}) {
        // The text itself is never printed.
        if (std::string problem = communityProblem(*c); !problem.empty()) {
            std::fprintf(stderr, "corvane-sim: --community: the %s community %s\n",
                         c == &o.readCommunity ? "read" : "write", problem.c_str());
            return false;
        }
    }
    return true;
}

// One UDP endpoint only: the ready line reports it and every request passes its filter.
bool checkListen(const std::string& listen) {
    if (listen.find(',') != std::string::npos) {
        std::fprintf(stderr, "corvane-sim: --listen takes one udp:ADDR:PORT, not a list\n");
        return false;
    }
    return true;
}

// A token of a configuration line for the library, quoted so blanks stay inside it.
std::string configWord(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    return out + '"';
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t pos; (pos = s.find(sep, start)) != std::string::npos; start = pos + 1) {
        parts.push_back(s.substr(start, pos - start));
    }
    parts.push_back(s.substr(start));
    return parts;
}

bool parseArgs(int argc, char** argv, Options& o) {
    bool defaultUser = true;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-h" || a == "--help") {
            usage(stdout);
            std::exit(0);
        }
        if (a == "--version") {
            std::printf("corvane-sim %s\n", CORVANE_VERSION);
            std::exit(0);
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "corvane-sim: %s needs a value\n", a.c_str());
            return false;
        }
        const char* v = argv[++i];
        if (a == "--profile") {
            o.profile = v;
        } else if (a == "--rules") {
            o.rules = v;
        } else if (a == "--listen") {
            o.listen = v;
        } else if (a == "--community") {
            auto parts = split(v, '/');
            if (parts.size() != 2 || parts[0].empty() || parts[1].empty()) {
                std::fprintf(stderr, "corvane-sim: --community wants RO/RW\n");
                return false;
            }
            o.readCommunity = parts[0];
            o.writeCommunity = parts[1];
        } else if (a == "--v3-user") {
            auto p = split(v, ':');
            if (p.size() != 1 && p.size() != 3 && p.size() != 5) {
                std::fprintf(stderr, "corvane-sim: --v3-user wants NAME:AUTH:PASS:PRIV:PASS\n");
                return false;
            }
            p.resize(5);
            if (defaultUser) {
                o.users.clear();
                defaultUser = false;
            }
            o.users.push_back({p[0], p[1], p[2], p[3], p[4]});
        } else if (a == "--delay") {
            if (!parseCount(a, v, kMaxDelayMs, o.delayMs)) {
                return false;
            }
        } else if (a == "--drop-every") {
            if (!parseCount(a, v, LONG_MAX, o.dropEvery)) {
                return false;
            }
        } else if (a == "--log-pdus") {
            o.pduLog = v;
        } else if (std::string error; parseFaultOption(a, v, o.faults, error)) {
            if (!error.empty()) {
                std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
                return false;
            }
        } else {
            std::fprintf(stderr, "corvane-sim: unknown option %s\n", a.c_str());
            return false;
        }
    }
    if (o.profile.empty()) {
        usage(stderr);
        return false;
    }
    return checkCommunities(o) && checkListen(o.listen);
}

// --- Values between the store and the library -------------------------------------------

// How long the agent has served; growing counters count from their start.
double runSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - g_agent->started)
        .count();
}

void toVarbind(netsnmp_variable_list* var, const Value& v) {
    switch (v.tag) {
        case kInteger: {
            long n = static_cast<long>(v.asInt());
            snmp_set_var_typed_value(var, ASN_INTEGER, &n, sizeof n);
            break;
        }
        case kCounter32:
        case kGauge32:
        case kTimeTicks: {
            u_long n = static_cast<u_long>(v.numAfter(runSeconds()));
            if (&v == g_agent->upTime) {
                auto elapsed = std::chrono::steady_clock::now() - g_agent->started;
                n += static_cast<u_long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 10);
            }
            snmp_set_var_typed_value(var, v.tag, &n, sizeof n);
            break;
        }
        case kCounter64: {
            uint64_t num = v.numAfter(runSeconds());
            counter64 c{static_cast<u_long>(num >> 32), static_cast<u_long>(num & 0xffffffffu)};
            snmp_set_var_typed_value(var, ASN_COUNTER64, &c, sizeof c);
            break;
        }
        case kObjectId: {
            oid arcs[MAX_OID_LEN];
            size_t n = 0;
            if (auto parsed = parseOid(v.bytes)) {
                for (uint32_t a : *parsed) {
                    arcs[n++] = a;
                }
            }
            snmp_set_var_typed_value(var, ASN_OBJECT_ID, arcs, n * sizeof(oid));
            break;
        }
        case kNull:
            snmp_set_var_typed_value(var, ASN_NULL, nullptr, 0);
            break;
        default:  // OCTET STRING, IpAddress
            snmp_set_var_typed_value(var, v.tag, v.bytes.data(), v.bytes.size());
            break;
    }
}

Value fromVarbind(const netsnmp_variable_list* var) {
    Value v;
    v.tag = var->type;
    switch (var->type) {
        case ASN_INTEGER:
            v.num = static_cast<uint64_t>(static_cast<int64_t>(*var->val.integer));
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
            v.num = static_cast<u_long>(*var->val.integer) & 0xffffffffu;
            break;
        case ASN_COUNTER64:
            v.num = (uint64_t(var->val.counter64->high) << 32) |
                    (var->val.counter64->low & 0xffffffffu);
            break;
        case ASN_OBJECT_ID: {
            std::vector<uint32_t> arcs(var->val.objid, var->val.objid + var->val_len / sizeof(oid));
            v.bytes = formatOid(arcs);
            break;
        }
        case ASN_OCTET_STR:
        case ASN_IPADDRESS:
        case ASN_OPAQUE:
            v.bytes.assign(reinterpret_cast<const char*>(var->val.string), var->val_len);
            break;
        default:
            break;
    }
    return v;
}

Oid toOid(const oid* name, size_t len) {
    return Oid(name, name + len);
}

// --- Access ---------------------------------------------------------------------------

enum class Access { None, Read, Write };

Access accessOf(const netsnmp_pdu* pdu) {
    if (!pdu) {
        return Access::None;
    }
    if (pdu->version == SNMP_VERSION_3) {
        // USM has already checked the user and its keys; plain requests get nothing.
        return pdu->securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV ? Access::Write : Access::None;
    }
    std::string_view community(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    if (community == g_agent->opts.writeCommunity) {
        return Access::Write;
    }
    if (community == g_agent->opts.readCommunity) {
        return Access::Read;
    }
    return Access::None;
}

// --- The one handler over the whole tree ------------------------------------------------

int handle(netsnmp_mib_handler*, netsnmp_handler_registration*, netsnmp_agent_request_info* reqinfo,
           netsnmp_request_info* requests) {
    Agent& ag = *g_agent;
    Access access = accessOf(reqinfo->asp ? reqinfo->asp->pdu : nullptr);
    if (access == Access::None) {
        for (auto* r = requests; r; r = r->next) {
            netsnmp_set_request_error(reqinfo, r, SNMP_ERR_AUTHORIZATIONERROR);
        }
        return SNMP_ERR_NOERROR;
    }
    switch (reqinfo->mode) {
        case MODE_GET:
            for (auto* r = requests; r; r = r->next) {
                netsnmp_variable_list* var = r->requestvb;
                std::span<const oid> name(var->name, var->name_length);
                auto it = ag.store.find(name);
                if (it != ag.store.end()) {
                    toVarbind(var, it->second);
                    continue;
                }
                // Without MIB knowledge: an object exists when its parent OID has instances
                // or a write rule covers it.
                auto parent = name.first(name.size() - 1);
                auto near = ag.store.lower_bound(parent);
                bool object = (near != ag.store.end() && hasPrefix(near->first, parent)) ||
                              ag.rules.find(toOid(var->name, var->name_length - 1)) != nullptr;
                netsnmp_set_request_error(reqinfo, r,
                                          object ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
            }
            break;
        case MODE_GETNEXT:
            for (auto* r = requests; r; r = r->next) {
                netsnmp_variable_list* var = r->requestvb;
                std::span<const oid> name(var->name, var->name_length);
                // Entering the next registration the library asks for its start inclusively.
                Store::const_iterator it =
                    r->inclusive ? ag.store.lower_bound(name) : ag.store.upper_bound(name);
                it = applyJump(ag.opts.faults, ag.store, it);
                if (it == ag.store.end() ||
                    (r->range_end &&
                     !OidLess()(it->first, std::span<const oid>(r->range_end, r->range_end_len)))) {
                    continue;  // the library goes on in the next registration or ends the view
                }
                oid arcs[MAX_OID_LEN];
                size_t n = std::min<size_t>(it->first.size(), MAX_OID_LEN);
                std::copy_n(it->first.begin(), n, arcs);
                snmp_set_var_objid(var, arcs, n);
                toVarbind(var, it->second);
            }
            break;
        case MODE_SET_RESERVE1: {
            // Varbinds may reach this handler through several registrations, one call
            // each; the whole request is checked once so it succeeds or fails as one.
            netsnmp_agent_session* asp = reqinfo->asp;
            if (ag.txn != asp) {
                ag.txn = asp;
                ag.applied = false;
                ag.undo.clear();
                if (access != Access::Write) {
                    ag.plan = {};
                    ag.plan.status = kNoAccess;
                } else {
                    std::vector<SetVarbind> vbs;
                    for (auto* v = asp->pdu->variables; v; v = v->next_variable) {
                        vbs.push_back({toOid(v->name, v->name_length), fromVarbind(v)});
                    }
                    ag.plan = planSet(ag.store, ag.rules, vbs);
                }
            }
            if (ag.plan.status != kNoError) {
                for (auto* r = requests; r; r = r->next) {
                    if (static_cast<size_t>(r->index) == ag.plan.errorIndex + 1 ||
                        (ag.plan.status == kNoAccess && r == requests)) {
                        netsnmp_set_request_error(reqinfo, r, ag.plan.status);
                    }
                }
            }
            break;
        }
        case MODE_SET_RESERVE2:
            break;
        case MODE_SET_ACTION:
            if (ag.txn == reqinfo->asp && !ag.applied) {
                ag.undo = applyChanges(ag.store, ag.plan.changes);
                ag.applied = true;
            }
            break;
        case MODE_SET_UNDO:
            if (ag.txn == reqinfo->asp && ag.applied) {
                applyChanges(ag.store, ag.undo);
            }
            ag.txn = nullptr;
            ag.undo.clear();
            break;
        case MODE_SET_COMMIT:
        case MODE_SET_FREE:
            ag.txn = nullptr;
            ag.undo.clear();
            break;
    }
    return SNMP_ERR_NOERROR;
}

// --- Per-PDU filter: communities, log, fault injection -----------------------------------

const char* pduName(int command) {
    switch (command) {
        case SNMP_MSG_GET:
            return "get";
        case SNMP_MSG_GETNEXT:
            return "getnext";
        case SNMP_MSG_GETBULK:
            return "getbulk";
        case SNMP_MSG_SET:
            return "set";
        default:
            return "other";
    }
}

void logPdu(FILE* out, const netsnmp_pdu* pdu) {
    std::string line = pduName(pdu->command);
    line += ' ' + std::to_string(pdu->reqid);
    if (pdu->command == SNMP_MSG_GETBULK) {
        line += " nr=" + std::to_string(pdu->non_repeaters) +
                " mr=" + std::to_string(pdu->max_repetitions);
    }
    for (auto* var = pdu->variables; var; var = var->next_variable) {
        std::vector<uint32_t> arcs(var->name, var->name + var->name_length);
        line += ' ' + formatOid(arcs);
        if (pdu->command == SNMP_MSG_SET) {
            line += '=' + formatValue(fromVarbind(var), ':');
        }
    }
    line += '\n';
    std::fputs(line.c_str(), out);
    std::fflush(out);
}

struct Deferred {
    netsnmp_session* session;
    netsnmp_pdu* pdu;
};

void deliverDeferred(unsigned int, void* arg) {
    auto* d = static_cast<Deferred*>(arg);
    deliverGuarded(g_agent->deliver, {g_agent->opts.faults, g_agent->store, toVarbind},
                   NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, d->session, d->pdu->reqid, d->pdu,
                   nullptr);
    snmp_free_pdu(d->pdu);
    delete d;
}

int onPacket(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic) {
    Agent& ag = *g_agent;
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || magic != nullptr) {
        return ag.deliver(op, session, reqid, pdu, magic);
    }
    // A wrong community goes unanswered, as on a real switch.
    if (pdu->version != SNMP_VERSION_3 && accessOf(pdu) == Access::None) {
        return 1;
    }
    ++ag.received;
    if (ag.pduLog) {
        logPdu(ag.pduLog, pdu);
    }
    if (ag.opts.dropEvery > 0 && ag.received % static_cast<unsigned long>(ag.opts.dropEvery) == 0) {
        return 1;
    }
    if (ag.opts.delayMs > 0) {
        // Answer from a timer so other requests are not held up meanwhile.
        auto* d = new Deferred{session, snmp_clone_pdu(pdu)};
        timeval tv{ag.opts.delayMs / 1000, (ag.opts.delayMs % 1000) * 1000};
        snmp_alarm_register_hr(tv, 0, deliverDeferred, d);
        return 1;
    }
    return deliverGuarded(ag.deliver, {ag.opts.faults, ag.store, toVarbind}, op, session, reqid,
                          pdu, magic);
}

void wakeUp(unsigned int, void*) {}

std::string createUserLine(const V3User& u) {
    std::string line = configWord(u.name);
    if (!u.auth.empty()) {
        line += ' ' + u.auth + ' ' + configWord(u.authPass);
        if (!u.priv.empty()) {
            std::string priv = u.priv == "AES-128" ? "AES" : u.priv;
            line += ' ' + priv + ' ' + configWord(u.privPass.empty() ? u.authPass : u.privPass);
        }
    }
    return line;
}

// Where the listening session's socket is, as "udp:ADDR:PORT" ("udp6:[ADDR]:PORT"); false
// when it is not a UDP socket.
bool udpEndpoint(netsnmp_session* session, std::string& where) {
    auto* transport = snmp_sess_transport(snmp_sess_pointer(session));
    int type = 0;
    socklen_t typeLen = sizeof type;
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (!transport || getsockopt(transport->sock, SOL_SOCKET, SO_TYPE, &type, &typeLen) != 0 ||
        type != SOCK_DGRAM ||
        getsockname(transport->sock, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        return false;
    }
    char ip[INET6_ADDRSTRLEN];
    if (addr.ss_family == AF_INET) {
        auto* in = reinterpret_cast<sockaddr_in*>(&addr);
        inet_ntop(AF_INET, &in->sin_addr, ip, sizeof ip);
        where = std::string("udp:") + ip + ":" + std::to_string(ntohs(in->sin_port));
        return true;
    }
    if (addr.ss_family == AF_INET6) {
        auto* in = reinterpret_cast<sockaddr_in6*>(&addr);
        inet_ntop(AF_INET6, &in->sin6_addr, ip, sizeof ip);
        where = std::string("udp6:[") + ip + "]:" + std::to_string(ntohs(in->sin6_port));
        return true;
    }
    return false;
}

std::string profileName(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

int run(int argc, char** argv) {
    Agent ag;
    if (!parseArgs(argc, argv, ag.opts)) {
        return 2;
    }
    std::string error;
    auto store = loadSnmprec(ag.opts.profile, error);
    if (!store) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 1;
    }
    ag.store = std::move(*store);
    std::string rulesPath = ag.opts.rules;
    if (rulesPath.empty()) {
        rulesPath = std::filesystem::path(ag.opts.profile).replace_extension(".rules").string();
        if (!std::filesystem::exists(rulesPath)) {
            rulesPath.clear();
        }
    }
    if (!rulesPath.empty() &&
        !(ag.rules.load(rulesPath, error) && ag.rules.takeTypesFrom(ag.store, error))) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 1;
    }
    if (!checkFaults(ag.opts.faults, ag.store, error)) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 1;
    }
    if (auto it = ag.store.find(Oid{1, 3, 6, 1, 2, 1, 1, 3, 0});
        it != ag.store.end() && it->second.tag == kTimeTicks) {
        ag.upTime = &it->second;
    }
    if (!ag.opts.pduLog.empty()) {
        ag.pduLog = std::fopen(ag.opts.pduLog.c_str(), "a");
        if (!ag.pduLog) {
            std::fprintf(stderr, "corvane-sim: cannot open %s\n", ag.opts.pduLog.c_str());
            return 1;
        }
    }
    g_agent = &ag;

    // Net-SNMP state, configuration and MIB lookups all stay in a private folder.
    char tmpl[] = "/tmp/corvane-sim-XXXXXX";
    if (!mkdtemp(tmpl)) {
        std::perror("corvane-sim: mkdtemp");
        return 1;
    }
    std::string tmp = tmpl;
    setenv("SNMPCONFPATH", tmp.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", tmp.c_str(), 1);
    setenv("MIBDIRS", tmp.c_str(), 1);
    setenv("MIBS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, tmp.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, tmp.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS,
                          ag.opts.listen.c_str());
    // Warnings and errors only: the library's notes about its private folder are noise.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);

    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID,
                           NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);

    int status = 1;
    // No SMUX peer socket: the simulator serves its profile over SNMP only.
    char noSmux[] = "-smux";
    add_to_init_list(noSmux);
    init_agent(kAppName);
    // Access lines are fed to the library as if read from a configuration file.
    auto remember = [](const std::string& line) {
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        netsnmp_config_remember(buf.data());
    };
    remember("rocommunity " + configWord(escapedCommunity(ag.opts.readCommunity)));
    remember("rwcommunity " + configWord(escapedCommunity(ag.opts.writeCommunity)));
    for (const V3User& u : ag.opts.users) {
        remember("rwuser " + configWord(u.name) + " auth");
    }
    // The library will not register the whole iso(1) arc, so take each branch below it
    // that the profile or its rules use.
    std::set<uint32_t> branches{3};
    for (const auto& [key, value] : ag.store) {
        branches.insert(key[1]);
    }
    for (uint32_t b : ag.rules.branches()) {
        branches.insert(b);
    }
    bool registered = true;
    for (uint32_t b : branches) {
        const oid root[] = {1, b};
        std::string name = "corvane-sim-" + std::to_string(b);
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            name.c_str(), handle, root, OID_LENGTH(root), HANDLER_CAN_RWRITE);
        registered = registered && reg && netsnmp_register_handler(reg) == MIB_REGISTERED_OK;
    }
    init_snmp(kAppName);
    bool usersOk = true;
    for (const V3User& u : ag.opts.users) {
        std::string line = createUserLine(u);
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        usm_parse_create_usmUser("createUser", buf.data());
        u_char engine[SNMP_MAXBUF_SMALL];
        size_t engineLen = snmpv3_get_engineID(engine, sizeof engine);
        if (!usm_get_user(engine, engineLen, u.name.c_str())) {
            std::fprintf(stderr, "corvane-sim: cannot create SNMPv3 user %s\n", u.name.c_str());
            usersOk = false;
        }
    }
    std::string where;
    bool up = usersOk && registered && init_master_agent() == 0 && main_session;
    if (up && !udpEndpoint(main_session, where)) {
        std::fprintf(stderr,
                     "corvane-sim: --listen %s: corvane-sim serves UDP only (udp:ADDR:PORT)\n",
                     ag.opts.listen.c_str());
    } else if (up) {
        ag.deliver = main_session->callback;
        main_session->callback = onPacket;
        installResponseGuard(snmp_sess_transport(snmp_sess_pointer(main_session)));
        struct sigaction sa {};
        sa.sa_handler = onSignal;
        sigaction(SIGINT, &sa, nullptr);
        sigaction(SIGTERM, &sa, nullptr);
        // A periodic wake-up bounds the time a signal can wait for the next packet.
        snmp_alarm_register(1, SA_REPEAT, wakeUp, nullptr);
        std::printf("corvane-sim ready on %s profile %s (%zu objects)\n", where.c_str(),
                    profileName(ag.opts.profile).c_str(), ag.store.size());
        std::fflush(stdout);
        while (!g_stop) {
            agent_check_and_process(1);
        }
        status = 0;
    } else {
        std::fprintf(stderr, "corvane-sim: cannot start the agent on %s\n", ag.opts.listen.c_str());
    }
    snmp_shutdown(kAppName);
    if (ag.pduLog) {
        std::fclose(ag.pduLog);
    }
    std::error_code ec;
    std::filesystem::remove_all(tmp, ec);
    g_agent = nullptr;
    return status;
}

}  // namespace
}  // namespace corvane::sim

int main(int argc, char** argv) {
    return corvane::sim::run(argc, argv);
}
