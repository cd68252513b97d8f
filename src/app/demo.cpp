// Demo mode: runs corvane-sim as a child process on 127.0.0.1.
#include "demo.h"

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
