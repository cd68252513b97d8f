// Answers that a well-behaved agent would not give, on request, for testing managers: get-bulk
// answers refused with tooBig above a size, and get-next steps that jump to another instance
// (back, or round in a circle). Also the guard that turns a response too large for one UDP
// datagram into tooBig (or, for get-bulk, into fewer repetitions) instead of dropping it.
#pragma once

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <map>
#include <string>

#include "store.h"

namespace corvane::sim {

struct FaultOptions {
    long bulkTooBig = 0;                // get-bulk answers larger than this many octets: tooBig
    std::map<Oid, Oid, OidLess> jumps;  // a get-next answer FROM becomes TO
};

// Takes "--bulk-toobig BYTES" and "--jump FROM=TO". Returns false when the option is not one of
// these; error is set when it is, but its value is bad.
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
int deliverGuarded(netsnmp_callback deliver, const FaultOptions& faults, int op,
                   netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);

}  // namespace corvane::sim
