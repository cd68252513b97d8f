// Fault options of corvane-sim and the guard on oversized responses.
#include "faults.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace corvane::sim {
namespace {

// The largest UDP payload over IPv4; a longer response cannot leave the agent.
constexpr long kDatagramLimit = 65507;

// The request being handed to the agent, while it is: responses above limit are held back.
struct Watch {
    bool active = false;
    long limit = 0;
    bool over = false;
};
Watch g_watch;
int (*g_send)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;

int guardedSend(netsnmp_transport* t, const void* buf, int size, void** opaque, int* olength) {
    if (g_watch.active && size > g_watch.limit) {
        g_watch.over = true;
        return size;  // not sent; deliverGuarded answers in its place
    }
    return g_send(t, buf, size, opaque, olength);
}

// The alternate response: tooBig, error index 0, and (SNMPv2c, SNMPv3) no variables.
void answerTooBig(netsnmp_session* session, const netsnmp_pdu* request) {
    netsnmp_pdu* r = snmp_clone_pdu(const_cast<netsnmp_pdu*>(request));
    if (!r)
        return;
    r->command = SNMP_MSG_RESPONSE;
    r->flags &= ~UCD_MSG_FLAG_EXPECT_RESPONSE;
    r->errstat = SNMP_ERR_TOOBIG;
    r->errindex = 0;
    if (r->version != SNMP_VERSION_1) {
        snmp_free_varbind(r->variables);
        r->variables = nullptr;
    }
    if (!snmp_send(session, r))
        snmp_free_pdu(r);
}

// A get-bulk answer of at most bulkCut variables, from the store as get-next steps see it.
void answerBulkCut(const FaultContext& context, netsnmp_session* session,
                   const netsnmp_pdu* request) {
    netsnmp_pdu* r = snmp_clone_pdu(const_cast<netsnmp_pdu*>(request));
    if (!r)
        return;
    r->command = SNMP_MSG_RESPONSE;
    r->flags &= ~UCD_MSG_FLAG_EXPECT_RESPONSE;
    r->errstat = SNMP_ERR_NOERROR;
    r->errindex = 0;
    std::vector<Oid> asked;
    for (auto* v = request->variables; v; v = v->next_variable)
        asked.emplace_back(v->name, v->name + v->name_length);
    snmp_free_varbind(r->variables);
    r->variables = nullptr;
    const std::size_t most = static_cast<std::size_t>(std::min(context.faults.bulkCut, 100L));
    std::size_t count = 0;
    // One get-next step after `after`; false once the answer is full.
    auto step = [&](Oid& after) {
        if (count >= most)
            return false;
        auto it = applyJump(context.faults, context.store, context.store.upper_bound(after));
        std::vector<oid> name;
        if (it == context.store.end()) {
            name.assign(after.begin(), after.end());
            netsnmp_variable_list* v = snmp_add_null_var(r, name.data(), name.size());
            if (v)
                v->type = SNMP_ENDOFMIBVIEW;
        } else {
            name.assign(it->first.begin(), it->first.end());
            netsnmp_variable_list* v = snmp_add_null_var(r, name.data(), name.size());
            if (v)
                context.encode(v, it->second);
            after = it->first;
        }
        ++count;
        return true;
    };
    const std::size_t fixed =
        std::min(asked.size(), static_cast<std::size_t>(std::max(0L, request->non_repeaters)));
    for (std::size_t i = 0; i < fixed; ++i)
        step(asked[i]);
    std::vector<Oid> cursors(asked.begin() + static_cast<std::ptrdiff_t>(fixed), asked.end());
    bool full = false;
    for (long j = 0; j < request->max_repetitions && !full && !cursors.empty(); ++j) {
        for (Oid& cursor : cursors) {
            if (!step(cursor)) {
                full = true;
                break;
            }
        }
    }
    if (!snmp_send(session, r))
        snmp_free_pdu(r);
}

bool parseWhole(const std::string& text, long& out) {
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && !text.empty() && *end == '\0' && out >= 0;
}

}  // namespace

bool parseFaultOption(const std::string& option, const std::string& value, FaultOptions& faults,
                      std::string& error) {
    if (option == "--bulk-toobig") {
        if (!parseWhole(value, faults.bulkTooBig))
            error = "--bulk-toobig wants a whole number of octets, not '" + value + "'";
        return true;
    }
    if (option == "--bulk-cut") {
        if (!parseWhole(value, faults.bulkCut))
            error = "--bulk-cut wants a whole number of variables, not '" + value + "'";
        return true;
    }
    if (option == "--jump") {
        const auto eq = value.find('=');
        std::optional<Oid> from, to;
        if (eq != std::string::npos) {
            from = parseOid(std::string_view(value).substr(0, eq));
            to = parseOid(std::string_view(value).substr(eq + 1));
        }
        if (!from || !to)
            error = "--jump wants FROM=TO, two OIDs, not '" + value + "'";
        else
            faults.jumps[*from] = *to;
        return true;
    }
    return false;
}

bool checkFaults(const FaultOptions& faults, const Store& store, std::string& error) {
    for (const auto& [from, to] : faults.jumps) {
        for (const Oid* end : {&from, &to}) {
            if (!store.count(*end)) {
                error = "--jump " + formatOid(*end) + " is not an instance of the profile";
                return false;
            }
        }
    }
    return true;
}

Store::const_iterator applyJump(const FaultOptions& faults, const Store& store,
                                Store::const_iterator next) {
    if (faults.jumps.empty() || next == store.end())
        return next;
    const auto jump = faults.jumps.find(next->first);
    if (jump == faults.jumps.end())
        return next;
    const auto to = store.find(jump->second);
    return to == store.end() ? next : to;
}

void installResponseGuard(netsnmp_transport* transport) {
    if (!transport || transport->f_send == guardedSend)
        return;
    g_send = transport->f_send;
    transport->f_send = guardedSend;
}

int deliverGuarded(netsnmp_callback deliver, const FaultContext& context, int op,
                   netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic) {
    const FaultOptions& faults = context.faults;
    const bool bulk = pdu->command == SNMP_MSG_GETBULK;
    const bool readable =
        pdu->version != SNMP_VERSION_3 || pdu->securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV;
    if (bulk && faults.bulkCut > 0 && readable) {
        answerBulkCut(context, session, pdu);
        return 1;
    }
    if (!g_send)
        return deliver(op, session, reqid, pdu, magic);
    const bool bulkFault = bulk && faults.bulkTooBig > 0;
    const long limit = bulkFault ? std::min(faults.bulkTooBig, kDatagramLimit) : kDatagramLimit;
    const long repetitions = pdu->max_repetitions;
    int rc = 0;
    // Each round halves the repetitions, so this ends after at most 32 rounds.
    for (;;) {
        g_watch = {true, limit, false};
        rc = deliver(op, session, reqid, pdu, magic);
        const bool over = g_watch.over;
        g_watch = {};
        if (!over)
            break;
        if (bulk && !bulkFault && pdu->max_repetitions > 1) {
            pdu->max_repetitions /= 2;
            continue;
        }
        answerTooBig(session, pdu);
        break;
    }
    if (bulk)
        pdu->max_repetitions = repetitions;
    return rc;
}

}  // namespace corvane::sim
