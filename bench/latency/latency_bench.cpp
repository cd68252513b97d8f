// Over a slow link: corvane-sim answers every request 20 ms late, as a switch in a real network
// does. Measures start-up to the complete Corvane-B chassis panel with SNMPv2c and with SNMPv1,
// beside snmpbulkwalk -Cr25 (v2c) and snmpwalk (v1) of the same tables against the same agent,
// and the time to fill a generic window on the LED table with SNMPv2c. Requests are counted from
// the agent's PDU log. The last line is the summary.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "application.h"
#include "chassis_tables.h"
#include "config_form.h"
#include "generic_window.h"
#include "main_form.h"
#include "menu_catalogue.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmp_types.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

constexpr int kDelayMs = 20;
constexpr int kRounds = 3;  // the short measurements; the median is reported
const std::string kEquipment = "1.3.6.1.4.1.32473.10.120.100.1.2";

struct Measure {
    double ms = 0;
    std::size_t requests = 0;
    bool complete = true;
};

class Bench {
  public:
    Bench(const SimProcess& agent, fs::path log, fs::path work)
        : agent_(agent), log_(std::move(log)), work_(std::move(work)) {}

    std::size_t logged() const { return corvane::test::readPduLog(log_.string()).size(); }

    // From the main window's construction until the chassis panel is drawn, the way the
    // program starts: the first showing opens the waiting window, which loads the panel.
    Measure panel(const std::string& version) {
        Measure m;
        const std::size_t before = logged();
        QElapsedTimer t;
        t.start();
        {
            TMainForm form({"/I127.0.0.1", version}, work_.string());
            DefaultDevice.Port = agent_.port();
            form.FormCreate();
            form.show();
            (void)QTest::qWaitFor(
                [&] { return form.currentPanel() && !QApplication::activeModalWidget(); }, 120000);
            form.repaint();
            QApplication::processEvents();
            m.ms = t.nsecsElapsed() / 1e6;
            m.complete = form.currentPanel() != nullptr && form.statusText().contains("Ok.");
        }
        m.requests = logged() - before;
        return m;
    }

    // A generic table window on the LED table, from the read's start until the list is full.
    Measure ledWindow() {
        static const CataloguePage pages[] = {{nullptr, dtChassisLedTable, vlTable, 1}};
        MenuEntry entry{1, "LED Table", MenuAction::Generic, "LED Table ", WindowLayout::List};
        entry.Pages = pages;
        TMainForm form({"/I127.0.0.1", "/v1"}, work_.string());
        DefaultDevice.Port = agent_.port();
        auto window = BuildGenericWindow(entry);
        window->show();
        QApplication::processEvents();
        Measure m;
        const std::size_t before = logged();
        QElapsedTimer t;
        t.start();
        window->RefreshCurrent();
        NmSNMPRequest2Edits* b = window->Current;
        (void)QTest::qWaitFor([b] { return !b->Busy; }, 60000);
        m.ms = t.nsecsElapsed() / 1e6;
        m.requests = logged() - before;
        m.complete = !b->Busy && b->ListView && b->ListView->topLevelItemCount() >= 150;
        window->close();
        return m;
    }

