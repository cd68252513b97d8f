// InitGlobalSession: session, boots counter, defaults, event pump.
#include "global_session.h"

#include "boot_counter.h"
#include "event_processor.h"
#include "messages.h"
#include "session.h"
#include "snmp_types.h"

std::string bootCounterPath(const std::string& folder) {
    if (folder.empty())
        return kBootCounterFile;
    std::string path = folder;
    if (path.back() != '/')
        path += '/';
    return path + kBootCounterFile;
}

void InitGlobalSession(const std::string& folder) {
    if (!GlobalSession) {
        auto* session = new SnmpSession;
        if (session->open() != 0) {
            delete session;
            raiseNmSnmpError(nmSessionNotCreated);
        }
        GlobalSession = session;
    }

    // Read, count and write under one lock: programs started together each count a boot.
    std::uint32_t boots = 0;
    const int rc = incrementBootCounter(bootCounterPath(folder), kLocalEngineId, boots);
    if (rc == kBootCounterEngineIdTooLong || rc == kBootCounterMalformed)
        raiseNmSnmpError(nmBootCounterLoad);
    if (rc != kBootCounterOk)
        raiseNmSnmpError(nmBootCounterSave);
    GlobalSession->initLocalEngine(kLocalEngineId, boots);

    ResetDefaultTarget();

    if (!EventProcessor)
        EventProcessor = new _SnmpEventProcessor;
    EventProcessor->Start();
}
