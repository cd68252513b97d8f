// Start-up: application title, main window (session, messages, command line), message loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include "application.h"
#include "command_line.h"
#include "demo.h"
#include "export_command.h"
#include "main_form.h"
#include "message_box.h"
#include "messages.h"
#include "snmp_types.h"

namespace {

constexpr qint64 kScreenshotWaitMs = 60000;

// Waits (bounded) until the waiting window has come and gone, saves the main window's picture
// and ends the program: 0 when the chassis panel was drawn, 1 otherwise.
void saveWhenPanelDrawn(TMainForm& form, const QString& file) {
    auto* poll = new QTimer(&form);
    auto since = std::make_shared<QElapsedTimer>();
    auto sawWaiting = std::make_shared<bool>(false);
    since->start();
    QObject::connect(poll, &QTimer::timeout, &form, [&form, file, poll, since, sawWaiting] {
        const bool timedOut = since->elapsed() > kScreenshotWaitMs;
        if (QApplication::activeModalWidget() && !timedOut) {
            *sawWaiting = true;
            return;
        }
        if (!form.currentPanel() && !*sawWaiting && !timedOut)
            return;
        poll->stop();
        const bool saved = form.grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "corvane: cannot write %s\n", file.toLocal8Bit().constData());
        if (!form.currentPanel())
            std::fputs("corvane: no chassis panel was drawn\n", stderr);
        QCoreApplication::exit(saved && form.currentPanel() ? 0 : 1);
    });
    poll->start(100);
}

// During an export Qt's own notices would mix with the status text on standard error; the
// program's debug categories still come through when switched on.
void exportMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool ours = context.category && std::strncmp(context.category, "corvane", 7) == 0;
    if (type == QtCriticalMsg || type == QtFatalMsg || ours)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help") {
            std::fputs(CommandLineHelp().c_str(), stdout);
            return 0;
        }
        if (a == "--version") {
            std::fputs("corvane " CORVANE_VERSION "\n", stdout);
            return 0;
        }
    }

    // An export shows no window, so it needs no display.
    const bool exportMode = std::find(args.begin(), args.end(), "--export") != args.end();
    if (exportMode) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(exportMessageHandler);
    }

    QApplication app(argc, argv);
    ConfigureApplication();

    if (exportMode) {
        ExportRequest request;
        std::string out, err;
        int rc = 2;
        if (ParseExportArguments(args, request, err))
            rc = RunExport(request, out, err);
        else
            err = "corvane: " + err + "\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputs(err.c_str(), stderr);
        return std::fflush(stdout) == 0 ? rc : 1;
    }

    // --screenshot FILE: once the chassis panel is drawn, the window's picture goes to FILE
    // and the program ends.
    QString screenshot;
    if (auto at = std::find(args.begin(), args.end(), "--screenshot"); at != args.end()) {
        if (at + 1 == args.end()) {
            std::fputs("corvane: --screenshot needs a file name\n", stderr);
            return 2;
        }
        screenshot = QString::fromLocal8Bit((at + 1)->c_str());
        args.erase(at, at + 2);
    }

    // --demo [a|b]: a simulated switch on a free loopback port, stopped when the window closes.
    DemoAgent demo;
    const bool demoMode = !args.empty() && args[0] == "--demo";
    if (demoMode) {
        QString chassis = "b";
        args.erase(args.begin());
        if (!args.empty() && (args[0] == "a" || args[0] == "b")) {
            chassis = QString::fromStdString(args[0]);
            args.erase(args.begin());
        }
        if (RefuseDemoSwitches(args))
            return 1;
        QString error;
        if (!demo.start(chassis, error)) {
            ShowMessage(MessageKind::Error, error);
            return 1;
        }
        args.insert(args.begin(), {"/I127.0.0.1", "/v1"});
    }

    if (args.empty()) {
        ShowMessage(MessageKind::Information, "No parameter input");
        return 1;
    }

    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(args);
    } catch (const std::exception& e) {
        ShowMessage(MessageKind::Error, QString::fromLocal8Bit(e.what()));
        return 1;
    }
    if (demoMode)
        DefaultDevice = NmSNMPDevice{"127.0.0.1", demo.port()};
    form->FormCreate();
    form->show();
    if (!screenshot.isEmpty())
        saveWhenPanelDrawn(*form, screenshot);
    const int rc = app.exec();
    form.reset();
    demo.stop();
    return rc;
}
