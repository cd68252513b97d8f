// Walk speed: an asynchronous get-next walk of a 10,000-row, 5-column table through
// NmSNMPRequest in a real Qt event loop, a synchronous one, and snmpwalk -Cc of one column, all
// against one corvane-sim; beside them the same asynchronous walk with get-bulk. Prints requests
// (get-bulk: rows) per second; the last line is the ratio.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "big_table.h"
#include "global_session.h"
#include "nm_snmp_request.h"
#include "sim_process.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 5;
const char* kEntry = "1.3.6.1.4.1.32473.99.1.1";

const SNMPVarDescriptor kColumnsTable[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", synInteger, vfIndex | vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Counter", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Gauge", synGauge32, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.5", "Status", synInteger, vfRead},
    {nullptr}};

// maxRepetitions 0: get-next, a row per request; -1: get-bulk as the program chooses it.
std::unique_ptr<NmSNMPRequest> makeRequest(std::uint16_t port, int maxRepetitions = 0) {
    auto r = std::make_unique<NmSNMPRequest>();
    r->MaxRepetitions = maxRepetitions;
    r->Device = {"127.0.0.1", port};
    r->Security.Version = 1;
    r->Security.ReadCommunity = "meadow";
    r->VarList = NmSNMPVarList(kColumnsTable, vlTable, 1);
    return r;
}

double asyncWalk(std::uint16_t port, int& rows, int maxRepetitions = 0) {
    auto request = makeRequest(port, maxRepetitions);
    rows = 0;
    bool done = false;
    QElapsedTimer timer;
    NmSNMPRequest::Handler handler = [&](NmSNMPError& e, NmSNMPVarList&) {
        if (e.Finished || e.Code != 0) {
            done = true;
            QCoreApplication::quit();
            return;
        }
        ++rows;
        bool ok = false;
        request->GetAsync(ok, handler, nullptr, false);
        if (!ok) {
            done = true;
            QCoreApplication::quit();
        }
    };
    timer.start();
    bool ok = false;
    request->GetAsync(ok, handler, nullptr, true);
    QTimer::singleShot(120000, [] { QCoreApplication::quit(); });  // bound: two minutes
    if (ok)
        QCoreApplication::exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    return done ? (rows + 1) / seconds : 0.0;
}

double syncWalk(std::uint16_t port, int& rows) {
    auto request = makeRequest(port);
    rows = 0;
    bool ok = false;
    QElapsedTimer timer;
    timer.start();
    for (bool more = request->Get(ok, true); more && rows < kRows + 10;
         more = request->Get(ok, false))
        ++rows;
    return (rows + 1) / (timer.nsecsElapsed() / 1e9);
}

double snmpwalkRate(std::uint16_t port, int& objects) {
    const std::string column = std::string(kEntry) + ".2";
    const std::vector<std::string> argv = {"snmpwalk",
                                           "-v2c",
                                           "-c",
                                           "meadow",
                                           "-Cc",
                                           "-On",
                                           "-r",
                                           "1",
                                           "-t",
                                           "2",
                                           "127.0.0.1:" + std::to_string(port),
                                           column};
    QElapsedTimer timer;
    timer.start();
    const auto result = corvane::test::runCommand(argv, std::chrono::seconds(120));
    const double seconds = timer.nsecsElapsed() / 1e9;
    objects = 0;
    for (char c : result.out)
        if (c == '\n')
            ++objects;
    return result.exitCode == 0 ? (objects + 1) / seconds : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const fs::path dir =
        fs::temp_directory_path() / ("corvane-walk-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::ofstream profile(dir / "big.snmprec");
        corvane::bench::writeBigTable(profile, kEntry, kRows);
    }
    std::ofstream(dir / "big.rules") << "";
    InitGlobalSession(dir.string());

    SimProcess agent((dir / "big.snmprec").string(), {"--rules", (dir / "big.rules").string()});
    if (!agent.ready()) {
        std::fprintf(stderr, "walk_bench: corvane-sim did not start\n");
        fs::remove_all(dir);
        return 1;
    }
    std::printf("table: %d rows x %d columns on corvane-sim port %u\n", kRows, kColumns,
                agent.port());

    int snmpwalkObjects = 0, asyncRows = 0, syncRows = 0;
    // Warm both sides once, then measure in a fixed order.
    snmpwalkRate(agent.port(), snmpwalkObjects);
    const double walk = snmpwalkRate(agent.port(), snmpwalkObjects);
    std::printf("snmpwalk -v2c -Cc: %d objects, %.0f req/s\n", snmpwalkObjects, walk);
    const double async = asyncWalk(agent.port(), asyncRows);
    std::printf("async walk: %d rows, %.0f req/s\n", asyncRows, async);
    const double sync = syncWalk(agent.port(), syncRows);
    std::printf("sync walk: %d rows, %.0f req/s\n", syncRows, sync);
    int bulkRows = 0;
    const double bulk = asyncWalk(agent.port(), bulkRows, -1);
    std::printf("async bulk walk: %d rows, %.0f rows/s\n", bulkRows, bulk);

    agent.stop();
    fs::remove_all(dir);
    const bool complete =
        asyncRows == kRows && syncRows == kRows && snmpwalkObjects == kRows && bulkRows == kRows;
    if (!complete)
        std::printf("walk_bench: a walk did not return every row\n");
    std::printf(
        "walk ratio async/snmpwalk: %.2f (async %.0f req/s, sync %.0f req/s, snmpwalk %.0f "
        "req/s); bulk async %.0f rows/s, %.2f x snmpwalk\n",
        walk > 0 ? async / walk : 0.0, async, sync, walk, bulk, walk > 0 ? bulk / walk : 0.0);
    return complete ? 0 : 1;
}