    // The command-line tools on the tables the panel is built from.
    Measure tools(bool bulk) {
        const std::string peer = "127.0.0.1:" + std::to_string(agent_.port());
        const std::vector<std::string> v =
            bulk ? std::vector<std::string>{"-v2c", "-Cr25"} : std::vector<std::string>{"-v1"};
        const std::string walk = bulk ? "snmpbulkwalk" : "snmpwalk";
        auto command = [&](const std::string& tool, const std::string& oid) {
            std::vector<std::string> argv{tool, "-c", "meadow", "-On", "-t", "2", "-r", "1"};
            for (const std::string& o : v)
                if (tool != "snmpget" || o.rfind("-C", 0) != 0)
                    argv.push_back(o);
            argv.push_back(peer);
            argv.push_back(oid);
            return argv;
        };
        const std::vector<std::vector<std::string>> commands = {
            command("snmpget", "1.3.6.1.2.1.1.2.0"),   command(walk, kEquipment + ".4.1.1"),
            command("snmpget", kEquipment + ".3.1.0"), command(walk, kEquipment + ".2.1.1"),
            command(walk, kEquipment + ".6.1.1"),      command(walk, kEquipment + ".1.1.1"),
        };
        Measure m;
        const std::size_t before = logged();
        QElapsedTimer t;
        t.start();
        for (const auto& c : commands) {
            const auto r = corvane::test::runCommand(c, std::chrono::seconds(120));
            if (r.exitCode != 0) {
                m.complete = false;
                std::fprintf(stderr, "latency_bench: %s failed: %s\n", c[0].c_str(), r.err.c_str());
            }
        }
        m.ms = t.nsecsElapsed() / 1e6;
        m.requests = logged() - before;
        return m;
    }

  private:
    const SimProcess& agent_;
    fs::path log_;
    fs::path work_;
};

Measure median(int rounds, const std::function<Measure()>& run) {
    std::vector<Measure> all;
    for (int i = 0; i < rounds; ++i)
        all.push_back(run());
    std::sort(all.begin(), all.end(),
              [](const Measure& a, const Measure& b) { return a.ms < b.ms; });
    Measure m = all[all.size() / 2];
    for (const Measure& x : all)
        m.complete = m.complete && x.complete;
    return m;
}

void print(const char* what, const Measure& m) {
    std::printf("%-34s %7.0f ms  %4zu requests%s\n", what, m.ms, m.requests,
                m.complete ? "" : "  (INCOMPLETE)");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ConfigureApplication();
    const fs::path work =
        fs::temp_directory_path() / ("corvane-latency-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const fs::path log = work / "pdus.log";
    SimProcess agent("corvane-b",
                     {"--delay", std::to_string(kDelayMs), "--log-pdus", log.string()});
    if (!agent.ready()) {
        std::fprintf(stderr, "latency_bench: corvane-sim did not start\n");
        fs::remove_all(work);
        return 1;
    }
    std::printf("corvane-sim corvane-b, every answer %d ms late; median of %d where marked\n",
                kDelayMs, kRounds);
    Bench bench(agent, log, work);
    bench.panel("/v1");  // warms the windowing system once, untimed

    const Measure panelV2 = median(kRounds, [&] { return bench.panel("/v1"); });
    print("panel SNMPv2c (median)", panelV2);
    const Measure bulkwalk = median(kRounds, [&] { return bench.tools(true); });
    print("snmpbulkwalk -Cr25 (median)", bulkwalk);
    const Measure panelV1 = bench.panel("/v0");
    print("panel SNMPv1", panelV1);
    const Measure walk = bench.tools(false);
    print("snmpwalk", walk);
    const Measure led = median(kRounds, [&] { return bench.ledWindow(); });
    print("LED table window SNMPv2c (median)", led);

    agent.stop();
    fs::remove_all(work);
    const bool complete =
        panelV2.complete && bulkwalk.complete && panelV1.complete && walk.complete && led.complete;
    if (!complete)
        std::printf("latency_bench: a measurement did not complete\n");
    std::printf(
        "over %d ms: panel v2c %.0f ms (snmpbulkwalk %.0f ms, ratio %.2f), panel v1 %.0f ms "
        "(snmpwalk %.0f ms, ratio %.2f), LED window v2c %.0f ms\n",
        kDelayMs, panelV2.ms, bulkwalk.ms, bulkwalk.ms > 0 ? panelV2.ms / bulkwalk.ms : 0.0,
        panelV1.ms, walk.ms, walk.ms > 0 ? panelV1.ms / walk.ms : 0.0, led.ms);
    return complete ? 0 : 1;
}
