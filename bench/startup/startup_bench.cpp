// Start-up to panel: from this process's start (read from /proc) until the Corvane-B chassis
// panel is drawn, against corvane-sim with the full profile; beside it the time snmpwalk takes
// to fetch the tables the panel is built from.
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "application.h"
#include "main_form.h"
#include "sim_process.h"
#include "snmp_types.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

// Milliseconds since this process started, from its start time in /proc.
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), {});
    // Field 22 (starttime) counts from the closing parenthesis of the command name.
    std::istringstream fields(content.substr(content.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22; ++i)
        fields >> field;
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double uptimeMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return uptimeMs - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

double snmpwalkMs(std::uint16_t port) {
    const std::string agent = "127.0.0.1:" + std::to_string(port);
    const std::string equipment = "1.3.6.1.4.1.32473.10.120.100.1.2";
    const std::vector<std::vector<std::string>> commands = {
        {"snmpget", "-v1", "-c", "meadow", "-On", agent, "1.3.6.1.2.1.1.2.0"},
        {"snmpwalk", "-v1", "-c", "meadow", "-On", agent, equipment + ".4.1.1"},
        {"snmpget", "-v1", "-c", "meadow", "-On", agent, equipment + ".3.1.0"},
        {"snmpwalk", "-v1", "-c", "meadow", "-On", agent, equipment + ".2.1.1"},
        {"snmpwalk", "-v1", "-c", "meadow", "-On", agent, equipment + ".6.1.1"},
        {"snmpwalk", "-v1", "-c", "meadow", "-On", agent, equipment + ".1.1.1"},
    };
    QElapsedTimer t;
    t.start();
    for (const auto& c : commands) {
        const auto r = corvane::test::runCommand(c, std::chrono::seconds(30));
        if (r.exitCode != 0)
            std::fprintf(stderr, "startup_bench: %s failed\n", c[0].c_str());
    }
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ConfigureApplication();
    // The agent starts before the clock matters: a real switch is already running.
    SimProcess agent("corvane-b");
    if (!agent.ready()) {
        std::fprintf(stderr, "startup_bench: corvane-sim did not start\n");
        return 1;
    }
    const double agentReady = msSinceProcessStart();
    const fs::path work =
        fs::temp_directory_path() / ("corvane-startup-" + std::to_string(getpid()));
    fs::create_directories(work);

    TMainForm form({"/I127.0.0.1", "/v1"}, work.string());
    DefaultDevice.Port = agent.port();
    form.FormCreate();
    // As the program starts: the first showing opens the waiting window, which loads the panel
    // (loading it here as well would read the switch twice).
    form.show();
    QElapsedTimer bound;
    bound.start();
    while ((!form.currentPanel() || QApplication::activeModalWidget()) && bound.elapsed() < 60000) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    form.repaint();
    QApplication::processEvents();
    const double total = msSinceProcessStart();
    const bool drawn = form.currentPanel() != nullptr;
    // Time spent waiting for the simulator to come up is not the manager's.
    const double startup = total - static_cast<double>(agent.startTime().count());

    const double walk = snmpwalkMs(agent.port());
    fs::remove_all(work);
    std::printf("chassis panel %s; process start to ready agent %.0f ms\n",
                drawn ? "drawn" : "NOT drawn", agentReady);
    std::printf("startup to panel: %.0f ms (snmpwalk of the same tables %.0f ms, ratio %.2f)\n",
                startup, walk, walk > 0 ? startup / walk : 0.0);
    return drawn ? 0 : 1;
}
