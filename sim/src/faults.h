// Answers that a well-behaved agent would not give, on request, for testing managers: get-bulk
// answers refused with tooBig above a size or cut after some variables, and get-next steps that
// jump to another instance (back, or round in a circle). Also the guard that turns a response too
// large for one UDP datagram into tooBig (or, for get-bulk, into fewer repetitions) instead of
// dropping it.
#pragma once

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <map>
#include <string>

#include "store.h"

namespace corvane::sim {

struct FaultOptions {
    long bulkTooBig = 0;                // get-bulk answers larger than this many octets: tooBig
    long bulkCut = 0;                   // get-bulk answers hold at most this many variables
    std::map<Oid, Oid, OidLess> jumps;  // a get-next answer FROM becomes TO
};

// What the fault answers need of the agent: its objects and how a value goes on the wire.
struct FaultContext {
    const FaultOptions& faults;
    const Store& store;
    void (*encode)(netsnmp_variable_list* var, const Value& value);
};

// Takes "--bulk-toobig BYTES", "--bulk-cut N" and "--jump FROM=TO". Returns false when the option
// is not one of these; error is set when it is, but its value is bad.
bool parseFaultOption(const std::string& option, const std::string& value, FaultOptions& faults,
                      std::string& error);

// Both ends of every jump must be instances of the profile.
bool checkFaults(const FaultOptions& faults, const Store& store, std::string& error);

// The instance a get-next step answers when the store's next instance is it.
Store::const_iterator applyJump(const FaultOptions& faults, const Store& store,
                                Store::const_iterator next);

// Watches the responses the agent sends through this transport.
void installResponseGuard(netsnmp_transport* transport);

// Hands a request to the agent. A response that would not fit in one datagram (or, for
// get-bulk with bulkTooBig set, one larger than that) is not sent: get-bulk is asked again
// with fewer repetitions while that helps (not under bulkTooBig), anything else is answered
// with tooBig.
// With bulkCut set, get-bulk requests are answered here, cut after that many variables wherever
// that falls in a repetition.
int deliverGuarded(netsnmp_callback deliver, const FaultContext& context, int op,
                   netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);

}  // namespace corvane::sim
