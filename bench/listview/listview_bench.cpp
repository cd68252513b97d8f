// List-view fill speed: an asynchronous walk of a 10,000-row and then a 100,000-row table of
// five columns into a shown list view (offscreen), through NmSNMPRequest2Edits against
// corvane-sim. Prints rows per second and the process's peak memory; fails when the 100,000-row
// fill is incomplete or peaks at 300 MB or more.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "big_table.h"
#include "global_session.h"
#include "nm_snmp_request2_edits.h"
#include "sim_process.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

constexpr int kSmallRows = 10000;
constexpr int kBigRows = 100000;
constexpr long kPeakLimitMb = 300;

// Two tables of five columns: entry .1 with the small row count, entry .2 with the big one.
const SNMPVarDescriptor kSmall[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", synInteger, vfIndex | vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Counter", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Gauge", synGauge32, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.5", "Status", synInteger, vfRead},
    {nullptr}};
const SNMPVarDescriptor kBig[] = {
    {"1.3.6.1.4.1.32473.99.1.2.1", "Index", synInteger, vfIndex | vfRead},
    {"1.3.6.1.4.1.32473.99.1.2.2", "Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.1.2.3", "Counter", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.1.2.4", "Gauge", synGauge32, vfRead},
    {"1.3.6.1.4.1.32473.99.1.2.5", "Status", synInteger, vfRead},
    {nullptr}};

long peakMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6)) / 1024;  // kB
    return -1;
}

// Fills the list view from an asynchronous walk; returns rows per second (0 when incomplete).
double fill(std::uint16_t port, const SNMPVarDescriptor* table, QTreeWidget& list, int expected,
            int& rows) {
    NmSNMPRequest2Edits binding(list.window());
    binding.Request.Device = {"127.0.0.1", port};
    binding.Request.Security.Version = 1;
    binding.Request.Security.ReadCommunity = "meadow";
    binding.Request.VarList = NmSNMPVarList(table, vlTable, 1);
    binding.AttachListView(&list, false);
    QElapsedTimer timer;
    timer.start();
    if (!binding.Get())
        return 0;
    // Bound: two minutes.
    while (binding.Busy && timer.elapsed() < 120000) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    rows = list.topLevelItemCount();
    binding.Request.Active = false;
    return !binding.Busy && rows == expected ? rows / seconds : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const fs::path dir =
        fs::temp_directory_path() / ("corvane-listview-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::ofstream out(dir / "big.snmprec");
        corvane::bench::writeBigTable(out, "1.3.6.1.4.1.32473.99.1.1", kSmallRows);
        corvane::bench::writeBigTable(out, "1.3.6.1.4.1.32473.99.1.2", kBigRows);
    }
    std::ofstream(dir / "big.rules") << "";
    InitGlobalSession(dir.string());

    SimProcess agent((dir / "big.snmprec").string(), {"--rules", (dir / "big.rules").string()},
                     std::chrono::seconds(120));
    if (!agent.ready()) {
        std::fprintf(stderr, "listview_bench: corvane-sim did not start\n");
        fs::remove_all(dir);
        return 1;
    }

    QWidget window;
    window.resize(640, 480);
    QTreeWidget list(&window);
    list.resize(640, 480);
    window.show();

    int smallRows = 0, bigRows = 0;
    const double smallRate = fill(agent.port(), kSmall, list, kSmallRows, smallRows);
    std::printf("%d rows x 5 columns: %.0f rows/s, peak %ld MB\n", smallRows, smallRate, peakMb());
    std::fflush(stdout);
    const double bigRate = fill(agent.port(), kBig, list, kBigRows, bigRows);
    const long peak = peakMb();
    std::printf("%d rows x 5 columns: %.0f rows/s, peak %ld MB\n", bigRows, bigRate, peak);

    agent.stop();
    fs::remove_all(dir);
    const bool ok = smallRate > 0 && bigRate > 0 && peak >= 0 && peak < kPeakLimitMb;
    if (!ok)
        std::printf("listview_bench: incomplete fill or peak of %ld MB not under %ld MB\n", peak,
                    kPeakLimitMb);
    std::printf("listview fill: %.0f rows/s, %d rows peak %ld MB\n", smallRate, kBigRows, peak);
    return ok ? 0 : 1;
}
