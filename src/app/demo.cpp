// Demo mode: runs corvane-sim as a child process on 127.0.0.1.
#include "demo.h"

#include "command_line.h"
#include "message_box.h"

#include <sys/prctl.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>

#include "install_paths.h"

#ifndef CORVANE_SOURCE_PROFILES
#define CORVANE_SOURCE_PROFILES ""
#endif

DemoAgent::~DemoAgent() {
    stop();
}

QString DemoAgent::simulatorPath() {
    const QString beside = QCoreApplication::applicationDirPath() + "/corvane-sim";
    return QFileInfo::exists(beside) ? beside : QStringLiteral("corvane-sim");
}

QString DemoAgent::profilePath(const QString& chassis) {
    const QString file = "corvane-" + chassis + ".snmprec";
    const QString installed = InstalledDataDir() + "/profiles/" + file;
    if (QFileInfo::exists(installed))
        return installed;
    return QStringLiteral(CORVANE_SOURCE_PROFILES) + "/" + file;
}

bool DemoAgent::start(const QString& chassis, QString& error) {
    if (chassis != "a" && chassis != "b") {
        error = "Unknown demo chassis '" + chassis + "': use a or b.";
        return false;
    }
    const QString profile = profilePath(chassis);
    if (!QFileInfo::exists(profile)) {
        error = "The demo profile " + profile + " is missing.";
        return false;
    }
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    // The simulator ends with the manager, however the manager ends.
    process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_->start(simulatorPath(), {"--profile", profile, "--listen", "udp:127.0.0.1:0"});
    if (!process_->waitForStarted(5000)) {
        error = "Cannot start the simulated switch (" + simulatorPath() + ").";
        process_.reset();
        return false;
    }
    // The simulator prints one line when it answers; it names the port it took.
    static const QRegularExpression ready(R"(ready on udp:127\.0\.0\.1:(\d+))");
    QDeadlineTimer deadline(10000);
    QByteArray out;
    while (!deadline.hasExpired() && process_->state() == QProcess::Running) {
        process_->waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        out += process_->readAllStandardOutput();
        const auto match = ready.match(QString::fromLocal8Bit(out));
        if (match.hasMatch()) {
            port_ = static_cast<quint16>(match.captured(1).toUInt());
            return true;
        }
    }
    error = "The simulated switch did not start: " +
            QString::fromLocal8Bit(process_->readAllStandardError()).trimmed();
    stop();
    return false;
}

void DemoAgent::stop() {
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(1000);
        }
    }
    process_.reset();
    port_ = 0;
}

namespace {

// Equal as texts, or as the numbers the command line makes of them ("05" and "5").
bool sameValue(const std::string& given, const std::string& demo) {
    if (given == demo)
        return true;
    const QString g = QString::fromStdString(given);
    bool gNumber = false, dNumber = false;
    const int a = (g.startsWith('+') ? g.mid(1) : g).toInt(&gNumber, 10);
    const int b = QString::fromStdString(demo).toInt(&dNumber, 10);
    return gNumber && dNumber && a == b;
}

}  // namespace

QStringList DemoSwitchConflicts(const std::vector<std::string>& args) {
    // What the simulated switch is reached at and answers to (its defaults).
    struct DemoValue {
        const char* Switch;
        const char* Value;  // nullptr: no value of the user's fits
        const char* Reason;
        bool Secret;
    };
    static const DemoValue demoValues[] = {
        {"/I", "127.0.0.1", "another agent address", false},
        {"/t", nullptr, "another port; the demo picks its own", false},
        {"/R", "meadow", "another read community", true},
        {"/W", "thistle", "another write community", true},
        {"/n", "corvane", "another SNMPv3 user", false},
        {"/A", "corvane-auth", "another authentication pass phrase", true},
        {"/P", "corvane-priv", "another privacy pass phrase", true},
        {"/a", "5", "another authentication protocol", false},
        {"/p", "4", "another privacy protocol", false},
    };
    QStringList conflicts;
    for (const TakenSwitch& t : TakenSwitches(args)) {
        for (const DemoValue& d : demoValues) {
            if (t.Switch != d.Switch || (d.Value && sameValue(t.Value, d.Value)))
                continue;
            const std::string shown = d.Secret ? t.Switch : t.Switch + t.Value;
            conflicts << QString::fromStdString(shown) + " (" + d.Reason + ")";
        }
    }
    conflicts.removeDuplicates();
    return conflicts;
}

bool RefuseDemoSwitches(const std::vector<std::string>& args) {
    const QStringList conflicts = DemoSwitchConflicts(args);
    if (conflicts.isEmpty())
        return false;
    ShowMessage(MessageKind::Error,
                "--demo runs its own simulated switch on 127.0.0.1 and talks to no other agent. "
                "These switches would point the program elsewhere:\n\n" +
                    conflicts.join('\n') +
                    "\n\nLeave them out, or start corvane without --demo to manage another "
                    "switch.");
    return true;
}
