// Start-up: application title, main window (session, messages, command line), message loop.
#include <QApplication>
#include <cstdio>
#include <exception>

#include "command_line.h"
#include "demo.h"
#include "main_form.h"
#include "message_box.h"
#include "messages.h"
#include "snmp_types.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help") {
            std::fputs(CommandLineHelp().c_str(), stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("corvane");
    QApplication::setApplicationDisplayName("Corvane");

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
    const int rc = app.exec();
    form.reset();
    demo.stop();
    return rc;
}
